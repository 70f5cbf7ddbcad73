// Start-up, the player and the log of every exercise, compared whole against
// the texts the quiz must write. The fake's draw returns 0 when not scripted,
// so unscripted questions come in index order.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "dati/mappa.h"
#include "frm_citta.h"
#include "oracolo.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

using oracolo::U;

const QString kCrLf = QStringLiteral("\r\n");
const QString kIntestazione = QStringLiteral("# Test eseguito da MARIO\r\n\r\n");
const QString kData = QStringLiteral("mer 09 dic 2026  10:30:15\r\n");
constexpr float kInizio = 37815;  // 10:30:15

class Registro : public ::testing::Test {
protected:
    ServiziFinti servizi;
    FrmCitta f{servizi};

    void SetUp() override {
        f.Form_Initialize();
        f.Form_Load();
        f.TxtNome_Change(QStringLiteral("mario"));
        f.CmdIniz_Click();
        servizi.timer = kInizio;
    }
    // The area or marker that answers the question on screen.
    int16_t Giusto() const {
        return static_cast<int16_t>(oracolo::Risposta(f.Ctl.LblDom1.Caption, f.Ctl.LblDom0.Caption,
                                                      f.Ctl.FramCitta.Visible));
    }
    // The log written since the header.
    QString Dopo() const { return f.Ctl.Text1.Text.mid(kIntestazione.size()); }
    void Fine(float secondi, QTime ora) {
        servizi.timer = kInizio + secondi;
        servizi.adesso.setTime(ora);
    }
};

TEST(Avvio, LoSchermoDeveEssereLargoAlmenoTredicimilacinquecentoTwip) {
    ServiziFinti largo;
    largo.larghezzaTwips = 13500;
    FrmCitta a(largo);
    a.Form_Initialize();
    EXPECT_TRUE(largo.messaggi.empty());
    EXPECT_TRUE(largo.termina.empty());

    ServiziFinti stretto;
    stretto.larghezzaTwips = 13499;
    FrmCitta b(stretto);
    b.Form_Initialize();
    ASSERT_EQ(stretto.messaggi.size(), 1U);
    EXPECT_EQ(stretto.messaggi[0].testo, U(dati::kSchermoStretto));
    EXPECT_EQ(stretto.messaggi[0].titolo, U(dati::kTitoloSchermoStretto));
    EXPECT_EQ(stretto.messaggi[0].icona, Icona::Nessuna);
    EXPECT_EQ(stretto.termina, std::vector<int>{1});
}

TEST(Avvio, IlCaricamentoPreparaLoSchermoIniziale) {
    ServiziFinti servizi;
    FrmCitta f(servizi);
    f.Form_Initialize();
    f.Form_Load();
    EXPECT_FALSE(f.Ctl.FramRegio.Visible);
    EXPECT_FALSE(f.Ctl.FramCitta.Visible);
    EXPECT_FALSE(f.Ctl.Frame1.Visible);
    EXPECT_FALSE(f.Ctl.FrmHelp.Visible);
    EXPECT_EQ(f.Ctl.FrmHelp.Left, 3195);
    EXPECT_EQ(f.Ctl.FrmHelp.Top, 135);
    EXPECT_FALSE(f.Ctl.CmdReset.Enabled);
    for (std::size_t i = 1; i <= 107; ++i) {
        EXPECT_EQ(f.Ctl.LblCit[i].Left, dati::kMarcatori[i].left) << i;
        EXPECT_EQ(f.Ctl.LblCit[i].Top, dati::kMarcatori[i].top) << i;
    }
    for (std::size_t i = 0; i < dati::kAree.size(); ++i) {
        const dati::Area& a = dati::kAree[i];
        const Controllo& area = f.Ctl.LbLReg.at(i);
        EXPECT_EQ(std::tuple(area.Left, area.Top, area.Width, area.Height),
                  std::tuple(a.left, a.top, a.width, a.height))
            << i;
    }
    EXPECT_EQ(f.Ctl.LbLInfo.Caption, U(dati::kInformazioni));
    EXPECT_EQ(f.Ctl.Text2.Text, U(dati::kAiuto));
}

