// Twips to pixels, and putting a widget where its control state says: shared
// by the window and the map panels.
#pragma once

#include <QRect>

#include "controlli.h"

class QWidget;

namespace mappix {

// Twips to pixels at 96 dots per inch, times the window's scale (1 on every
// screen that holds the whole window).
int Pixel(int twips, double scala = 1.0);
QRect RettangoloPixel(const Controllo& controllo, double scala = 1.0);
// Puts a widget where the control state says (at a scale of the layout, 1 the
// design), shown or hidden, enabled or not; hidden and disabled unless `scoperto`.
void Rispecchia(QWidget* widget, const Controllo& stato, double scala = 1.0, bool scoperto = true);

}  // namespace mappix
