// The part of a screen a window may take: the work area where the platform
// tells it, else the screen less room for the desktop shell's panel.
#pragma once

#include <QRect>

namespace mappix {

// A Wayland client is never told where the shell's panels lie, nor is an X
// client whose window manager sets no _NET_WORKAREA (Xwayland under weston):
// Qt then gives the whole screen as available. The default panels take 32
// pixels at the top (GNOME's top bar, weston's panel) or 44 at the bottom
// (KDE Plasma's). A compositor places a window inside its own work area, so
// room for the tallest is enough; it is left at the top, where weston's panel
// is, for an X window that the program places itself.
inline constexpr int kAltezzaPannello = 44;

// Whether the platform of the running application tells the work area.
bool AreaDiLavoroNota();

// The available geometry of a screen, less the panel's room if the platform
// did not tell the work area.
QRect AreaPerLaFinestra(QRect disponibile, bool nota);

}  // namespace mappix