TEST(Avvio, UnNomeCortoVieneRifiutatoSenzaCambiareNulla) {
    ServiziFinti servizi;
    FrmCitta f(servizi);
    f.Form_Initialize();
    f.Form_Load();
    f.TxtNome_Change(QStringLiteral("al"));
    f.CmdIniz_Click();
    ASSERT_EQ(servizi.messaggi.size(), 1U);
    EXPECT_EQ(servizi.messaggi[0].testo, U(dati::kNomeMancante));
    EXPECT_EQ(servizi.messaggi[0].titolo, U(dati::kTitoloNomeMancante));
    EXPECT_EQ(servizi.messaggi[0].icona, Icona::Critica);
    EXPECT_FALSE(f.Ctl.Frame1.Visible);
    EXPECT_TRUE(f.Ctl.Text1.Text.isEmpty());
    EXPECT_EQ(f.Ctl.TxtNome.Text, QStringLiteral("al"));
}

TEST_F(Registro, IniziaSalutaEScriveSoloLIntestazione) {
    EXPECT_EQ(f.Ctl.TxtNome.Text, QStringLiteral("MARIO"));
    EXPECT_EQ(f.Ctl.LblNome.Caption, QStringLiteral(" Ciao \r MARIO "));
    EXPECT_EQ(f.Ctl.Text1.Text, kIntestazione);
    EXPECT_TRUE(f.Ctl.Frame1.Visible);
    // A second press starts the log again from its header.
    f.OptReg_Click();
    f.CmdReset_Click();
    f.CmdIniz_Click();
    EXPECT_EQ(f.Ctl.Text1.Text, kIntestazione);
}

// With nothing scripted the draw gives the lowest index of the pool first.
TEST_F(Registro, OgniEsercizioApreIlSuoBlocco) {
    const char* primi[] = {dati::kRegioni[0].nome, dati::kCitta[dati::kRegioni[0].capoluogo].nome,
                           dati::kCitta[1].nome, dati::kCitta[dati::kRegioni[0].capoluogo].nome,
                           dati::kCitta[1].nome};
    for (std::size_t i = 0; i < dati::kEsercizi.size(); ++i) {
        const dati::Esercizio& caso = dati::kEsercizi[i];
        SCOPED_TRACE(caso.opzione);
        const bool suCitta = caso.mappa == dati::Mappa::Citta;
        f.CmdIniz_Click();
        f.Ctl.LblNote.Caption = QStringLiteral("vecchia nota");
        f.Opt_Click(static_cast<Esercizio>(i));
        EXPECT_EQ(f.Ctl.Text1.Text, kIntestazione + QString(caso.trattini, QLatin1Char('-')) +
                                        kCrLf + kData + U(caso.intestazione) + kCrLf + kCrLf);
        EXPECT_EQ(f.Ctl.LblDom1.Caption, U(caso.domanda));
        EXPECT_EQ(f.Ctl.LblDom0.Caption, U(primi[i]));
        EXPECT_EQ(f.Ctl.LblTentativi.Caption, U(dati::kPrimoTentativo) + QStringLiteral("1"));
        EXPECT_EQ(f.Ctl.LblNote.Caption, QString());
        EXPECT_EQ(f.NumDomande, caso.domande);
        EXPECT_EQ(f.Ctl.ProgressBar1.Min, 1.0F);
        EXPECT_EQ(f.Ctl.ProgressBar1.Max, static_cast<float>(caso.domande));
        EXPECT_EQ(f.Ctl.ProgressBar1.Value, 1.0F);
        EXPECT_EQ(f.Ctl.FramCitta.Visible, suCitta);
        EXPECT_EQ(f.Ctl.FramRegio.Visible, !suCitta);
        EXPECT_FALSE(f.Ctl.Frame1.Enabled);
        EXPECT_TRUE(f.Ctl.CmdReset.Enabled);
        EXPECT_TRUE(f.OpzioneDi(static_cast<Esercizio>(i)).Value);
        f.CmdReset_Click();
    }
}

