// Land pixels of each region, read off the map picture as it is drawn, for
// tests that answer region questions by clicking where a player would.
#pragma once

#include <QPoint>
#include <QRect>
#include <random>

namespace mappix {

// A random pixel of region `regione` (0..20) well inside its land: it and its
// eight neighbours show the region's fill. In the region panel's coordinates
// at 1x, the map drawn at its place (90, 270) and size (9030 x 9780 twips).
// Without `dentro`, the land under San Marino's rectangle (which lies on top)
// is left out; with it, only pixels inside that rectangle (panel pixels) are
// drawn from. Returns (-1, -1) when the region has no such pixel there.
QPoint PuntoDiRegione(int regione, std::mt19937& caso, const QRect& dentro = QRect());

}  // namespace mappix
