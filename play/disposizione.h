// Where the region areas and city markers lie on the map panels, in twips
// measured from the top left corner of the panel.
#pragma once

#include <array>
#include <cstdint>

namespace mappix {

struct Rettangolo {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct Punto {
    int Left = 0;
    int Top = 0;
};

inline constexpr int kTwipPerPixel = 15;
inline constexpr int kNumAree = 22;  // area 21 is a second area of Puglia
inline constexpr int kAreaPugliaSud = 21;
inline constexpr int kPuglia = 15;

// Every marker label is 120 x 180 twips; its dot is centred in it.
inline constexpr int kLarghezzaMarcatore = 120;
inline constexpr int kAltezzaMarcatore = 180;

// The map picture: 412 x 480 pixels stretched over 9030 x 9780 twips at
// (90, 270) in its panel.
inline constexpr Rettangolo kImmagineMappa{90, 270, 9030, 9780};
inline constexpr int kLarghezzaFigura = 412;
inline constexpr int kAltezzaFigura = 480;

extern const std::array<Rettangolo, kNumAree> kAreeRegioni;
// Index 0 is unused: markers are numbered 1 to 107 like the cities.
extern const std::array<Punto, 108> kMarcatori;

}  // namespace mappix
