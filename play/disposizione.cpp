#include "disposizione.h"

namespace mappix {

const std::array<Rettangolo, kNumAree> kAreeRegioni{{
    {4410, 3195, 195, 195},    // Repubblica di San Marino
    {495, 1440, 645, 330},     // Valle d'Aosta
    {720, 1755, 960, 1005},    // Piemonte
    {1800, 1170, 1275, 1050},  // Lombardia
    {3150, 450, 1005, 1005},   // Trentino Alto Adige
    {4545, 855, 780, 690},     // Friuli Venezia Giulia
    {3330, 1530, 1185, 780},   // Veneto
    {2430, 2340, 1950, 735},   // Emilia Romagna
    {1215, 2745, 1230, 465},   // Liguria
    {2970, 3150, 1095, 1320},  // Toscana
    {4815, 3375, 645, 870},    // Marche
    {4185, 3780, 645, 690},    // Umbria
    {4005, 4590, 1095, 1095},  // Lazio
    {5130, 4365, 825, 780},    // Abruzzo
    {5715, 5130, 645, 375},    // Molise
    {6660, 5040, 960, 825},    // Puglia
    {5670, 5580, 1005, 1185},  // Campania
    {6975, 6930, 825, 1860},   // Calabria
    {6795, 5895, 690, 960},    // Basilicata
    {4500, 8415, 2130, 1365},  // Sicilia
    {1440, 5715, 1050, 2130},  // Sardegna
    {7560, 5535, 1365, 1455},  // Puglia (second area, the south-east tip)
}};

const std::array<Punto, 108> kMarcatori{{
    {0, 0},        // no marker 0
    {1095, 1980},  // Torino
    {1545, 1755},  // Novara
    {945, 2700},   // Cuneo
    {1620, 2340},  // Alessandria
    {1395, 2520},  // Asti
    {1260, 1710},  // Biella
    {1440, 2025},  // Vercelli
    {1530, 1305},  // Verbano-Cusio-Ossola
    {2070, 1800},  // Milano
    {2340, 1575},  // Bergamo
    {2880, 1665},  // Brescia
    {1980, 1530},  // Como
    {2610, 2025},  // Cremona
    {2250, 1350},  // Lecco
    {2340, 1890},  // Lodi
    {3240, 2160},  // Mantova
    {2025, 2070},  // Pavia
    {2520, 1215},  // Sondrio
    {1755, 1440},  // Varese
    {3555, 1215},  // Trento
    {3600, 855},   // Bolzano
    {5355, 1665},  // Trieste
    {5040, 1260},  // Udine
    {4680, 1305},  // Pordenone
    {5175, 1440},  // Gorizia
    {4320, 1890},  // Venezia
    {4275, 1215},  // Belluno
    {4095, 1935},  // Padova
    {4005, 2160},  // Rovigo
    {4320, 1665},  // Treviso
    {3420, 1800},  // Verona
    {4050, 1665},  // Vicenza
    {3645, 2610},  // Bologna
    {3870, 2430},  // Ferrara
    {4140, 2970},  // Forli'
    {3330, 2565},  // Modena
    {2880, 2430},  // Parma
    {2565, 2250},  // Piacenza
    {4185, 2745},  // Ravenna
    {3150, 2520},  // Reggio Emilia
    {4275, 3105},  // Cesena
    {4455, 3015},  // Rimini
    {4455, 3240},  // San Marino
    {1935, 2790},  // Genova
    {1260, 3150},  // Imperia
    {2475, 3015},  // La Spezia
    {1485, 2880},  // Savona
    {3780, 3510},  // Firenze
    {4005, 3645},  // Arezzo
    {3555, 4275},  // Grosseto
    {2970, 3735},  // Livorno
    {3105, 3330},  // Lucca
    {2790, 3060},  // Massa
    {2970, 3510},  // Pisa
    {3330, 3240},  // Pistoia
    {3735, 3285},  // Prato
    {3690, 3870},  // Siena
    {2655, 2925},  // Carrara
    {4590, 4320},  // Terni
    {5175, 3465},  // Ancona
    {5265, 4095},  // Ascoli Piceno
    {5175, 3780},  // Macerata
    {4635, 3420},  // Urbino
    {4815, 3285},  // Pesaro
    {4410, 5085},  // Roma
    {5130, 5310},  // Frosinone
    {4860, 5355},  // Latina
    {4770, 4635},  // Rieti
    {4185, 4680},  // Viterbo
    {5265, 4635},  // L'Aquila
    {5715, 4770},  // Chieti
    {5715, 4545},  // Pescara
    {5400, 4365},  // Teramo
    {6120, 5265},  // Campobasso
    {5805, 5265},  // Isernia
    {5760, 5940},  // Napoli
    {6210, 5940},  // Avellino
    {6165, 5715},  // Benevento
    {6165, 6165},  // Salerno
    {5895, 5715},  // Caserta
    {6930, 6165},  // Potenza
    {7425, 6255},  // Matera
    {7560, 5715},  // Bari
    {8415, 6210},  // Brindisi
    {6750, 5490},  // Foggia
    {8685, 6570},  // Lecce
    {7920, 6345},  // Taranto
    {7470, 7650},  // Catanzaro
    {7245, 7425},  // Cosenza
    {7830, 7515},  // Crotone
    {6795, 8505},  // Reggio Calabria
    {7200, 7920},  // Vibo Valentia
    {5130, 8460},  // Palermo
    {5220, 9180},  // Agrigento
    {5625, 9090},  // Caltanissetta
    {6345, 8955},  // Catania
    {5850, 8955},  // Enna
    {6660, 8460},  // Messina
    {6030, 9495},  // Ragusa
    {6435, 9360},  // Siracusa
    {4500, 8595},  // Trapani
    {1980, 7470},  // Cagliari
    {2070, 6480},  // Nuoro
    {1710, 6885},  // Oristano
    {1665, 6120},  // Sassari
    {720, 1620},   // Aosta
    {4410, 3915},  // Perugia
}};

}  // namespace mappix
