// The window scaled down to fit a small screen: every place and font of the
// design shrinks by one factor, and back at full scale nothing has moved.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QTest>
#include <cmath>
#include <memory>

#include "finestra.h"
#include "frm_citta.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

// Twips of the design to pixels at a scale, to the nearest pixel.
int Px(int twips, double scala) {
    return static_cast<int>(std::lround(twips * scala / 15.0));
}
QRect PxRect(int left, int top, int width, int height, double scala) {
    return {Px(left, scala), Px(top, scala), Px(width, scala), Px(height, scala)};
}

TEST(Scala, TheWindowTakesTheLargestScaleThatFitsUpToFull) {
    // A frame of 1 pixel at the sides and the bottom, a title bar of 20.
    const QMargins cornice(1, 20, 1, 1);
    EXPECT_DOUBLE_EQ(ScalaPerSchermo(QSize(1280, 800), cornice), 1.0);
    EXPECT_DOUBLE_EQ(ScalaPerSchermo(QSize(1011, 710), cornice), 1.0);  // exactly room
    EXPECT_DOUBLE_EQ(ScalaPerSchermo(QSize(1010, 710), cornice), 1008.0 / 1009.0);
    EXPECT_DOUBLE_EQ(ScalaPerSchermo(QSize(1024, 600), cornice), 579.0 / 689.0);
    EXPECT_DOUBLE_EQ(ScalaPerSchermo(QSize(900, 700), cornice), 898.0 / 1009.0);
}

class ScalaFinestra : public ::testing::Test {
protected:
    void SetUp() override {
        logica_ = std::make_unique<FrmCitta>(servizi_);
        logica_->Form_Initialize();
        finestra_ = std::make_unique<FinestraCitta>(*logica_);
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    QWidget* Di(const char* nome) const {
        return finestra_->findChild<QWidget*>(QString::fromLatin1(nome));
    }

    ServiziFinti servizi_;
    std::unique_ptr<FrmCitta> logica_;
    std::unique_ptr<FinestraCitta> finestra_;
};

TEST_F(ScalaFinestra, PlacesAndFontsShrinkByOneFactorAndComeBack) {
    struct Posto {
        const char* nome;
        int left, top, width, height;
        int pixelCarattere;  // at full scale, 0 for none of its own
    };
    // From the layout table: the far corner controls, a frame's child.
    const Posto posti[] = {
        {"CmdFine", 14055, 90, 960, 1035, 19},  {"Text1", 9450, 8100, 5550, 2085, 13},
        {"LblDom0", 9435, 2265, 5580, 780, 32}, {"OptCitta", 2970, 697, 2490, 420, 13},
        {"FramCitta", 90, 90, 9285, 10140, 15}, {"TxtNome", 3600, 4140, 4650, 600, 29},
    };
    for (const double scala : {579.0 / 689.0, 898.0 / 1009.0, 1.0}) {
        SCOPED_TRACE(scala);
        finestra_->ImpostaScala(scala);
        EXPECT_EQ(finestra_->size(), QSize(Px(15135, scala), Px(10335, scala)));
        for (const Posto& p : posti) {
            SCOPED_TRACE(p.nome);
            const QWidget* w = Di(p.nome);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->geometry(), PxRect(p.left, p.top, p.width, p.height, scala));
            if (p.pixelCarattere > 0) {
                EXPECT_EQ(w->font().pixelSize(),
                          static_cast<int>(std::lround(p.pixelCarattere * scala)));
            }
        }
    }
    EXPECT_EQ(finestra_->size(), QSize(1009, 689));
}

// The city map's markers are made when the map first shows: made after the
// window was scaled, they take the scale too, and follow it back.
TEST_F(ScalaFinestra, MarkersMadeAfterAScaleChangeTakeThatScale) {
    constexpr double kScala = 579.0 / 689.0;
    finestra_->ImpostaScala(kScala);
    logica_->Ctl.TxtNome.Text = QStringLiteral("Giulia");
    for (const char* nome : {"CmdIniz", "OptCitta"}) {
        QWidget* w = Di(nome);
        ASSERT_NE(w, nullptr) << nome;
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    const QWidget* marcatore = Di("LblCit(99)");
    ASSERT_NE(marcatore, nullptr);
    EXPECT_TRUE(marcatore->isVisible());
    EXPECT_EQ(marcatore->geometry(), PxRect(6030, 9495, 120, 180, kScala));
    finestra_->ImpostaScala(1.0);
    EXPECT_EQ(marcatore->geometry(), PxRect(6030, 9495, 120, 180, 1.0));
}

}  // namespace
}  // namespace mappix
