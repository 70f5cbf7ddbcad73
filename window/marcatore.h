// A city marker: a small filled dot in the button-text colour, centred in its
// transparent cell, that takes clicks.
#pragma once

#include <QWidget>

namespace mappix {

class Marcatore : public QWidget {
    Q_OBJECT

public:
    explicit Marcatore(QWidget* genitore = nullptr);

    static constexpr double kDiametro = 6.0;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    bool premuto_ = false;
};

}  // namespace mappix
