// A city marker: a small filled dot in the button-text colour, centred in its
// transparent cell, that takes clicks; outlined where that colour would not
// stand out on the map.
#pragma once

#include "cliccabile.h"

namespace mappix {

class Marcatore : public Cliccabile {
    Q_OBJECT

public:
    explicit Marcatore(QWidget* genitore = nullptr);

    static constexpr double kDiametro = 6.0;  // in a cell kLarghezzaCella pixels wide
    static constexpr double kLarghezzaCella = 8.0;
    static constexpr double kAnello = 2.0;  // width of the ring that outlines a light dot

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
};

}  // namespace mappix
