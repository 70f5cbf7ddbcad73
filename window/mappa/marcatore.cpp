#include "marcatore.h"

#include <QPainter>

#include "forme_regioni.h"

namespace mappix {

Marcatore::Marcatore(QWidget* genitore) : Cliccabile(genitore) {
    setCursor(Qt::PointingHandCursor);
}

void Marcatore::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    const QColor testo = palette().color(QPalette::ButtonText);
    const QPointF centro = QRectF(rect()).center();
    pittore.setPen(Qt::NoPen);
    // Under a theme whose button text does not stand out on the map (a light
    // one under a dark style, on the white sea), a ring in the contrasting
    // colour outlines the dot; the dot keeps the theme's colour inside it.
    // Dot and ring keep their share of the cell at every scale of the window.
    const double scala = width() / kLarghezzaCella;
    double raggio = kDiametro / 2 * scala;
    if (!SpiccaSullaMappa(testo)) {
        const QColor anello = Contrasto(testo, Qt::black) > Contrasto(testo, Qt::white)
                                  ? QColor(Qt::black)
                                  : QColor(Qt::white);
        pittore.setBrush(anello);
        pittore.drawEllipse(centro, raggio + kAnello / 2 * scala, raggio + kAnello / 2 * scala);
        raggio -= kAnello / 2 * scala;
    }
    pittore.setBrush(testo);
    pittore.drawEllipse(centro, raggio, raggio);
}

}  // namespace mappix
