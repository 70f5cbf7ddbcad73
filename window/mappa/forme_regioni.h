// The land of every region as the map picture draws it, read from the
// picture's own outlines, so that what is clicked can never disagree with
// what is seen.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRegion>
#include <QSize>
#include <array>
#include <vector>

#include "procedure.h"

class QByteArray;

namespace mappix {

// One filled shape of the map, in picture pixels (412 x 480), and the region
// (0..20) whose land it is.
struct Tratto {
    int regione = -1;
    QPainterPath forma;
    QRgb colore = 0;  // its fill
};

// The map's shapes in drawing order: a later one covers an earlier one.
// `regione-NN` ids name a region's shapes; a shape without id belongs to the
// region of the same fill colour (San Marino's territory), and one whose fill
// is no region's (the background) is left out.
std::vector<Tratto> LeggiTratti(const QByteArray& svg);

// The shapes of the embedded map, read on the first call.
const std::vector<Tratto>& TrattiMappa();

// For each region, the pixels of a picture drawn at `dimensione` (logical
// pixels) that a click judges as its land: those whose pointer positions its
// fill shows, as the picture paints its shapes. `rapporto` is the screen's
// device pixel ratio: the pointer on device pixel d reports d / rapporto and
// Qt rounds that to the nearest logical pixel, so at 2x a logical pixel takes
// the pointer from half a pixel up and left of its own square.
std::array<QRegion, kNumRegioni> TerreInPixel(const std::vector<Tratto>& tratti, QSize dimensione,
                                              qreal rapporto = 1.0);

// The contrast ratio of two colours (1 to 21), by their relative luminance.
double Contrasto(QColor a, QColor b);

// Whether a colour stands out at least 3:1 from every colour of the map: its
// white sea and every region's fill. The map does not follow the theme.
bool SpiccaSullaMappa(QColor colore);

// Where, inside logical pixel k, lie the pointer positions that Qt rounds to
// k, measured from k's centre (0 at 1x, -0.5 at 2x).
qreal SpostamentoPuntatore(qreal rapporto);

}  // namespace mappix
