// The window for a player on the keyboard: nothing the panels cover takes the
// focus or a key, the focus lands where the player's hands are, Tab goes
// through exactly what can be seen, and a ring shows where the focus is.
// Keys go through the window as a keyboard's do: Qt routes them to the focus.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QWindow>
#include <cmath>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "dati/citta.h"
#include "dati/regioni.h"
#include "etichetta.h"
#include "finestra.h"
#include "frm_citta.h"
#include "lingua.h"
#include "servizi_finti.h"
#include "terra.h"

namespace mappix {
namespace {

int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

// The region areas of the region map, in twips from the panel's corner, and
// the name each one answers to (the second area of Puglia answers to Puglia).
struct AreaRegione {
    const char* regione;
    int left, top, width, height;
};
constexpr AreaRegione kAree[] = {
    {"Repubblica di San Marino", 4410, 3195, 195, 195},
    {"Valle d'Aosta", 495, 1440, 645, 330},
    {"Piemonte", 720, 1755, 960, 1005},
    {"Lombardia", 1800, 1170, 1275, 1050},
    {"Trentino Alto Adige", 3150, 450, 1005, 1005},
    {"Friuli Venezia Giulia", 4545, 855, 780, 690},
    {"Veneto", 3330, 1530, 1185, 780},
    {"Emilia Romagna", 2430, 2340, 1950, 735},
    {"Liguria", 1215, 2745, 1230, 465},
    {"Toscana", 2970, 3150, 1095, 1320},
    {"Marche", 4815, 3375, 645, 870},
    {"Umbria", 4185, 3780, 645, 690},
    {"Lazio", 4005, 4590, 1095, 1095},
    {"Abruzzo", 5130, 4365, 825, 780},
    {"Molise", 5715, 5130, 645, 375},
    {"Puglia", 6660, 5040, 960, 825},
    {"Campania", 5670, 5580, 1005, 1185},
    {"Calabria", 6975, 6930, 825, 1860},
    {"Basilicata", 6795, 5895, 690, 960},
    {"Sicilia", 4500, 8415, 2130, 1365},
    {"Sardegna", 1440, 5715, 1050, 2130},
};
constexpr int kPannello = 90;  // both map panels lie at (90, 90) twips in the window

// The controls of the window that a player can reach, and which of them
// each panel hides.
const std::vector<std::string> kInizio = {"TxtNome", "CmdHlp", "CmdIniz"};
const std::vector<std::string> kOpzioni = {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol",
                                           "OptCitta"};

class AccessoTest : public ::testing::Test {
protected:
    void SetUp() override {
        logica_ = std::make_unique<FrmCitta>(servizi_);
        logica_->Form_Initialize();
        finestra_ = std::make_unique<FinestraCitta>(*logica_);
        finestra_->show();
        finestra_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(finestra_.get()));
    }

    void TearDown() override {
        finestra_.reset();
        logica_.reset();
    }

    QWidget* Di(const std::string& nome) const {
        auto* w = finestra_->findChild<QWidget*>(QString::fromStdString(nome));
        if (w == nullptr) {
            throw std::runtime_error("no widget " + nome);
        }
        return w;
    }
    std::string Fuoco() const {
        const QWidget* w = QApplication::focusWidget();
        return w == nullptr ? std::string("(none)") : w->objectName().toStdString();
    }
    bool FuocoIn(const std::string& nome) const {
        const QWidget* contenitore = Di(nome);
        const QWidget* w = QApplication::focusWidget();
        return w != nullptr && (w == contenitore || contenitore->isAncestorOf(w));
    }
    QString Log() const { return logica_->Ctl.Text1.Text; }
    QString Mostrato(const char* etichetta) const {
        return finestra_->findChild<Etichetta*>(QLatin1String(etichetta))->testo();
    }

    // A real click where the widget lies: Qt finds what is on top there.
    void ClicPunto(QPoint punto) {
        QTest::mouseClick(finestra_->windowHandle(), Qt::LeftButton, Qt::NoModifier, punto);
        QCoreApplication::processEvents();
    }
    void Clic(const std::string& nome) {
        const QWidget* w = Di(nome);
        ClicPunto(w->mapTo(finestra_.get(), w->rect().center()));
    }
    void Tasto(Qt::Key tasto, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(finestra_->windowHandle(), tasto, mod);
        QCoreApplication::processEvents();
    }
    void Scrivi(const char* testo) {
        for (const char* c = testo; *c != '\0'; ++c) {
            QTest::keyClick(finestra_->windowHandle(), *c);
        }
        QCoreApplication::processEvents();
    }
    void Incolla(const QString& testo) {
        QGuiApplication::clipboard()->setText(testo);
        Tasto(Qt::Key_V, Qt::ControlModifier);
    }
    void Inizia() {
        Scrivi("mario");
        Tasto(Qt::Key_Return);
        ASSERT_EQ(Log(), QStringLiteral("# Test eseguito da MARIO\r\n\r\n"));
    }

