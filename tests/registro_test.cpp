// Start-up, the player and the log of every exercise, compared whole against
// the texts the quiz must write. The fake's draw returns 0 when not scripted,
// so unscripted questions come in index order.
#include <gtest/gtest.h>

#include "frm_citta.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

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
    EXPECT_EQ(stretto.messaggi[0].testo,
              QStringLiteral("Errore!\r\nAumentare la risoluzione!\r\nLa risoluzione minima "
                             "consigliata è di 1024x760."));
    EXPECT_EQ(stretto.messaggi[0].titolo, QStringLiteral("Mappix"));
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
    EXPECT_EQ(f.Ctl.LblCit[43].Left, 4455);
    EXPECT_EQ(f.Ctl.LblCit[43].Top, 3240);
    EXPECT_EQ(f.Ctl.LblCit[107].Left, 4410);
    EXPECT_TRUE(f.Ctl.LbLInfo.Caption.startsWith(
        QStringLiteral("Metti alla prova le tue conoscenze sulla posizione delle regioni, delle "
                       "città capoluogo di regione e di provincia italiane. \rPer rispondere")));
    EXPECT_TRUE(f.Ctl.LbLInfo.Caption.endsWith(
        QStringLiteral("Il programma assegna un punteggio finale. \r\rRisoluzione schermo minima "
                       "1024 x 760 !")));
    EXPECT_TRUE(f.Ctl.Text2.Text.contains(
        QStringLiteral("risulta piuttosto complicato!\r\n\r\nAlla fine di ogni ciclo")));
    EXPECT_TRUE(
        f.Ctl.Text2.Text.contains(QStringLiteral("\r\n\r\nAttenzione:\r\n\r\n1. L'enclave")));
    EXPECT_TRUE(f.Ctl.Text2.Text.endsWith(QStringLiteral("della citta di Verbano-Cusio-Ossola.")));
    EXPECT_EQ(f.Modulo.Citta[1], " TO315S02Torino");
}

