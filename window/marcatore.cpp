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
    pittore.drawEllipse(QRectF(rect()).center(), kDiametro / 2, kDiametro / 2);
}

}  // namespace mappix
