// The region areas against the map the player sees: the real window, its
// region panel rendered as the screen shows it, swept pixel by pixel. At each
// pixel the region whose fill is drawn there (read from the map's own fill
// colours) must be the region of the area that takes a click there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWindow>
#include <QXmlStreamReader>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

#include "finestra.h"
#include "frm_citta.h"
#include "servizi_finti.h"
#include "terra.h"

namespace mappix {
namespace {

constexpr int kRegioni = 21;
constexpr int kTolleranza = 8;  // a fill drawn flat; antialiased edges are not

const char* const kNomi[kRegioni] = {"Repubblica di San Marino",
                                     "Valle d'Aosta",
                                     "Piemonte",
                                     "Lombardia",
                                     "Trentino Alto Adige",
                                     "Friuli Venezia Giulia",
                                     "Veneto",
                                     "Emilia Romagna",
                                     "Liguria",
                                     "Toscana",
                                     "Marche",
                                     "Umbria",
                                     "Lazio",
                                     "Abruzzo",
                                     "Molise",
                                     "Puglia",
                                     "Campania",
                                     "Calabria",
                                     "Basilicata",
                                     "Sicilia",
                                     "Sardegna"};

std::array<QRgb, kRegioni> ColoriDellaMappa() {
    QFile file(QStringLiteral(":/mappa.svg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::array<QRgb, kRegioni> colori{};
    QXmlStreamReader xml(file.readAll());
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
    return colori;
}

bool Vicino(QRgb a, QRgb b, int tolleranza) {
    return std::abs(qRed(a) - qRed(b)) <= tolleranza &&
           std::abs(qGreen(a) - qGreen(b)) <= tolleranza &&
           std::abs(qBlue(a) - qBlue(b)) <= tolleranza;
}

// The region judged by a click on widget w: area i is region i, area 21 is
// Puglia; anything else judges nothing (-1).
int RegioneGiudicata(const QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        const QString nome = w->objectName();
        if (nome.startsWith(QStringLiteral("LbLReg("))) {
            const int i = nome.mid(7, nome.size() - 8).toInt();
            return i == 21 ? 15 : i;
        }
    }
    return -1;
}

class AreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        logica_ = std::make_unique<FrmCitta>(servizi_);
        logica_->Form_Initialize();
        finestra_ = std::make_unique<FinestraCitta>(*logica_);
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
        logica_->Ctl.TxtNome.Text = QStringLiteral("Giulia");
        Clic("CmdIniz");
        Clic("OptReg");
        pannello_ = finestra_->findChild<QWidget*>(QStringLiteral("FramRegio"));
        ASSERT_TRUE(pannello_ != nullptr && pannello_->isVisible());
    }

    void Clic(const char* nome) {
        auto* w = finestra_->findChild<QWidget*>(QLatin1String(nome));
        ASSERT_NE(w, nullptr) << nome;
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }

    ServiziFinti servizi_;
    std::unique_ptr<FrmCitta> logica_;
    std::unique_ptr<FinestraCitta> finestra_;
    QWidget* pannello_ = nullptr;
};

struct Conto {
    long terra = 0;
    long giusti = 0;
};

// Every device pixel of the region panel as the screen shows it. The pointer
// on device pixel d reports the position d / ratio, and Qt hands the click to
// the widget under that position rounded to whole pixels.
TEST_F(AreeTest, EveryLandPixelIsJudgedAsTheRegionDrawnThereAndTheSeaAsNothing) {
    const std::array<QRgb, kRegioni> colori = ColoriDellaMappa();
    const QImage quadro = pannello_->grab().toImage();
    const double rapporto = quadro.devicePixelRatio();
    const QRect mappa = finestra_->findChild<QWidget*>(QStringLiteral("Image1"))->geometry();
    std::array<Conto, kRegioni> conti{};
    long mare = 0;
    long mareGiudicato = 0;
    long fuoriGiudicato = 0;
    for (int y = 0; y < quadro.height(); ++y) {
        for (int x = 0; x < quadro.width(); ++x) {
            const QPoint punto = (QPointF(x, y) / rapporto).toPoint();
            const int giudicata = RegioneGiudicata(pannello_->childAt(punto));
            const QRgb p = quadro.pixel(x, y);
            if (!mappa.adjusted(1, 1, -1, -1).contains(punto)) {  // frame and border
                fuoriGiudicato += giudicata >= 0 ? 1 : 0;
                continue;
            }
            if (Vicino(p, qRgb(255, 255, 255), kTolleranza)) {
                ++mare;
                mareGiudicato += giudicata >= 0 ? 1 : 0;
                continue;
            }
            for (int r = 0; r < kRegioni; ++r) {
                if (Vicino(p, colori[static_cast<std::size_t>(r)], kTolleranza)) {
                    ++conti[static_cast<std::size_t>(r)].terra;
                    conti[static_cast<std::size_t>(r)].giusti += giudicata == r ? 1 : 0;
                    break;
                }
            }
        }
    }
    long terra = 0;
    long giusti = 0;
    std::printf("ratio %g: land pixels judged as the region drawn\n", rapporto);
    for (int r = 0; r < kRegioni; ++r) {
        const Conto& c = conti[static_cast<std::size_t>(r)];
        terra += c.terra;
        giusti += c.giusti;
        const double quota = c.terra > 0 ? 100.0 * double(c.giusti) / double(c.terra) : 0.0;
        std::printf("  %2d %-25s %7ld / %7ld  %6.2f %%\n", r, kNomi[r], c.giusti, c.terra, quota);
        ASSERT_GT(c.terra, 0) << kNomi[r] << " not found on the map";
        EXPECT_GE(quota, 98.0) << kNomi[r];
    }
    const double quota = 100.0 * double(giusti) / double(terra);
    std::printf("  all land %ld / %ld  %.2f %%; sea pixels %ld, judged %ld\n", giusti, terra, quota,
                mare, mareGiudicato);
    EXPECT_GE(quota, 99.5);
    EXPECT_GT(mare, terra / 2);
    EXPECT_EQ(mareGiudicato, 0);
    EXPECT_EQ(fuoriGiudicato, 0) << "pixels of the frame or the map's border take clicks";
}

}  // namespace
}  // namespace mappix

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef MAPPIX_SCALA
    qputenv("QT_SCALE_FACTOR", MAPPIX_SCALA);
#endif
    QApplication applicazione(argc, argv);
    Q_INIT_RESOURCE(mappix_assets);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
