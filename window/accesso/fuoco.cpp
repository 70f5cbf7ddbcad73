#include "fuoco.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace mappix {
namespace {

// The order Tab follows: the left part as it reads (help panel, start screen,
// the map panels), then the exercise controls and the log of the right
// column, and last the window's own buttons "Nuovo" and "Esci", so that the
// keys next to the game do not lead first to the two that end it.
const char* const kOrdineTab[] = {"Text2",       "CmdHlpFine",  "TxtNome",   "CmdHlp",
                                  "CmdIniz",     "FramRegio",   "FramCitta", "OptReg",
                                  "OptCapolReg", "OptCittaReg", "OptCapol",  "OptCitta",
                                  "CmdReset",    "Text1",       "CmdNuovo",  "CmdFine"};

constexpr int kSpessore = 2;  // the ring's width in pixels

QRegion Striscia(const QRect& anello) {
    return QRegion(anello).subtracted(
        QRegion(anello.adjusted(kSpessore, kSpessore, -kSpessore, -kSpessore)));
}

bool Usabile(const QWidget* w) {
    return w != nullptr && w->isEnabled() && w->isVisibleTo(w->window());
}

}  // namespace

Momento Momento::Di(const Controlli& stato) {
    Momento m;
    m.inizio = !stato.Frame1.Visible;
    m.esercizio = stato.OptReg.Value || stato.OptCapolReg.Value || stato.OptCittaReg.Value ||
                  stato.OptCapol.Value || stato.OptCitta.Value;
    m.aiuto = stato.FrmHelp.Visible;
    return m;
}

GuidaFuoco::GuidaFuoco(QWidget* finestra) : finestra_(finestra) {}

QWidget* GuidaFuoco::Di(const char* nome) const {
    return finestra_->findChild<QWidget*>(QLatin1String(nome));
}

void GuidaFuoco::Ordina() {
    QWidget* precedente = nullptr;
    for (const char* nome : kOrdineTab) {
        QWidget* w = Di(nome);
        if (w == nullptr) {
            continue;
        }
        if (precedente != nullptr) {
            QWidget::setTabOrder(precedente, w);
        }
        precedente = w;
    }
}

QWidget* GuidaFuoco::Naturale(const Momento& momento) const {
    if (momento.esercizio) {
        QWidget* regio = Di("FramRegio");
        return Usabile(regio) ? regio : Di("FramCitta");
    }
    return momento.inizio ? Di("TxtNome") : Di("OptReg");
}

void GuidaFuoco::Metti(QWidget* widget) {
    if (Usabile(widget)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void GuidaFuoco::Dopo(const Momento& prima, const Momento& dopo) {
    if (!prima.aiuto && dopo.aiuto) {
        Metti(Di("CmdHlpFine"));
    } else if (prima.esercizio != dopo.esercizio || prima.inizio != dopo.inizio ||
               dopo.inizioAccettato) {
        Metti(Naturale(dopo));
    } else if (prima.aiuto && !dopo.aiuto) {
        QWidget* aiuto = Di("CmdHlp");
        Metti(Usabile(aiuto) ? aiuto : Naturale(dopo));
    }
    // A focus left on a control that is now covered has been moved by Qt to
    // the next one in the chain; the moment's own place is better.
    QWidget* attuale = QApplication::focusWidget();
    if (attuale == nullptr || !finestra_->isAncestorOf(attuale)) {
        if (finestra_->isActiveWindow() || !finestra_->isVisible()) {
            Metti(Naturale(dopo));
        }
    }
}

SegnoFuoco::SegnoFuoco(QWidget* finestra) : QWidget(finestra) {
    setObjectName(QStringLiteral("SegnoFuoco"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(finestra->rect());
    connect(qApp, &QApplication::focusChanged, this, &SegnoFuoco::Segui);
    raise();
}

QRect SegnoFuoco::Anello() const {
    const QWidget* w = seguito_;
    if (w == nullptr || !w->isVisible() || !parentWidget()->isAncestorOf(w)) {
        return {};
    }
    const QRect posto(w->mapTo(parentWidget(), QPoint(0, 0)), w->size());
    return posto.adjusted(-kSpessore, -kSpessore, kSpessore, kSpessore)
        .intersected(parentWidget()->rect());
}

void SegnoFuoco::Segui(QWidget* /*vecchio*/, QWidget* nuovo) {
    seguito_ = nuovo;
    Rinfresca();
}

// Only the ring's own strip is repainted, not the widget inside it (a whole
// map, or a name box holding a very long name).
void SegnoFuoco::Rinfresca() {
    update(Striscia(disegnato_));
    disegnato_ = Anello();
    update(Striscia(disegnato_));
}

void SegnoFuoco::paintEvent(QPaintEvent* /*evento*/) {
    disegnato_ = Anello();
    if (disegnato_.isEmpty()) {
        return;
    }
    // Filled, not stroked: the same pixels without the stroker's joins.
    QPainter pittore(this);
    const QColor colore = palette().color(QPalette::Active, QPalette::Highlight);
    for (const QRect& pezzo : Striscia(disegnato_)) {
        pittore.fillRect(pezzo, colore);
    }
}

}  // namespace mappix
