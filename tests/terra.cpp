#include "terra.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <array>
#include <vector>

#include "dati/mappa.h"

namespace mappix {
namespace {

// The map's place in the region panel at 1x: 90, 270, 9030 x 9780 twips.
const QRect kMappa(6, 18, 602, 652);
constexpr int kRegioni = 21;
constexpr int kTolleranza = 8;

bool Vicino(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= kTolleranza &&
           std::abs(qGreen(a) - qGreen(b)) <= kTolleranza &&
           std::abs(qBlue(a) - qBlue(b)) <= kTolleranza;
}

// For each region, its interior pixels in panel coordinates.
std::array<std::vector<QPoint>, kRegioni> LeggiTerre() {
    QFile file(QStringLiteral(":/mappa.svg"));
    const QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    std::array<QRgb, kRegioni> colori{};
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString id = xml.attributes().value(QStringLiteral("id")).toString();
        bool ok = false;
        const int r = id.startsWith(QStringLiteral("regione-")) ? id.mid(8).toInt(&ok) : -1;
        if (ok && r >= 0 && r < kRegioni) {
            colori[static_cast<std::size_t>(r)] =
                QColor(xml.attributes().value(QStringLiteral("fill")).toString()).rgb();
        }
    }
    QImage figura(kMappa.size(), QImage::Format_RGB32);
    figura.fill(Qt::white);
    QPainter pittore(&figura);
    pittore.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(svg).render(&pittore, QRectF(figura.rect()));
    pittore.end();

    std::array<std::vector<QPoint>, kRegioni> terre;
    for (int y = 1; y + 1 < figura.height(); ++y) {
        for (int x = 1; x + 1 < figura.width(); ++x) {
            for (int r = 0; r < kRegioni; ++r) {
                bool dentro = true;
                for (int dy = -1; dy <= 1 && dentro; ++dy) {
                    for (int dx = -1; dx <= 1 && dentro; ++dx) {
                        dentro = Vicino(figura.pixel(x + dx, y + dy),
                                        colori[static_cast<std::size_t>(r)]);
                    }
                }
                if (dentro) {
                    terre[static_cast<std::size_t>(r)].push_back(kMappa.topLeft() + QPoint(x, y));
                    break;
                }
            }
        }
    }
    return terre;
}

}  // namespace

QPoint PuntoDiRegione(int regione, std::mt19937& caso, const QRect& dentro) {
    static const auto terre = LeggiTerre();
    if (regione < 0 || regione >= kRegioni) return {-1, -1};
    std::vector<QPoint> scelta;
    // San Marino's area lies on top of its whole rectangle, over the land
    // around its spot: a player aiming at a neighbour does not click there.
    const dati::Area& sm = dati::kAree[0];
    const QRect sanMarino(QPoint(sm.left / 15, sm.top / 15),
                          QPoint((sm.left + sm.width) / 15, (sm.top + sm.height) / 15));
    for (const QPoint& p : terre[static_cast<std::size_t>(regione)]) {
        const bool altrui = dentro.isNull() && regione != 0 && sanMarino.contains(p);
        if ((dentro.isNull() || dentro.contains(p)) && !altrui) scelta.push_back(p);
    }
    if (scelta.empty()) return {-1, -1};
    std::uniform_int_distribution<std::size_t> tra(0, scelta.size() - 1);
    return scelta[tra(caso)];
}

}  // namespace mappix