    // Answers a "Dov'e' la Regione" question by the name shown on screen.
    void RispondiRegione() {
        const QString nome = Mostrato("LblDom0");
        // On a random pixel of the region's land: an area takes clicks there only.
        static std::mt19937 caso(5);
        for (int i = 0; i < 21; ++i) {
            if (nome == QString::fromUtf8(kAree[i].regione)) {
                ClicPunto(PuntoDiRegione(i, caso) + QPoint(Px(kPannello), Px(kPannello)));
                return;
            }
        }
        FAIL() << "the question shows no region of the table: " << nome.toStdString();
    }

    // Every control Tab reaches after the focus, once round the chain, without
    // the map panels (a map panel is reached as a whole, or not at all).
    std::vector<std::string> GiroTab(Qt::Key tasto = Qt::Key_Tab) {
        std::vector<std::string> giro;
        for (int i = 0; i < 40; ++i) {
            Tasto(tasto);
            if (FuocoIn("FramRegio") || FuocoIn("FramCitta")) {
                continue;
            }
            if (!giro.empty() && Fuoco() == giro.front()) {
                break;
            }
            giro.push_back(Fuoco());
        }
        return giro;
    }

    // The log only grows from the moment this is called.
    ::testing::AssertionResult SoloCresciuto(const QString& prima) const {
        if (Log().startsWith(prima)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "the log was replaced: it held " << prima.size() << " characters, now \""
               << Log().left(80).toStdString() << "\"";
    }

    ServiziSemeFisso servizi_{7};
    std::unique_ptr<FrmCitta> logica_;
    std::unique_ptr<FinestraCitta> finestra_;
};

// ------------------------------------------------------- covered controls

// "Cambia esercizio" disables itself under the focus: the focus must not
// fall onto the covered "Inizia", where a blank would restart the log.
TEST_F(AccessoTest, AfterCambiaEsercizioNoKeyRestartsTheLog) {
    Inizia();
    Clic("OptReg");
    RispondiRegione();
    Clic("CmdReset");
    const QString log = Log();
    ASSERT_TRUE(log.contains(QStringLiteral("Dov'e la Regione?")));
    Tasto(Qt::Key_Space);
    Scrivi("a b");
    Tasto(Qt::Key_Return);
    EXPECT_TRUE(SoloCresciuto(log));
    EXPECT_NE(Fuoco(), "CmdIniz");
}

// The help panel stays open over a started exercise; closing it must not
// hand the focus to a control under the map.
TEST_F(AccessoTest, ClosingHelpOverAnExerciseLeavesNoKeyToTheStartScreen) {
    Inizia();
    Clic("CmdHlp");
    Clic("OptReg");
    ASSERT_TRUE(Di("FrmHelp")->isVisible());
    Clic("CmdHlpFine");
    const QString log = Log();
    const QString domanda = Mostrato("LblDom0");
    Tasto(Qt::Key_Space);
    Scrivi(" x ");
    Tasto(Qt::Key_Enter);
    EXPECT_TRUE(SoloCresciuto(log));
    EXPECT_TRUE(logica_->Ctl.OptReg.Value) << "the exercise stopped";
    EXPECT_EQ(Mostrato("LblDom0"), domanda);
    for (const auto& nome : kInizio) {
        EXPECT_NE(Fuoco(), nome);
    }
}

// Tab then a blank from the running exercise, or two tabs from the log then
// a blank: the focus must never stop on the start screen under the map.
TEST_F(AccessoTest, TabFromTheMapOrTheLogNeverReachesTheStartScreen) {
    Inizia();
    Clic("OptReg");
    QString log = Log();
    Tasto(Qt::Key_Tab);
    Tasto(Qt::Key_Space);
    EXPECT_TRUE(SoloCresciuto(log));

    Clic("OptReg");
    log = Log();
    Clic("Text1");
    ASSERT_EQ(Fuoco(), "Text1");
    Tasto(Qt::Key_Tab);
    Tasto(Qt::Key_Tab);
    Incolla(QStringLiteral("mario rossi"));
    EXPECT_TRUE(SoloCresciuto(log));

    Clic("OptCitta");
    for (int i = 0; i < 30; ++i) {
        Tasto(i % 3 == 2 ? Qt::Key_Backtab : Qt::Key_Tab);
        for (const auto& nome : kInizio) {
            ASSERT_NE(Fuoco(), nome) << "after " << i + 1 << " tabs";
        }
        Scrivi("x y");
    }
    EXPECT_TRUE(SoloCresciuto(log));
}

TEST_F(AccessoTest, UnderTheHelpPanelTheNameBoxAndItsButtonsTakeNoKey) {
    Scrivi("mar");
    Clic("CmdHlp");
    for (int i = 0; i < 12; ++i) {
        Tasto(Qt::Key_Tab);
        for (const auto& nome : kInizio) {
            ASSERT_NE(Fuoco(), nome) << "after " << i + 1 << " tabs";
        }
        Scrivi("io");
        Incolla(QStringLiteral("vanni"));
    }
    EXPECT_EQ(logica_->Ctl.TxtNome.Text, QStringLiteral("mar"));
    EXPECT_FALSE(Di("Frame1")->isVisible()) << "Inizia ran under the help panel";
    // Still what the player sees: the panel shows over the start screen as before.
    EXPECT_TRUE(Di("FrmHelp")->isVisible());
    const QWidget* sopra = finestra_->childAt(Di("CmdIniz")->geometry().center());
    EXPECT_TRUE(sopra == Di("FrmHelp") || Di("FrmHelp")->isAncestorOf(sopra));
}

// ------------------------------------------------------------ focus chain

TEST_F(AccessoTest, TabGoesThroughExactlyWhatCanBeSeenAndUsed) {
    using Giro = std::vector<std::string>;
    EXPECT_EQ(GiroTab(), (Giro{"CmdHlp", "CmdIniz", "Text1", "CmdNuovo", "CmdFine", "TxtNome"}))
        << "start screen";
    Clic("CmdHlp");
    EXPECT_EQ(Fuoco(), "CmdHlpFine");
    EXPECT_EQ(GiroTab(), (Giro{"Text1", "CmdNuovo", "CmdFine", "Text2", "CmdHlpFine"}))
        << "help open";
    Clic("CmdHlpFine");
    EXPECT_EQ(Fuoco(), "CmdHlp") << "help closed";
    Clic("TxtNome");
    Inizia();
    EXPECT_EQ(GiroTab(), (Giro{"OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta", "Text1",
                               "CmdNuovo", "CmdFine", "TxtNome", "CmdHlp", "CmdIniz", "OptReg"}))
        << "exercise choice";
    Clic("OptCapol");
    EXPECT_EQ(GiroTab(Qt::Key_Backtab), (Giro{"CmdFine", "CmdNuovo", "Text1", "CmdReset"}))
        << "exercise running, backwards";
    Clic("CmdHlp");
    EXPECT_FALSE(Di("FrmHelp")->isVisible()) << "the map lies over Aiuto";
}

TEST_F(AccessoTest, TabGoesThroughTheHelpPanelLyingOverAnExercise) {
    using Giro = std::vector<std::string>;
    Inizia();
    Clic("CmdHlp");
    Clic("OptCittaReg");
    ASSERT_TRUE(Di("FrmHelp")->isVisible());
    EXPECT_TRUE(FuocoIn("FramRegio")) << "focus on " << Fuoco();
    EXPECT_EQ(GiroTab(), (Giro{"CmdReset", "Text1", "CmdNuovo", "CmdFine", "Text2", "CmdHlpFine"}));
    Clic("CmdHlpFine");
    EXPECT_TRUE(FuocoIn("FramRegio")) << "help closed over the map, focus on " << Fuoco();
}

// ------------------------------------------------------- focus placement

TEST_F(AccessoTest, TheFocusGoesWhereTheHandsAre) {
    EXPECT_EQ(Fuoco(), "TxtNome") << "at start";
    Scrivi("mario");
    EXPECT_EQ(logica_->Ctl.TxtNome.Text, QStringLiteral("mario")) << "letters typed at once";
    Tasto(Qt::Key_Return);
    EXPECT_EQ(Fuoco(), "OptReg") << "after an accepted Inizia";

    Tasto(Qt::Key_Space);
    ASSERT_TRUE(logica_->Ctl.OptReg.Value);
    EXPECT_TRUE(FuocoIn("FramRegio")) << "exercise started, focus on " << Fuoco();
    for (int i = 0; i < 21 && logica_->Ctl.OptReg.Value; ++i) {
        RispondiRegione();
    }
    ASSERT_FALSE(logica_->Ctl.OptReg.Value) << "21 right answers did not end the exercise";
    EXPECT_EQ(Fuoco(), "OptReg") << "after the exercise ended";

    Clic("OptCitta");
    EXPECT_TRUE(FuocoIn("FramCitta")) << "exercise started, focus on " << Fuoco();
    Clic("CmdReset");
    EXPECT_EQ(Fuoco(), "OptReg") << "after the exercise was abandoned";

    Clic("CmdNuovo");
    EXPECT_EQ(Fuoco(), "TxtNome") << "a new player";
}

TEST_F(AccessoTest, ARefusedNameKeepsTheFocusOnTheStartScreen) {
    Scrivi("al");
    Tasto(Qt::Key_Return);
    ASSERT_EQ(servizi_.messaggi.size(), 1U);
    EXPECT_EQ(Fuoco(), "TxtNome");
    Scrivi("i");
    Tasto(Qt::Key_Return);
    EXPECT_EQ(Fuoco(), "OptReg");
}

// The ring is drawn on screen around the focus, in the highlight colour.
TEST_F(AccessoTest, AVisibleRingMarksTheFocusEverywhere) {
    const QColor evidenza = finestra_->palette().color(QPalette::Active, QPalette::Highlight);
    const auto segnato = [&](const std::string& nome) {
        const QWidget* w = Di(nome);
        const QRect r(w->mapTo(finestra_.get(), QPoint(0, 0)), w->size());
        const QImage schermo = finestra_->grab().toImage();
        // The ring lies just outside the widget: one point on each side.
        const QPoint lati[] = {{r.center().x(), r.top() - 1},
                               {r.center().x(), r.bottom() + 1},
                               {r.left() - 1, r.center().y()},
                               {r.right() + 1, r.center().y()}};
        int segnati = 0;
        for (const QPoint p : lati) {
            segnati += schermo.pixelColor(p) == evidenza ? 1 : 0;
        }
        return segnati;
    };
    EXPECT_EQ(segnato("TxtNome"), 4) << "name box";
    EXPECT_EQ(segnato("CmdIniz"), 0) << "no ring where the focus is not";
    Inizia();
    EXPECT_EQ(segnato("OptReg"), 4) << "exercise button";
    Clic("Text1");
    EXPECT_EQ(segnato("Text1"), 4) << "the log";
    EXPECT_EQ(segnato("OptReg"), 0) << "the ring left the button";
    Clic("OptReg");
    EXPECT_EQ(segnato("FramRegio"), 4) << "the map panel";
}

// ------------------------------------------------------------ screen readers

QAccessibleInterface* Accessibile(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    if (i == nullptr) {
        throw std::runtime_error("no accessible interface for " + w->objectName().toStdString());
    }
    return i;
}

// As a label shows it: CR LF and CR break the line.
QString ConACapo(QString testo) {
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return testo;
}

const char* const kEtichette[] = {"LbLInfo", "Label1",       "Label2",     "LblNome",   "LblDom1",
                                  "LblDom0", "LblTentativi", "LblTotTent", "LblNumDom", "LblNote"};

class LettoreTest : public AccessoTest {
protected:
    // Every label reads out what it shows, as a label with a text.
    void EtichetteLette(const char* momento) {
        SCOPED_TRACE(momento);
        for (const char* nome : kEtichette) {
            QAccessibleInterface* i = Accessibile(Di(nome));
            const QString mostrato = ConACapo(Mostrato(nome));
            EXPECT_EQ(i->role(), QAccessible::StaticText) << nome;
            EXPECT_EQ(i->text(QAccessible::Name), mostrato) << nome;
            QAccessibleTextInterface* testo = i->textInterface();
            ASSERT_NE(testo, nullptr) << nome;
            EXPECT_EQ(testo->characterCount(), mostrato.size()) << nome;
            EXPECT_EQ(testo->text(0, testo->characterCount()), mostrato) << nome;
        }
    }
};

TEST_F(LettoreTest, EveryLabelReadsOutItsCaption) {
    QAccessibleInterface* finestra = Accessibile(finestra_.get());
    EXPECT_EQ(finestra->role(), QAccessible::Window);
    EXPECT_EQ(finestra->text(QAccessible::Name), QStringLiteral("Mappix"));
    EtichetteLette("start screen");
    EXPECT_EQ(Accessibile(Di("Label1"))->text(QAccessible::Name),
              QStringLiteral("Inserisci il tuo nome e poi premi il pulsante INIZIA e poi premi "
                             "sul tipo di esercizio da eseguire"));
    EXPECT_TRUE(Accessibile(Di("LbLInfo"))
                    ->text(QAccessible::Name)
                    .startsWith(QStringLiteral("Metti alla prova le tue conoscenze sulla posizione "
                                               "delle regioni, delle città capoluogo di regione e "
                                               "di provincia italiane. \nPer rispondere")));
    Inizia();
    EXPECT_EQ(Accessibile(Di("LblNome"))->text(QAccessible::Name),
              QStringLiteral(" Ciao \n MARIO "));
    Clic("OptCitta");
    EtichetteLette("city exercise started");
    EXPECT_EQ(Accessibile(Di("LblTentativi"))->text(QAccessible::Name),
              QStringLiteral("Tentativo nr. 1"));
    // Torino's marker, at (1095, 1980) twips in the panel: a note either way.
    ClicPunto({Px(kPannello + 1095 + 60), Px(kPannello + 1980 + 90)});
    ASSERT_FALSE(Mostrato("LblNote").isEmpty());
    EtichetteLette("after a click on the map");
    Clic("CmdReset");
    EtichetteLette("abandoned, with the score");
}

TEST_F(LettoreTest, TheNameBoxIsNamedByTheInvitationAboveIt) {
    const QString invito = QStringLiteral(
        "Inserisci il tuo nome e poi premi il pulsante INIZIA e poi premi sul tipo di esercizio "
        "da eseguire");
    QAccessibleInterface* nome = Accessibile(Di("TxtNome"));
    EXPECT_EQ(nome->role(), QAccessible::EditableText);
    EXPECT_EQ(nome->text(QAccessible::Name), invito);
    // Qt's words: the name box is "labelled" by Label1, which a screen reader
    // hears as Label1 being the label for it.
    bool etichettato = false;
    for (const auto& [altro, relazione] :
         Accessibile(Di("Label1"))->relations(QAccessible::AllRelations)) {
        EXPECT_NE(relazione, QAccessible::Label) << "Label1 claims to be labelled by another";
        etichettato =
            etichettato || (altro->object() == Di("TxtNome") && relazione == QAccessible::Labelled);
    }
    EXPECT_TRUE(etichettato) << "Label1 is not reported as the label of the name box";
    Scrivi("mario");
    EXPECT_EQ(nome->text(QAccessible::Value), QStringLiteral("mario"));
}

TEST_F(LettoreTest, ButtonsAndOptionsAreNamedByTheirCaptionsAndDescribedByTheirTooltips) {
    struct Atteso {
        const char* nome;
        const char* didascalia;
        const char* suggerimento;
    };
    const Atteso attesi[] = {
        {"CmdNuovo", "Nuovo", " Cambia giocatore "},
        {"CmdFine", "Esci", " Fine - Termina il programma "},
        {"CmdHlp", "Aiuto", ""},
        {"CmdIniz", "Inizia", ""},
        {"CmdReset", "Cambia esercizio",
         " Annulla l'esercizio consentendo di passare ad un altro "},
        {"CmdHlpFine", "Chiudi ", ""},
        {"OptReg", "Dov'e' la Regione", " Individua dove si trova la regione indicata "},
        {"OptCapolReg", "Capoluogo di  Regione",
         " Individua di quale regione è capoluogo la città indicata "},
        {"OptCittaReg", "Città di Regione",
         " Individua in quale regione si trova la città indicata "},
        {"OptCapol", "Dov'e' il Capoluogo",
         " Individua dove si trova il capoluogo di regione indicato "},
        {"OptCitta", "Dov'e' la Città", " Individua dove si trova la città indicata "},
    };
    for (const Atteso& a : attesi) {
        QAccessibleInterface* i = Accessibile(Di(a.nome));
        // The five options are one choice of five.
        const bool opzione = std::string(a.nome).starts_with("Opt");
        EXPECT_EQ(i->role(), opzione ? QAccessible::RadioButton : QAccessible::PushButton)
            << a.nome;
        EXPECT_EQ(i->text(QAccessible::Name), QString::fromUtf8(a.didascalia)) << a.nome;
        EXPECT_EQ(i->text(QAccessible::Description), QString::fromUtf8(a.suggerimento)) << a.nome;
    }
    Inizia();
    Clic("OptCapolReg");
    for (const auto& nome : kOpzioni) {
        const QAccessible::State stato = Accessibile(Di(nome))->state();
        EXPECT_TRUE(stato.checkable) << nome;
        EXPECT_EQ(bool(stato.checked), nome == "OptCapolReg") << nome;
        EXPECT_TRUE(stato.disabled) << nome << " can start an exercise while one runs";
    }
}

TEST_F(LettoreTest, TheLogReadsAsReadOnlyTextAndCoveredControlsAsNotShowing) {
    Inizia();
    Clic("OptReg");
    RispondiRegione();
    EXPECT_EQ(Accessibile(Di("ProgressBar1"))->text(QAccessible::Name), QStringLiteral("Domande"));
    QAccessibleInterface* log = Accessibile(Di("Text1"));
    EXPECT_EQ(log->role(), QAccessible::EditableText);
    EXPECT_EQ(log->text(QAccessible::Name), QStringLiteral("Registro della prova"));
    EXPECT_TRUE(log->state().readOnly);
    // The arrow keys move a caret through it, line by line.
    Clic("Text1");
    Tasto(Qt::Key_Home, Qt::ControlModifier);
    Tasto(Qt::Key_Down);
    EXPECT_EQ(log->textInterface()->cursorPosition(),
              QStringLiteral("# Test eseguito da MARIO\n").size());
    EXPECT_EQ(log->text(QAccessible::Value), ConACapo(Log()));
    ASSERT_NE(log->textInterface(), nullptr);
    EXPECT_TRUE(log->textInterface()
                    ->text(0, log->textInterface()->characterCount())
                    .startsWith(QStringLiteral("# Test eseguito da MARIO\n\n")));

    // Under the map: not on screen for a screen reader, and never focused.
    for (const auto& nome : kInizio) {
        const QAccessible::State stato = Accessibile(Di(nome))->state();
        EXPECT_TRUE(stato.invisible) << nome;
        EXPECT_FALSE(stato.focused) << nome;
    }
    EXPECT_FALSE(Accessibile(Di("CmdReset"))->state().invisible);
    Clic("CmdNuovo");
    for (const auto& nome : kInizio) {
        EXPECT_FALSE(Accessibile(Di(nome))->state().invisible) << nome;
    }
    EXPECT_TRUE(Accessibile(Di("TxtNome"))->state().focused);
}

// What the screen reader is told unasked, after the event and the focus
// change it would otherwise be spoken over.
class AnnunciTest : public LettoreTest {
protected:
    QString Annunciato() {
        QCoreApplication::processEvents();
        return Di("Annunciatore")->accessibleName();
    }
    // Marks what was said so far, to tell whether an event says anything.
    void Dimentica() { Di("Annunciatore")->setAccessibleName(QStringLiteral("-")); }
};

TEST_F(AnnunciTest, TheQuestionTheScoreOrNothingAsTheScreenShowsIt) {
    Inizia();
    Clic("OptReg");
    EXPECT_EQ(Annunciato(), QStringLiteral("Dove si trova la Regione. ") + Mostrato("LblDom0"));
    RispondiRegione();
    EXPECT_EQ(Annunciato(), Mostrato("LblDom0") + QStringLiteral(". Domanda Nr. 2 di 21"));
    Dimentica();
    Clic("Text1");
    Clic("LblNote");
    EXPECT_EQ(Annunciato(), QStringLiteral("-")) << "an event with no news for the player";
    Clic("CmdReset");
    EXPECT_EQ(Annunciato(), QStringLiteral("Punteggio prima di terminare: 0,00"));
    Dimentica();
    ClicPunto({Px(kPannello + 1200), Px(kPannello + 2000)});
    EXPECT_EQ(Annunciato(), QStringLiteral("-")) << "a click on the map with no exercise";
    Clic("OptCapol");
    Clic("CmdNuovo");
    Dimentica();
    Clic("CmdNuovo");
    EXPECT_EQ(Annunciato(), QStringLiteral("-")) << "a new player is not an abandonment";
}

// The region areas each borders, as the map of Italy shows them; San Marino
// lies between Emilia Romagna and Marche, the south-east of Puglia touches
// only Puglia and Basilicata.
const std::vector<std::vector<int>> kConfini = {{7, 10},
                                                {2},
                                                {1, 3, 7, 8},
                                                {2, 4, 6, 7},
                                                {3, 6},
                                                {6},
                                                {3, 4, 5, 7},
                                                {0, 2, 3, 6, 8, 9, 10},
                                                {2, 7, 9},
                                                {7, 8, 10, 11, 12},
                                                {0, 7, 9, 11, 12, 13},
                                                {9, 10, 12},
                                                {9, 10, 11, 13, 14, 16},
                                                {10, 12, 14},
                                                {12, 13, 15, 16},
                                                {14, 16, 18},
                                                {12, 14, 15, 18},
                                                {18},
                                                {15, 16, 17, 21},
                                                {},
                                                {},
                                                {18}};

std::vector<int> Numeri(const QString& testo, const QString& dopo) {
    std::vector<int> numeri;
    const QString coda = testo.section(dopo, 1);
    const QRegularExpression numero(QStringLiteral("Area (\\d+)"));
    for (auto m = numero.globalMatch(coda.section(QLatin1Char('.'), 0, 0)); m.hasNext();) {
        numeri.push_back(m.next().captured(1).toInt());
    }
    return numeri;
}

TEST_F(LettoreTest, MapItemsTellWhereTheyLieButNeverWhatTheyAre) {
    Inizia();
    Clic("OptReg");
    Clic("CmdReset");
    Clic("OptCitta");
    std::vector<QString> nomi;
    nomi.reserve(dati::kRegioni.size() + dati::kCitta.size());
    for (const auto& r : dati::kRegioni) nomi.push_back(QString::fromUtf8(r.nome));
    for (std::size_t c = 1; c < dati::kCitta.size(); ++c) {
        nomi.push_back(QString::fromUtf8(dati::kCitta[c].nome));
    }
    const auto descrizione = [&](const QString& oggetto) {
        QAccessibleInterface* i = Accessibile(Di(oggetto.toStdString()));
        const QString detto =
            i->text(QAccessible::Name) + QLatin1Char(' ') + i->text(QAccessible::Description);
        for (const QString& nome : nomi) {
            EXPECT_FALSE(detto.contains(QRegularExpression(
                QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(nome)))))
                << oggetto.toStdString() << " says " << nome.toStdString();
        }
        return i->text(QAccessible::Description);
    };
    for (int a = 0; a < 22; ++a) {
        const QString d = descrizione(QStringLiteral("LbLReg(%1)").arg(a));
        EXPECT_EQ(Numeri(d, QStringLiteral("Confina con ")), kConfini[std::size_t(a)])
            << "area " << a << ": " << d.toStdString();
    }
    const QString pugliaSud = descrizione(QStringLiteral("LbLReg(21)"));
    EXPECT_TRUE(pugliaSud.contains(QStringLiteral("stessa regione dell'Area 15")));
    struct Citta {
        int indice;
        const char* dove;
    };
    // Trieste, Torino, Ravenna, Palermo, San Marino.
    for (const Citta& c :
         {Citta{22, "Nel nord-est, sul mare."}, Citta{1, "Nel nord-ovest, nell'"},
          Citta{39, "Nel nord-est, vicino al mare."}, Citta{93, "Nelle isole, sul"},
          Citta{43, "Nel centro-nord, nell'entroterra"}}) {
        EXPECT_TRUE(descrizione(QStringLiteral("LblCit(%1)").arg(c.indice))
                        .startsWith(QString::fromUtf8(c.dove)))
            << "city " << c.indice;
    }
    const QRegularExpression vicine(QStringLiteral("\\. Vicina a Città \\d+ e Città \\d+\\.$"));
    for (int c = 1; c <= 107; ++c) {
        EXPECT_TRUE(descrizione(QStringLiteral("LblCit(%1)").arg(c)).contains(vicine)) << c;
    }
}

// ------------------------------------------------------------ the map's keys

// The item the mark is on, as a screen reader finds it.
QString Segnato(QWidget* pannello) {
    for (auto* elemento : pannello->findChildren<QWidget*>()) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(elemento);
        if (elemento->objectName().startsWith(QStringLiteral("L")) && i->state().focused) {
            return i->text(QAccessible::Name);
        }
    }
    return {};
}

