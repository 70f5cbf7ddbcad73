// Which of the window's controls lie under a visible panel. A covered control
// cannot be seen, so it must take neither the focus nor any key: the window
// disables it for as long as it is covered, which changes nothing on screen
// (the panels are opaque) and makes Qt keep it out of the focus chain and
// refuse it every key, click and accessibility action.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "controlli.h"

namespace mappix {

// The window's own controls, topmost first: where two overlap, the one
// earlier in the list lies on top and takes the clicks.
inline constexpr std::array<const char*, 24> kDallAlto = {
    "FrmHelp",      "CmdNuovo", "CmdFine",    "FramRegio", "CmdReset",     "FramCitta",
    "ProgressBar1", "Frame1",   "Text1",      "CmdIniz",   "TxtNome",      "CmdHlp",
    "Label2",       "LblNote",  "LblTotTent", "LblNumDom", "LblTentativi", "LblDom0",
    "LblDom1",      "LblNome",  "LbLInfo",    "Image4",    "Label1",       "Image3"};

// The controls that a visible panel (the help panel or either map panel)
// lying above them hides whole, derived from the layout and the panels'
// visibility in the control state.
std::vector<QString> Coperti(const Controlli& stato);

}  // namespace mappix
