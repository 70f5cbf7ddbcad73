// The region areas against the map the player sees: the real window, its
// region panel rendered as the screen shows it, swept pixel by pixel. At each
// pixel the region whose fill is drawn there (read from the map's own fill
// colours) must be the region of the area that takes a click there.
#include <gtest/gtest.h>

#include <QAccessible>
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

#include "etichetta.h"
#include "finestra.h"
#include "frm_citta.h"
#include "pannello_mappa.h"
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
        finestra_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(finestra_.get()));
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

    // Abandons the region exercise and starts another, whose first question
    // is index `primo` of its pool lo..hi.
    void Avvia(const char* opzione, int primo, int lo, int hi) {
        Clic("CmdReset");
        servizi_.casuali = {ServiziFinti::Scegli(primo, lo, hi)};
        Clic(opzione);
        pannello_ = finestra_->findChild<QWidget*>(
            QLatin1String(std::string(opzione) == "OptCitta" ? "FramCitta" : "FramRegio"));
    }

    QString Testo(const char* nome) const {
        return finestra_->findChild<Etichetta*>(QLatin1String(nome))->testo();
    }
    QString Log() const { return logica_->Ctl.Text1.Text; }
    void Tasto(Qt::Key tasto, Qt::KeyboardModifiers modi = Qt::NoModifier) {
        QTest::keyClick(finestra_->focusWidget(), tasto, modi);
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
void Spazza(QWidget* pannello) {
    pannello->clearFocus();  // the map alone, without the focus mark
    const std::array<QRgb, kRegioni> colori = ColoriDellaMappa();
    const QImage quadro = pannello->grab().toImage();
    const double rapporto = quadro.devicePixelRatio();
    const QRect mappa = pannello->findChild<QWidget*>(QStringLiteral("Image1"))->geometry();
    std::array<Conto, kRegioni> conti{};
    long mare = 0;
    long mareGiudicato = 0;
    long fuoriGiudicato = 0;
    for (int y = 0; y < quadro.height(); ++y) {
        for (int x = 0; x < quadro.width(); ++x) {
            const QPoint punto = (QPointF(x, y) / rapporto).toPoint();
            const int giudicata = RegioneGiudicata(pannello->childAt(punto));
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
    std::printf("ratio %g, map %dx%d: land pixels judged as the region drawn\n", rapporto,
                mappa.width(), mappa.height());
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

TEST_F(AreeTest, EveryLandPixelIsJudgedAsTheRegionDrawnThereAndTheSeaAsNothing) {
    Spazza(pannello_);
}

// On a small screen the window scales its whole layout down: the areas follow
// the map to its new size.
TEST_F(AreeTest, TheAreasFollowTheMapWhenTheWindowIsScaledDown) {
    auto* regio = qobject_cast<PannelloRegioni*>(pannello_);
    ASSERT_NE(regio, nullptr);
    constexpr double kScala = 0.7;
    regio->setGeometry(RettangoloPixel(logica_->Ctl.FramRegio, kScala));
    regio->Specchia(kScala);
    ASSERT_EQ(regio->findChild<QWidget*>(QStringLiteral("Image1"))->width(), 421);
    Spazza(pannello_);
}

// ---------------------------------------------------------------- keyboard

// The focus mark as the screen shows it: the box (logical pixels of the panel)
// of everything that differs from the panel painted without it.
QRect Differenza(const QImage& senza, const QImage& con) {
    QRect box;
    for (int y = 0; y < con.height(); ++y) {
        for (int x = 0; x < con.width(); ++x) {
            if (con.pixel(x, y) != senza.pixel(x, y)) box |= QRect(x, y, 1, 1);
        }
    }
    const double r = con.devicePixelRatio();
    return {QPoint(int(box.left() / r), int(box.top() / r)),
            QPoint(int(box.right() / r), int(box.bottom() / r))};
}

TEST_F(AreeTest, TabAndSpaceAnswerOnTheRegionMapAsAClickDoes) {
    Avvia("OptReg", 9, 0, 20);
    ASSERT_EQ(Testo("LblDom0"), QStringLiteral("Toscana"));
    pannello_->setFocus();
    for (int i = 0; i < 3; ++i) Tasto(Qt::Key_Tab);
    const QString log = Log();
    Tasto(Qt::Key_Space);  // Lombardia: wrong
    EXPECT_EQ(Testo("LblTentativi"), QStringLiteral("Tentativo Nr. 2"));
    EXPECT_EQ(Log(), log);
    for (int i = 3; i < 9; ++i) Tasto(Qt::Key_Tab);
    Tasto(Qt::Key_Return);
    EXPECT_TRUE(Log().endsWith(QStringLiteral("Tentativi 2 per la regione Toscana\r\n")));
    EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Domanda Nr. 2 di 21"));
    EXPECT_EQ(Testo("LblTotTent"), QStringLiteral("Tentativi complessivi 3"));
    EXPECT_EQ(finestra_->focusWidget(), pannello_);

    // Through all 22 areas, Tab leaves the panel; Shift+Tab comes back to the last.
    for (int i = 9; i < 21; ++i) Tasto(Qt::Key_Tab);
    EXPECT_EQ(finestra_->focusWidget(), pannello_);
    Tasto(Qt::Key_Tab);
    EXPECT_NE(finestra_->focusWidget(), pannello_);
    Tasto(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(finestra_->focusWidget(), pannello_);
    const QString soggetto = Testo("LblDom0");
    Tasto(Qt::Key_Space);  // area 21, the south-east of Puglia
    EXPECT_EQ(Log().endsWith(QStringLiteral("per la regione Puglia\r\n")),
              soggetto == QStringLiteral("Puglia"));
}

TEST_F(AreeTest, ArrowsMoveANeutralMarkBetweenMarkersThatAnswersAsAClick) {
    Avvia("OptCitta", 2, 1, 107);
    ASSERT_EQ(Testo("LblDom0"), QStringLiteral("Novara"));
    pannello_->clearFocus();
    const QImage senza = pannello_->grab().toImage();
    pannello_->setFocus();
    const auto segno = [&] { return Differenza(senza, pannello_->grab().toImage()); };
    // The mark starts on Torino, whose dot is at (1095 + 60, 1980 + 90) twips.
    QRect box = segno();
    ASSERT_FALSE(box.isEmpty()) << "no focus mark on the screen";
    EXPECT_LE((box.center() - QPoint(77, 138)).manhattanLength(), 3);
    EXPECT_LE(box.width(), 24);

    const struct {
        Qt::Key tasto;
        int dx, dy;
    } passi[] = {{Qt::Key_Right, 1, 0}, {Qt::Key_Down, 0, 1},  {Qt::Key_Right, 1, 0},
                 {Qt::Key_Down, 0, 1},  {Qt::Key_Left, -1, 0}, {Qt::Key_Up, 0, -1}};
    for (const auto& passo : passi) {
        Tasto(passo.tasto);
        const QRect dopo = segno();
        ASSERT_FALSE(dopo.isEmpty());
        const QPoint d = dopo.center() - box.center();
        EXPECT_GT(d.x() * passo.dx + d.y() * passo.dy, 0)
            << "key " << passo.tasto << " moved the mark by " << d.x() << "," << d.y();
        box = dopo;
    }

    // Back to Torino, then Tab to Novara: the right answer, by Space.
    pannello_->clearFocus();
    pannello_->setFocus();
    Tasto(Qt::Key_Tab);
    const QRect suNovara = segno();
    const QImage primaDiRispondere =
        pannello_->grab().toImage().copy((QRectF(suNovara.adjusted(-4, -4, 4, 4)).toRect()));
    Tasto(Qt::Key_Space);
    EXPECT_EQ(Testo("LblNote"), QStringLiteral("INDOVINATO!"));
    EXPECT_TRUE(Log().endsWith(QStringLiteral("Tentativi 1 per la città Novara\r\n")));
    // The mark looks the same after a right answer as before it.
    EXPECT_EQ(pannello_->grab().toImage().copy(suNovara.adjusted(-4, -4, 4, 4)), primaDiRispondere);
    // Enter on Cuneo, a wrong answer: the note names Cuneo, the mark is unchanged.
    Tasto(Qt::Key_Tab);
    const QRect suCuneo = segno();
    const QImage primaDelloSbaglio =
        pannello_->grab().toImage().copy(suCuneo.adjusted(-4, -4, 4, 4));
    Tasto(Qt::Key_Enter);
    EXPECT_TRUE(Testo("LblNote").startsWith(QStringLiteral("Errore questa è la città di Cuneo")))
        << Testo("LblNote").toStdString();
    EXPECT_EQ(pannello_->grab().toImage().copy(suCuneo.adjusted(-4, -4, 4, 4)), primaDelloSbaglio);
}

TEST_F(AreeTest, AMarkerLooksTheSameBeforeAndAfterAClick) {
    Avvia("OptCitta", 2, 1, 107);
    QWidget* torino = pannello_->findChild<QWidget*>(QStringLiteral("LblCit(1)"));
    const QRect attorno = torino->geometry().adjusted(-4, -4, 4, 4);
    const QImage prima = pannello_->grab(attorno).toImage();
    QTest::mouseClick(torino, Qt::LeftButton, {}, torino->rect().center());
    ASSERT_TRUE(Testo("LblNote").startsWith(QStringLiteral("Errore questa è la città di Torino")));
    EXPECT_EQ(pannello_->grab(attorno).toImage(), prima);
}

// ---------------------------------------------------------------- screen readers

TEST_F(AreeTest, AreasAndMarkersAreButtonsNamedByNumberOnly) {
    for (int i = 0; i <= 21; ++i) {
        QWidget* area = finestra_->findChild<QWidget*>(QStringLiteral("LbLReg(%1)").arg(i));
        QAccessibleInterface* accessibile = QAccessible::queryAccessibleInterface(area);
        ASSERT_NE(accessibile, nullptr);
        EXPECT_EQ(accessibile->role(), QAccessible::Button);
        EXPECT_EQ(accessibile->text(QAccessible::Name), QStringLiteral("Area %1").arg(i));
    }
    for (int i = 1; i <= 107; ++i) {
        QWidget* marcatore = finestra_->findChild<QWidget*>(QStringLiteral("LblCit(%1)").arg(i));
        QAccessibleInterface* accessibile = QAccessible::queryAccessibleInterface(marcatore);
        ASSERT_NE(accessibile, nullptr);
        EXPECT_EQ(accessibile->role(), QAccessible::Button);
        EXPECT_EQ(accessibile->text(QAccessible::Name), QStringLiteral("Città %1").arg(i));
    }
    // Pressing an area through the accessibility interface answers with it.
    Avvia("OptReg", 20, 0, 20);
    QAccessibleInterface* sardegna = QAccessible::queryAccessibleInterface(
        finestra_->findChild<QWidget*>(QStringLiteral("LbLReg(20)")));
    ASSERT_NE(sardegna->actionInterface(), nullptr);
    sardegna->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(Log().endsWith(QStringLiteral("Tentativi 1 per la regione Sardegna\r\n")));
}

// ---------------------------------------------------------------- dark theme

double Luminanza(QColor c) {
    const auto lineare = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
}

double Contrasto(QColor a, QColor b) {
    const double la = Luminanza(a);
    const double lb = Luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// For every dot, as the screen shows it: its outer colour (the pixels within a
// pixel of its rim) against every pixel of sea or fill around it (from one to
// three pixels beyond its rim, the map painted without markers). The worst
// pair over all 107 dots.
double ContrastoMinimoDeiPunti(QWidget* pannello) {
    std::vector<QRgb> fondi{qRgb(255, 255, 255)};
    for (const QRgb colore : ColoriDellaMappa()) fondi.push_back(colore);
    const auto diMappa = [&fondi](QColor c) {
        for (const QRgb f : fondi) {
            if (Vicino(c.rgb(), f, kTolleranza)) return true;
        }
        return false;
    };
    QList<QWidget*> marcatori;
    for (int i = 1; i <= 107; ++i) {
        marcatori.push_back(pannello->findChild<QWidget*>(QStringLiteral("LblCit(%1)").arg(i)));
    }
    // Each dot alone on the map, so that a neighbour's dot is not taken for its own.
    for (QWidget* m : marcatori) m->hide();
    double peggiore = 21.0;
    for (QWidget* m : marcatori) {
        const QRect attornoAlPunto(m->geometry().center() - QPoint(16, 16), QSize(33, 33));
        const QImage mappa = pannello->grab(attornoAlPunto).toImage();
        m->show();
        const QImage quadro = pannello->grab(attornoAlPunto).toImage();
        m->hide();
        const double r = quadro.devicePixelRatio();
        const QPointF c = (QPointF(m->geometry().topLeft()) + QPointF(m->width(), m->height()) / 2 -
                           attornoAlPunto.topLeft()) *
                          r;
        // The dot: the pixels the marker changed.
        double bordo = 0;
        for (int y = 0; y < quadro.height(); ++y) {
            for (int x = 0; x < quadro.width(); ++x) {
                if (quadro.pixel(x, y) != mappa.pixel(x, y)) {
                    bordo = std::max(bordo, std::hypot(x + 0.5 - c.x(), y + 0.5 - c.y()));
                }
            }
        }
        std::vector<QColor> orlo;
        std::vector<QColor> attorno;
        for (int y = 0; y < quadro.height(); ++y) {
            for (int x = 0; x < quadro.width(); ++x) {
                const double d = std::hypot(x + 0.5 - c.x(), y + 0.5 - c.y());
                if (d <= bordo - r && d >= bordo - 2 * r) orlo.push_back(quadro.pixelColor(x, y));
                if (d > bordo + r && d <= bordo + 3 * r) attorno.push_back(mappa.pixelColor(x, y));
            }
        }
        // The outer colour: the median, by luminance, of the band inside the rim.
        std::sort(orlo.begin(), orlo.end(),
                  [](QColor a, QColor b) { return Luminanza(a) < Luminanza(b); });
        const QColor esterno = orlo.empty() ? QColor() : orlo[orlo.size() / 2];
        EXPECT_TRUE(esterno.isValid()) << m->objectName().toStdString() << " shows no dot";
        if (!esterno.isValid()) continue;
        for (const QColor& fondo : attorno) {
            // The map around: its sea and fills, not its black outlines.
            if (!diMappa(fondo)) continue;
            peggiore = std::min(peggiore, Contrasto(esterno, fondo));
        }
    }
    for (QWidget* m : marcatori) m->show();
    return peggiore;
}

TEST_F(AreeTest, EveryCityDotStandsOutFromTheMapUnderLightAndDarkThemes) {
    Avvia("OptCitta", 2, 1, 107);
    const double chiaro = ContrastoMinimoDeiPunti(pannello_);
    QPalette scura = finestra_->palette();
    scura.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    scura.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    scura.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    scura.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    finestra_->setPalette(scura);
    const double scuro = ContrastoMinimoDeiPunti(pannello_);
    std::printf("worst dot contrast: light theme %.2f:1, dark theme %.2f:1\n", chiaro, scuro);
    EXPECT_GE(chiaro, 3.0);
    EXPECT_GE(scuro, 3.0);
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
