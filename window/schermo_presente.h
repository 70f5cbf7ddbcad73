// Whether the program has a screen to open its window on, decided before the
// toolkit starts: without one the toolkit prints a stack of messages and aborts.
#pragma once

namespace mappix {

bool SchermoPresente();

// The one line the program prints when there is no screen.
inline constexpr const char* kMessaggioSenzaSchermo =
    "Mappix: nessuno schermo disponibile, avviare il programma da una sessione grafica.\n";

}  // namespace mappix
