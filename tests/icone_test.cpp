// Icons drawn on demand: each size Qt asks for is the SVG drawn at that size in
// device pixels (the 16-pixel window icon from its own small drawing), the
// window icon offers only the sizes a title bar shows, and a disabled button
// shows a greyed icon.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QToolButton>
#include <memory>

#include "finestra.h"
#include "frm_citta.h"
#include "immagine.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

// The drawing rendered straight from the resource, as the expectation.
QImage Disegno(const char* risorsa, QSize lati) {
    QImage immagine(lati, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QSvgRenderer disegno(QString::fromLatin1(risorsa));
    EXPECT_TRUE(disegno.isValid()) << risorsa;
    QPainter pittore(&immagine);
    disegno.render(&pittore, QRectF(QPointF(0, 0), QSizeF(lati)));
    return immagine;
}

QImage Disegno(const char* risorsa, int lato) {
    return Disegno(risorsa, QSize(lato, lato));
}

QImage Immagine(const QPixmap& figura) {
    return figura.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

class IconeTest : public ::testing::Test {
protected:
    void SetUp() override {
        logica_ = std::make_unique<FrmCitta>(servizi_);
        logica_->Form_Initialize();
        finestra_ = std::make_unique<FinestraCitta>(*logica_);
    }
    ServiziFinti servizi_;
    std::unique_ptr<FrmCitta> logica_;
    std::unique_ptr<FinestraCitta> finestra_;
};

TEST_F(IconeTest, TheWindowIconOffers16And32DrawnFromTheirOwnPictures) {
    const QIcon icona = finestra_->windowIcon();
    EXPECT_EQ(icona.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    EXPECT_EQ(Immagine(icona.pixmap(QSize(16, 16), 1.0)), Disegno(":/icona-16.svg", 16));
    EXPECT_EQ(Immagine(icona.pixmap(QSize(32, 32), 1.0)), Disegno(":/icona.svg", 32));
    // A size nobody advertised is still drawn sharp at that size.
    EXPECT_EQ(Immagine(icona.pixmap(QSize(48, 48), 1.0)), Disegno(":/icona.svg", 48));
}

TEST_F(IconeTest, ButtonIconsAreDrawnAtTheScreensPixelRatioAndGreyedWhenDisabled) {
    const struct {
        const char* pulsante;
        const char* risorsa;
    } casi[] = {{"CmdIniz", ":/inizia.svg"},
                {"CmdHlp", ":/aiuto.svg"},
                {"CmdNuovo", ":/nuovo.svg"},
                {"CmdFine", ":/esci.svg"}};
    for (const auto& caso : casi) {
        auto* pulsante = finestra_->findChild<QToolButton*>(QString::fromLatin1(caso.pulsante));
        ASSERT_NE(pulsante, nullptr) << caso.pulsante;
        EXPECT_EQ(pulsante->iconSize(), QSize(32, 32));
        const QIcon icona = pulsante->icon();
        EXPECT_EQ(Immagine(icona.pixmap(QSize(32, 32), 1.0)), Disegno(caso.risorsa, 32))
            << caso.pulsante;
        const QPixmap doppia = icona.pixmap(QSize(32, 32), 2.0);
        EXPECT_EQ(doppia.devicePixelRatio(), 2.0);
        EXPECT_EQ(Immagine(doppia), Disegno(caso.risorsa, 64)) << caso.pulsante;

        // Painted straight onto a surface of pixel ratio 2, as a style may.
        QImage superficie(64, 64, QImage::Format_ARGB32_Premultiplied);
        superficie.setDevicePixelRatio(2.0);
        superficie.fill(Qt::transparent);
        {
            QPainter pittore(&superficie);
            icona.paint(&pittore, QRect(0, 0, 32, 32));
        }
        superficie.setDevicePixelRatio(1.0);
        EXPECT_EQ(superficie, Disegno(caso.risorsa, 64)) << caso.pulsante;

        const QImage spenta = Immagine(icona.pixmap(QSize(32, 32), 1.0, QIcon::Disabled));
        ASSERT_EQ(spenta.size(), QSize(32, 32));
        EXPECT_NE(spenta, Disegno(caso.risorsa, 32)) << caso.pulsante << " is not greyed";
    }
}

// The start screen, painted at one and at two device pixels per pixel, with
// its buttons' and window's icons, draws no SVG: its pictures were rendered at
// build time, and they are the SVG's drawing to the pixel.
TEST_F(IconeTest, TheStartScreenDrawsNoSvgAndItsPicturesAreTheSvgsOwn) {
    const struct {
        const char* risorsa;
        QSize lati;
    } figure[] = {{":/logo.svg", {145, 104}}, {":/decorazione.svg", {193, 189}}};
    finestra_->show();
    const int prima = DisegniDaSvg();
    for (const int rapporto : {1, 2}) {
        QImage superficie(finestra_->size() * rapporto, QImage::Format_ARGB32_Premultiplied);
        superficie.setDevicePixelRatio(rapporto);
        finestra_->render(&superficie);
        for (auto* pulsante : finestra_->findChildren<QToolButton*>()) {
            pulsante->icon().pixmap(QSize(32, 32), rapporto);
        }
        for (const int lato : {16, 32}) {
            finestra_->windowIcon().pixmap(QSize(lato, lato), rapporto);
        }
        for (const auto& figura : figure) {
            const QSize lati = figura.lati * rapporto;
            EXPECT_EQ(FiguraSvg(QString::fromLatin1(figura.risorsa), lati),
                      Disegno(figura.risorsa, lati))
                << figura.risorsa << " at " << rapporto << "x";
        }
    }
    EXPECT_EQ(DisegniDaSvg(), prima);
}

}  // namespace
}  // namespace mappix
