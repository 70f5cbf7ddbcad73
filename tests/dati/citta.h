// The 107 city records as stored, each with its fields read by hand: province
// code, number of comuni, capital flag, region index and name. Index 0 is empty.
#pragma once

#include <array>

namespace dati {

struct Citta {
    const char* record;
    const char* sigla;
    int comuni;
    bool capoluogo;
    int regione;
    const char* nome;
};

inline constexpr std::array<Citta, 108> kCitta{{
    {"", "", 0, false, 0, ""},
    {" TO315S02Torino", "TO", 315, true, 2, "Torino"},                              // 1
    {" NO088N02Novara", "NO", 88, false, 2, "Novara"},                              // 2
    {" CN250N02Cuneo", "CN", 250, false, 2, "Cuneo"},                               // 3
    {" AL190N02Alessandria", "AL", 190, false, 2, "Alessandria"},                   // 4
    {" AT120N02Asti", "AT", 120, false, 2, "Asti"},                                 // 5
    {" BI083N02Biella", "BI", 83, false, 2, "Biella"},                              // 6
    {" VC086N02Vercelli", "VC", 86, false, 2, "Vercelli"},                          // 7
    {" VB077N02Verbano-Cusio-Ossola", "VB", 77, false, 2, "Verbano-Cusio-Ossola"},  // 8
    {" MI188S03Milano", "MI", 188, true, 3, "Milano"},                              // 9
    {" BG244N03Bergamo", "BG", 244, false, 3, "Bergamo"},                           // 10
    {" BS206N03Brescia", "BS", 206, false, 3, "Brescia"},                           // 11
    {" CO163N03Como", "CO", 163, false, 3, "Como"},                                 // 12
    {" CR115N03Cremona", "CR", 115, false, 3, "Cremona"},                           // 13
    {" LC090N03Lecco", "LC", 90, false, 3, "Lecco"},                                // 14
    {" LO061N03Lodi", "LO", 61, false, 3, "Lodi"},                                  // 15
    {" MN070N03Mantova", "MN", 70, false, 3, "Mantova"},                            // 16
    {" PV190N03Pavia", "PV", 190, false, 3, "Pavia"},                               // 17
    {" SO078N03Sondrio", "SO", 78, false, 3, "Sondrio"},                            // 18
    {" VA141N03Varese", "VA", 141, false, 3, "Varese"},                             // 19
    {" TN223S04Trento", "TN", 223, true, 4, "Trento"},                              // 20
    {" BZ115N04Bolzano", "BZ", 115, false, 4, "Bolzano"},                           // 21
    {" TS006S05Trieste", "TS", 6, true, 5, "Trieste"},                              // 22
    {" UD137N05Udine", "UD", 137, false, 5, "Udine"},                               // 23
    {" PN051N05Pordenone", "PN", 51, false, 5, "Pordenone"},                        // 24
    {" GO025N05Gorizia", "GO", 25, false, 5, "Gorizia"},                            // 25
    {" VE043S06Venezia", "VE", 43, true, 6, "Venezia"},                             // 26
    {" BL069N06Belluno", "BL", 69, false, 6, "Belluno"},                            // 27
    {" PD104N06Padova", "PD", 104, false, 6, "Padova"},                             // 28
    {" RO050N06Rovigo", "RO", 50, false, 6, "Rovigo"},                              // 29
    {" TV095N06Treviso", "TV", 95, false, 6, "Treviso"},                            // 30
    {" VR098N06Verona", "VR", 98, false, 6, "Verona"},                              // 31
    {" VI121N06Vicenza", "VI", 121, false, 6, "Vicenza"},                           // 32
    {" BO060S07Bologna", "BO", 60, true, 7, "Bologna"},                             // 33
    {" FE026N07Ferrara", "FE", 26, false, 7, "Ferrara"},                            // 34
    {" FC030N07Forli'", "FC", 30, false, 7, "Forli'"},                              // 35
    {" MO047N07Modena", "MO", 47, false, 7, "Modena"},                              // 36
    {" PR047N07Parma", "PR", 47, false, 7, "Parma"},                                // 37
    {" PC048N07Piacenza", "PC", 48, false, 7, "Piacenza"},                          // 38
    {" RA018N07Ravenna", "RA", 18, false, 7, "Ravenna"},                            // 39
    {" RE045N07Reggio Emilia", "RE", 45, false, 7, "Reggio Emilia"},                // 40
    {" FC000N07Cesena", "FC", 0, false, 7, "Cesena"},                               // 41
    {" RN020N07Rimini", "RN", 20, false, 7, "Rimini"},                              // 42
    {"RSM000S00San Marino", "RSM", 0, true, 0, "San Marino"},                       // 43
    {" GE067S08Genova", "GE", 67, true, 8, "Genova"},                               // 44
    {" IM067N08Imperia", "IM", 67, false, 8, "Imperia"},                            // 45
    {" SP032N08La Spezia", "SP", 32, false, 8, "La Spezia"},                        // 46
    {" SV069N08Savona", "SV", 69, false, 8, "Savona"},                              // 47
    {" FI044S09Firenze", "FI", 44, true, 9, "Firenze"},                             // 48
    {" AR039N09Arezzo", "AR", 39, false, 9, "Arezzo"},                              // 49
    {" GR028N09Grosseto", "GR", 28, false, 9, "Grosseto"},                          // 50
    {" LI020N09Livorno", "LI", 20, false, 9, "Livorno"},                            // 51
    {" LU035N09Lucca", "LU", 35, false, 9, "Lucca"},                                // 52
    {" MS017N09Massa", "MS", 17, false, 9, "Massa"},                                // 53
    {" PI039N09Pisa", "PI", 39, false, 9, "Pisa"},                                  // 54
    {" PT022N09Pistoia", "PT", 22, false, 9, "Pistoia"},                            // 55
    {" PO007N09Prato", "PO", 7, false, 9, "Prato"},                                 // 56
    {" SI036N09Siena", "SI", 36, false, 9, "Siena"},                                // 57
    {" MS000N09Carrara", "MS", 0, false, 9, "Carrara"},                             // 58
    {" TR033N11Terni", "TR", 33, false, 11, "Terni"},                               // 59
    {" AN049S10Ancona", "AN", 49, true, 10, "Ancona"},                              // 60
    {" AP073N10Ascoli Piceno", "AP", 73, false, 10, "Ascoli Piceno"},               // 61
    {" MC057N10Macerata", "MC", 57, false, 10, "Macerata"},                         // 62
    {" PU000N10Urbino", "PU", 0, false, 10, "Urbino"},                              // 63
    {" PU067N10Pesaro", "PU", 67, false, 10, "Pesaro"},                             // 64
    {" RM121S12Roma", "RM", 121, true, 12, "Roma"},                                 // 65
    {" FR091N12Frosinone", "FR", 91, false, 12, "Frosinone"},                       // 66
    {" LT033N12Latina", "LT", 33, false, 12, "Latina"},                             // 67
    {" RI073N12Rieti", "RI", 73, false, 12, "Rieti"},                               // 68
    {" VT060N12Viterbo", "VT", 60, false, 12, "Viterbo"},                           // 69
    {" AQ108S13L'Aquila", "AQ", 108, true, 13, "L'Aquila"},                         // 70
    {" CH104N13Chieti", "CH", 104, false, 13, "Chieti"},                            // 71
    {" PE046N13Pescara", "PE", 46, false, 13, "Pescara"},                           // 72
    {" TE047N13Teramo", "TE", 47, false, 13, "Teramo"},                             // 73
    {" CB084S14Campobasso", "CB", 84, true, 14, "Campobasso"},                      // 74
    {" IS052N14Isernia", "IS", 52, false, 14, "Isernia"},                           // 75
    {" NA092S16Napoli", "NA", 92, true, 16, "Napoli"},                              // 76
    {" AV119N16Avellino", "AV", 119, false, 16, "Avellino"},                        // 77
    {" BN078N16Benevento", "BN", 78, false, 16, "Benevento"},                       // 78
    {" SA158N16Salerno", "SA", 158, false, 16, "Salerno"},                          // 79
    {" CE104N16Caserta", "CE", 104, false, 16, "Caserta"},                          // 80
    {" PZ100S18Potenza", "PZ", 100, true, 18, "Potenza"},                           // 81
    {" MT031N18Matera", "MT", 31, false, 18, "Matera"},                             // 82
    {" BA048S15Bari", "BA", 48, true, 15, "Bari"},                                  // 83
    {" BR020N15Brindisi", "BR", 20, false, 15, "Brindisi"},                         // 84
    {" FG064N15Foggia", "FG", 64, false, 15, "Foggia"},                             // 85
    {" LE097N15Lecce", "LE", 97, false, 15, "Lecce"},                               // 86
    {" TA029N15Taranto", "TA", 29, false, 15, "Taranto"},                           // 87
    {" CZ080S17Catanzaro", "CZ", 80, true, 17, "Catanzaro"},                        // 88
    {" CS155N17Cosenza", "CS", 155, false, 17, "Cosenza"},                          // 89
    {" KR027N17Crotone", "KR", 27, false, 17, "Crotone"},                           // 90
    {" RC097N17Reggio Calabria", "RC", 97, false, 17, "Reggio Calabria"},           // 91
    {" VV050N17Vibo Valentia", "VV", 50, false, 17, "Vibo Valentia"},               // 92
    {" PA082S19Palermo", "PA", 82, true, 19, "Palermo"},                            // 93
    {" AG043N19Agrigento", "AG", 43, false, 19, "Agrigento"},                       // 94
    {" CL022N19Caltanissetta", "CL", 22, false, 19, "Caltanissetta"},               // 95
    {" CT058N19Catania", "CT", 58, false, 19, "Catania"},                           // 96
    {" EN020N19Enna", "EN", 20, false, 19, "Enna"},                                 // 97
    {" ME108N19Messina", "ME", 108, false, 19, "Messina"},                          // 98
    {" RG012N19Ragusa", "RG", 12, false, 19, "Ragusa"},                             // 99
    {" SR021N19Siracusa", "SR", 21, false, 19, "Siracusa"},                         // 100
    {" TP024N19Trapani", "TP", 24, false, 19, "Trapani"},                           // 101
    {" CA109S20Cagliari", "CA", 109, true, 20, "Cagliari"},                         // 102
    {" NU100N20Nuoro", "NU", 100, false, 20, "Nuoro"},                              // 103
    {" OR077N20Oristano", "OR", 77, false, 20, "Oristano"},                         // 104
    {" SS090N20Sassari", "SS", 90, false, 20, "Sassari"},                           // 105
    {" AO074S01Aosta", "AO", 74, true, 1, "Aosta"},                                 // 106
    {" PG059S11Perugia", "PG", 59, true, 11, "Perugia"},                            // 107
}};

}  // namespace dati