TEST_F(Registro, RisposteSullaMappaDelleRegioni) {
    f.OptCittaReg_Click();  // Torino, region 2
    f.LbLReg_Click(3);
    f.LbLReg_Click(21);
    EXPECT_EQ(f.Tentativo, 3);
    EXPECT_EQ(f.TotTentativi, 3);
    EXPECT_EQ(f.Ctl.LblTentativi.Caption, QStringLiteral("Tentativo Nr. 3"));
    EXPECT_EQ(f.Ctl.LblTotTent.Caption, QStringLiteral("Tentativi complessivi 3"));
    EXPECT_EQ(f.Ctl.LblNumDom.Caption, QStringLiteral("Domanda Nr. 1 di 107"));
    EXPECT_EQ(servizi.beep, 0);
    const QString primaDellaRisposta = f.Ctl.Text1.Text;
    f.LbLReg_Click(2);
    EXPECT_EQ(f.Ctl.Text1.Text,
              primaDellaRisposta + QStringLiteral("Tentativi 3 per il capoluogo Torino\r\n"));
    EXPECT_EQ(f.Ctl.LblTentativi.Caption, QStringLiteral("Tentativo Nr. 1"));
    EXPECT_EQ(f.Ctl.LblDom0.Caption, QStringLiteral("Novara"));
    EXPECT_EQ(f.Ctl.LblNumDom.Caption, QStringLiteral("Domanda Nr. 2 di 107"));
    EXPECT_EQ(f.Ctl.LblTotTent.Caption, QStringLiteral("Tentativi complessivi 4"));
    EXPECT_EQ(f.Ctl.ProgressBar1.Value, 2.0F);
    EXPECT_EQ(servizi.beep, 1);
    // The city map is silent during a region exercise.
    const QString registro = f.Ctl.Text1.Text;
    f.LblCit_Click(2);
    EXPECT_EQ(f.TotTentativi, 4);
    EXPECT_EQ(f.Ctl.Text1.Text, registro);
}

TEST_F(Registro, LaSecondaAreaDellaPugliaValeComePuglia) {
    servizi.casuali = {ServiziFinti::Scegli(15, 0, 20)};
    f.OptReg_Click();
    EXPECT_EQ(f.Ctl.LblDom0.Caption, QStringLiteral("Puglia"));
    f.LbLReg_Click(21);
    EXPECT_TRUE(f.Ctl.Text1.Text.endsWith(QStringLiteral("Tentativi 1 per la regione Puglia\r\n")));
}

TEST_F(Registro, UnClicSbagliatoSullaMappaDelleCittaDescriveLaCittaCliccata) {
    f.OptCitta_Click();  // Torino
    const QString registro = f.Ctl.Text1.Text;
    f.LblCit_Click(71);
    EXPECT_EQ(f.Ctl.LblNote.Caption, QStringLiteral("Errore questa è la città di Chieti (CH) in "
                                                    "Abruzzo.  Provincia da 104 Comuni."));
    f.LblCit_Click(9);
    EXPECT_EQ(f.Ctl.LblNote.Caption, QStringLiteral("Errore questa è la città di Milano (MI) in "
                                                    "Lombardia.  Capoluogo da 188 Comuni."));
    f.LblCit_Click(43);
    EXPECT_EQ(f.Ctl.LblNote.Caption,
              QStringLiteral("Errore questa è la città di San Marino (RSM) in Repubblica di San "
                             "Marino.  Capoluogo da 0 Comuni."));
    f.LblCit_Click(41);
    EXPECT_EQ(f.Ctl.LblNote.Caption, QStringLiteral("Errore questa è la città di Cesena (FC) in "
                                                    "Emilia Romagna.  Provincia da 0 Comuni."));
    f.LblCit_Click(72);
    EXPECT_TRUE(f.Ctl.LblNote.Caption.endsWith(QStringLiteral("Provincia da 46 Comuni.")));
    EXPECT_EQ(f.Ctl.Text1.Text, registro);
    EXPECT_EQ(f.Tentativo, 6);
    EXPECT_EQ(f.Ctl.LblNumDom.Caption, QStringLiteral("Domanda Nr. 1 di 107"));
    f.LblCit_Click(1);
    EXPECT_EQ(f.Ctl.Text1.Text, registro + QStringLiteral("Tentativi 6 per la città Torino\r\n"));
    EXPECT_EQ(f.Ctl.LblNote.Caption, QStringLiteral("INDOVINATO!"));
    // A region area does nothing during a city exercise.
    f.LbLReg_Click(2);
    EXPECT_EQ(f.Tentativo, 1);
}

