#include "procedure.h"

#include <algorithm>
#include <cmath>

namespace mappix {
namespace {

struct Regione {
    const char* nome;
    int16_t capoluogo;
};

constexpr std::array<Regione, kNumRegioni> kRegioni{{
    {"Repubblica di San Marino", 43},
    {"Valle d'Aosta", 106},
    {"Piemonte", 1},
    {"Lombardia", 9},
    {"Trentino Alto Adige", 20},
    {"Friuli Venezia Giulia", 22},
    {"Veneto", 26},
    {"Emilia Romagna", 33},
    {"Liguria", 44},
    {"Toscana", 48},
    {"Marche", 60},
    {"Umbria", 107},
    {"Lazio", 65},
    {"Abruzzo", 70},
    {"Molise", 74},
    {"Puglia", 83},
    {"Campania", 76},
    {"Calabria", 88},
    {"Basilicata", 81},
    {"Sicilia", 93},
    {"Sardegna", 102},
}};

constexpr std::array<const char*, kNumCitta> kCitta{
    " TO315S02Torino",
    " NO088N02Novara",
    " CN250N02Cuneo",
    " AL190N02Alessandria",
    " AT120N02Asti",
    " BI083N02Biella",
    " VC086N02Vercelli",
    " VB077N02Verbano-Cusio-Ossola",
    " MI188S03Milano",
    " BG244N03Bergamo",
    " BS206N03Brescia",
    " CO163N03Como",
    " CR115N03Cremona",
    " LC090N03Lecco",
    " LO061N03Lodi",
    " MN070N03Mantova",
    " PV190N03Pavia",
    " SO078N03Sondrio",
    " VA141N03Varese",
    " TN223S04Trento",
    " BZ115N04Bolzano",
    " TS006S05Trieste",
    " UD137N05Udine",
    " PN051N05Pordenone",
    " GO025N05Gorizia",
    " VE043S06Venezia",
    " BL069N06Belluno",
    " PD104N06Padova",
    " RO050N06Rovigo",
    " TV095N06Treviso",
    " VR098N06Verona",
    " VI121N06Vicenza",
    " BO060S07Bologna",
    " FE026N07Ferrara",
    " FC030N07Forli'",
    " MO047N07Modena",
    " PR047N07Parma",
    " PC048N07Piacenza",
    " RA018N07Ravenna",
    " RE045N07Reggio Emilia",
    " FC000N07Cesena",
    " RN020N07Rimini",
    "RSM000S00San Marino",
    " GE067S08Genova",
    " IM067N08Imperia",
    " SP032N08La Spezia",
    " SV069N08Savona",
    " FI044S09Firenze",
    " AR039N09Arezzo",
    " GR028N09Grosseto",
    " LI020N09Livorno",
    " LU035N09Lucca",
    " MS017N09Massa",
    " PI039N09Pisa",
    " PT022N09Pistoia",
    " PO007N09Prato",
    " SI036N09Siena",
    " MS000N09Carrara",
    " TR033N11Terni",
    " AN049S10Ancona",
    " AP073N10Ascoli Piceno",
    " MC057N10Macerata",
    " PU000N10Urbino",
    " PU067N10Pesaro",
    " RM121S12Roma",
    " FR091N12Frosinone",
    " LT033N12Latina",
    " RI073N12Rieti",
    " VT060N12Viterbo",
    " AQ108S13L'Aquila",
    " CH104N13Chieti",
    " PE046N13Pescara",
    " TE047N13Teramo",
    " CB084S14Campobasso",
    " IS052N14Isernia",
    " NA092S16Napoli",
    " AV119N16Avellino",
    " BN078N16Benevento",
    " SA158N16Salerno",
    " CE104N16Caserta",
    " PZ100S18Potenza",
    " MT031N18Matera",
    " BA048S15Bari",
    " BR020N15Brindisi",
    " FG064N15Foggia",
    " LE097N15Lecce",
    " TA029N15Taranto",
    " CZ080S17Catanzaro",
    " CS155N17Cosenza",
    " KR027N17Crotone",
    " RC097N17Reggio Calabria",
    " VV050N17Vibo Valentia",
    " PA082S19Palermo",
    " AG043N19Agrigento",
    " CL022N19Caltanissetta",
    " CT058N19Catania",
    " EN020N19Enna",
    " ME108N19Messina",
    " RG012N19Ragusa",
    " SR021N19Siracusa",
    " TP024N19Trapani",
    " CA109S20Cagliari",
    " NU100N20Nuoro",
    " OR077N20Oristano",
    " SS090N20Sassari",
    " AO074S01Aosta",
    " PG059S11Perugia",
};

constexpr std::size_t kInizioNome = 9;
constexpr int kTentativiEstrazione = 51;

int16_t Cifre(std::string_view testo) {
    int16_t valore = 0;
    for (char c : testo) {
        if (c >= '0' && c <= '9') {
            valore = static_cast<int16_t>(valore * 10 + (c - '0'));
        }
    }
    return valore;
}

}  // namespace

std::string_view NomeDi(std::string_view record) {
    return record.size() > kInizioNome ? record.substr(kInizioNome) : std::string_view{};
}

int16_t RegioneDi(std::string_view record) {
    return Cifre(record.substr(7, 2));
}

std::string SiglaDi(std::string_view record) {
    std::string sigla;
    for (char c : record.substr(0, 3)) {
        if (c != ' ') {
            sigla += c;
        }
    }
    return sigla;
}

bool CapoluogoDiRegione(std::string_view record) {
    return record.substr(6, 1) != "N";
}

int16_t ComuniDi(std::string_view record) {
    return Cifre(record.substr(3, 3));
}

void Procedure::CaricaTabelle() {
    for (std::size_t r = 0; r < kRegioni.size(); ++r) {
        Regioni[r] = kRegioni[r].nome;
        Capoluoghi[r] = kRegioni[r].capoluogo;
    }
    for (std::size_t c = 0; c < kCitta.size(); ++c) {
        Citta[c + 1] = kCitta[c];
    }
}

void Procedure::Azzera(int16_t minimo, int16_t massimo) {
    Minimo = minimo;
    Massimo = massimo;
    casuale_.Randomize();
    for (int16_t i = Minimo; i <= Massimo; ++i) {
        Chiesta[static_cast<std::size_t>(i)] = 0;
    }
}

void Procedure::AzzeraRegioni() {
    Azzera(0, kNumRegioni - 1);
}
void Procedure::AzzeraCapoluoghi() {
    Azzera(0, kNumRegioni - 1);
}
void Procedure::AzzeraCitta() {
    Azzera(1, kNumCitta);
}

// Up to 51 tries for an index not asked yet; after the 51st miss the last
// candidate is returned as it is, so late in an exercise a question repeats.
int16_t Procedure::Estrai() {
    int16_t risultato = 0;
    for (int mancati = 0; mancati < kTentativiEstrazione; ++mancati) {
        const double r = casuale_.Rnd();
        const double scelta = std::floor((Massimo - Minimo + 1) * r + Minimo);
        // A generator that strays outside [0, 1) must not index past the pool.
        const auto c = static_cast<int16_t>(
            std::clamp<double>(scelta, std::min(Minimo, Massimo), std::max(Minimo, Massimo)));
        risultato = c;
        auto& chiesta = Chiesta.at(static_cast<std::size_t>(c));
        if (chiesta == 0) {
            chiesta = -1;
            if (c == Minimo) {
                Minimo = static_cast<int16_t>(c + 1);
            }
            if (c == Massimo) {
                Massimo = static_cast<int16_t>(c - 1);
            }
            return c;
        }
    }
    return risultato;
}

}  // namespace mappix
