#include "marcatore.h"

#include <QPainter>

namespace mappix {

Marcatore::Marcatore(QWidget* genitore) : Cliccabile(genitore) {
    setCursor(Qt::PointingHandCursor);
}

void Marcatore::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(palette().color(QPalette::ButtonText));
    // The dot keeps its share of the cell at every scale of the window.
    const double raggio = kDiametro / 2 * width() / kLarghezzaCella;
    pittore.drawEllipse(QRectF(rect()).center(), raggio, raggio);
}

}  // namespace mappix
