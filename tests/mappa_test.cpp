// The committed map against the positions of the region areas and city markers:
// rendered as the panels render it (stretched into the 412 x 480 frame), at 1x
// and at 4x, and read back pixel by pixel.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "disposizione.h"
#include "procedure.h"

namespace {

using mappix::kAltezzaFigura;
using mappix::kLarghezzaFigura;
using mappix::kNumRegioni;

constexpr int kSanMarino = 0;
// A pixel is of a region when every channel is this close to the region's fill;
// antialiased edges and the black outlines are not.
constexpr int kTolleranzaTinta = 8;
// Wider, for the antialiased rim of the red spot.
constexpr int kTolleranzaBordoSpot = 40;
// Neighbours must differ at least this much (Euclidean distance in RGB).
constexpr double kDistanzaVicini = 60.0;

struct Fisso : mappix::Casuale {
    double Rnd() override { return 0.0; }
    void Randomize() override {}
};

// The picture frame in picture pixels.
double PxX(int twip) {
    return (twip - mappix::kImmagineMappa.Left) * double(kLarghezzaFigura) /
           mappix::kImmagineMappa.Width;
}
double PxY(int twip) {
    return (twip - mappix::kImmagineMappa.Top) * double(kAltezzaFigura) /
           mappix::kImmagineMappa.Height;
}

struct Rect {
    double x0, y0, x1, y1;
};

Rect AreaInPixel(int indice) {
    const auto& a = mappix::kAreeRegioni.at(indice);
    return {PxX(a.Left), PxY(a.Top), PxX(a.Left + a.Width), PxY(a.Top + a.Height)};
}

QPointF DotInPixel(int marcatore) {
    const auto& m = mappix::kMarcatori.at(marcatore);
    return {PxX(m.Left + mappix::kLarghezzaMarcatore / 2),
            PxY(m.Top + mappix::kAltezzaMarcatore / 2)};
}

int RegioneDellArea(int indice) {
    return indice == mappix::kAreaPugliaSud ? mappix::kPuglia : indice;
}

bool Vicino(QRgb a, QColor b, int tolleranza) {
    return std::abs(qRed(a) - b.red()) <= tolleranza &&
           std::abs(qGreen(a) - b.green()) <= tolleranza &&
           std::abs(qBlue(a) - b.blue()) <= tolleranza;
}

double Distanza(QColor a, QColor b) {
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// The fill colour of every region, as the SVG gives it (id "regione-NN").
std::map<int, QColor> ColoriDalSvg(const QByteArray& svg) {
    std::map<int, QColor> colori;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString id = xml.attributes().value(QStringLiteral("id")).toString();
        if (!id.startsWith(QStringLiteral("regione-"))) continue;
        bool ok = false;
        const int indice = id.mid(8).toInt(&ok);
        if (ok) colori[indice] = QColor(xml.attributes().value(QStringLiteral("fill")).toString());
    }
    return colori;
}

class Carta {
public:
    Carta(const QByteArray& svg, int scala, const std::array<QColor, kNumRegioni>& colori)
        : scala_(scala), colori_(colori) {
        QSvgRenderer renderer(svg);
        immagine_ = QImage(kLarghezzaFigura * scala, kAltezzaFigura * scala, QImage::Format_ARGB32);
        immagine_.fill(Qt::white);
        QPainter pittore(&immagine_);
        pittore.setRenderHint(QPainter::Antialiasing);
        renderer.render(&pittore, QRectF(0, 0, immagine_.width(), immagine_.height()));
        pittore.end();
        regione_.resize(std::size_t(immagine_.width()) * immagine_.height(), -1);
        for (int y = 0; y < immagine_.height(); ++y) {
            for (int x = 0; x < immagine_.width(); ++x) {
                const QRgb p = immagine_.pixel(x, y);
                for (int r = 0; r < kNumRegioni; ++r) {
                    if (Vicino(p, colori_[r], kTolleranzaTinta)) {
                        regione_[Indice(x, y)] = r;
                        break;
                    }
                }
            }
        }
    }

    int Scala() const { return scala_; }
    int W() const { return immagine_.width(); }
    int H() const { return immagine_.height(); }
    const QImage& Immagine() const { return immagine_; }

    // The region whose colour pixel (x, y) has, or -1 (sea, outline, edge).
    int RegioneIn(int x, int y) const {
        if (x < 0 || y < 0 || x >= W() || y >= H()) return -1;
        return regione_[Indice(x, y)];
    }
    // The pixel under a point given in picture pixels.
    int RegioneSotto(QPointF p) const {
        return RegioneIn(int(std::floor(p.x() * scala_)), int(std::floor(p.y() * scala_)));
    }
    // Whether some pixel of region r lies within `raggio` picture pixels of p.
    bool RegioneEntro(QPointF p, int r, double raggio) const {
        const double cx = p.x() * scala_;
        const double cy = p.y() * scala_;
        const double rr = raggio * scala_;
        for (int y = int(std::floor(cy - rr)); y <= int(std::ceil(cy + rr)); ++y) {
            for (int x = int(std::floor(cx - rr)); x <= int(std::ceil(cx + rr)); ++x) {
                if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= rr && RegioneIn(x, y) == r) {
                    return true;
                }
            }
        }
        return false;
    }
    // Calls f(x, y) for every pixel whose centre lies inside the rectangle.
    template <typename F>
    void PerOgniPixel(const Rect& a, F f) const {
        for (int y = std::max(0, int(std::ceil(a.y0 * scala_ - 0.5)));
             y < H() && (y + 0.5) / scala_ < a.y1; ++y) {
            for (int x = std::max(0, int(std::ceil(a.x0 * scala_ - 0.5)));
                 x < W() && (x + 0.5) / scala_ < a.x1; ++x) {
                f(x, y);
            }
        }
    }

private:
    std::size_t Indice(int x, int y) const { return std::size_t(y) * W() + x; }

