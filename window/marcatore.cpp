#include "marcatore.h"

#include <QMouseEvent>
#include <QPainter>

namespace mappix {

Marcatore::Marcatore(QWidget* genitore) : QWidget(genitore) {
    setCursor(Qt::PointingHandCursor);
}

void Marcatore::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(palette().color(QPalette::ButtonText));
    pittore.drawEllipse(QRectF(rect()).center(), kDiametro / 2, kDiametro / 2);
}

void Marcatore::mousePressEvent(QMouseEvent* evento) {
    premuto_ = evento->button() == Qt::LeftButton;
    evento->accept();
}

void Marcatore::mouseReleaseEvent(QMouseEvent* evento) {
    const bool clic = premuto_ && evento->button() == Qt::LeftButton &&
                      rect().contains(evento->position().toPoint());
    premuto_ = false;
    evento->accept();
    if (clic) {
        emit clicked();
    }
}

}  // namespace mappix