TEST_F(AccessoTest, TheMapAnswersOnlyTheItemThePlayerCanSee) {
    Inizia();
    // With "Aiuto" open over the city map, Shift+Tab from the log, Tab and the
    // arrows reach every marker in view and none under the panel.
    Clic("CmdHlp");
    Clic("OptCitta");
    ASSERT_TRUE(Di("FrmHelp")->isVisible());
    const QRect aiuto = Di("FrmHelp")->geometry();
    const auto sotto = [&](const QString& nome) {
        const QWidget* m = Di(QStringLiteral("LblCit(%1)").arg(nome.section(' ', 1)).toStdString());
        return aiuto.contains(m->mapTo(finestra_.get(), m->rect().center()));
    };
    int inVista = 0;
    for (int c = 1; c <= 107; ++c) inVista += sotto(QStringLiteral("Città %1").arg(c)) ? 0 : 1;
    ASSERT_LT(inVista, 107) << "no marker lies under the help panel";
    // Shift+Tab from the log enters the map on the last marker in view, and
    // goes back through all of them.
    std::set<QString> visti;
    Clic("Text1");
    Tasto(Qt::Key_Backtab);
    for (int i = 0; i < 120; ++i) {
        Tasto(Qt::Key_Backtab);
        if (!FuocoIn("FramCitta")) break;
        ASSERT_FALSE(sotto(Segnato(Di("FramCitta")))) << Segnato(Di("FramCitta")).toStdString();
        visti.insert(Segnato(Di("FramCitta")));
    }
    EXPECT_EQ(static_cast<int>(visti.size()), inVista);
    Clic("Text1");
    Tasto(Qt::Key_Backtab);
    Tasto(Qt::Key_Backtab);
    const Qt::Key frecce[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
    for (int i = 0; i < 40; ++i) {
        Tasto(frecce[i / 5 % 4]);
        ASSERT_FALSE(sotto(Segnato(Di("FramCitta")))) << Segnato(Di("FramCitta")).toStdString();
    }
    Clic("CmdReset");
    Clic("CmdHlpFine");

    // Started with the mouse, the map shows no mark: Space only shows it.
    Clic("OptReg");
    const int tentativi = logica_->TotTentativi;
    Tasto(Qt::Key_Space);
    EXPECT_EQ(logica_->TotTentativi, tentativi) << "Space with no mark in view answered";
    EXPECT_EQ(Segnato(Di("FramRegio")), QStringLiteral("Area 0")) << "Space shows the mark";
    Tasto(Qt::Key_Tab);
    Tasto(Qt::Key_Tab);
    Tasto(Qt::Key_Tab);
    QWidget altra;
    altra.show();
    altra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&altra));
    finestra_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(finestra_.get()));
    EXPECT_EQ(Segnato(Di("FramRegio")), QStringLiteral("Area 3")) << "back from another window";
}

