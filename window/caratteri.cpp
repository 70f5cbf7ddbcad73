#include "caratteri.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace mappix {

QFont Carattere(Famiglia famiglia, double punti, bool grassetto) {
    QFont carattere;
    switch (famiglia) {
        case Famiglia::MsSansSerif:
            carattere.setFamilies({QStringLiteral("MS Sans Serif"),
                                   QStringLiteral("Liberation Sans"),
                                   QStringLiteral("DejaVu Sans")});
            carattere.setStyleHint(QFont::SansSerif);
            break;
        case Famiglia::Arial:
            carattere.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("DejaVu Sans")});
            carattere.setStyleHint(QFont::SansSerif);
            break;
        case Famiglia::TimesNewRoman:
            carattere.setFamilies({QStringLiteral("Times New Roman"),
                                   QStringLiteral("Liberation Serif"),
                                   QStringLiteral("DejaVu Serif")});
            carattere.setStyleHint(QFont::Serif);
            break;
        case Famiglia::CourierNew:
            carattere.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                   QStringLiteral("DejaVu Sans Mono")});
            carattere.setStyleHint(QFont::Monospace);
            break;
    }
    carattere.setPixelSize(static_cast<int>(std::lround(punti * 96.0 / 72.0)));
    carattere.setBold(grassetto);
    return carattere;
}

QFont CarattereInScala(const QFont& progetto, double scala) {
    QFont carattere = progetto;
    carattere.setPixelSize(
        std::max(1, static_cast<int>(std::lround(progetto.pixelSize() * scala))));
    return carattere;
}

}  // namespace mappix
