// Where an area or a marker of the map lies, in the words the picture gives a
// sighted player: the part of Italy, the sea, the items next to it. Never the
// place's name, which would give the answer away.
#pragma once

#include <QPoint>
#include <QRegion>
#include <QString>
#include <vector>

namespace mappix {

// The areas whose shapes touch each other's (side by side, not only at a
// corner), for each area in order.
std::vector<std::vector<int>> Confinanti(const std::vector<QRegion>& forme);

// For each point, the positions of the `quanti` points nearest to it.
std::vector<std::vector<int>> PiuVicini(const std::vector<QPoint>& punti, int quanti);

// Area `area` of the region map (0..21; 21 is the south-east of region 15),
// with the areas it borders.
QString DescrizioneArea(int area, const std::vector<int>& confinanti);

// Marker `citta` (1..107) of a city of region `regione`, with the markers
// nearest to it.
QString DescrizioneMarcatore(int citta, int regione, const std::vector<int>& vicini);

}  // namespace mappix
