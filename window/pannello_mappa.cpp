#include "pannello_mappa.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <limits>

#include "finestra.h"
#include "forme_regioni.h"
#include "immagine.h"
#include "marcatore.h"

namespace mappix {

// The focus mark: a black ring with a white dashed ring on it, visible on any
// fill and on the sea, drawn the same whichever item it marks and whatever
// the last answer was. It lies over the whole panel and takes no clicks.
// It covers only the marked item and takes no clicks.
class SegnoMappa : public QWidget {
public:
    explicit SegnoMappa(QWidget* pannello) : QWidget(pannello) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    // Shows the mark around an outline given in the panel's coordinates.
    void Segna(const QPainterPath& contorno) {
        const QRect posto = contorno.boundingRect().toAlignedRect().adjusted(-kMargine, -kMargine,
                                                                             kMargine, kMargine);
        contorno_ = contorno.translated(-posto.topLeft());
        setGeometry(posto);
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*evento*/) override {
        QPainter pittore(this);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setBrush(Qt::NoBrush);
        pittore.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        pittore.drawPath(contorno_);
        pittore.setPen(QPen(Qt::white, 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
        pittore.drawPath(contorno_);
    }

private:
    static constexpr int kMargine = 3;
    QPainterPath contorno_;
};

namespace {

// Areas and markers are buttons to assistive technology, named by number
// only: a region's or city's name would give the answer away.
class ElementoAccessibile : public QAccessibleWidget {
public:
    explicit ElementoAccessibile(QWidget* elemento)
        : QAccessibleWidget(elemento, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& azione) override {
        if (azione == pressAction()) emit static_cast<Cliccabile*>(widget())->clicked();
    }
    QAccessible::State state() const override {
        QAccessible::State stato = QAccessibleWidget::state();
        stato.focusable = true;
        const auto* pannello = qobject_cast<const PannelloMappa*>(widget()->parentWidget());
        if (pannello != nullptr && pannello->segnoVisibile()) {
            const auto& elementi = pannello->elementi();
            stato.focused = elementi[static_cast<std::size_t>(pannello->attivo())] == widget();
        }
        return stato;
    }
};

QAccessibleInterface* FabbricaElementi(const QString& classe, QObject* oggetto) {
    if (oggetto != nullptr && oggetto->isWidgetType() &&
        (classe == QLatin1String("mappix::AreaRegione") ||
         classe == QLatin1String("mappix::Marcatore"))) {
        return new ElementoAccessibile(static_cast<QWidget*>(oggetto));
    }
    return nullptr;
}

QPoint Centro(const QWidget* w) {
    return w->geometry().center();
}

}  // namespace

PannelloMappa::PannelloMappa(const char* nome, const QString& titolo, QWidget* genitore)
    : QGroupBox(titolo, genitore) {
    static const bool fabbricaInstallata = [] {
        QAccessible::installFactory(FabbricaElementi);
        return true;
    }();
    Q_UNUSED(fabbricaInstallata)
    setObjectName(QLatin1String(nome));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    immagine_ = new Immagine(QStringLiteral(":/mappa.svg"), true, this);
    segno_ = new SegnoMappa(this);
}

bool PannelloMappa::segnoVisibile() const {
    return daTastiera_ && hasFocus() && attivo_ >= 0 &&
           attivo_ < static_cast<int>(elementi_.size()) &&
           elementi_[static_cast<std::size_t>(attivo_)]->isVisible();
}

void PannelloMappa::Aggiungi(Cliccabile* elemento, const QString& nomeAccessibile) {
    elemento->setAccessibleName(nomeAccessibile);
    elementi_.push_back(elemento);
}

QPainterPath PannelloMappa::Contorno(const Cliccabile* elemento) const {
    QPainterPath contorno;
    const QRectF posto = QRectF(elemento->geometry()).adjusted(-2, -2, 2, 2);
    contorno.addEllipse(posto.center(), posto.width() / 2, posto.width() / 2);
    return contorno;
}

void PannelloMappa::Attiva(int posizione) {
    if (posizione < 0 || posizione >= static_cast<int>(elementi_.size())) return;
    attivo_ = posizione;
    if (!segnoVisibile()) {
        segno_->hide();
        return;
    }
    segno_->Segna(Contorno(elementi_[static_cast<std::size_t>(attivo_)]));
    QAccessibleEvent evento(elementi_[static_cast<std::size_t>(attivo_)], QAccessible::Focus);
    QAccessible::updateAccessibility(&evento);
}

// The nearest item whose centre lies in the direction (dx, dy) from the
// marked one: straight ahead counts, sideways counts double.
int PannelloMappa::Vicino(int dx, int dy) const {
    if (attivo_ < 0) return 0;
    const QPoint da = Centro(elementi_[static_cast<std::size_t>(attivo_)]);
    int migliore = -1;
    double costoMigliore = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < elementi_.size(); ++i) {
        if (static_cast<int>(i) == attivo_ || !elementi_[i]->isVisible()) continue;
        const QPoint d = Centro(elementi_[i]) - da;
        const int avanti = d.x() * dx + d.y() * dy;
        const int laterale = std::abs(d.x() * dy - d.y() * dx);
        if (avanti <= 0) continue;
        const double costo = std::hypot(double(avanti), 2.0 * laterale);
        if (costo < costoMigliore) {
            costoMigliore = costo;
            migliore = static_cast<int>(i);
        }
    }
    return migliore < 0 ? attivo_ : migliore;
}

void PannelloMappa::keyPressEvent(QKeyEvent* evento) {
    if (elementi_.empty() || evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QGroupBox::keyPressEvent(evento);
        return;
    }
    const bool eraVisibile = segnoVisibile();
    daTastiera_ = true;
    if (attivo_ < 0) attivo_ = 0;
    switch (evento->key()) {
        case Qt::Key_Left:
            Attiva(eraVisibile ? Vicino(-1, 0) : attivo_);
            break;
        case Qt::Key_Right:
            Attiva(eraVisibile ? Vicino(1, 0) : attivo_);
            break;
        case Qt::Key_Up:
            Attiva(eraVisibile ? Vicino(0, -1) : attivo_);
            break;
        case Qt::Key_Down:
            Attiva(eraVisibile ? Vicino(0, 1) : attivo_);
            break;
        case Qt::Key_Space:
        case Qt::Key_Select:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Attiva(attivo_);
            if (evento->isAutoRepeat()) break;  // one answer per press
            emit elementi_[static_cast<std::size_t>(attivo_)]->clicked();
            break;
        default:
            QGroupBox::keyPressEvent(evento);
            return;
    }
    evento->accept();
}

// A group box takes Space for its own check box: here it answers.
bool PannelloMappa::event(QEvent* evento) {
    if (evento->type() == QEvent::KeyPress || evento->type() == QEvent::KeyRelease) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->key() == Qt::Key_Space || tasto->key() == Qt::Key_Select) {
            if (evento->type() == QEvent::KeyPress) keyPressEvent(tasto);
            return true;
        }
    }
    return QGroupBox::event(evento);
}

