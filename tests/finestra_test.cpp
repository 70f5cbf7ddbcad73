// The real quiz window under Qt's offscreen platform, driven by clicks and key
// presses on its widgets: layout and stacking, the start screen, the help
// panel, each exercise played to its end, and every caption fitting its label.
#include "finestra.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <cmath>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "dati/controlli.h"
#include "etichetta.h"
#include "frm_citta.h"
#include "marcatore.h"
#include "oracolo.h"
#include "servizi_finti.h"
#include "servizi_qt.h"
#include "terra.h"

namespace mappix {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Twips to pixels at 15 twips per pixel, to the nearest pixel.
int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect PxRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

// As a label shows it: CR LF and CR break the line.
QString ConACapo(QString testo) {
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return testo;
}

QString Nome(int i, const char* tipo) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(tipo)).arg(i);
}
QString Area(int i) {
    return Nome(i, "LbLReg");
}
QString Marker(int i) {
    return Nome(i, "LblCit");
}

bool Discende(const QWidget* w, const QWidget* antenato) {
    for (; w != nullptr; w = w->parentWidget()) {
        if (w == antenato) {
            return true;
        }
    }
    return false;
}

using oracolo::U;

QRect AreaPx(int i) {
    const dati::Area& a = dati::kAree.at(static_cast<std::size_t>(i));
    return PxRect(a.left, a.top, a.width, a.height);
}

QRect MarkerPx(int i) {
    const dati::PuntoMarcatore& m = dati::kMarcatori.at(static_cast<std::size_t>(i));
    return PxRect(m.left, m.top, dati::kLarghezzaMarcatore, dati::kAltezzaMarcatore);
}

// What a click that must do nothing could change.
struct Istantanea {
    int16_t RegDom, CitDom, NumDom, Tentativo, TotTentativi;
    QString log, note, tentativi, totTent, numDom, dom0, dom1;
    int beep;
    bool operator==(const Istantanea&) const = default;
};

class FinestraTest : public ::testing::Test {
protected:
    void SetUp() override {
        logica_ = std::make_unique<FrmCitta>(servizi_);
        logica_->Form_Initialize();
        finestra_ = std::make_unique<FinestraCitta>(*logica_);
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
    }

    void TearDown() override {
        finestra_.reset();
        logica_.reset();
    }

    template <typename T = QWidget>
    T* Di(const QString& nome) const {
        T* w = finestra_->findChild<T*>(nome);
        if (w == nullptr) {
            throw std::runtime_error("no widget " + nome.toStdString());
        }
        return w;
    }
    template <typename T = QWidget>
    T* Di(const char* nome) const {
        return Di<T>(QString::fromLatin1(nome));
    }

    Etichetta* Lbl(const char* nome) const { return Di<Etichetta>(nome); }
    QString Testo(const char* nome) const { return Lbl(nome)->testo(); }
    QString Log() const { return logica_->Ctl.Text1.Text; }
    QString LogMostrato() const { return Di<QPlainTextEdit>("Text1")->toPlainText(); }

    QPoint Centro(const QWidget* w) const { return w->mapTo(finestra_.get(), w->rect().center()); }

    // A real click at a point of the window: Qt finds the widget under it.
    void ClicPunto(QPoint punto) {
        QTest::mouseClick(finestra_->windowHandle(), Qt::LeftButton, Qt::NoModifier, punto);
    }

    // A click at the centre of a widget, which must be the one a player hits there.
    void Clic(QWidget* w) {
        const QPoint punto = Centro(w);
        EXPECT_EQ(finestra_->childAt(punto), w)
            << w->objectName().toStdString() << " is covered at its centre";
        ClicPunto(punto);
    }
    void Clic(const char* nome) { Clic(Di(nome)); }
    // A click where a player aims for area i: on a random pixel of its
    // region's land, away from San Marino's rectangle, which lies over its
    // neighbours; area 21 is the land of Puglia inside its rectangle.
    void ClicArea(int i) {
        const int regione = i == 21 ? 15 : i;
        QPoint punto;
        for (int prova = 0; prova < 100; ++prova) {
            punto = PuntoDiRegione(regione, caso_, i == 21 ? AreaPx(21) : QRect());
            if ((i == 0 || !AreaPx(0).contains(punto)) && (i != 15 || !AreaPx(21).contains(punto)))
                break;
        }
        ASSERT_GE(punto.x(), 0) << "no land of region " << regione << " on the map";
        const QPoint inFinestra = Di("FramRegio")->mapTo(finestra_.get(), punto);
        EXPECT_EQ(finestra_->childAt(inFinestra), Di(Area(i)))
            << Area(i).toStdString() << " does not take a click on its land at " << punto.x() << ","
            << punto.y();
        ClicPunto(inFinestra);
    }
    void ClicMarker(int i) { Clic(Di(Marker(i))); }

    void Scrivi(const QString& nome) {
        auto* casella = Di<QLineEdit>("TxtNome");
        casella->setFocus();
        casella->selectAll();
        if (nome.isEmpty()) {
            QTest::keyClick(casella, Qt::Key_Backspace);
        } else {
            for (const QChar carattere : nome) {
                if (carattere.unicode() < 0x80) {
                    QTest::keyClick(casella, carattere.toLatin1());
                } else {  // a letter of an Italian keyboard outside ASCII
                    QTest::sendKeyEvent(QTest::Click, casella, Qt::Key_unknown, QString(carattere),
                                        Qt::NoModifier);
                }
            }
        }
    }

    void Inizia(const QString& nome = QStringLiteral("mario")) {
        Scrivi(nome);
        Clic("CmdIniz");
    }

    Istantanea Stato() const {
        const FrmCitta& l = *logica_;
        return {l.RegDom,
                l.CitDom,
                l.NumDom,
                l.Tentativo,
                l.TotTentativi,
                LogMostrato(),
                Testo("LblNote"),
                Testo("LblTentativi"),
                Testo("LblTotTent"),
                Testo("LblNumDom"),
                Testo("LblDom0"),
                Testo("LblDom1"),
                servizi_.beep};
    }

    static QString NomeCitta(int c) { return U(dati::kCitta.at(static_cast<std::size_t>(c)).nome); }

    // The area or marker that answers the question on screen.
    int Giusto() const {
        return oracolo::Risposta(Testo("LblDom1"), Testo("LblDom0"), Di("FramCitta")->isVisible());
    }
    // A click on a point of region r of the region map, as a player aims.
    void ClicRegione(int r) {
        ClicPunto(Di("FramRegio")->mapTo(finestra_.get(), PuntoDiRegione(r, caso_)));
    }
    void ClicGiusto() {
        Di("FramCitta")->isVisible() ? ClicMarker(Giusto()) : ClicRegione(Giusto());
    }
    void ClicSbagliato() {
        Di("FramCitta")->isVisible() ? ClicMarker(Giusto() % 107 + 1)
                                     : ClicRegione((Giusto() + 1) % 21);
    }

