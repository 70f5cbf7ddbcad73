// A widget that reports a click as a button does: pressed and released with
// the left button, the release still inside it.
#pragma once

#include <QWidget>

namespace mappix {

class Cliccabile : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    bool premuto_ = false;
};

}  // namespace mappix
