// The player's name is one line of text: whatever is pasted into the name box,
// the box, the greeting and the log header each hold it on one line, and the
// log holds only the lines the program writes. Also: the log survives
// everything but a new start, and the window scales as a whole.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <vector>

#include "etichetta.h"
#include "finestra.h"
#include "frm_citta.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

class NomeTest : public ::testing::Test {
protected:
    void SetUp() override {
        logica_ = std::make_unique<FrmCitta>(servizi_);
        logica_->Form_Initialize();
        finestra_ = std::make_unique<FinestraCitta>(*logica_);
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
    }

    template <typename T = QWidget>
    T* Di(const char* nome) const {
        T* w = finestra_->findChild<T*>(QString::fromLatin1(nome));
        if (w == nullptr) {
            throw std::runtime_error(std::string("no widget ") + nome);
        }
        return w;
    }
    QLineEdit* Casella() const { return Di<QLineEdit>("TxtNome"); }

    // A real click at the centre of a widget, as the player makes it.
    void Clic(const char* nome) {
        QWidget* w = Di(nome);
        QTest::mouseClick(finestra_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          w->mapTo(finestra_.get(), w->rect().center()));
    }

    // Pastes through the clipboard with Ctrl+V, where the cursor stands.
    void Incolla(const QString& testo) {
        QGuiApplication::clipboard()->setText(testo);
        Casella()->setFocus();
        QTest::keyClick(Casella(), Qt::Key_V, Qt::ControlModifier);
    }
    void IncollaNome(const QString& testo) {
        Casella()->setFocus();
        Casella()->selectAll();
        QTest::keyClick(Casella(), Qt::Key_Delete);
        Incolla(testo);
    }

    QString Saluto() const { return Di<Etichetta>("LblNome")->testo(); }
    QString LogMostrato() const { return Di<QPlainTextEdit>("Text1")->toPlainText(); }

    ServiziFinti servizi_;
    std::unique_ptr<FrmCitta> logica_;
    std::unique_ptr<FinestraCitta> finestra_;
};

// ---------------------------------------------------------------- one line

struct Incollato {
    const char* caso;
    QString incollato;
    QString nellaCasella;
};

TEST_F(NomeTest, LineBreaksTabsAndControlCharactersBecomeBlanks) {
    const std::vector<Incollato> casi = {
        {"CR", QStringLiteral("anna\rrossi"), QStringLiteral("anna rossi")},
        {"LF", QStringLiteral("anna\nrossi"), QStringLiteral("anna rossi")},
        {"CR LF, one line break", QStringLiteral("anna\r\nrossi"), QStringLiteral("anna rossi")},
        {"LF CR, two", QStringLiteral("anna\n\rrossi"), QStringLiteral("anna  rossi")},
        {"tab", QStringLiteral("anna\trossi"), QStringLiteral("anna rossi")},
        {"vertical tab", QStringLiteral("anna\vrossi"), QStringLiteral("anna rossi")},
        {"form feed", QStringLiteral("anna\frossi"), QStringLiteral("anna rossi")},
        {"NUL", QStringLiteral("anna") + QChar(0) + QStringLiteral("rossi"),
         QStringLiteral("anna rossi")},
        {"escape", QStringLiteral("anna\x1b[2Jrossi"), QStringLiteral("anna [2Jrossi")},
        {"next line", QStringLiteral("anna\u0085rossi"), QStringLiteral("anna rossi")},
        {"line separator", QStringLiteral("anna\u2028rossi"), QStringLiteral("anna rossi")},
        {"paragraph separator", QStringLiteral("anna\u2029rossi"), QStringLiteral("anna rossi")},
        {"trailing CR LF", QStringLiteral("anna\r\n"), QStringLiteral("anna ")},
    };
    for (const Incollato& c : casi) {
        SCOPED_TRACE(c.caso);
        IncollaNome(c.incollato);
        EXPECT_EQ(Casella()->text(), c.nellaCasella);
        EXPECT_EQ(logica_->Ctl.TxtNome.Text, c.nellaCasella);

        Clic("CmdIniz");
        const QString maiuscolo = c.nellaCasella.toUpper();
        EXPECT_EQ(Casella()->text(), maiuscolo);
        // The greeting: "Ciao" on one line, the name on the next, nothing more.
        EXPECT_EQ(Saluto(), QStringLiteral(" Ciao \r ") + maiuscolo + QStringLiteral(" "));
        EXPECT_EQ(logica_->Ctl.Text1.Text,
                  QStringLiteral("# Test eseguito da ") + maiuscolo + QStringLiteral("\r\n\r\n"));
        EXPECT_EQ(LogMostrato(),
                  QStringLiteral("# Test eseguito da ") + maiuscolo + QStringLiteral("\n\n"));
    }
}