void PannelloMappa::focusInEvent(QFocusEvent* evento) {
    QGroupBox::focusInEvent(evento);
    // A click gives the panel the focus without showing the mark; the
    // keyboard, or the program placing the focus, shows it.
    daTastiera_ = evento->reason() != Qt::MouseFocusReason;
    Attiva(evento->reason() == Qt::BacktabFocusReason ? static_cast<int>(elementi_.size()) - 1 : 0);
}

void PannelloMappa::focusOutEvent(QFocusEvent* evento) {
    QGroupBox::focusOutEvent(evento);
    segno_->hide();
}

bool PannelloMappa::focusNextPrevChild(bool avanti) {
    if (hasFocus() && !elementi_.empty()) {
        const int prossimo = attivo_ + (avanti ? 1 : -1);
        if (daTastiera_ && prossimo >= 0 && prossimo < static_cast<int>(elementi_.size())) {
            Attiva(prossimo);
            return true;
        }
        if (!daTastiera_) {  // the first key after a click shows the mark where it is
            daTastiera_ = true;
            Attiva(std::max(attivo_, 0));
            return true;
        }
    }
    return QGroupBox::focusNextPrevChild(avanti);
}

// ---------------------------------------------------------------- regions

PannelloRegioni::PannelloRegioni(const Controlli& stato, const std::function<void(int)>& clic,
                                 QWidget* genitore)
    : PannelloMappa("FramRegio", stato.FramRegio.Caption, genitore), stato_(stato) {
    immagine()->setObjectName(QStringLiteral("Image1"));
    immagine()->installEventFilter(this);
    // Created from the last so that the lower index lies on top: only San
    // Marino's area, which keeps its whole rectangle, overlaps others.
    for (int i = kNumAree - 1; i >= 0; --i) {
        auto* area = new AreaRegione(this);
        area->setObjectName(QStringLiteral("LbLReg(%1)").arg(i));
        connect(area, &Cliccabile::clicked, this, [clic, i] { clic(i); });
        aree_[static_cast<std::size_t>(i)] = area;
    }
    for (int i = 0; i < kNumAree; ++i) {
        Aggiungi(aree_[static_cast<std::size_t>(i)], QStringLiteral("Area %1").arg(i));
    }
}