    // The caption of a label fits its text rectangle with the font the label
    // uses, words whole; the font is lowered only where the label's own font
    // does not fit, and only just enough.
    void Entra(const char* nome, const QString& contesto) const {
        const Etichetta* e = Lbl(nome);
        const QString testo = ConACapo(e->testo());
        if (testo.isEmpty()) {
            return;
        }
        const QRect area = e->areaTesto();
        const QFont usato = e->carattereUsato();
        const QRect necessario = QFontMetrics(usato).boundingRect(area, e->flagTesto(), testo);
        EXPECT_TRUE(area.contains(necessario))
            << nome << " cuts off \"" << e->testo().toStdString() << "\" ("
            << contesto.toStdString() << "): needs " << necessario.width() << "x"
            << necessario.height() << " at " << usato.pixelSize() << " px, has " << area.width()
            << "x" << area.height();
        EXPECT_FALSE(e->flagTesto() & Qt::TextWrapAnywhere)
            << nome << " breaks a word of \"" << e->testo().toStdString() << "\"";
        const int parole = (e->flagTesto() & ~Qt::TextWrapAnywhere) | Qt::TextWordWrap;
        const auto entraCon = [&](const QFont& f) {
            const QRect r = QFontMetrics(f).boundingRect(area, parole, testo);
            return r.width() <= area.width() && r.height() <= area.height();
        };
        if (entraCon(e->font())) {
            EXPECT_EQ(usato.pixelSize(), e->font().pixelSize())
                << nome << " shrinks \"" << e->testo().toStdString() << "\" that fits";
        } else if (usato.pixelSize() < e->font().pixelSize()) {
            QFont unoDiPiu = usato;
            unoDiPiu.setPixelSize(usato.pixelSize() + 1);
            EXPECT_FALSE(entraCon(unoDiPiu))
                << nome << " shrinks \"" << e->testo().toStdString() << "\" more than needed";
        }
    }

    void EntranoTutte(const QString& contesto) const {
        for (const char* nome :
             {"LblDom1", "LblDom0", "LblTentativi", "LblTotTent", "LblNumDom", "LblNote"}) {
            Entra(nome, contesto);
        }
    }

    ServiziFinti servizi_;
    std::unique_ptr<FrmCitta> logica_;
    std::unique_ptr<FinestraCitta> finestra_;
    std::mt19937 caso_{7};
};

// ---------------------------------------------------------------- layout

TEST_F(FinestraTest, EveryControlSitsAtItsTablePlaceInItsContainer) {
    for (const dati::Posto& p : dati::kPosti) {
        SCOPED_TRACE(p.nome);
        const QWidget* w = Di(p.nome);
        EXPECT_EQ(w->geometry(), PxRect(p.left, p.top, p.width, p.height));
        ASSERT_NE(w->parentWidget(), nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(p.contenitore));
    }
}

QString TestoDi(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->text();
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        return g->title();
    }
    if (const auto* e = qobject_cast<const Etichetta*>(w)) {
        return ConACapo(e->testo());
    }
    if (const auto* l = qobject_cast<const QLineEdit*>(w)) {
        return l->text();
    }
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(w)) {
        return t->toPlainText();
    }
    return QStringLiteral("<unknown kind>");
}

bool Vicini(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <=
           24;
}