TEST_F(NomeTest, EveryOtherCharacterStaysAsPasted) {
    const std::vector<QString> nomi = {
        QStringLiteral("<b>Zoë</b> &amp;"),
        QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u200F\u202Eabc"),  // Hebrew, RLM, RLO
        QStringLiteral("\U0001F469\u200D\U0001F3EB Ada"),            // an emoji sequence with ZWJ
        QStringLiteral("Nicolo\u0300 e\u0301"),                      // combining accents
        QStringLiteral("  Ugo  "),
    };
    for (const QString& nome : nomi) {
        SCOPED_TRACE(nome.toStdString());
        IncollaNome(nome);
        EXPECT_EQ(Casella()->text(), nome);
        Clic("CmdIniz");
        EXPECT_EQ(LogMostrato(),
                  QStringLiteral("# Test eseguito da ") + nome.toUpper() + QStringLiteral("\n\n"));
    }
}

TEST_F(NomeTest, APasteInTheMiddleLeavesTheCursorAfterThePastedText) {
    IncollaNome(QStringLiteral("ABCD"));
    Casella()->setCursorPosition(2);
    Incolla(QStringLiteral("x\r\ny\tz"));
    EXPECT_EQ(Casella()->text(), QStringLiteral("ABx y zCD"));
    EXPECT_EQ(Casella()->cursorPosition(), 7);
    // Typing goes on where the paste ended.
    QTest::keyClicks(Casella(), QStringLiteral("!"));
    EXPECT_EQ(Casella()->text(), QStringLiteral("ABx y z!CD"));
    EXPECT_EQ(logica_->Ctl.TxtNome.Text, QStringLiteral("ABx y z!CD"));
}

TEST_F(NomeTest, TheThreeCharacterRuleCountsTheNameAsItStandsInTheBox) {
    struct Caso {
        QString incollato;
        bool accettato;
    };
    const std::vector<Caso> casi = {
        {QStringLiteral("\t\t"), false},      // two blanks
        {QStringLiteral("\r\n\r\n"), false},  // two line breaks, two blanks
        {QStringLiteral("A\r\n"), false},     // "A "
        {QStringLiteral("\t\t\t"), true},     // three blanks, greeted as blanks
        {QStringLiteral("A\n\r"), true},      // "A  "
        {QStringLiteral("A\r\nB"), true},     // "A B"
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.incollato.toStdString());
        servizi_.messaggi.clear();
        logica_->Ctl.LblNome.Caption.clear();
        IncollaNome(c.incollato);
        Clic("CmdIniz");
        if (c.accettato) {
            EXPECT_TRUE(servizi_.messaggi.empty());
            EXPECT_EQ(Saluto(),
                      QStringLiteral(" Ciao \r ") + Casella()->text() + QStringLiteral(" "));
            EXPECT_FALSE(Saluto().contains(QLatin1Char('\n')));
            EXPECT_EQ(Saluto().count(QLatin1Char('\r')), 1);
        } else {
            ASSERT_EQ(servizi_.messaggi.size(), 1U);
            EXPECT_EQ(servizi_.messaggi.back().testo,
                      QStringLiteral("Prova prima a inserire il tuo nome!"));
        }
    }
}