    int scala_;
    std::array<QColor, kNumRegioni> colori_;
    QImage immagine_;
    std::vector<int> regione_;
};

class MappaTest : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        QFile file(QStringLiteral(":/mappa.svg"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the map is not in the resources";
        svg_ = new QByteArray(file.readAll());
        const auto letti = ColoriDalSvg(*svg_);
        for (int r = 0; r < kNumRegioni; ++r) {
            ASSERT_TRUE(letti.count(r) && letti.at(r).isValid()) << "no colour for region " << r;
            colori_[r] = letti.at(r);
        }
        for (int scala : {1, 4}) carte_[scala] = new Carta(*svg_, scala, colori_);
        if (const char* png = std::getenv("MAPPIX_MAPPA_PNG")) {
            carte_[4]->Immagine().save(QString::fromLocal8Bit(png));
        }
        Fisso caso;
        mappix::Procedure procedure(caso);
        procedure.CaricaTabelle();
        for (int16_t c = 1; c <= mappix::kNumCitta; ++c)
            regioneCitta_[c] = procedure.RegioneCitta(c);
    }
    static void TearDownTestSuite() {
        for (auto& [scala, carta] : carte_) delete carta;
        carte_.clear();
        delete svg_;
        svg_ = nullptr;
    }

    const Carta& carta() const { return *carte_.at(GetParam()); }

    static QByteArray* svg_;
    static std::array<QColor, kNumRegioni> colori_;
    static std::map<int, Carta*> carte_;
    static std::array<int, mappix::kNumCitta + 1> regioneCitta_;
};

QByteArray* MappaTest::svg_ = nullptr;
std::array<QColor, kNumRegioni> MappaTest::colori_{};
std::map<int, Carta*> MappaTest::carte_{};
std::array<int, mappix::kNumCitta + 1> MappaTest::regioneCitta_{};

TEST_P(MappaTest, EveryRegionHasAColourOfItsOwnThatIsNeitherSeaNorOutline) {
    for (int a = 0; a < kNumRegioni; ++a) {
        EXPECT_GT(Distanza(colori_[a], Qt::white), kDistanzaVicini) << "region " << a;
        EXPECT_GT(Distanza(colori_[a], Qt::black), kDistanzaVicini) << "region " << a;
        for (int b = a + 1; b < kNumRegioni; ++b) {
            EXPECT_GT(Distanza(colori_[a], colori_[b]), 2.0 * kTolleranzaTinta)
                << "regions " << a << " and " << b << " share a colour";
        }
    }
}

TEST_P(MappaTest, EveryMarkerLiesOnItsOwnRegion) {
    const Carta& c = carta();
    for (int m = 1; m <= mappix::kNumCitta; ++m) {
        const int propria = regioneCitta_[m];
        const QPointF dot = DotInPixel(m);
        const int sotto = c.RegioneSotto(dot);
        if (sotto == propria) continue;
        if (propria == kSanMarino) {
            ADD_FAILURE() << "the San Marino marker is not on the red spot";
            continue;
        }
        // Off its colour: on a neighbour it is wrong; on the sea or the outline
        // a coastal city may miss its edge by one picture pixel at most.
        EXPECT_EQ(sotto, -1) << "marker " << m << " lies on region " << sotto << " instead of "
                             << propria << " (scale " << c.Scala() << ")";
        EXPECT_TRUE(c.RegioneEntro(dot, propria, 1.0))
            << "marker " << m << " lies more than a pixel off region " << propria << " (scale "
            << c.Scala() << ")";
    }
}

TEST_P(MappaTest, EveryAreaLiesMostlyOverItsOwnRegion) {
    const Carta& c = carta();
    double somma = 0;
    int quante = 0;
    for (int a = 1; a < mappix::kNumAree; ++a) {
        int terra = 0;
        int propria = 0;
        c.PerOgniPixel(AreaInPixel(a), [&](int x, int y) {
            const int r = c.RegioneIn(x, y);
            if (r < 0) return;
            ++terra;
            if (r == RegioneDellArea(a)) ++propria;
        });
        ASSERT_GT(terra, 0) << "area " << a << " has no land under it";
        const double quota = double(propria) / terra;
        EXPECT_GE(quota, 0.70) << "area " << a << " (scale " << c.Scala() << ")";
        somma += quota;
        ++quante;
    }
    EXPECT_GE(somma / quante, 0.92) << "scale " << c.Scala();
}