TEST_F(FinestraTest, EveryControlHasItsKindTextTooltipFontAlignmentAndBorder) {
    EXPECT_EQ(finestra_->windowTitle(), QStringLiteral("Mappix"));
    const QImage quadro = finestra_->grab().toImage();
    for (const dati::Aspetto& a : dati::kAspetti) {
        SCOPED_TRACE(a.nome);
        const QWidget* w = Di(a.nome);
        if (a.testo != nullptr) {
            EXPECT_EQ(TestoDi(w), U(a.testo));
        }
        if (a.suggerimento != nullptr) {
            EXPECT_EQ(w->toolTip(), U(a.suggerimento));
        }
        const QFontInfo info(w->font());
        EXPECT_EQ(info.pixelSize(), std::lround(a.punti * 96 / 72));
        EXPECT_EQ(info.bold(), a.grassetto);
        const QString famiglia = info.family();
        switch (a.tipo) {
            case dati::Tipo::Sans:
                EXPECT_TRUE(famiglia.contains(QStringLiteral("Sans")) || famiglia == "Arial")
                    << famiglia.toStdString();
                EXPECT_FALSE(famiglia.contains(QStringLiteral("Mono")));
                break;
            case dati::Tipo::Serif:
                EXPECT_TRUE(famiglia.contains(QStringLiteral("Serif")) ||
                            famiglia == "Times New Roman")
                    << famiglia.toStdString();
                break;
            case dati::Tipo::Mono:
                EXPECT_TRUE(info.fixedPitch()) << famiglia.toStdString();
                break;
        }
        if (const auto* e = qobject_cast<const Etichetta*>(w)) {
            const int orizzontale = e->flagTesto() & Qt::AlignHorizontal_Mask;
            if (a.allinea == dati::Allinea::Centro) {
                EXPECT_EQ(orizzontale, Qt::AlignHCenter);
            } else if (a.allinea == dati::Allinea::Sinistra) {
                EXPECT_EQ(orizzontale, Qt::AlignLeft);
            }
            // A thin border shows as a line in the text colour down the left edge.
            if (e->isVisible()) {
                const QPoint bordo = e->mapTo(finestra_.get(), QPoint(0, e->height() / 2));
                EXPECT_EQ(
                    Vicini(quadro.pixelColor(bordo), e->palette().color(QPalette::WindowText)),
                    a.bordo);
            }
            EXPECT_FALSE(e->autoFillBackground());
        }
    }
    EXPECT_EQ(Di<QLineEdit>("TxtNome")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    // Colour roles: the info background behind the log and the name box; the
    // help text on the 3D light colour in the text colour.
    const QPalette& tema = finestra_->palette();
    EXPECT_EQ(Di("Text1")->palette().color(QPalette::Base), tema.color(QPalette::ToolTipBase));
    EXPECT_EQ(Di("TxtNome")->palette().color(QPalette::Base), tema.color(QPalette::ToolTipBase));
    EXPECT_EQ(Di("Text2")->palette().color(QPalette::Base), tema.color(QPalette::Midlight));
    EXPECT_EQ(Di("Text2")->palette().color(QPalette::Text), tema.color(QPalette::WindowText));
    for (const char* o : {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta"}) {
        EXPECT_TRUE(Di<QPushButton>(o)->isCheckable()) << o;
    }
    for (const char* p : {"CmdNuovo", "CmdFine", "CmdHlp", "CmdIniz"}) {
        EXPECT_FALSE(Di<QToolButton>(p)->icon().isNull()) << p;
    }
    for (const char* t : {"Text1", "Text2"}) {
        EXPECT_TRUE(Di<QPlainTextEdit>(t)->isReadOnly()) << t;
    }
    EXPECT_FALSE(Di<QProgressBar>("ProgressBar1")->isTextVisible());
    EXPECT_TRUE(Di<QGroupBox>("Frame1")->title().isEmpty());
    EXPECT_EQ(TestoDi(Di("LbLInfo")), ConACapo(U(dati::kInformazioni)));
}

// Building the window asks for no face in the application's font (one that
// no control shows), and leaves that font and a desktop's font for menus
// as they were for the message boxes, tips and menus to come.
QStringList richieste;
void AnnotaRichiesta(QtMsgType, const QMessageLogContext& contesto, const QString& testo) {
    if (QLatin1String(contesto.category) == QLatin1String("qt.text.font.match")) {
        richieste << testo;
    }
}

class CostruzioneFinestra : public FinestraTest {
protected:
    void SetUp() override {
        insolito_.setPixelSize(17);
        QApplication::setFont(insolito_);
        QApplication::setFont(QFont(QStringLiteral("Liberation Mono"), 23), "QMenu");
        QLoggingCategory::setFilterRules(QStringLiteral("qt.text.font.match.debug=true"));
        richieste.clear();
        const QtMessageHandler precedente = qInstallMessageHandler(AnnotaRichiesta);
        QFont spia(QStringLiteral("Liberation Sans"));  // proves that requests are heard
        spia.setPixelSize(41);
        QFontMetrics(spia).height();
        FinestraTest::SetUp();
        qInstallMessageHandler(precedente);
        QLoggingCategory::setFilterRules(QString());
    }

    void TearDown() override {
        FinestraTest::TearDown();
        QApplication::setFont(primaApplicazione_);
        QApplication::setFont(primaMenu_, "QMenu");
    }

    const QFont primaApplicazione_ = QApplication::font();
    const QFont primaMenu_ = QApplication::font("QMenu");
    QFont insolito_{QStringLiteral("DejaVu Serif")};
};

TEST_F(CostruzioneFinestra, AsksForNoFaceInTheApplicationsFontAndLeavesItsFontsAlone) {
    EXPECT_TRUE(richieste.join(QString()).contains(QStringLiteral("pixelSize: 41")));
    EXPECT_FALSE(richieste.join(QString()).contains(QStringLiteral("DejaVu Serif")));
    EXPECT_EQ(QApplication::font(), insolito_);
    EXPECT_EQ(QApplication::font("QMenu").family(), QStringLiteral("Liberation Mono"));
}

// The region areas are transparent: the map shows through every one of them.
TEST_F(FinestraTest, TheMapShowsThroughTheRegionAreas) {
    Inizia();
    Clic("OptReg");
    QWidget* regio = Di("FramRegio");
    QWidget* image1 = Di("Image1");
    const QImage mappa = image1->grab().toImage();
    const QImage pannello = regio->grab().toImage();
    for (int i = 0; i < 22; ++i) {
        const QRect area = AreaPx(i);
        for (const QPoint p : {area.center(), area.topLeft() + QPoint(2, 2)}) {
            EXPECT_EQ(pannello.pixelColor(p * pannello.devicePixelRatio()),
                      mappa.pixelColor((p - image1->pos()) * mappa.devicePixelRatio()))
                << Area(i).toStdString() << " hides the map at " << p.x() << "," << p.y();
        }
    }
    // Around its dot a marker's cell shows the map too.
    Clic("CmdReset");
    Clic("OptCitta");
    QWidget* citta = Di("FramCitta");
    QWidget* image2 = Di("Image2");
    const QImage mappa2 = image2->grab().toImage();
    const QImage pannello2 = citta->grab().toImage();
    int provati = 0;
    for (int i = 1; i <= 107; ++i) {
        const QPoint p = MarkerPx(i).topLeft() + QPoint(MarkerPx(i).width() / 2, 0);
        bool libero = true;
        for (int j = 1; j <= 107; ++j) {
            libero = libero && (j == i || !MarkerPx(j).adjusted(-2, -2, 2, 2).contains(p));
        }
        if (libero) {
            ++provati;
            EXPECT_EQ(pannello2.pixelColor(p * pannello2.devicePixelRatio()),
                      mappa2.pixelColor((p - image2->pos()) * mappa2.devicePixelRatio()))
                << Marker(i).toStdString() << " hides the map";
        }
    }
    EXPECT_GT(provati, 50);
}

TEST_F(FinestraTest, AreasAndMarkersSitAtTheirTablePlaces) {
    Inizia();
    Clic("OptReg");
    const QWidget* regio = Di("FramRegio");
    for (int i = 0; i < 22; ++i) {
        SCOPED_TRACE(Area(i).toStdString());
        const QWidget* area = Di(Area(i));
        EXPECT_EQ(area->parentWidget(), regio);
        // Shaped as its land, it still lies over the main body of its region.
        EXPECT_TRUE(area->geometry().intersects(AreaPx(i)));
        EXPECT_TRUE(area->isVisibleTo(regio));
    }
    EXPECT_TRUE(Di(Area(0))->geometry().contains(AreaPx(0)));
    Clic("CmdReset");
    Clic("OptCitta");
    const QWidget* citta = Di("FramCitta");
    for (int i = 1; i <= 107; ++i) {
        SCOPED_TRACE(Marker(i).toStdString());
        const QWidget* m = Di<Marcatore>(Marker(i));
        EXPECT_EQ(m->parentWidget(), citta);
        EXPECT_EQ(m->geometry(), MarkerPx(i));
        EXPECT_TRUE(m->isVisibleTo(citta));
    }
    EXPECT_EQ(finestra_->findChild<QWidget*>(Marker(0)), nullptr);
    EXPECT_EQ(finestra_->findChild<QWidget*>(Area(22)), nullptr);
    // Both panels put San Marino at the same spot of the same picture: the
    // marker's place and its dot lie in the San Marino area.
    const QRect sanMarino = Di(Marker(43))->geometry();
    EXPECT_TRUE(Di(Area(0))->geometry().contains(sanMarino.topLeft()));
    EXPECT_TRUE(Di(Area(0))->geometry().contains(sanMarino.center()));
}

TEST_F(FinestraTest, ClientAreaIsFixedAt1009x689) {
    EXPECT_EQ(finestra_->size(), QSize(1009, 689));
    EXPECT_EQ(finestra_->minimumSize(), QSize(1009, 689));
    EXPECT_EQ(finestra_->maximumSize(), QSize(1009, 689));
    finestra_->resize(1400, 900);
    EXPECT_EQ(finestra_->size(), QSize(1009, 689));
    EXPECT_EQ(Di("Text1")->geometry(), PxRect(9450, 8100, 5550, 2085));
}

// ---------------------------------------------------------------- stacking

TEST_F(FinestraTest, AVisibleMapPanelCoversTheStartScreen) {
    const char* inizio[] = {"Image4", "Label2",  "LbLInfo", "Label1",
                            "Image3", "TxtNome", "CmdHlp",  "CmdIniz"};
    auto* nome = Di<QLineEdit>("TxtNome");
    // On the start screen a click on the name box reaches it.
    Di("Text1")->setFocus();
    ClicPunto(Centro(nome));
    EXPECT_EQ(finestra_->focusWidget(), nome);

    Inizia();
    for (const char* opzione : {"OptReg", "OptCitta"}) {
        SCOPED_TRACE(opzione);
        Clic(opzione);
        QWidget* pannello = Di(std::string(opzione) == "OptReg" ? "FramRegio" : "FramCitta");
        ASSERT_TRUE(pannello->isVisible());
        for (const char* controllo : inizio) {
            const QWidget* colpito = finestra_->childAt(Centro(Di(controllo)));
            EXPECT_TRUE(Discende(colpito, pannello)) << controllo << " shows through the map";
        }
        const QString log = Log();
        Di("Text1")->setFocus();
        ClicPunto(Centro(nome));
        EXPECT_NE(finestra_->focusWidget(), nome) << "the name box took a click through the map";
        ClicPunto(Centro(Di("CmdIniz")));
        ClicPunto(Centro(Di("CmdHlp")));
        EXPECT_TRUE(Log().startsWith(log)) << "Inizia ran under the map";
        EXPECT_FALSE(Di("FrmHelp")->isVisible()) << "Aiuto ran under the map";
        EXPECT_FALSE(Di("Frame1")->isEnabled());
        Clic("CmdReset");
    }
}

// Wherever two visible controls of the window overlap, the one named earlier
// in the stacking order takes the click.
TEST_F(FinestraTest, OverlappingControlsStackInTableOrder) {
    const char* dallAlto[] = {"FrmHelp",   "CmdNuovo",     "CmdFine", "FramRegio", "CmdReset",
                              "FramCitta", "ProgressBar1", "Frame1",  "Text1",     "CmdIniz",
                              "TxtNome",   "CmdHlp",       "Label2",  "LblNote",   "LblTotTent",
                              "LblNumDom", "LblTentativi", "LblDom0", "LblDom1",   "LblNome",
                              "LbLInfo",   "Image4",       "Label1",  "Image3"};
    int coppie = 0;
    const auto controlla = [&](const char* momento) {
        SCOPED_TRACE(momento);
        for (std::size_t i = 0; i < std::size(dallAlto); ++i) {
            const QWidget* sopra = Di(dallAlto[i]);
            for (std::size_t j = i + 1; j < std::size(dallAlto) && sopra->isVisible(); ++j) {
                const QWidget* sotto = Di(dallAlto[j]);
                const QRect comune = sopra->geometry().intersected(sotto->geometry());
                if (!sotto->isVisible() || comune.isEmpty()) {
                    continue;
                }
                ++coppie;
                // The topmost visible control at that point, by the table.
                const char* primo = dallAlto[i];
                for (std::size_t k = 0; k < i; ++k) {
                    const QWidget* w = Di(dallAlto[k]);
                    if (w->isVisible() && w->geometry().contains(comune.center())) {
                        primo = dallAlto[k];
                        break;
                    }
                }
                EXPECT_TRUE(Discende(finestra_->childAt(comune.center()), Di(primo)))
                    << "where " << dallAlto[i] << " and " << dallAlto[j] << " overlap, " << primo
                    << " must take the click";
            }
        }
    };
    Scrivi(QStringLiteral("mario"));
    controlla("start screen");
    Clic("CmdHlp");
    controlla("start screen with help");
    ClicPunto(Centro(Di("CmdIniz")));
    EXPECT_FALSE(Di("Frame1")->isVisible()) << "Inizia is under the help panel";
    Clic("CmdHlpFine");
    Clic("CmdIniz");
    controlla("test started");
    Clic("CmdHlp");
    Clic("OptReg");
    controlla("region map with help");
    Clic("CmdReset");
    Clic("CmdHlpFine");
    Clic("OptCapol");
    controlla("city map");
    // Controls under a panel are hidden, so only what shows is compared.
    EXPECT_GE(coppie, 8);
}

TEST_F(FinestraTest, HelpPanelCoversTheNameBoxAndBothButtons) {
    Scrivi(QStringLiteral("mario"));
    Clic("CmdHlp");
    QWidget* aiuto = Di("FrmHelp");
    ASSERT_TRUE(aiuto->isVisible());
    for (const char* controllo : {"CmdIniz", "TxtNome", "CmdHlp"}) {
        EXPECT_TRUE(Discende(finestra_->childAt(Centro(Di(controllo))), aiuto)) << controllo;
    }
    ClicPunto(Centro(Di("CmdIniz")));
    EXPECT_FALSE(Di("Frame1")->isVisible()) << "Inizia ran under the help panel";
    EXPECT_TRUE(Log().isEmpty());
    EXPECT_TRUE(servizi_.messaggi.empty());
    Clic("CmdHlpFine");
    ASSERT_FALSE(aiuto->isVisible());
    Clic("CmdIniz");
    EXPECT_TRUE(Di("Frame1")->isVisible());
}

TEST_F(FinestraTest, CmdResetLiesOverTheCornerOfFrame1) {
    Inizia();
    QWidget* reset = Di("CmdReset");
    EXPECT_TRUE(Di("Frame1")->geometry().contains(reset->geometry()));
    EXPECT_EQ(finestra_->childAt(Centro(reset)), reset);
    Clic("OptReg");
    ASSERT_TRUE(reset->isEnabled());
    Clic(reset);
    EXPECT_TRUE(Log().endsWith(QString(69, QLatin1Char('-')) + kCrLf));
    EXPECT_FALSE(reset->isEnabled());
}

// San Marino's area keeps its whole rectangle, on top of the land around the
// spot: a click there beside the spot is San Marino.
TEST_F(FinestraTest, SanMarinosRectangleLiesOverItsNeighbours) {
    servizi_.casuali = {ServiziFinti::Scegli(0, 0, 20)};
    Inizia();
    Clic("OptReg");
    ASSERT_EQ(Testo("LblDom0"), QStringLiteral("Repubblica di San Marino"));
    const QPoint vicino = PuntoDiRegione(7, caso_, AreaPx(0));
    ASSERT_GE(vicino.x(), 0) << "no Emilia Romagna in San Marino's rectangle";
    const QPoint inFinestra = Di("FramRegio")->mapTo(finestra_.get(), vicino);
    EXPECT_EQ(finestra_->childAt(inFinestra), Di(Area(0)));
    ClicPunto(inFinestra);
    EXPECT_TRUE(
        Log().endsWith(QStringLiteral("Tentativi 1 per la regione Repubblica di San "
                                      "Marino\r\n")));
}

TEST_F(FinestraTest, TheSecondPugliaAreaCountsAsPuglia) {
    servizi_.casuali = {ServiziFinti::Scegli(15, 0, 20)};
    Inizia();
    Clic("OptReg");
    ASSERT_EQ(Testo("LblDom0"), QStringLiteral("Puglia"));
    ClicArea(21);
    EXPECT_TRUE(Log().endsWith(QStringLiteral("Tentativi 1 per la regione Puglia\r\n")));
    EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Domanda Nr. 2 di 21"));
}

TEST_F(FinestraTest, MarkersAreReachableDotsInTheButtonTextColour) {
    Inizia();
    Clic("OptCitta");
    const QImage quadro = finestra_->grab().toImage();
    for (int i = 1; i <= 107; ++i) {
        SCOPED_TRACE(Marker(i).toStdString());
        const QWidget* m = Di(Marker(i));
        const QPoint centro = m->mapTo(finestra_.get(), QPoint(m->width() / 2, m->height() / 2));
        EXPECT_EQ(finestra_->childAt(centro), m);
        const QColor atteso = m->palette().color(QPalette::ButtonText);
        const QColor visto = quadro.pixelColor(centro * quadro.devicePixelRatio());
        EXPECT_LE(std::abs(visto.red() - atteso.red()) + std::abs(visto.green() - atteso.green()) +
                      std::abs(visto.blue() - atteso.blue()),
                  24)
            << "dot colour " << visto.name().toStdString();
    }
}

TEST_F(FinestraTest, ClicksOnTheMapOutsideAreasOrBetweenMarkersDoNothing) {
    Inizia();
    Clic("OptReg");
    ClicSbagliato();  // one wrong click: counters at 2
    const QWidget* image1 = Di("Image1");
    const QRect mappa = image1->geometry();
    // The sea and the neighbouring countries, white on the screen.
    const QImage quadro = Di("FramRegio")->grab().toImage();
    const auto bianco = [&quadro](QPoint p) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (quadro.pixelColor((p + QPoint(dx, dy)) * quadro.devicePixelRatio()) !=
                    QColor(Qt::white)) {
                    return false;
                }
            }
        }
        return true;
    };
    int provati = 0;
    for (int y = mappa.top() + 3; y < mappa.bottom() - 3; y += 23) {
        for (int x = mappa.left() + 3; x < mappa.right() - 3; x += 29) {
            const QPoint p(x, y);
            if (!bianco(p)) {
                continue;
            }
            const QPoint inFinestra = Di("FramRegio")->mapTo(finestra_.get(), p);
            ASSERT_EQ(finestra_->childAt(inFinestra), image1) << x << "," << y;
            const Istantanea prima = Stato();
            ClicPunto(inFinestra);
            EXPECT_TRUE(Stato() == prima) << "a click on the map at " << x << "," << y;
            ++provati;
        }
    }
    EXPECT_GT(provati, 100);

    Clic("CmdReset");
    Clic("OptCitta");
    const QWidget* image2 = Di("Image2");
    provati = 0;
    for (int y = image2->geometry().top() + 3; y < image2->geometry().bottom() - 3; y += 17) {
        for (int x = image2->geometry().left() + 3; x < image2->geometry().right() - 3; x += 19) {
            const QPoint p(x, y);
            bool libero = true;
            for (int i = 1; i <= 107; ++i) {
                libero = libero && !MarkerPx(i).adjusted(-2, -2, 2, 2).contains(p);
            }
            if (!libero) {
                continue;
            }
            const QPoint inFinestra = Di("FramCitta")->mapTo(finestra_.get(), p);
            ASSERT_EQ(finestra_->childAt(inFinestra), image2) << x << "," << y;
            const Istantanea prima = Stato();
            ClicPunto(inFinestra);
            EXPECT_TRUE(Stato() == prima) << "a click between markers at " << x << "," << y;
            ++provati;
        }
    }
    EXPECT_GT(provati, 100);
}

