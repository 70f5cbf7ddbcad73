// What a screen reader learns of the program's own widgets. Qt's widgets
// describe themselves; a label painted by hand says nothing until it has an
// interface, which this installs.
#pragma once

namespace mappix {

// The property that marks a push button as one of a set of choices.
inline constexpr const char* kProprietaScelta = "mappixScelta";

// Installs the interfaces once for the whole program; later calls do nothing.
void InstallaAccessibilita();

}  // namespace mappix