TEST_F(Registro, NelCapoluogoSanMarinoSiTrovaColSuoMarcatore) {
    f.OptCapol_Click();  // region 0: San Marino, city 43
    ASSERT_EQ(f.Ctl.LblDom0.Caption, QStringLiteral("San Marino"));
    f.LblCit_Click(43);
    EXPECT_TRUE(
        f.Ctl.Text1.Text.endsWith(QStringLiteral("Tentativi 1 per il capoluogo San Marino\r\n")));
    EXPECT_EQ(f.Ctl.LblDom0.Caption, QStringLiteral("Aosta"));  // region 1's capital, city 106
    f.LblCit_Click(107);
    f.LblCit_Click(106);
    EXPECT_TRUE(
        f.Ctl.Text1.Text.endsWith(QStringLiteral("Tentativi 2 per il capoluogo Aosta\r\n")));
}

QString Nota(int c) {
    const dati::Citta& citta = dati::kCitta[static_cast<std::size_t>(c)];
    return U(dati::kErrore) + U(citta.nome) + QStringLiteral(" (") + U(citta.sigla) +
           QStringLiteral(") in ") +
           U(dati::kRegioni[static_cast<std::size_t>(citta.regione)].nome) + QStringLiteral(". ") +
           U(citta.capoluogo ? dati::kCapoluogoDa : dati::kProvinciaDa) +
           QString::number(citta.comuni) + U(dati::kComuni);
}

class Completo : public Registro, public ::testing::WithParamInterface<std::size_t> {};