// Markers and areas are silent while no exercise of their map runs.
TEST_F(FinestraTest, MarkersAndAreasAreSilentOutsideTheirExercise) {
    Inizia();
    Clic("OptReg");  // the areas exist once their map has been shown
    Clic("CmdReset");
    Clic("OptCitta");
    QWidget* area = Di(Area(dati::kCitta[static_cast<std::size_t>(Giusto())].regione));
    // The region panel is hidden: deliver the click to the area itself.
    Istantanea prima = Stato();
    QTest::mouseClick(area, Qt::LeftButton);
    EXPECT_TRUE(Stato() == prima) << "an area judged a city-map answer";
    Clic("CmdReset");
    Clic("OptReg");
    prima = Stato();
    QTest::mouseClick(Di(Marker(1)), Qt::LeftButton);
    EXPECT_TRUE(Stato() == prima) << "a marker judged a region-map answer";
    Clic("CmdReset");
    prima = Stato();
    ClicArea(0);
    EXPECT_TRUE(Stato() == prima) << "an area judged a click after the exercise ended";
}

// A click is a press and a release of the left button on the same area or
// marker; anything else leaves the question as it was.
TEST_F(FinestraTest, OnlyAPressAndReleaseOnTheSameAreaOrMarkerAnswers) {
    Inizia();
    for (const char* opzione : {"OptCitta", "OptReg"}) {
        SCOPED_TRACE(opzione);
        Clic(opzione);
        const bool citta = std::string(opzione) == "OptCitta";
        QWidget* giusto = Di(citta ? Marker(Giusto()) : Area(Giusto()));
        QWindow* finestra = finestra_->windowHandle();
        const QPoint dentro = Centro(giusto);
        const QPoint fuori = giusto->mapTo(finestra_.get(), QPoint(-8, -8));
        const Istantanea prima = Stato();
        QTest::mousePress(finestra, Qt::LeftButton, Qt::NoModifier, dentro);
        QTest::mouseMove(finestra, fuori);
        QTest::mouseRelease(finestra, Qt::LeftButton, Qt::NoModifier, fuori);
        EXPECT_TRUE(Stato() == prima) << "released outside, yet answered";
        QTest::mouseClick(finestra, Qt::RightButton, Qt::NoModifier, dentro);
        EXPECT_TRUE(Stato() == prima) << "the right button answered";
        QTest::mousePress(giusto, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QTest::mouseRelease(giusto, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Domanda Nr. 2 di %1").arg(citta ? 107 : 21));
        Clic("CmdReset");
    }
}

// ---------------------------------------------------------------- platform

// The real services: each reset reseeds from the clock, so two windows
// started at different moments ask in different orders.
TEST(ServiziVeri, IlSemeVieneDallOrologio) {
    const auto sequenza = [](ServiziQt& s) {
        std::vector<double> numeri(8);
        for (double& r : numeri) {
            r = s.Rnd();
        }
        return numeri;
    };
    ServiziQt primo;
    const auto a = sequenza(primo);
    QTest::qWait(5);
    ServiziQt secondo;
    EXPECT_NE(a, sequenza(secondo));
    QTest::qWait(5);
    primo.Randomize();
    EXPECT_NE(a, sequenza(primo));
    for (const double r : a) {
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
}

// The real message box: its text as plain text, caption, icon and only OK.
TEST(ServiziVeri, IlMessaggioHaLaSuaIconaESoloOk) {
    struct Caso {
        Icona icona;
        QMessageBox::Icon attesa;
    };
    for (const Caso caso :
         {Caso{Icona::Critica, QMessageBox::Critical}, Caso{Icona::Nessuna, QMessageBox::NoIcon}}) {
        ServiziQt servizi;
        QMessageBox::Icon vista = QMessageBox::Question;
        QString testo;
        QString titolo;
        QMessageBox::StandardButtons pulsanti;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            vista = box->icon();
            testo = box->text();
            titolo = box->windowTitle();
            pulsanti = box->standardButtons();
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            box->button(QMessageBox::Ok)->click();
        });
        servizi.MsgBox(U(dati::kSchermoStretto), U(dati::kTitoloSchermoStretto), caso.icona);
        EXPECT_EQ(vista, caso.attesa);
        EXPECT_EQ(testo, ConACapo(U(dati::kSchermoStretto)));
        EXPECT_EQ(titolo, U(dati::kTitoloSchermoStretto));
        EXPECT_EQ(pulsanti, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

// ---------------------------------------------------------------- help panel

TEST_F(FinestraTest, HelpPanelOpensAndClosesOnlyByItsButtons) {
    QWidget* aiuto = Di("FrmHelp");
    EXPECT_FALSE(aiuto->isVisible());
    Clic("CmdHlp");
    EXPECT_TRUE(aiuto->isVisible());
    EXPECT_EQ(TestoDi(Di("Text2")), ConACapo(U(dati::kAiuto)));
    // The help's text is drawn in its own 12-point font, not its panel's.
    EXPECT_EQ(QFontInfo(Di<QPlainTextEdit>("Text2")->document()->defaultFont()).pixelSize(), 16);
    EXPECT_FALSE(Di<QPlainTextEdit>("Text2")->toPlainText().contains(QLatin1Char('\r')));
    Clic("CmdHlpFine");
    EXPECT_FALSE(aiuto->isVisible());

    // Once open it stays open through a start, an exercise and a new player,
    // and lies over the map.
    Clic("CmdHlp");
    Scrivi(QStringLiteral("mario"));
    QTest::keyClick(Di("TxtNome"), Qt::Key_Return);
    Clic("CmdHlpFine");
    Inizia();
    Clic("CmdHlp");
    Clic("OptReg");
    EXPECT_TRUE(aiuto->isVisible());
    EXPECT_TRUE(Discende(finestra_->childAt(Centro(aiuto)), aiuto));
    Clic("CmdNuovo");
    EXPECT_TRUE(aiuto->isVisible());
    Clic("CmdHlpFine");
    EXPECT_FALSE(aiuto->isVisible());
    EXPECT_TRUE(Di("CmdHlp")->isEnabled());
}

// ---------------------------------------------------------------- name

TEST_F(FinestraTest, ANameUnderThreeCharactersIsRefusedWithTheMessage) {
    const std::vector<QString> corti = {QString(), QStringLiteral("a"), QStringLiteral("ab"),
                                        QStringLiteral(" x")};
    std::size_t attesi = 0;
    for (const QString& nome : corti) {
        for (const bool invio : {false, true}) {
            SCOPED_TRACE("\"" + nome.toStdString() + (invio ? "\" + Enter" : "\" + click"));
            Scrivi(nome);
            ASSERT_EQ(Di<QLineEdit>("TxtNome")->text(), nome);
            if (invio) {
                QTest::keyClick(Di("TxtNome"), Qt::Key_Return);
            } else {
                Clic("CmdIniz");
            }
            ++attesi;
            ASSERT_EQ(servizi_.messaggi.size(), attesi);
            EXPECT_EQ(servizi_.messaggi.back().testo,
                      QStringLiteral("Prova prima a inserire il tuo nome!"));
            EXPECT_EQ(servizi_.messaggi.back().titolo, QStringLiteral("Manca il tuo nome!"));
            EXPECT_EQ(servizi_.messaggi.back().icona, Icona::Critica);
            EXPECT_FALSE(Di("Frame1")->isVisible());
            EXPECT_EQ(Di<QLineEdit>("TxtNome")->text(), nome);
            EXPECT_TRUE(Testo("LblNome").isEmpty());
            EXPECT_TRUE(LogMostrato().isEmpty());
        }
    }
}

TEST_F(FinestraTest, ANameOfThreeOrMoreIsAcceptedByClickOrEnter) {
    struct Caso {
        QString scritto, maiuscolo;
        bool invio;
    };
    const std::vector<Caso> casi = {
        {QStringLiteral("mario"), QStringLiteral("MARIO"), false},
        {QStringLiteral("niccolò"), QStringLiteral("NICCOLÒ"), true},
        {QStringLiteral("   "), QStringLiteral("   "), false},
        {QStringLiteral("àèé"), QStringLiteral("ÀÈÉ"), true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.scritto.toStdString());
        Scrivi(c.scritto);
        if (c.invio) {
            QTest::keyClick(Di("TxtNome"), Qt::Key_Return);
        } else {
            Clic("CmdIniz");
        }
        EXPECT_TRUE(servizi_.messaggi.empty());
        EXPECT_EQ(Di<QLineEdit>("TxtNome")->text(), c.maiuscolo);
        EXPECT_EQ(Testo("LblNome"),
                  QStringLiteral(" Ciao \r ") + c.maiuscolo + QStringLiteral(" "));
        EXPECT_EQ(LogMostrato(),
                  QStringLiteral("# Test eseguito da ") + c.maiuscolo + QStringLiteral("\n\n"));
        EXPECT_TRUE(Di("Frame1")->isVisible());
        EXPECT_TRUE(Di("Frame1")->isEnabled());
        for (const char* o : {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta"}) {
            EXPECT_TRUE(Di(o)->isVisible()) << o;
            EXPECT_FALSE(Di<QPushButton>(o)->isChecked()) << o;
        }
        EXPECT_FALSE(Di("CmdReset")->isEnabled());
        EXPECT_FALSE(Di("FramRegio")->isVisible());
        EXPECT_FALSE(Di("FramCitta")->isVisible());
    }
}

int LarghezzaInchiostro(const QImage& immagine) {
    const QColor fondo = immagine.pixelColor(4, immagine.height() / 2);
    int primo = -1;
    int ultimo = -1;
    for (int x = 4; x < immagine.width() - 4; ++x) {
        for (int y = 4; y < immagine.height() - 4; ++y) {
            const QColor c = immagine.pixelColor(x, y);
            if (std::abs(c.lightness() - fondo.lightness()) > 80) {
                primo = primo < 0 ? x : primo;
                ultimo = x;
                break;
            }
        }
    }
    return primo < 0 ? 0 : ultimo - primo + 1;
}

TEST_F(FinestraTest, TheNameIsShownAsPlainTextEverywhere) {
    const QWidget* saluto = Di("LblNome");
    Inizia(QStringLiteral("xxx"));
    const int semplice = LarghezzaInchiostro(finestra_->grab(saluto->geometry()).toImage());
    ASSERT_GT(semplice, 0);

    Inizia(QStringLiteral("<b>x</b>"));
    EXPECT_EQ(Testo("LblNome"), QStringLiteral(" Ciao \r <B>X</B> "));
    EXPECT_EQ(LogMostrato(), QStringLiteral("# Test eseguito da <B>X</B>\n\n"));
    EXPECT_EQ(Di<QLineEdit>("TxtNome")->text(), QStringLiteral("<B>X</B>"));
    // Eight characters drawn as they stand are much wider than "Ciao" above
    // them; a bold X would not be.
    const int marcato = LarghezzaInchiostro(finestra_->grab(saluto->geometry()).toImage());
    EXPECT_GT(marcato, semplice + 25) << "the greeting did not show <B>X</B> literally";

    Inizia(QStringLiteral("<img src=\":/logo.svg\">"));
    EXPECT_TRUE(LogMostrato().contains(QStringLiteral("<IMG SRC=\":/LOGO.SVG\">")));
    EXPECT_EQ(Testo("LblNome"), QStringLiteral(" Ciao \r <IMG SRC=\":/LOGO.SVG\"> "));
    Entra("LblNome", QStringLiteral("a name with markup"));
    // Every caption of the window is drawn by the same label (its plain
    // drawing is what the ink width above checks); a QLabel would need its
    // text format set.
    EXPECT_EQ(finestra_->findChildren<Etichetta*>().size(), 10);
    for (const QLabel* etichetta : finestra_->findChildren<QLabel*>()) {
        EXPECT_EQ(etichetta->textFormat(), Qt::PlainText) << etichetta->objectName().toStdString();
    }
}

// ---------------------------------------------------------------- Nuovo, Esci

TEST_F(FinestraTest, NuovoDropsTheExerciseAndReturnsToTheStartScreen) {
    Inizia();
    Clic("OptCittaReg");
    ClicSbagliato();
    const QString log = Log();
    const QString tentativi = Testo("LblTentativi");
    Clic("CmdNuovo");
    EXPECT_FALSE(Di("FramRegio")->isVisible());
    EXPECT_FALSE(Di("FramCitta")->isVisible());
    EXPECT_FALSE(Di("Frame1")->isVisible());
    EXPECT_FALSE(Di("CmdReset")->isEnabled());
    EXPECT_FALSE(Di<QPushButton>("OptCittaReg")->isChecked());
    EXPECT_EQ(Log(), log) << "Nuovo wrote to the log";
    EXPECT_EQ(Testo("LblTentativi"), tentativi);
    EXPECT_EQ(Di<QLineEdit>("TxtNome")->text(), QStringLiteral("MARIO"));
    EXPECT_TRUE(Di("TxtNome")->isVisible());
    EXPECT_TRUE(Di("CmdIniz")->isVisible());
    EXPECT_EQ(finestra_->childAt(Centro(Di("CmdIniz"))), Di("CmdIniz"));
    // The upper-cased name can start again at once.
    Clic("CmdIniz");
    EXPECT_EQ(Log(), QStringLiteral("# Test eseguito da MARIO\r\n\r\n"));
    EXPECT_TRUE(Di("Frame1")->isEnabled());
}

TEST_F(FinestraTest, ThePlayerCannotTypeIntoTheLog) {
    Inizia();
    auto* log = Di<QPlainTextEdit>("Text1");
    log->setFocus();
    QTest::keyClicks(log, QStringLiteral("abc"));
    QTest::keyClick(log, Qt::Key_Backspace);
    QTest::keyClick(log, Qt::Key_Return);
    EXPECT_EQ(log->toPlainText(), QStringLiteral("# Test eseguito da MARIO\n\n"));
}

TEST_F(FinestraTest, EsciEndsTheProgramWithStatusZero) {
    Clic("CmdFine");
    EXPECT_EQ(servizi_.termina, std::vector<int>{0});
    EXPECT_TRUE(servizi_.messaggi.empty());
}

TEST_F(FinestraTest, EsciDuringAnExerciseEndsWithStatusZeroAndNoSummary) {
    Inizia();
    Clic("OptCapol");
    const QString log = Log();
    Clic("CmdFine");
    EXPECT_EQ(servizi_.termina, std::vector<int>{0});
    EXPECT_EQ(Log(), log);
}

// ---------------------------------------------------------------- options

struct Avvio {
    const char* opzione;
    const char* mappa;
    const char* altra;
    int trattini;
    const char* intestazione;
    const char* domanda;
    int domande;
};

constexpr Avvio kAvvii[] = {
    {"OptReg", "FramRegio", "FramCitta", 69, " - Dov'e la Regione?", "Dove si trova la Regione",
     21},
    {"OptCapolReg", "FramRegio", "FramCitta", 66, " - Di quale regione e' capoluogo la città?",
     "Quale regione ha come capoluogo la città di", 21},
    {"OptCittaReg", "FramRegio", "FramCitta", 66, " - In quale regione si trova la città di? ",
     "In quale regione si trova la città di", 107},
    {"OptCapol", "FramCitta", "FramRegio", 66, " - Dove si trova la città Capoluogo di regione",
     "Dove si trova la città Capoluogo di regione", 21},
    {"OptCitta", "FramCitta", "FramRegio", 66, " - Dove di trova la città di? ",
     "In quale regione si trova la città di", 107},
};

QString Apertura(const Avvio& a) {
    return QRegularExpression::escape(QString(a.trattini, QLatin1Char('-')) + kCrLf) +
           QStringLiteral("[^\\r\\n]*\\b09\\b[^\\r\\n]*2026  10[:.]30[:.]15\\r\\n") +
           QRegularExpression::escape(QString::fromUtf8(a.intestazione) + kCrLf + kCrLf);
}

TEST_F(FinestraTest, ClickingAnOptionStartsItsExercise) {
    Inizia();
    for (const Avvio& a : kAvvii) {
        SCOPED_TRACE(a.opzione);
        const QString prima = Log();
        Clic(a.opzione);
        EXPECT_TRUE(Di<QPushButton>(a.opzione)->isChecked());
        EXPECT_TRUE(Di(a.mappa)->isVisible());
        EXPECT_FALSE(Di(a.altra)->isVisible());
        EXPECT_FALSE(Di("Frame1")->isEnabled());
        EXPECT_TRUE(Di("CmdReset")->isEnabled());
        ASSERT_TRUE(Log().startsWith(prima));
        const QRegularExpression blocco(QStringLiteral("^") + Apertura(a) + QStringLiteral("$"));
        EXPECT_TRUE(blocco.match(Log().mid(prima.size())).hasMatch())
            << Log().mid(prima.size()).toStdString();
        EXPECT_EQ(Testo("LblDom1"), QString::fromUtf8(a.domanda));
        EXPECT_EQ(Testo("LblTentativi"), QStringLiteral("Tentativo nr. 1"));
        EXPECT_FALSE(Testo("LblDom0").isEmpty());
        EXPECT_TRUE(Testo("LblNote").isEmpty());
        const auto* barra = Di<QProgressBar>("ProgressBar1");
        EXPECT_EQ(barra->minimum(), 1);
        EXPECT_EQ(barra->maximum(), a.domande);
        EXPECT_EQ(barra->value(), 1);
        EXPECT_FALSE(barra->isTextVisible());
        // The other options cannot be clicked while it runs.
        for (const Avvio& altro : kAvvii) {
            if (&altro != &a) {
                const QString log = Log();
                ClicPunto(Centro(Di(altro.opzione)));
                EXPECT_EQ(Log(), log) << altro.opzione << " started during " << a.opzione;
                EXPECT_FALSE(Di<QPushButton>(altro.opzione)->isChecked());
                EXPECT_TRUE(Di<QPushButton>(a.opzione)->isChecked());
            }
        }
        Clic("CmdReset");
    }
}

TEST_F(FinestraTest, ClearingTheOptionsNeverStartsAnExercise) {
    Inizia();
    const auto aperture = [this] {
        return Log().count(QRegularExpression(QStringLiteral("  10[:.]30[:.]15\\r\\n")));
    };
    Clic("OptReg");
    ASSERT_EQ(aperture(), 1);
    Clic("CmdReset");  // PulsantiOn after the abandonment summary
    EXPECT_EQ(aperture(), 1);
    EXPECT_TRUE(Log().endsWith(QString(69, QLatin1Char('-')) + kCrLf));
    for (const char* o : {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta"}) {
        EXPECT_FALSE(Di<QPushButton>(o)->isChecked()) << o;
        EXPECT_TRUE(Di(o)->isEnabled()) << o;
    }
    EXPECT_TRUE(Testo("LblDom0").isEmpty());
    Clic("OptCitta");
    Clic("CmdNuovo");  // inizia runs PulsantiOn too
    EXPECT_EQ(aperture(), 2);
    EXPECT_FALSE(Di<QPushButton>("OptCitta")->isChecked());
    EXPECT_FALSE(Di("FramCitta")->isVisible());
    Clic("CmdIniz");
    EXPECT_EQ(aperture(), 0);
    EXPECT_EQ(Di<QPlainTextEdit>("Text1")->toPlainText(),
              QStringLiteral("# Test eseguito da MARIO\n\n"));
}

// ---------------------------------------------------------------- playing to the end

struct Partita {
    std::size_t esercizio;
    int ogni;  // on every question q with q % ogni == resto ...
    int resto;
    int sbagli;  // ... this many wrong clicks come before the right one
    int clic;
    const char* punteggio;
    const char* foto;
};

void PrintTo(const Partita& p, std::ostream* os) {
    *os << dati::kEsercizi.at(p.esercizio).opzione;
}

constexpr Partita kPartite[] = {
    {0, 3, 1, 1, 28, "7,50", "widget-regioni.png"},
    {1, 0, 0, 0, 21, "10,00", nullptr},
    {2, 2, 1, 1, 161, "6,65", nullptr},
    {3, 7, 0, 3, 30, "7,00", nullptr},
    {4, 6, 0, 1, 124, "8,63", "widget-citta.png"},
};

class PartitaTest : public FinestraTest, public ::testing::WithParamInterface<Partita> {};

TEST_P(PartitaTest, PlayedToTheEndByClickingTheMap) {
    const Partita& p = GetParam();
    const dati::Esercizio& es = dati::kEsercizi.at(p.esercizio);
    const bool mappaCitta = es.mappa == dati::Mappa::Citta;
    std::mt19937 generatore(2024);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    for (int i = 0; i < 20000; ++i) {
        servizi_.casuali.push_back(uniforme(generatore));
    }
    Inizia();
    servizi_.timer = 1000.0F;
    Clic(es.opzione);
    QString atteso = Log();
    int clic = 0;
    for (int q = 1; q <= es.domande; ++q) {
        SCOPED_TRACE("question " + std::to_string(q));
        // The player reads the question off the screen.
        const QString soggetto = Testo("LblDom0");
        const int giusto = Giusto();
        ASSERT_GE(giusto, 0) << soggetto.toStdString();
        const int sbagli = p.ogni > 0 && q % p.ogni == p.resto ? p.sbagli : 0;
        for (int s = 0; s < sbagli; ++s) {
            const int sbagliato = mappaCitta ? giusto % 107 + 1 : (giusto + 1 + s) % 21;
            const QString log = Log();
            mappaCitta ? ClicMarker(sbagliato) : ClicArea(sbagliato);
            ++clic;
            EXPECT_EQ(Log(), log) << "a wrong click was logged";
            EXPECT_EQ(Testo("LblTentativi"), QStringLiteral("Tentativo Nr. %1").arg(s + 2));
            EXPECT_EQ(Testo("LblTotTent"),
                      QStringLiteral("Tentativi complessivi %1").arg(clic + 1));
            EXPECT_EQ(Testo("LblNumDom"),
                      QStringLiteral("Domanda Nr. %1 di %2").arg(q).arg(es.domande));
            EXPECT_EQ(Testo("LblDom0"), soggetto);
            if (mappaCitta) {
                EXPECT_TRUE(
                    Testo("LblNote").startsWith(QStringLiteral("Errore questa è la città di ") +
                                                NomeCitta(sbagliato) + QStringLiteral(" (")))
                    << Testo("LblNote").toStdString();
            }
        }
        if (q == es.domande) {
            servizi_.timer = 1150.0F;
        }
        mappaCitta ? ClicMarker(giusto) : ClicRegione(giusto);
        ++clic;
        atteso += QStringLiteral("Tentativi %1").arg(sbagli + 1) + U(es.risolta) + soggetto + kCrLf;
        if (q < es.domande) {
            ASSERT_EQ(Log(), atteso);
            EXPECT_EQ(Testo("LblTentativi"), QStringLiteral("Tentativo Nr. 1"));
            EXPECT_EQ(Testo("LblNumDom"),
                      QStringLiteral("Domanda Nr. %1 di %2").arg(q + 1).arg(es.domande));
            EXPECT_EQ(Testo("LblTotTent"),
                      QStringLiteral("Tentativi complessivi %1").arg(clic + 1));
            EXPECT_EQ(Di<QProgressBar>("ProgressBar1")->value(), q + 1);
            if (mappaCitta) {
                EXPECT_EQ(Testo("LblNote"), QStringLiteral("INDOVINATO!"));
            }
            EXPECT_EQ(servizi_.beep, q);
        }
        const QByteArray cartella = qgetenv("MAPPIX_CATTURE");
        if (q == 3 && p.foto != nullptr && !cartella.isEmpty()) {
            finestra_->grab().save(QString::fromLocal8Bit(cartella) + QLatin1Char('/') +
                                   QLatin1String(p.foto));
        }
    }
    ASSERT_EQ(clic, p.clic);
    EXPECT_EQ(servizi_.beep, es.domande - 1);

    // The closing block, with the time of day as the locale writes it.
    const qsizetype ore = Log().lastIndexOf(QStringLiteral("alle ore "));
    ASSERT_GE(ore, 0);
    const QString ora = Log().mid(ore + 9, Log().indexOf(QStringLiteral(". \r\n"), ore) - ore - 9);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^10[:.]30[:.]15$")).match(ora).hasMatch())
        << ora.toStdString();
    atteso += kCrLf + QStringLiteral("Terminate le %1").arg(es.domande) + U(es.terminateT) + kCrLf +
              U(es.doveW) + QString::number(p.clic) + QStringLiteral(" tentativi complessivi\r\n") +
              QStringLiteral("alle ore ") + ora + QStringLiteral(". \r\n") +
              QStringLiteral("Durata: 2,50 minuti - (150,00 secondi) \r\n\r\n") +
              QStringLiteral("Punteggio di fine esercizio: ") + QLatin1String(p.punteggio) + kCrLf +
              QString(43, QLatin1Char('=')) + kCrLf + kCrLf;
    EXPECT_EQ(Log().toStdString(), atteso.toStdString());
    EXPECT_EQ(LogMostrato(), ConACapo(atteso));

    EXPECT_EQ(Testo("LblDom1"), QStringLiteral("Non ho più domande!"));
    EXPECT_EQ(Testo("LblDom0"), U(es.chiestoX));
    EXPECT_EQ(Testo("LblTentativi"), U(es.chiestoY));
    EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Punteggio: ") + QLatin1String(p.punteggio));
    for (const char* o : {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta"}) {
        EXPECT_FALSE(Di<QPushButton>(o)->isChecked()) << o;
        EXPECT_TRUE(Di(o)->isEnabled()) << o;
    }
    EXPECT_TRUE(Di("Frame1")->isEnabled());
    EXPECT_FALSE(Di("CmdReset")->isEnabled());
    EXPECT_TRUE(Di(mappaCitta ? "FramCitta" : "FramRegio")->isVisible());

    // The map falls silent.
    const Istantanea fine = Stato();
    mappaCitta ? ClicMarker(1) : ClicArea(0);
    mappaCitta ? ClicMarker(107) : ClicArea(20);
    EXPECT_TRUE(Stato() == fine) << "the map judged a click after the end";
}

INSTANTIATE_TEST_SUITE_P(Esercizi, PartitaTest, ::testing::ValuesIn(kPartite),
                         [](const ::testing::TestParamInfo<Partita>& dato) {
                             return std::string(dati::kEsercizi.at(dato.param.esercizio).opzione);
                         });

// ---------------------------------------------------------------- captions fit

TEST_F(FinestraTest, StartScreenCaptionsFit) {
    for (const char* nome : {"LbLInfo", "Label1", "Label2"}) {
        EXPECT_FALSE(Testo(nome).isEmpty()) << nome;
        Entra(nome, QStringLiteral("start screen"));
    }
    Inizia(QStringLiteral("mario rossi"));
    Entra("LblNome", QStringLiteral("greeting"));
}

// A caption shrunk to fit is fitted again when only the label's size, or
// only its font, changes.
TEST_F(FinestraTest, AShrunkCaptionIsFittedAgainToANewSizeOrFont) {
    Inizia(QStringLiteral("Bartolomeo Maria Sebastiano Crisostomo Lanfranchi"));
    Etichetta* nome = Lbl("LblNome");
    ASSERT_LT(nome->carattereUsato().pixelSize(), nome->font().pixelSize());
    nome->resize(nome->width() * 3, nome->height() * 2);
    Entra("LblNome", QStringLiteral("a larger label"));
    QFont minore = nome->font();
    minore.setPixelSize(minore.pixelSize() / 2);
    nome->setFont(minore);
    Entra("LblNome", QStringLiteral("a smaller font"));
}

// Draws from an empty script always give the lowest index not yet asked, so
// each exercise shows every one of its questions once.
TEST_F(FinestraTest, EveryCaptionWhilePlayingEachExerciseFits) {
    Inizia();
    for (const dati::Esercizio& p : dati::kEsercizi) {
        SCOPED_TRACE(p.opzione);
        Clic(p.opzione);
        EntranoTutte(QStringLiteral("start of ") + QLatin1String(p.opzione));
        QSet<QString> chiesti;
        for (int q = 1; q <= p.domande; ++q) {
            chiesti.insert(Testo("LblDom0"));
            ClicGiusto();
            EntranoTutte(
                QStringLiteral("%1 after question %2").arg(QLatin1String(p.opzione)).arg(q));
        }
        EXPECT_EQ(chiesti.size(), p.domande);
        EXPECT_EQ(Testo("LblDom1"), QStringLiteral("Non ho più domande!"));
        EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Punteggio: 10,00"));
    }
}

TEST_F(FinestraTest, TheWrongClickNoteOfEveryCityFits) {
    Inizia();
    Clic("OptCitta");
    ASSERT_EQ(Testo("LblDom0"), NomeCitta(1));
    QSet<QString> note;
    for (int c = 2; c <= 107; ++c) {
        ClicMarker(c);
        note.insert(Testo("LblNote"));
        Entra("LblNote", NomeCitta(c));
        if (c == 71) {
            EXPECT_EQ(Testo("LblNote"), QStringLiteral("Errore questa è la città di Chieti (CH) in "
                                                       "Abruzzo.  Provincia da 104 Comuni."));
        }
    }
    ClicMarker(1);
    EXPECT_EQ(Testo("LblNote"), QStringLiteral("INDOVINATO!"));
    Entra("LblNote", QStringLiteral("right answer"));
    ASSERT_EQ(Testo("LblDom0"), NomeCitta(2));
    ClicMarker(1);
    note.insert(Testo("LblNote"));
    Entra("LblNote", NomeCitta(1));
    EXPECT_EQ(note.size(), 107);
}

TEST_F(FinestraTest, CountersAtTheirLargestValuesFit) {
    Inizia();
    for (const char* opzione : {"OptCittaReg", "OptCitta"}) {
        SCOPED_TRACE(opzione);
        Clic(opzione);
        logica_->NumDom = 107;
        logica_->Tentativo = 32766;
        logica_->TotTentativi = 32766;
        for (int volta = 0; volta < 2; ++volta) {
            ClicSbagliato();
            EXPECT_EQ(Testo("LblTentativi"), QStringLiteral("Tentativo Nr. 32767"));
            EXPECT_EQ(Testo("LblTotTent"), QStringLiteral("Tentativi complessivi 32767"));
            EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Domanda Nr. 107 di 107"));
            EntranoTutte(QStringLiteral("largest counters"));
        }
        // The question answered at the top of the counters closes the exercise.
        ClicGiusto();
        EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Punteggio: 0,03"));
        EXPECT_TRUE(Log().contains(QStringLiteral("Tentativi 32767 ")));
        EntranoTutte(QStringLiteral("lowest score"));
    }
}

}  // namespace
}  // namespace mappix
