#include "cliccabile.h"

#include <QMouseEvent>

namespace mappix {

void Cliccabile::mousePressEvent(QMouseEvent* evento) {
    premuto_ = evento->button() == Qt::LeftButton;
    evento->accept();
}

void Cliccabile::mouseReleaseEvent(QMouseEvent* evento) {
    const bool clic = premuto_ && evento->button() == Qt::LeftButton &&
                      rect().contains(evento->position().toPoint());
    premuto_ = false;
    evento->accept();
    if (clic) {
        emit clicked();
    }
}

}  // namespace mappix
