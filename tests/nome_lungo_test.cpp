// A name of 100,000 letters, typed into the real window: the quiz plays on,
// and the name is shown and logged as it was typed, upper-cased. How fast the
// clicks stay is measured by the benchmarks, not here.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "etichetta.h"
#include "finestra.h"
#include "frm_citta.h"
#include "oracolo.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

class NomeLungo : public ::testing::Test {
protected:
    ServiziSemeFisso servizi{11};
    FrmCitta logica{servizi};
    FinestraCitta* finestra = nullptr;

    void SetUp() override {
        logica.Form_Initialize();
        finestra = new FinestraCitta(logica);
        finestra->show();
        QApplication::processEvents();
    }
    void TearDown() override { delete finestra; }

    void Clic(const QString& nome) {
        auto* widget = finestra->findChild<QWidget*>(nome);
        ASSERT_NE(widget, nullptr) << nome.toStdString();
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QApplication::processEvents();
    }
    QString Testo(const char* nome) const {
        return finestra->findChild<Etichetta*>(QLatin1String(nome))->testo();
    }
};

TEST_F(NomeLungo, CentomilaLettereNonRallentanoIClic) {
    auto* casella = finestra->findChild<QLineEdit*>(QStringLiteral("TxtNome"));
    const QString nome = QStringLiteral("ab ").repeated(20000) + QString(40000, QLatin1Char('z'));
    casella->setFocus();
    casella->insert(nome);  // as a paste would
    QApplication::processEvents();
    ASSERT_EQ(logica.Ctl.TxtNome.Text.size(), 100000);

    for (int giro = 0; giro < 5; ++giro) {
        Clic(QStringLiteral("CmdIniz"));
        Clic(QStringLiteral("OptReg"));
        for (int domanda = 0; domanda < 3; ++domanda) {
            const QString soggetto = Testo("LblDom0");
            const int giusto = oracolo::Risposta(Testo("LblDom1"), soggetto, false);
            Clic(QStringLiteral("LbLReg(%1)").arg(giusto));
            EXPECT_TRUE(logica.Ctl.Text1.Text.endsWith(
                QStringLiteral("Tentativi 1 per la regione ") + soggetto + QStringLiteral("\r\n")));
        }
        Clic(QStringLiteral("CmdNuovo"));
    }
    const QString maiuscolo = nome.toUpper();
    EXPECT_EQ(logica.Ctl.TxtNome.Text, maiuscolo);
    EXPECT_EQ(casella->text(), maiuscolo);
    EXPECT_EQ(finestra->findChild<Etichetta*>(QStringLiteral("LblNome"))->testo(),
              QStringLiteral(" Ciao \r ") + maiuscolo + QStringLiteral(" "));
    EXPECT_TRUE(
        finestra->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
            ->toPlainText()
            .startsWith(QStringLiteral("# Test eseguito da ") + maiuscolo + QLatin1Char('\n')));
}

}  // namespace
}  // namespace mappix