void PannelloRegioni::Specchia(double scala) {
    scala_ = scala;
    Rispecchia(immagine(), stato_.Image1, scala);
    for (std::size_t i = 0; i < aree_.size(); ++i) {
        const Controllo& stato = stato_.LbLReg[i];
        if (aree_[i]->isVisibleTo(this) != stato.Visible) aree_[i]->setVisible(stato.Visible);
        if (aree_[i]->isEnabledTo(this) != stato.Enabled) aree_[i]->setEnabled(stato.Enabled);
    }
    Sagoma();
}

bool PannelloRegioni::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == immagine() &&
        (evento->type() == QEvent::Resize || evento->type() == QEvent::Move)) {
        Sagoma();
    }
    return PannelloMappa::eventFilter(oggetto, evento);
}

void PannelloRegioni::showEvent(QShowEvent* evento) {
    PannelloMappa::showEvent(evento);
    Sagoma();
}

// Each area becomes the land its region shows on the map as drawn at the
// map's current size: its place the land's bounding box, a mask the land
// itself, so that Qt hands a click beside the land to what lies below. The
// shapes are made when the panel first shows, and again only when the map
// moves or changes size.
void PannelloRegioni::Sagoma() {
    if (!isVisible()) return;
    const QRect mappa = immagine()->geometry();
    const QRect sanMarino = RettangoloPixel(stato_.LbLReg[0], scala_);
    const QRect pugliaSud = RettangoloPixel(stato_.LbLReg[kAreaPugliaSud], scala_);
    const std::array<QRect, 3> per{mappa, sanMarino, pugliaSud};
    const qreal rapporto = devicePixelRatioF();
    if (per == fattePer_ && rapporto == rapportoFatto_) return;
    fattePer_ = per;
    rapportoFatto_ = rapporto;

    std::array<QRegion, kNumRegioni> terre = TerreInPixel(TrattiMappa(), mappa.size(), rapporto);
    std::array<QRegion, kNumAree> forme;
    // The map's border is drawn over its outermost pixels.
    const QRect interno = mappa.adjusted(1, 1, -1, -1);
    for (std::size_t r = 0; r < terre.size(); ++r) {
        forme[r] = terre[r].translated(mappa.topLeft()) & interno;
    }
    // San Marino's spot is too small to aim at: its area keeps its rectangle.
    forme[0] += sanMarino;
    forme[kAreaPugliaSud] = forme[kPuglia] & pugliaSud;
    forme[kPuglia] -= pugliaSud;
    for (std::size_t i = 0; i < aree_.size(); ++i) {
        const QRect posto = forme[i].boundingRect();
        if (posto.isEmpty()) {  // an empty mask would make the whole widget clickable
            aree_[i]->setGeometry(QRect(mappa.topLeft(), QSize(0, 0)));
            aree_[i]->clearMask();
            continue;
        }
        aree_[i]->setGeometry(posto);
        aree_[i]->setMask(forme[i].translated(-posto.topLeft()));
    }
    if (segnoVisibile()) Attiva(attivo());  // the mark follows the new shape
}

QPainterPath PannelloRegioni::Contorno(const Cliccabile* elemento) const {
    QPainterPath contorno;
    contorno.addRegion(elemento->mask().translated(elemento->pos()));
    return contorno.simplified();
}

// ---------------------------------------------------------------- cities

PannelloCitta::PannelloCitta(const Controlli& stato, const std::function<void(int)>& clic,
                             QWidget* genitore)
    : PannelloMappa("FramCitta", stato.FramCitta.Caption, genitore), stato_(stato) {
    immagine()->setObjectName(QStringLiteral("Image2"));
    for (int i = 1; i <= kNumCitta; ++i) {
        auto* marcatore = new Marcatore(this);
        marcatore->setObjectName(QStringLiteral("LblCit(%1)").arg(i));
        connect(marcatore, &Cliccabile::clicked, this, [clic, i] { clic(i); });
        Aggiungi(marcatore, QStringLiteral("Città %1").arg(i));
    }
}

void PannelloCitta::Specchia(double scala) {
    Rispecchia(immagine(), stato_.Image2, scala);
    for (std::size_t i = 0; i < elementi().size(); ++i) {
        Rispecchia(elementi()[i], stato_.LblCit[i + 1], scala);
    }
}

}  // namespace mappix
