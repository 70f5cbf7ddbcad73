#pragma once

#include <QString>

namespace mappix {

// The texts keep CR LF and CR as the quiz writes them; on screen each is a
// line break.
inline QString TestoMostrato(QString testo) {
    testo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return testo;
}

}  // namespace mappix