// ------------------------------------------------------------------ themes

// The logo paints its own backing: on a dark window it shows exactly as on a
// light one, its dark lettering on its pale ground.
TEST_F(AccessoTest, TheLogoLooksTheSameOnALightAndADarkWindow) {
    QWidget* logo = Di("Image4");
    QPalette chiara = finestra_->palette();
    chiara.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    QPalette scura = chiara;
    scura.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    scura.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    finestra_->setPalette(chiara);
    const QImage suChiaro = logo->grab().toImage();
    finestra_->setPalette(scura);
    const QImage suScuro = logo->grab().toImage();
    ASSERT_EQ(suChiaro.size(), suScuro.size());
    int diversi = 0;
    // The thin border follows the theme; everything inside it must not.
    for (int y = 2; y < suChiaro.height() - 2; ++y) {
        for (int x = 2; x < suChiaro.width() - 2; ++x) {
            diversi += suChiaro.pixel(x, y) != suScuro.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(diversi, 0) << "pixels of the logo that show the window through it";
}

// ---------------------------------------------------------------- language

// Under an Italian desktop Qt's own menus speak Italian too.
TEST_F(AccessoTest, TheLogsMenuSpeaksItalian) {
    QTranslator* traduzione = CaricaTraduzioniQt(QLocale(QLocale::Italian, QLocale::Italy));
    ASSERT_NE(traduzione, nullptr) << "Qt's Italian translations are not installed "
                                      "(qt6-translations-l10n)";
    std::unique_ptr<QMenu> menu(finestra_->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
                                    ->createStandardContextMenu());
    QStringList voci;
    for (const QAction* azione : menu->actions()) {
        voci << azione->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    }
    QCoreApplication::removeTranslator(traduzione);
    delete traduzione;
    EXPECT_TRUE(voci.contains(QStringLiteral("Copia")))
        << voci.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(voci.contains(QStringLiteral("Seleziona tutto")))
        << voci.join(QLatin1Char('|')).toStdString();
}

}  // namespace
}  // namespace mappix