TEST(Avvio, UnNomeCortoVieneRifiutatoSenzaCambiareNulla) {
    ServiziFinti servizi;
    FrmCitta f(servizi);
    f.Form_Initialize();
    f.Form_Load();
    f.TxtNome_Change(QStringLiteral("al"));
    f.CmdIniz_Click();
    ASSERT_EQ(servizi.messaggi.size(), 1U);
    EXPECT_EQ(servizi.messaggi[0].testo, QStringLiteral("Prova prima a inserire il tuo nome!"));
    EXPECT_EQ(servizi.messaggi[0].titolo, QStringLiteral("Manca il tuo nome!"));
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

TEST_F(Registro, OgniEsercizioApreIlSuoBlocco) {
    struct Caso {
        Esercizio esercizio;
        int trattini;
        const char* intestazione;
        const char* domanda;
        const char* soggetto;
        bool suCitta;
        int domande;
    };
    const Caso casi[] = {
        {Esercizio::Reg, 69, " - Dov'e la Regione?", "Dove si trova la Regione",
         "Repubblica di San Marino", false, 21},
        {Esercizio::CapolReg, 66, " - Di quale regione e' capoluogo la città?",
         "Quale regione ha come capoluogo la città di", "San Marino", false, 21},
        {Esercizio::CittaReg, 66, " - In quale regione si trova la città di? ",
         "In quale regione si trova la città di", "Torino", false, 107},
        {Esercizio::Capol, 66, " - Dove si trova la città Capoluogo di regione",
         "Dove si trova la città Capoluogo di regione", "San Marino", true, 21},
        {Esercizio::Citta, 66, " - Dove di trova la città di? ",
         "In quale regione si trova la città di", "Torino", true, 107},
    };
    for (const Caso& caso : casi) {
        f.CmdIniz_Click();
        f.Ctl.LblNote.Caption = QStringLiteral("vecchia nota");
        f.Opt_Click(caso.esercizio);
        EXPECT_EQ(f.Ctl.Text1.Text, kIntestazione + QString(caso.trattini, QLatin1Char('-')) +
                                        kCrLf + kData + QString::fromUtf8(caso.intestazione) +
                                        kCrLf + kCrLf);
        EXPECT_EQ(f.Ctl.LblDom1.Caption, QString::fromUtf8(caso.domanda));
        EXPECT_EQ(f.Ctl.LblDom0.Caption, QString::fromUtf8(caso.soggetto));
        EXPECT_EQ(f.Ctl.LblTentativi.Caption, QStringLiteral("Tentativo nr. 1"));
        EXPECT_EQ(f.Ctl.LblNote.Caption, QString());
        EXPECT_EQ(f.NumDomande, caso.domande);
        EXPECT_EQ(f.Ctl.ProgressBar1.Min, 1.0F);
        EXPECT_EQ(f.Ctl.ProgressBar1.Max, static_cast<float>(caso.domande));
        EXPECT_EQ(f.Ctl.ProgressBar1.Value, 1.0F);
        EXPECT_EQ(f.Ctl.FramCitta.Visible, caso.suCitta);
        EXPECT_EQ(f.Ctl.FramRegio.Visible, !caso.suCitta);
        EXPECT_FALSE(f.Ctl.Frame1.Enabled);
        EXPECT_TRUE(f.Ctl.CmdReset.Enabled);
        EXPECT_EQ(f.EsercizioInCorso(), caso.esercizio);
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
    EXPECT_EQ(f.CitDom, 43);
    f.LblCit_Click(43);
    EXPECT_TRUE(
        f.Ctl.Text1.Text.endsWith(QStringLiteral("Tentativi 1 per il capoluogo San Marino\r\n")));
    EXPECT_EQ(f.Ctl.LblDom0.Caption, QStringLiteral("Aosta"));  // region 1's capital, city 106
    EXPECT_EQ(f.CitDom, 106);
}

TEST_F(Registro, UnEsercizioCompletoAUnClicPerDomanda) {
    f.OptReg_Click();
    QString attese;
    for (int r = 0; r <= 20; ++r) {
        attese += QStringLiteral("Tentativi 1 per la regione ") +
                  QString::fromStdString(f.Modulo.Regioni[static_cast<std::size_t>(r)]) + kCrLf;
        if (r == 20) {
            Fine(150, QTime(10, 32, 45));
        }
        f.LbLReg_Click(static_cast<int16_t>(r));
    }
    EXPECT_EQ(Dopo(), QString(69, QLatin1Char('-')) + kCrLf + kData +
                          QStringLiteral(" - Dov'e la Regione?\r\n\r\n") + attese +
                          QStringLiteral("\r\nTerminate le 21 domande sulla posizione\r\n"
                                         "delle regioni, con 21 tentativi complessivi\r\n"
                                         "alle ore 10:32:45. \r\n"
                                         "Durata: 2,50 minuti - (150,00 secondi) \r\n\r\n"
                                         "Punteggio di fine esercizio: 10,00\r\n"
                                         "===========================================\r\n\r\n"));
    EXPECT_EQ(f.Ctl.LblDom1.Caption, QStringLiteral("Non ho più domande!"));
    EXPECT_EQ(f.Ctl.LblDom0.Caption, QStringLiteral("Ti ho chiesto tutte"));
    EXPECT_EQ(f.Ctl.LblTentativi.Caption, QStringLiteral("le regioni"));
    EXPECT_EQ(f.Ctl.LblNumDom.Caption, QStringLiteral("Punteggio: 10,00"));
    EXPECT_EQ(f.Ctl.LblTotTent.Caption, QStringLiteral("Tentativi complessivi 21"));
    EXPECT_EQ(servizi.beep, 20);
    EXPECT_FALSE(f.EsercizioInCorso());
    EXPECT_FALSE(f.Ctl.CmdReset.Enabled);
    EXPECT_TRUE(f.Ctl.Frame1.Enabled);
    const QString registro = f.Ctl.Text1.Text;
    f.LbLReg_Click(0);
    EXPECT_EQ(f.Ctl.Text1.Text, registro);
}

TEST_F(Registro, DueClicPerDomandaDannoCinque) {
    f.OptCapol_Click();
    for (int r = 0; r <= 20; ++r) {
        f.LblCit_Click(f.CitDom == 1 ? 2 : 1);
        f.LblCit_Click(f.CitDom);
    }
    EXPECT_EQ(f.Ctl.LblNumDom.Caption, QStringLiteral("Punteggio: 5,00"));
    EXPECT_TRUE(f.Ctl.Text1.Text.contains(
        QStringLiteral("\r\nTerminate le 21 domande sui Capoluoghi\r\n"
                       "siti in tutta Italia, con 42 tentativi complessivi\r\n")));
    EXPECT_EQ(f.Ctl.LblDom0.Caption, QStringLiteral("Ti ho chiesto tutti"));
    EXPECT_EQ(f.Ctl.LblTentativi.Caption, QStringLiteral("i capoluoghi siti in Italia"));
    EXPECT_TRUE(f.Ctl.LblNote.Caption.startsWith(QStringLiteral("Errore")));
}

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
        f.LblCit_Click(f.CitDom);
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
