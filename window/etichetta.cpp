#include "etichetta.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "testo_mostrato.h"

namespace mappix {
namespace {

bool Entra(const QFont& carattere, const QRect& area, int flag, const QString& testo) {
    const QRect necessario = QFontMetrics(carattere).boundingRect(area, flag, testo);
    return necessario.width() <= area.width() && necessario.height() <= area.height();
}

}  // namespace

Etichetta::Etichetta(QWidget* genitore) : Cliccabile(genitore) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Etichetta::impostaTesto(const QString& testo) {
    if (testo == testo_) {
        return;
    }
    const QString vecchio = testo_;
    testo_ = testo;
    mostrato_ = TestoMostrato(Visibile(testo));
    adatta();
    update();
    Annuncia(vecchio);
}

// A screen reader learns the new caption: as a new name, and as the text
// replaced whole.
void Etichetta::Annuncia(const QString& vecchio) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent nome(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nome);
    QAccessibleTextUpdateEvent testo(this, 0, TestoMostrato(vecchio), TestoMostrato(testo_));
    QAccessible::updateAccessibility(&testo);
}

// Only what could fit at the smallest size is laid out: a caption far longer
// than the label (a name of many thousand letters) costs no more than a full one.
QString Etichetta::Visibile(const QString& testo) const {
    const qsizetype limite = std::max<qsizetype>(64, qsizetype{width()} * height() / 8);
    if (testo.size() <= limite) {
        return testo;
    }
    qsizetype taglio = limite;
    if (testo.at(taglio).isLowSurrogate()) {
        --taglio;
    }
    return testo.left(taglio);
}

void Etichetta::impostaAllineamento(Qt::Alignment allineamento) {
    allineamento_ = allineamento;
    adatta();
    update();
}

void Etichetta::impostaBordo(bool bordo) {
    bordo_ = bordo;
    adatta();
    update();
}

QFont Etichetta::carattereUsato() const {
    return usato_;
}

QRect Etichetta::areaTesto() const {
    return bordo_ ? rect().adjusted(2, 1, -2, -1) : rect();
}

int Etichetta::flagTesto() const {
    return static_cast<int>(allineamento_) | (ovunque_ ? Qt::TextWrapAnywhere : Qt::TextWordWrap);
}

void Etichetta::adatta() {
    const QRect area = areaTesto();
    // Shown at last, a label learns its size again: nothing to fit anew.
    Adattamento richiesta{font(), area, allineamento_, mostrato_};
    if (richiesta == adattato_) {
        return;
    }
    adattato_ = std::move(richiesta);
    usato_ = font();
    ovunque_ = false;
    if (mostrato_.isEmpty()) {
        return;
    }
    const int flag = static_cast<int>(allineamento_) | Qt::TextWordWrap;
    if (Entra(usato_, area, flag, mostrato_)) {
        return;
    }
    // The largest pixel size that fits, by bisection between the smallest
    // readable size and the label's own.
    int basso = kPixelMinimi;
    int alto = QFontInfo(usato_).pixelSize();
    QFont prova = usato_;
    while (alto - basso > 1) {
        const int medio = (basso + alto) / 2;
        prova.setPixelSize(medio);
        (Entra(prova, area, flag, mostrato_) ? basso : alto) = medio;
    }
    usato_.setPixelSize(basso);
    // A word too long for the label is broken where it must be.
    ovunque_ = !Entra(usato_, area, flag, mostrato_);
}

void Etichetta::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    if (bordo_) {
        pittore.setPen(palette().color(QPalette::WindowText));
        pittore.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (mostrato_.isEmpty()) {
        return;
    }
    pittore.setFont(usato_);
    pittore.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    pittore.setClipRect(areaTesto());
    pittore.drawText(areaTesto(), flagTesto(), mostrato_);
}

void Etichetta::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::FontChange) {
        adatta();
    }
    QWidget::changeEvent(evento);
}

void Etichetta::resizeEvent(QResizeEvent* evento) {
    mostrato_ = TestoMostrato(Visibile(testo_));
    adatta();
    QWidget::resizeEvent(evento);
}

}  // namespace mappix