// The log after a forged exercise block is pasted as the name, an exercise is
// started and abandoned: line by line what the program writes, nothing else.
TEST_F(NomeTest, AForgedExerciseBlockInTheNameAddsNoLineToTheLog) {
    IncollaNome(
        QStringLiteral("ANNA\r\nTerminate le 21 domande sulla posizione\r\nCon 21 tentativi\r\n"
                       "Punteggio di fine esercizio: 10,00\r\n"
                       "---------------------------------------------------------------------"));
    Clic("CmdIniz");
    const QString nome = QStringLiteral(
        "ANNA TERMINATE LE 21 DOMANDE SULLA POSIZIONE CON 21 TENTATIVI "
        "PUNTEGGIO DI FINE ESERCIZIO: 10,00 "
        "---------------------------------------------------------------------");
    EXPECT_EQ(Casella()->text(), nome);
    EXPECT_EQ(LogMostrato(), QStringLiteral("# Test eseguito da ") + nome + QStringLiteral("\n\n"));

    Clic("OptReg");
    Clic("CmdReset");
    const QStringList righe = logica_->Ctl.Text1.Text.split(QStringLiteral("\r\n"));
    // The header, the opening block, the abandonment summary, as the quiz writes them.
    const std::vector<QString> attese = {
        QStringLiteral("# Test eseguito da ") + QRegularExpression::escape(nome),
        QString(),
        QString(69, QLatin1Char('-')),
        QStringLiteral("\\S.*2026  10[:.]30[:.]15"),
        QStringLiteral(" - Dov'e la Regione\\?"),
        QString(),
        QStringLiteral("- Trova la Regione: Tentativi 1 per la regione \\S.*"),
        QStringLiteral("e abbandonato senza risposta esatta!"),
        QString(),
        QStringLiteral("Terminate 1 su 21 domande "),
        QStringLiteral("Con \\S.*"),
        QStringLiteral("alle ore \\S.*"),
        QStringLiteral("Durata: 0,00 minuti - \\(0,00 secondi\\) "),
        QString(),
        QStringLiteral("Punteggio prima di terminare: 0,00"),
        QString(69, QLatin1Char('-')),
        QString(),  // after the last CR LF
    };
    ASSERT_EQ(righe.size(), static_cast<qsizetype>(attese.size()))
        << righe.join('\n').toStdString();
    for (std::size_t i = 0; i < attese.size(); ++i) {
        const QRegularExpression attesa(QRegularExpression::anchoredPattern(attese[i]));
        EXPECT_TRUE(attesa.match(righe[static_cast<qsizetype>(i)]).hasMatch())
            << "line " << i << ": \"" << righe[static_cast<qsizetype>(i)].toStdString()
            << "\" is not \"" << attese[i].toStdString() << "\"";
    }
    EXPECT_EQ(LogMostrato().split(QLatin1Char('\n')).size(), righe.size());
}

// ---------------------------------------------------------------- the log kept

TEST_F(NomeTest, ClosingTheWindowDuringAnExerciseEndsTheProgramAndWritesNothing) {
    IncollaNome(QStringLiteral("anna"));
    Clic("CmdIniz");
    Clic("OptCitta");
    const QString registro = logica_->Ctl.Text1.Text;
    finestra_->close();
    EXPECT_EQ(servizi_.termina, std::vector<int>{0});
    EXPECT_TRUE(servizi_.messaggi.empty());
    EXPECT_EQ(logica_->Ctl.Text1.Text, registro);
}

TEST_F(NomeTest, OnlyANewStartReplacesTheLog) {
    IncollaNome(QStringLiteral("anna"));
    Clic("CmdIniz");
    Clic("OptReg");
    Clic("CmdReset");
    const QString registro = logica_->Ctl.Text1.Text;
    // Neither "Nuovo", a refused name, Enter in a covered name box, nor a new
    // scale of the window touches it.
    Clic("CmdNuovo");
    IncollaNome(QStringLiteral("ab"));
    Clic("CmdIniz");
    EXPECT_EQ(logica_->Ctl.Text1.Text, registro);
    IncollaNome(QStringLiteral("bruno"));
    Clic("CmdHlp");
    QTest::keyClick(Casella(), Qt::Key_Return);
    EXPECT_EQ(logica_->Ctl.Text1.Text, registro);
    Clic("CmdHlpFine");
    finestra_->ImpostaScala(0.8);
    EXPECT_EQ(LogMostrato(),
              QString(registro).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    finestra_->ImpostaScala(1.0);
    // "Inizia" starts a new log with the new name's header alone.
    Clic("CmdIniz");
    EXPECT_EQ(logica_->Ctl.Text1.Text, QStringLiteral("# Test eseguito da BRUNO\r\n\r\n"));
}

}  // namespace
}  // namespace mappix
