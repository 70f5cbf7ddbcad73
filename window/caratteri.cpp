#include "caratteri.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

namespace mappix {
namespace {

// The design's font first, then the fonts that stand in for it.
QStringList Candidati(Famiglia famiglia) {
    switch (famiglia) {
        case Famiglia::MsSansSerif:
            return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("DejaVu Sans")};
        case Famiglia::Arial:
            return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("DejaVu Sans")};
        case Famiglia::TimesNewRoman:
            return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                    QStringLiteral("DejaVu Serif")};
        case Famiglia::CourierNew:
            return {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                    QStringLiteral("DejaVu Sans Mono")};
    }
    return {};
}

QFont::StyleHint Genere(Famiglia famiglia) {
    switch (famiglia) {
        case Famiglia::TimesNewRoman:
            return QFont::Serif;
        case Famiglia::CourierNew:
            return QFont::Monospace;
        default:
            return QFont::SansSerif;
    }
}

// The first candidate installed, found once per family: a font asked for by a
// name that is not installed costs Qt a search of the system's fallbacks at
// every size. With none installed, all of them, for Qt to choose as before.
const QStringList& Faccia(Famiglia famiglia) {
    static std::array<QStringList, 4> trovate;
    QStringList& faccia = trovate.at(static_cast<std::size_t>(famiglia));
    if (faccia.isEmpty()) {
        const QStringList installate = QFontDatabase::families();
        faccia = Candidati(famiglia);
        const auto prima = std::find_if(faccia.begin(), faccia.end(), [&](const QString& nome) {
            return installate.contains(nome, Qt::CaseInsensitive);
        });
        if (prima != faccia.end()) {
            faccia = QStringList{*prima};
        }
    }
    return faccia;
}

}  // namespace

QFont Carattere(Famiglia famiglia, double punti, bool grassetto) {
    QFont carattere;
    carattere.setFamilies(Faccia(famiglia));
    carattere.setStyleHint(Genere(famiglia));
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
