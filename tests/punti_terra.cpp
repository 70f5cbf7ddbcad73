// Prints one random land pixel for each region area, as "index x y" lines in
// the region panel's pixels at 1x: area i takes the land of region i, area 21
// the land of Puglia inside its rectangle, area 15 the rest; no point but San
// Marino's falls in San Marino's rectangle, which lies over its neighbours.
// The smoke test clicks these with real pointer events. Argument: a seed.
#include <QGuiApplication>
#include <QRect>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "terra.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication applicazione(argc, argv);
    Q_INIT_RESOURCE(mappix_assets);
    std::mt19937 caso(argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 1U);
    // The two table rectangles in panel pixels: San Marino (4410, 3195, 195 x
    // 195 twips) and the south-east of Puglia (7560, 5535, 1365 x 1455).
    const QRect sanMarino(294, 213, 13, 13);
    const QRect pugliaSud(504, 369, 91, 97);
    for (int area = 0; area <= 21; ++area) {
        const int regione = area == 21 ? 15 : area;
        QPoint punto(-1, -1);
        for (int prova = 0; prova < 1000; ++prova) {
            punto = mappix::PuntoDiRegione(regione, caso, area == 21 ? pugliaSud : QRect());
            if ((area == 0 || !sanMarino.contains(punto)) &&
                (area != 15 || !pugliaSud.contains(punto))) {
                break;
            }
        }
        if (punto.x() < 0) {
            std::printf("%d - -\n", area);
        } else {
            std::printf("%d %d %d\n", area, punto.x(), punto.y());
        }
    }
    return 0;
}
