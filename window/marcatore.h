// A city marker: a small filled dot in the button-text colour, centred in its
// transparent cell, that takes clicks.
#pragma once

#include "cliccabile.h"

namespace mappix {

class Marcatore : public Cliccabile {
    Q_OBJECT

public:
    explicit Marcatore(QWidget* genitore = nullptr);

    static constexpr double kDiametro = 6.0;  // in a cell kLarghezzaCella pixels wide
    static constexpr double kLarghezzaCella = 8.0;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
};

}  // namespace mappix
