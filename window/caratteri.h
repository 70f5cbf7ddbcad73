// The window's fonts, by the names of its design. Sizes are converted from
// points at 96 dots per inch to pixels, so the fixed layout keeps its
// proportions whatever the screen's font resolution; where a font is not
// installed a metric-compatible one stands in.
#pragma once

#include <QFont>

class QWidget;

namespace mappix {

enum class Famiglia { MsSansSerif, Arial, TimesNewRoman, CourierNew };

QFont Carattere(Famiglia famiglia, double punti, bool grassetto = false);
// A font of the design drawn at a scale of the window: its pixel size scaled.
QFont CarattereInScala(const QFont& progetto, double scala);

// For a widget the start screen does not show: a new font reaches it (and
// Qt loads that font's face and measures its text) when it is first shown,
// not while it is hidden. Its font() is the new one at once.
void CarattereAllaVista(QWidget* widget);

inline constexpr double kPuntiModulo = 8.25;  // the form's default font size

}  // namespace mappix
