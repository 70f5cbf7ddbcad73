#include "cliccabile.h"

#include <QMouseEvent>

namespace mappix {

void Cliccabile::mousePressEvent(QMouseEvent* evento) {
    premuto_ = evento->button() == Qt::LeftButton;
    evento->accept();
}

void Cliccabile::mouseReleaseEvent(QMouseEvent* evento) {
    const QPoint dove = evento->position().toPoint();
    const bool clic = premuto_ && evento->button() == Qt::LeftButton && rect().contains(dove) &&
                      (mask().isEmpty() || mask().contains(dove));
    premuto_ = false;
    evento->accept();
    if (clic) {
        emit clicked();
    }
}

}  // namespace mappix
