// The pictures the start screen shows, rendered from their SVG at build time
// at the sizes they are shown in, at one and two device pixels per pixel.
#pragma once

#include <cstdint>
#include <span>

namespace mappix {

struct FiguraPronta {
    const char16_t* risorsa;  // the SVG resource it was rendered from
    int larghezza;            // in device pixels
    int altezza;
    const std::uint32_t* pixel;  // premultiplied ARGB, row after row
};

std::span<const FiguraPronta> FigurePronte();

}  // namespace mappix