TEST_P(MappaTest, TheSanMarinoSpotLiesInsideItsAreaAndCoversItsCentre) {
    const Carta& c = carta();
    const Rect area = AreaInPixel(kSanMarino);
    const QColor rosso = colori_[kSanMarino];
    int dentro = 0;
    for (int y = 0; y < c.H(); ++y) {
        for (int x = 0; x < c.W(); ++x) {
            if (!Vicino(c.Immagine().pixel(x, y), rosso, kTolleranzaBordoSpot)) continue;
            const double px = (x + 0.5) / c.Scala();
            const double py = (y + 0.5) / c.Scala();
            EXPECT_TRUE(px > area.x0 && px < area.x1 && py > area.y0 && py < area.y1)
                << "red pixel (" << x << ", " << y << ") outside the San Marino area (scale "
                << c.Scala() << ")";
            ++dentro;
        }
    }
    EXPECT_GT(dentro, 0);
    const QPointF centro((area.x0 + area.x1) / 2, (area.y0 + area.y1) / 2);
    EXPECT_EQ(c.RegioneSotto(centro), kSanMarino) << "scale " << c.Scala();
}

TEST_P(MappaTest, EveryRegionShowsUnderOneOfItsAreas) {
    const Carta& c = carta();
    for (int r = 0; r < kNumRegioni; ++r) {
        bool trovata = false;
        for (int a = 0; a < mappix::kNumAree && !trovata; ++a) {
            if (RegioneDellArea(a) != r) continue;
            c.PerOgniPixel(AreaInPixel(a),
                           [&](int x, int y) { trovata = trovata || c.RegioneIn(x, y) == r; });
        }
        EXPECT_TRUE(trovata) << "region " << r << " has no pixel under its area (scale "
                             << c.Scala() << ")";
    }
}

// Regions count as neighbours when their colours come within 1.5 picture pixels
// of each other, across the outline. Only solid pixels count (the pixel and its
// eight neighbours of one colour): a blend of a fill with the black outline can
// happen to match another region's fill along a whole edge.
std::set<std::pair<int, int>> Vicini(const Carta& c) {
    auto solida = [&](int x, int y) {
        const int a = c.RegioneIn(x, y);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (c.RegioneIn(x + dx, y + dy) != a) return -1;
            }
        }
        return a;
    };
    std::vector<int> solido(std::size_t(c.W()) * c.H(), -1);
    for (int y = 0; y < c.H(); ++y) {
        for (int x = 0; x < c.W(); ++x) solido[std::size_t(y) * c.W() + x] = solida(x, y);
    }
    auto in = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= c.W() || y >= c.H()) return -1;
        return solido[std::size_t(y) * c.W() + x];
    };
    std::set<std::pair<int, int>> coppie;
    // Across the outline and the two eroded rims.
    const int raggio = int(std::lround(1.5 * c.Scala())) + 2;
    for (int y = 0; y < c.H(); ++y) {
        for (int x = 0; x < c.W(); ++x) {
            const int a = in(x, y);
            // Only pixels next to a pixel that is not theirs can touch another.
            if (a < 0 || (in(x + 1, y) == a && in(x, y + 1) == a && in(x - 1, y) == a &&
                          in(x, y - 1) == a)) {
                continue;
            }
            for (int dy = -raggio; dy <= raggio; ++dy) {
                for (int dx = -raggio; dx <= raggio; ++dx) {
                    if (dx * dx + dy * dy > raggio * raggio) continue;
                    const int b = in(x + dx, y + dy);
                    if (b > a) coppie.insert({a, b});
                }
            }
        }
    }
    return coppie;
}

// At 4x, where the outline is wide enough for solid pixels on both sides.
class ViciniTest : public MappaTest {};

TEST_F(ViciniTest, NeighbouringRegionsHaveClearlyDifferentColours) {
    const auto coppie = Vicini(*carte_.at(4));
    // The detection must see the obvious borders, or it proves nothing.
    for (auto atteso : {std::pair{2, 3}, {9, 12}, {17, 18}, {5, 6}, {0, 7}}) {
        EXPECT_TRUE(coppie.count(atteso))
            << "regions " << atteso.first << " and " << atteso.second << " not seen touching";
    }
    // Sicily and Sardinia are far apart: seeing them touch means a bad reading.
    EXPECT_FALSE(coppie.count({19, 20}));
    EXPECT_GE(coppie.size(), 30u);
    for (const auto& [a, b] : coppie) {
        EXPECT_GE(Distanza(colori_[a], colori_[b]), kDistanzaVicini)
            << "neighbours " << a << " and " << b << " look alike";
    }
}

INSTANTIATE_TEST_SUITE_P(Scale, MappaTest, ::testing::Values(1, 4),
                         [](const auto& prova) { return "x" + std::to_string(prova.param); });

}  // namespace

int main(int argc, char** argv) {
    Q_INIT_RESOURCE(mappix_assets);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
