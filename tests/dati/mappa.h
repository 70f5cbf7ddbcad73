// Where the 22 region areas and the 107 city markers lie in their map panels,
// in twips from the panel's top left corner. Area 21 is a second area of
// Puglia; marker i marks city i (there is no marker 0).
#pragma once

#include <array>

namespace dati {

struct Area {
    int regione;
    int left, top, width, height;
};

struct PuntoMarcatore {
    int left, top;
};

inline constexpr int kLarghezzaMarcatore = 120;
inline constexpr int kAltezzaMarcatore = 180;

inline constexpr std::array<Area, 22> kAree{{
    {0, 4410, 3195, 195, 195},     // 0 Repubblica di San Marino
    {1, 495, 1440, 645, 330},      // 1 Valle d'Aosta
    {2, 720, 1755, 960, 1005},     // 2 Piemonte
    {3, 1800, 1170, 1275, 1050},   // 3 Lombardia
    {4, 3150, 450, 1005, 1005},    // 4 Trentino Alto Adige
    {5, 4545, 855, 780, 690},      // 5 Friuli Venezia Giulia
    {6, 3330, 1530, 1185, 780},    // 6 Veneto
    {7, 2430, 2340, 1950, 735},    // 7 Emilia Romagna
    {8, 1215, 2745, 1230, 465},    // 8 Liguria
    {9, 2970, 3150, 1095, 1320},   // 9 Toscana
    {10, 4815, 3375, 645, 870},    // 10 Marche
    {11, 4185, 3780, 645, 690},    // 11 Umbria
    {12, 4005, 4590, 1095, 1095},  // 12 Lazio
    {13, 5130, 4365, 825, 780},    // 13 Abruzzo
    {14, 5715, 5130, 645, 375},    // 14 Molise
    {15, 6660, 5040, 960, 825},    // 15 Puglia
    {16, 5670, 5580, 1005, 1185},  // 16 Campania
    {17, 6975, 6930, 825, 1860},   // 17 Calabria
    {18, 6795, 5895, 690, 960},    // 18 Basilicata
    {19, 4500, 8415, 2130, 1365},  // 19 Sicilia
    {20, 1440, 5715, 1050, 2130},  // 20 Sardegna
    {15, 7560, 5535, 1365, 1455},  // 21 Puglia (second area, the south-east tip)
}};

inline constexpr std::array<PuntoMarcatore, 108> kMarcatori{{
    {0, 0},        // no marker 0
    {1095, 1980},  // 1 Torino
    {1545, 1755},  // 2 Novara
    {945, 2700},   // 3 Cuneo
    {1620, 2340},  // 4 Alessandria
    {1395, 2520},  // 5 Asti
    {1260, 1710},  // 6 Biella
    {1440, 2025},  // 7 Vercelli
    {1530, 1305},  // 8 Verbano-Cusio-Ossola
    {2070, 1800},  // 9 Milano
    {2340, 1575},  // 10 Bergamo
    {2880, 1665},  // 11 Brescia
    {1980, 1530},  // 12 Como
    {2610, 2025},  // 13 Cremona
    {2250, 1350},  // 14 Lecco
    {2340, 1890},  // 15 Lodi
    {3240, 2160},  // 16 Mantova
    {2025, 2070},  // 17 Pavia
    {2520, 1215},  // 18 Sondrio
    {1755, 1440},  // 19 Varese
    {3555, 1215},  // 20 Trento
    {3600, 855},   // 21 Bolzano
    {5355, 1665},  // 22 Trieste
    {5040, 1260},  // 23 Udine
    {4680, 1305},  // 24 Pordenone
    {5175, 1440},  // 25 Gorizia
    {4320, 1890},  // 26 Venezia
    {4275, 1215},  // 27 Belluno
    {4095, 1935},  // 28 Padova
    {4005, 2160},  // 29 Rovigo
    {4320, 1665},  // 30 Treviso
    {3420, 1800},  // 31 Verona
    {4050, 1665},  // 32 Vicenza
    {3645, 2610},  // 33 Bologna
    {3870, 2430},  // 34 Ferrara
    {4140, 2970},  // 35 Forli'
    {3330, 2565},  // 36 Modena
    {2880, 2430},  // 37 Parma
    {2565, 2250},  // 38 Piacenza
    {4185, 2745},  // 39 Ravenna
    {3150, 2520},  // 40 Reggio Emilia
    {4275, 3105},  // 41 Cesena
    {4455, 3015},  // 42 Rimini
    {4455, 3240},  // 43 San Marino
    {1935, 2790},  // 44 Genova
    {1260, 3150},  // 45 Imperia
    {2475, 3015},  // 46 La Spezia
    {1485, 2880},  // 47 Savona
    {3780, 3510},  // 48 Firenze
    {4005, 3645},  // 49 Arezzo
    {3555, 4275},  // 50 Grosseto
    {2970, 3735},  // 51 Livorno
    {3105, 3330},  // 52 Lucca
    {2790, 3060},  // 53 Massa
    {2970, 3510},  // 54 Pisa
    {3330, 3240},  // 55 Pistoia
    {3735, 3285},  // 56 Prato
    {3690, 3870},  // 57 Siena
    {2655, 2925},  // 58 Carrara
    {4590, 4320},  // 59 Terni
    {5175, 3465},  // 60 Ancona
    {5265, 4095},  // 61 Ascoli Piceno
    {5175, 3780},  // 62 Macerata
    {4635, 3420},  // 63 Urbino
    {4815, 3285},  // 64 Pesaro
    {4410, 5085},  // 65 Roma
    {5130, 5310},  // 66 Frosinone
    {4860, 5355},  // 67 Latina
    {4770, 4635},  // 68 Rieti
    {4185, 4680},  // 69 Viterbo
    {5265, 4635},  // 70 L'Aquila
    {5715, 4770},  // 71 Chieti
    {5715, 4545},  // 72 Pescara
    {5400, 4365},  // 73 Teramo
    {6120, 5265},  // 74 Campobasso
    {5805, 5265},  // 75 Isernia
    {5760, 5940},  // 76 Napoli
    {6210, 5940},  // 77 Avellino
    {6165, 5715},  // 78 Benevento
    {6165, 6165},  // 79 Salerno
    {5895, 5715},  // 80 Caserta
    {6930, 6165},  // 81 Potenza
    {7425, 6255},  // 82 Matera
    {7560, 5715},  // 83 Bari
    {8415, 6210},  // 84 Brindisi
    {6750, 5490},  // 85 Foggia
    {8685, 6570},  // 86 Lecce
    {7920, 6345},  // 87 Taranto
    {7470, 7650},  // 88 Catanzaro
    {7245, 7425},  // 89 Cosenza
    {7830, 7515},  // 90 Crotone
    {6795, 8505},  // 91 Reggio Calabria
    {7200, 7920},  // 92 Vibo Valentia
    {5130, 8460},  // 93 Palermo
    {5220, 9180},  // 94 Agrigento
    {5625, 9090},  // 95 Caltanissetta
    {6345, 8955},  // 96 Catania
    {5850, 8955},  // 97 Enna
    {6660, 8460},  // 98 Messina
    {6030, 9495},  // 99 Ragusa
    {6435, 9360},  // 100 Siracusa
    {4500, 8595},  // 101 Trapani
    {1980, 7470},  // 102 Cagliari
    {2070, 6480},  // 103 Nuoro
    {1710, 6885},  // 104 Oristano
    {1665, 6120},  // 105 Sassari
    {720, 1620},   // 106 Aosta
    {4410, 3915},  // 107 Perugia
}};

}  // namespace dati
