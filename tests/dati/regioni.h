// The region table as the quiz must hold it: name and capital city of each
// region index, San Marino first. Written out by hand, never taken from the program.
#pragma once

#include <array>

namespace dati {

struct Regione {
    const char* nome;
    int capoluogo;  // city index of its capital
};

inline constexpr std::array<Regione, 21> kRegioni{{
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

}  // namespace dati
