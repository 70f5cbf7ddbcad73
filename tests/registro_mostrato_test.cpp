// The test log on screen: the widget receives only what each event appended,
// shows CR LF and CR as line breaks, is rewritten when a new player starts,
// and the window keeps no second reference to the log text (a second
// reference would make every append of the logic copy the whole log).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

#include "etichetta.h"
#include "finestra.h"
#include "frm_citta.h"
#include "oracolo.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

const QString kTrattini(69, QLatin1Char('-'));

class RegistroMostratoTest : public ::testing::Test {
protected:
    void SetUp() override {
        logica_ = std::make_unique<FrmCitta>(servizi_);
        logica_->Form_Initialize();
        finestra_ = std::make_unique<FinestraCitta>(*logica_);
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
    }

    QWidget* Di(const QString& nome) const {
        QWidget* widget = finestra_->findChild<QWidget*>(nome);
        EXPECT_NE(widget, nullptr) << nome.toStdString();
        return widget;
    }
    void Clic(const QString& nome) {
        QWidget* widget = Di(nome);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    void Inizia(const QString& nome) {
        auto* casella = static_cast<QLineEdit*>(Di(QStringLiteral("TxtNome")));
        casella->selectAll();
        QTest::keyClicks(casella, nome);
        Clic(QStringLiteral("CmdIniz"));
    }
    QString Mostrato() const {
        return finestra_->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
    }
    // The log as it must look on screen, every CR LF and CR a line break.
    QString ComeACapo() const {
        QString testo = logica_->Ctl.Text1.Text;
        testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return testo;
    }

    ServiziSemeFisso servizi_{7};
    std::unique_ptr<FrmCitta> logica_;
    std::unique_ptr<FinestraCitta> finestra_;
};

TEST_F(RegistroMostratoTest, EachEventAddsItsPieceAndTheLogTextIsNeverShared) {
    Inizia(QStringLiteral("giulia"));
    EXPECT_EQ(Mostrato(), QStringLiteral("# Test eseguito da GIULIA\n\n"));

    // Two exercises with wrong and right clicks, the second abandoned.
    Clic(QStringLiteral("OptReg"));
    for (int clic = 0; clic < 40 && logica_->EsercizioInCorso(); ++clic) {
        const auto testo = [this](const char* nome) {
            return finestra_->findChild<Etichetta*>(QLatin1String(nome))->testo();
        };
        const int giusto = oracolo::Risposta(testo("LblDom1"), testo("LblDom0"), false);
        const int area = clic % 3 == 0 ? (giusto + 1) % 21 : giusto;
        Clic(QStringLiteral("LbLReg(%1)").arg(area));
        ASSERT_EQ(Mostrato(), ComeACapo()) << "after click " << clic;
        ASSERT_TRUE(logica_->Ctl.Text1.Text.isDetached()) << "the window holds the log text";
    }
    EXPECT_FALSE(logica_->EsercizioInCorso());
    EXPECT_TRUE(Mostrato().endsWith(QString(43, QLatin1Char('=')) + QStringLiteral("\n\n")));

    Clic(QStringLiteral("OptCitta"));
    const QString citta = finestra_->findChild<Etichetta*>(QStringLiteral("LblDom0"))->testo();
    Clic(QStringLiteral("LblCit(%1)").arg(oracolo::CittaDiNome(citta) == 1 ? 2 : 1));
    Clic(QStringLiteral("CmdReset"));
    EXPECT_EQ(Mostrato(), ComeACapo());
    EXPECT_TRUE(logica_->Ctl.Text1.Text.isDetached());
    EXPECT_TRUE(Mostrato().contains(
        QStringLiteral("e abbandonato senza risposta esatta!\n\nTerminate 1 su 107 domande \n"
                       "Con 2 tentativi complessivi\nalle ore ")));
    EXPECT_TRUE(Mostrato().endsWith(kTrattini + QStringLiteral("\n")));
    EXPECT_FALSE(Mostrato().contains(QLatin1Char('\r')));
}

TEST_F(RegistroMostratoTest, ANewPlayerRewritesTheLogEvenAtTheSameLength) {
    Inizia(QStringLiteral("abc"));
    Clic(QStringLiteral("CmdNuovo"));
    Inizia(QStringLiteral("xyz"));
    EXPECT_EQ(Mostrato(), QStringLiteral("# Test eseguito da XYZ\n\n"));

    // A longer log replaced by a shorter one.
    Clic(QStringLiteral("OptReg"));
    Clic(QStringLiteral("CmdReset"));
    Clic(QStringLiteral("CmdNuovo"));
    Inizia(QStringLiteral("giulia"));
    EXPECT_EQ(Mostrato(), QStringLiteral("# Test eseguito da GIULIA\n\n"));
}

TEST_F(RegistroMostratoTest, ACrLfSplitBetweenTwoAppendsIsOneLineBreak) {
    Inizia(QStringLiteral("giulia"));
    logica_->Ctl.Text1.Text += QStringLiteral("uno\r");
    finestra_->Aggiorna();
    logica_->Ctl.Text1.Text += QStringLiteral("\ndue\r\rtre");
    finestra_->Aggiorna();
    EXPECT_EQ(Mostrato(), QStringLiteral("# Test eseguito da GIULIA\n\nuno\ndue\n\ntre"));
}

}  // namespace
}  // namespace mappix