// Each exercise played to its end in a random order of questions, the right
// answer read off the question shown, a wrong click before every third one;
// 6000 seconds from start to end.
TEST_P(Completo, IlRegistroInteroDiUnEsercizioFinito) {
    const dati::Esercizio& es = dati::kEsercizi.at(GetParam());
    const bool suCitta = es.mappa == dati::Mappa::Citta;
    std::mt19937 caso(static_cast<unsigned>(GetParam()) + 7);
    for (int i = 0; i < 20000; ++i) {
        servizi.casuali.push_back(std::uniform_real_distribution<double>(0, 1)(caso));
    }
    f.Opt_Click(static_cast<Esercizio>(GetParam()));
    QString atteso = f.Ctl.Text1.Text;
    int clic = 0;
    for (int q = 1; q <= es.domande; ++q) {
        SCOPED_TRACE(q);
        const QString soggetto = f.Ctl.LblDom0.Caption;
        const int16_t giusto = Giusto();
        ASSERT_GE(giusto, 0) << soggetto.toStdString();
        const int tentativi = q % 3 == 1 ? 2 : 1;
        if (tentativi == 2) {
            const auto sbagliato =
                static_cast<int16_t>(suCitta ? giusto % 107 + 1 : (giusto + 1) % 21);
            suCitta ? f.LblCit_Click(sbagliato) : f.LbLReg_Click(sbagliato);
            EXPECT_EQ(f.Ctl.LblNote.Caption, suCitta ? Nota(sbagliato) : QString());
            EXPECT_EQ(f.Ctl.LblTentativi.Caption, U(dati::kTentativo) + QStringLiteral("2"));
        }
        clic += tentativi;
        if (q == es.domande) {
            Fine(6000, QTime(12, 10, 15));
        }
        suCitta ? f.LblCit_Click(giusto) : f.LbLReg_Click(giusto == 15 && q % 2 ? 21 : giusto);
        atteso += QStringLiteral("Tentativi %1").arg(tentativi) + U(es.risolta) + soggetto + kCrLf;
        if (q < es.domande) {
            ASSERT_EQ(f.Ctl.Text1.Text, atteso);
            EXPECT_EQ(f.Ctl.LblNote.Caption, suCitta ? U(dati::kIndovinato) : QString());
            EXPECT_EQ(f.Ctl.LblTotTent.Caption, U(dati::kTotale) + QString::number(clic + 1));
            EXPECT_EQ(f.Ctl.LblNumDom.Caption, U(dati::kDomanda) + QString::number(q + 1) +
                                                   U(dati::kDi) + QString::number(es.domande));
        }
    }
    const QString punteggio = es.domande == 21 ? QStringLiteral("7,50") : QStringLiteral("7,48");
    atteso += kCrLf + QStringLiteral("Terminate le ") + QString::number(es.domande) +
              U(es.terminateT) + kCrLf + U(es.doveW) + QString::number(clic) +
              QStringLiteral(
                  " tentativi complessivi\r\nalle ore 12:10:15. \r\n"
                  "Durata: 100,00 minuti - (6.000,00 secondi) \r\n\r\n") +
              U(dati::kPunteggioFine) + punteggio + kCrLf + QString(43, QLatin1Char('=')) + kCrLf +
              kCrLf;
    EXPECT_EQ(f.Ctl.Text1.Text.toStdString(), atteso.toStdString());
    EXPECT_EQ(f.Ctl.LblDom1.Caption, U(dati::kNonHoPiuDomande));
    EXPECT_EQ(f.Ctl.LblDom0.Caption, U(es.chiestoX));
    EXPECT_EQ(f.Ctl.LblTentativi.Caption, U(es.chiestoY));
    EXPECT_EQ(f.Ctl.LblNumDom.Caption, U(dati::kPunteggio) + punteggio);
    EXPECT_EQ(servizi.beep, es.domande - 1);
    EXPECT_FALSE(f.EsercizioInCorso());
    EXPECT_FALSE(f.Ctl.CmdReset.Enabled);
    EXPECT_TRUE(f.Ctl.Frame1.Enabled);
    // The map falls silent.
    suCitta ? f.LblCit_Click(1) : f.LbLReg_Click(0);
    EXPECT_EQ(f.Ctl.Text1.Text.toStdString(), atteso.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Esercizi, Completo, ::testing::Range<std::size_t>(0, 5),
                         [](const ::testing::TestParamInfo<std::size_t>& i) {
                             return std::string(dati::kEsercizi.at(i.param).opzione);
                         });

TEST_F(Registro, AbbandonoAllaPrimaDomandaSenzaClic) {
    f.OptCittaReg_Click();
    const QString apertura = f.Ctl.Text1.Text;
    Fine(150, QTime(10, 32, 45));
    f.CmdReset_Click();
    EXPECT_EQ(f.Ctl.Text1.Text.mid(apertura.size()),
              QStringLiteral("- Trova Città di regione: Tentativi 1 per la citta' di Torino\r\n"
                             "e abbandonato senza risposta esatta!\r\n"
                             "\r\nTerminate 1 su 107 domande \r\n"
                             "Con 1 tentativi complessivi\r\n"
                             "alle ore 10:32:45. \r\n"
                             "Durata: 2,50 minuti - (150,00 secondi) \r\n\r\n"
                             "Punteggio prima di terminare: 0,00\r\n") +
                  QString(69, QLatin1Char('-')) + kCrLf);
    EXPECT_EQ(f.NumDom, 0);
    EXPECT_TRUE(f.Ctl.LblDom1.Caption.isEmpty());
    EXPECT_TRUE(f.Ctl.LblDom0.Caption.isEmpty());
    EXPECT_TRUE(f.Ctl.LblTentativi.Caption.isEmpty());
    EXPECT_TRUE(f.Ctl.LblNumDom.Caption.isEmpty());
    EXPECT_FALSE(f.EsercizioInCorso());
}

TEST_F(Registro, AbbandonoDopoTreClicValeZeroEDopoQuattroRisposteDieci) {
    f.OptReg_Click();
    f.LbLReg_Click(5);
    f.LbLReg_Click(6);
    f.LbLReg_Click(7);  // TotTentativi is now 4: the question number counts in full
    f.CmdReset_Click();
    EXPECT_TRUE(f.Ctl.Text1.Text.contains(QStringLiteral(
        "- Trova la Regione: Tentativi 4 per la regione Repubblica di San Marino\r\n")));
    EXPECT_TRUE(f.Ctl.Text1.Text.contains(QStringLiteral("\r\nTerminate 1 su 21 domande \r\n")));
    EXPECT_TRUE(f.Ctl.Text1.Text.endsWith(QStringLiteral("Punteggio prima di terminare: 2,50\r\n") +
                                          QString(69, QLatin1Char('-')) + kCrLf));
    // The status labels that the clicks had written are emptied.
    for (const ConTesto* etichetta :
         {&f.Ctl.LblDom1, &f.Ctl.LblDom0, &f.Ctl.LblTentativi, &f.Ctl.LblNumDom}) {
        EXPECT_EQ(etichetta->Caption, QString());
    }

    f.OptCapolReg_Click();
    f.LbLReg_Click(5);
    f.LbLReg_Click(6);  // two wrong clicks: TotTentativi 3, the score is 0
    f.CmdReset_Click();
    EXPECT_TRUE(f.Ctl.Text1.Text.contains(QStringLiteral(
        "- Trova Capoluogo di regione: Tentativi 3 per il capoluogo San Marino\r\n")));
    EXPECT_TRUE(f.Ctl.Text1.Text.endsWith(QStringLiteral("Punteggio prima di terminare: 0,00\r\n") +
                                          QString(69, QLatin1Char('-')) + kCrLf));

    f.OptCapol_Click();
    for (int16_t r = 0; r < 4; ++r) {
        f.LblCit_Click(Giusto());
    }
    f.CmdReset_Click();
    EXPECT_TRUE(f.Ctl.Text1.Text.contains(
        QStringLiteral("-Trova Capoluogo: Tentativi 1 per la citta' di Trento\r\n")));
    EXPECT_TRUE(
        f.Ctl.Text1.Text.contains(QStringLiteral("\r\nTerminate 5 su 21 domande \r\n"
                                                 "Con 5 tentativi complessivi\r\n")));
    EXPECT_TRUE(
        f.Ctl.Text1.Text.endsWith(QStringLiteral("Punteggio prima di terminare: 10,00\r\n") +
                                  QString(69, QLatin1Char('-')) + kCrLf));
}

TEST_F(Registro, NuovoLasciaIlRegistroEILContatori) {
    f.OptCitta_Click();
    f.LblCit_Click(5);
    const QString registro = f.Ctl.Text1.Text;
    f.CmdNuovo_Click();
    EXPECT_EQ(f.Ctl.Text1.Text, registro);
    EXPECT_FALSE(f.Ctl.FramCitta.Visible);
    EXPECT_FALSE(f.Ctl.Frame1.Visible);
    EXPECT_FALSE(f.Ctl.CmdReset.Enabled);
    EXPECT_FALSE(f.EsercizioInCorso());
    EXPECT_EQ(f.Ctl.TxtNome.Text, QStringLiteral("MARIO"));
    EXPECT_EQ(f.Ctl.LblTentativi.Caption, QStringLiteral("Tentativo Nr. 2"));
    f.CmdFine_Click();
    EXPECT_EQ(servizi.termina, std::vector<int>{0});
}

TEST_F(Registro, IlPannelloDiAiutoSiApreESiChiudeSoloColSuoPulsante) {
    f.CmdHlp_Click();
    f.CmdHlp_Click();
    EXPECT_TRUE(f.Ctl.FrmHelp.Visible);
    f.OptReg_Click();
    f.CmdNuovo_Click();
    EXPECT_TRUE(f.Ctl.FrmHelp.Visible);
    f.CmdHlpFine_Click();
    f.CmdHlpFine_Click();
    EXPECT_FALSE(f.Ctl.FrmHelp.Visible);
}

}  // namespace
}  // namespace mappix
