#include "posizioni.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <numeric>

#include "disposizione.h"
#include "procedure.h"

namespace mappix {
namespace {

// The part of Italy of each region, by region index.
constexpr std::array<const char*, kNumRegioni> kParte = {
    "Nel centro-nord", "Nel nord-ovest", "Nel nord-ovest", "Nel nord-ovest", "Nel nord-est",
    "Nel nord-est",    "Nel nord-est",   "Nel nord-est",   "Nel nord-ovest", "Nel centro",
    "Nel centro",      "Nel centro",     "Nel centro",     "Nel sud",        "Nel sud",
    "Nel sud",         "Nel sud",        "Nel sud",        "Nel sud",        "Nelle isole",
    "Nelle isole"};

// Whether a region reaches the sea: L landlocked, C on the coast, I an island.
constexpr std::array<char, kNumRegioni> kMare = {'L', 'L', 'L', 'L', 'L', 'C', 'C',
                                                 'C', 'C', 'C', 'C', 'L', 'C', 'C',
                                                 'C', 'C', 'C', 'C', 'C', 'I', 'I'};

// Where each city lies (by city index from 1): M on the sea, V near it (its
// town reaches the coast or lies within a few kilometres), E inland.
constexpr const char* kCittaMare =
    "EEEEEEEE"
    "EEEEEEEEEEE"
    "EE"
    "MEEE"
    "MEEEEEE"
    "EEEEEEVEVM"
    "E"
    "MMMM"
    "EEVMEVVEEEV"
    "E"
    "MEEEM"
    "VEVEE"
    "EVME"
    "EE"
    "MEEME"
    "EE"
    "MMEVM"
    "VEMMV"
    "MVEMEMVMM"
    "MEVV"
    "EE";
static_assert(std::char_traits<char>::length(kCittaMare) == kNumCitta);

QString Elenco(const char* parola, const std::vector<int>& indici) {
    QStringList voci;
    for (int i : indici) {
        voci << QStringLiteral("%1 %2").arg(QString::fromUtf8(parola)).arg(i);
    }
    if (voci.size() < 2) {
        return voci.join(QString());
    }
    const QString ultima = voci.takeLast();
    return voci.join(QStringLiteral(", ")) + QStringLiteral(" e ") + ultima;
}

QString MareDellaRegione(int regione) {
    switch (kMare[static_cast<std::size_t>(regione)]) {
        case 'L':
            return QStringLiteral("senza sbocco sul mare");
        case 'I':
            return QStringLiteral("circondata dal mare");
        default:
            return QStringLiteral("sul mare");
    }
}

QString MareDellaCitta(int citta) {
    switch (kCittaMare[citta - 1]) {
        case 'M':
            return QStringLiteral("sul mare");
        case 'V':
            return QStringLiteral("vicino al mare");
        default:
            return QStringLiteral("nell'entroterra");
    }
}

}  // namespace

std::vector<std::vector<int>> Confinanti(const std::vector<QRegion>& forme) {
    std::vector<std::vector<int>> confinanti(forme.size());
    for (std::size_t i = 0; i < forme.size(); ++i) {
        // The shape grown by one pixel to each side.
        const QRegion cresciuta = forme[i] + forme[i].translated(1, 0) +
                                  forme[i].translated(-1, 0) + forme[i].translated(0, 1) +
                                  forme[i].translated(0, -1);
        for (std::size_t j = 0; j < forme.size(); ++j) {
            if (j != i && cresciuta.intersects(forme[j])) {
                confinanti[i].push_back(static_cast<int>(j));
            }
        }
    }
    return confinanti;
}

std::vector<std::vector<int>> PiuVicini(const std::vector<QPoint>& punti, int quanti) {
    std::vector<std::vector<int>> vicini(punti.size());
    std::vector<int> ordine(punti.size());
    for (std::size_t i = 0; i < punti.size(); ++i) {
        std::iota(ordine.begin(), ordine.end(), 0);
        const auto distanza = [&](int j) {
            const QPoint d = punti[static_cast<std::size_t>(j)] - punti[i];
            return qint64{d.x()} * d.x() + qint64{d.y()} * d.y();
        };
        std::stable_sort(ordine.begin(), ordine.end(),
                         [&](int a, int b) { return distanza(a) < distanza(b); });
        for (int j : ordine) {
            if (static_cast<std::size_t>(j) != i && static_cast<int>(vicini[i].size()) < quanti) {
                vicini[i].push_back(j);
            }
        }
    }
    return vicini;
}

QString DescrizioneArea(int area, const std::vector<int>& confinanti) {
    const int regione = area == kAreaPugliaSud ? kPuglia : area;
    QString testo = QLatin1String(kParte[static_cast<std::size_t>(regione)]) +
                    QStringLiteral(", ") + MareDellaRegione(regione) + QLatin1Char('.');
    // The two areas of one region are one land, not neighbours.
    const int gemella = area == kPuglia ? kAreaPugliaSud : area == kAreaPugliaSud ? kPuglia : -1;
    std::vector<int> altre;
    std::copy_if(confinanti.begin(), confinanti.end(), std::back_inserter(altre),
                 [gemella](int a) { return a != gemella; });
    if (area == kAreaPugliaSud) {
        testo += QStringLiteral(" La parte sud-orientale della stessa regione dell'Area 15.");
    } else if (area == kPuglia) {
        testo += QStringLiteral(" La sua parte sud-orientale è l'Area 21.");
    }
    if (!altre.empty()) {
        testo += QStringLiteral(" Confina con ") + Elenco("Area", altre) + QLatin1Char('.');
    }
    return testo;
}

QString DescrizioneMarcatore(int citta, int regione, const std::vector<int>& vicini) {
    QString testo = QLatin1String(kParte[static_cast<std::size_t>(regione)]) +
                    QStringLiteral(", ") + MareDellaCitta(citta) + QLatin1Char('.');
    if (!vicini.empty()) {
        testo += QStringLiteral(" Vicina a ") + Elenco("Città", vicini) + QLatin1Char('.');
    }
    return testo;
}

}  // namespace mappix
