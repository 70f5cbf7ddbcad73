// Long sessions and unusual players at the level of the quiz logic: thousands
// of exercises in one window, names that are hard to count or upper-case,
// other locales, and a clock that crosses midnight.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <cmath>
#include <ostream>

#include "frm_citta.h"
#include "oracolo.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

// The area or marker that answers the question on screen.
int16_t Giusto(const FrmCitta& f) {
    return static_cast<int16_t>(
        oracolo::Risposta(f.Ctl.LblDom1.Caption, f.Ctl.LblDom0.Caption, f.Ctl.FramCitta.Visible));
}

// Answers the current question, with one wrong click first now and then.
void Rispondi(FrmCitta& f, bool sbaglia) {
    const int16_t giusto = Giusto(f);
    const auto sbagliato = static_cast<int16_t>(giusto == 1 ? 2 : 1);
    if (f.Ctl.FramCitta.Visible) {
        if (sbaglia) {
            f.LblCit_Click(sbagliato);
        }
        f.LblCit_Click(giusto);
    } else {
        if (sbaglia) {
            f.LbLReg_Click(sbagliato);
        }
        f.LbLReg_Click(giusto);
    }
}

long MemoriaResidenteKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> campi = statm.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toLong() * 4 : -1;
}

FrmCitta& Pronta(FrmCitta& f, const QString& nome = QStringLiteral("Mario")) {
    f.Form_Initialize();
    f.Form_Load();
    f.TxtNome_Change(nome);
    f.CmdIniz_Click();
    return f;
}

TEST(Resistenza, DiecimilaEserciziInUnaFinestra) {
    ServiziSemeFisso servizi(7);
    FrmCitta f(servizi);
    Pronta(f);
    constexpr int kEsercizi = 10000;
    const Esercizio giro[] = {Esercizio::Reg, Esercizio::CapolReg, Esercizio::Capol,
                              Esercizio::CittaReg, Esercizio::Citta};
    long memoriaIniziale = 0;
    qsizetype registroIniziale = 0;
    long chiusure = 0;
    for (int n = 0; n < kEsercizi; ++n) {
        const Esercizio e = giro[n % 5];
        const QString prima = f.Ctl.Text1.Text.left(64);
        f.Opt_Click(e);
        long clic = 0;
        while (f.EsercizioInCorso()) {
            Rispondi(f, clic % 7 == 3);
            ++clic;
            ASSERT_LT(clic, 1000) << "exercise " << n << " never ends";
        }
        if (n == 50) {
            memoriaIniziale = MemoriaResidenteKb();
            registroIniziale = f.Ctl.Text1.Text.size();
        }
        ASSERT_TRUE(f.Ctl.Text1.Text.startsWith(prima));
        chiusure += f.Ctl.Text1.Text.endsWith(QStringLiteral("=\r\n\r\n")) ? 1 : 0;
    }
    EXPECT_EQ(chiusure, kEsercizi);
    EXPECT_EQ(f.Ctl.Text1.Text.count(QStringLiteral("Punteggio di fine esercizio: ")), kEsercizi);
    EXPECT_TRUE(f.Ctl.Text1.Text.startsWith(QStringLiteral("# Test eseguito da MARIO\r\n\r\n")));

    // Memory grows with the log text only (a QString may reserve up to as much
    // again as it holds), plus a little slack for the allocator. AddressSanitizer
    // holds freed memory back on purpose, so there only the log is checked.
#ifndef __SANITIZE_ADDRESS__
    const long crescitaKb = MemoriaResidenteKb() - memoriaIniziale;
    const long registroKb =
        static_cast<long>((f.Ctl.Text1.Text.size() - registroIniziale) * 2 / 1024);
    EXPECT_LE(crescitaKb, 2 * registroKb + 8L * 1024)
        << "resident memory grew by " << crescitaKb << " KiB for " << registroKb << " KiB of log";
#else
    static_cast<void>(memoriaIniziale);
    static_cast<void>(registroIniziale);
#endif
}

TEST(Resistenza, QuarantamilaErroriSullaStessaDomanda) {
    ServiziSemeFisso servizi(7);
    FrmCitta f(servizi);
    Pronta(f);
    f.OptReg_Click();
    const int16_t sbagliata = static_cast<int16_t>(Giusto(f) == 1 ? 2 : 1);
    for (int i = 0; i < 40000; ++i) {
        f.LbLReg_Click(sbagliata);
    }
    EXPECT_EQ(f.Tentativo, 32767);
    EXPECT_EQ(f.TotTentativi, 32767);
    EXPECT_EQ(f.Ctl.LblTentativi.Caption, QStringLiteral("Tentativo Nr. 32767"));
    const QString regione = f.Ctl.LblDom0.Caption;
    f.LbLReg_Click(Giusto(f));
    EXPECT_TRUE(f.Ctl.Text1.Text.endsWith(QStringLiteral("Tentativi 32767 per la regione ") +
                                          regione + QStringLiteral("\r\n")));
    EXPECT_EQ(f.TotTentativi, 32767);
    f.CmdReset_Click();
    const QRegularExpression punteggio(
        QStringLiteral("Punteggio prima di terminare: (\\d+),(\\d\\d)\\r\\n-{69}\\r\\n$"));
    const auto trovato = punteggio.match(f.Ctl.Text1.Text);
    ASSERT_TRUE(trovato.hasMatch()) << f.Ctl.Text1.Text.right(200).toStdString();
    EXPECT_EQ(trovato.captured(1), QStringLiteral("0"));
    EXPECT_TRUE(f.Ctl.Frame1.Enabled);
}

struct CasoNome {
    const char* descrizione;
    QString nome;
    bool accettato;
    QString maiuscolo;
};

void PrintTo(const CasoNome& caso, std::ostream* uscita) {
    *uscita << caso.descrizione;
}

class NomiOstili : public ::testing::TestWithParam<CasoNome> {};

TEST_P(NomiOstili, ContatiComeLiVedeUnLettoreEScrittiAllaLettera) {
    const CasoNome& caso = GetParam();
    ServiziFinti servizi;
    FrmCitta f(servizi);
    f.Form_Initialize();
    f.Form_Load();
    f.Ctl.Text1.Text = QStringLiteral("prima");
    f.TxtNome_Change(caso.nome);
    f.CmdIniz_Click();
    if (!caso.accettato) {
        ASSERT_EQ(servizi.messaggi.size(), 1U);
        EXPECT_EQ(servizi.messaggi[0].testo, QStringLiteral("Prova prima a inserire il tuo nome!"));
        EXPECT_EQ(f.Ctl.TxtNome.Text, caso.nome);
        EXPECT_EQ(f.Ctl.Text1.Text, QStringLiteral("prima"));
        EXPECT_FALSE(f.Ctl.Frame1.Visible);
        return;
    }
    EXPECT_TRUE(servizi.messaggi.empty());
    EXPECT_EQ(f.Ctl.TxtNome.Text, caso.maiuscolo);
    EXPECT_EQ(f.Ctl.LblNome.Caption,
              QStringLiteral(" Ciao \r ") + caso.maiuscolo + QStringLiteral(" "));
    EXPECT_EQ(f.Ctl.Text1.Text,
              QStringLiteral("# Test eseguito da ") + caso.maiuscolo + QStringLiteral("\r\n\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Casi, NomiOstili,
    ::testing::Values(
        CasoNome{"two letters", QStringLiteral("al"), false, {}},
        CasoNome{"three letters", QStringLiteral("ali"), true, QStringLiteral("ALI")},
        CasoNome{"blanks only", QStringLiteral("   "), true, QStringLiteral("   ")},
        CasoNome{"markup", QStringLiteral("<b>x</b>"), true, QStringLiteral("<B>X</B>")},
        CasoNome{"image tag", QStringLiteral("<img src=x>"), true, QStringLiteral("<IMG SRC=X>")},
        CasoNome{"entity", QStringLiteral("&amp;"), true, QStringLiteral("&AMP;")},
        CasoNome{"accents", QStringLiteral("niccolò"), true, QStringLiteral("NICCOLÒ")},
        // e + combining acute twice: two letters on screen, four code units
        CasoNome{"combining accents", QStringLiteral("e\u0301e\u0301"), false, {}},
        CasoNome{"combining accents, three", QStringLiteral("e\u0301e\u0301a"), true,
                 QStringLiteral("E\u0301E\u0301A")},
        // two emoji: four UTF-16 units but two characters
        CasoNome{"emoji", QStringLiteral("\U0001F600\U0001F600"), false, {}},
        CasoNome{"flag sequence", QStringLiteral("\U0001F1EE\U0001F1F9ab"), true,
                 QStringLiteral("\U0001F1EE\U0001F1F9AB")},
        CasoNome{"right to left", QStringLiteral("\u05E9\u05DC\u05D5\u05DD"), true,
                 QStringLiteral("\u05E9\u05DC\u05D5\u05DD")},
        CasoNome{"sharp s grows", QStringLiteral("ßab"), true, QStringLiteral("SSAB")},
        CasoNome{"dz digraph", QStringLiteral("ǆab"), true, QStringLiteral("ǄAB")},
        // A name is one line: a tab or line break becomes a blank, CR LF one blank.
        CasoNome{"tab inside", QStringLiteral("a\tb"), true, QStringLiteral("A B")},
        CasoNome{"line feed inside", QStringLiteral("a\nb"), true, QStringLiteral("A B")},
        CasoNome{"CR LF inside", QStringLiteral("a\r\nb"), true, QStringLiteral("A B")}),
    [](const ::testing::TestParamInfo<CasoNome>& parametro) {
        QString nome = QString::fromLatin1(parametro.param.descrizione);
        nome.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        return nome.toStdString();
    });

TEST(NomiOstili, CentomilaCaratteri) {
    ServiziFinti servizi;
    FrmCitta f(servizi);
    f.Form_Initialize();
    f.Form_Load();
    f.TxtNome_Change(QString(100000, QLatin1Char('z')));
    f.CmdIniz_Click();
    EXPECT_EQ(f.Ctl.TxtNome.Text, QString(100000, QLatin1Char('Z')));
    EXPECT_EQ(f.Ctl.Text1.Text.size(), 19 + 100000 + 4);
}

// A whole exercise in each locale, started just before midnight and ended
// just after it.
struct CasoLocale {
    const char* nome;
    QLocale locale;
    QString data;
    QString ora;
    QString durata;
    QString punteggio;
};

void PrintTo(const CasoLocale& caso, std::ostream* uscita) {
    *uscita << caso.nome;
}

class Locali : public ::testing::TestWithParam<CasoLocale> {};

TEST_P(Locali, DateOreEPunteggiAttraversoLaMezzanotte) {
    const CasoLocale& caso = GetParam();
    ServiziFinti servizi;
    servizi.locale = caso.locale;
    servizi.adesso = QDateTime(QDate(2026, 12, 9), QTime(23, 58, 40));
    FrmCitta f(servizi);
    Pronta(f);
    servizi.timer = 86320;  // 23:58:40
    servizi.casuali = {ServiziFinti::Scegli(12, 0, 20)};
    f.OptReg_Click();
    EXPECT_TRUE(f.Ctl.Text1.Text.contains(QStringLiteral("\r\n") + caso.data +
                                          QStringLiteral("  ") + caso.ora + QStringLiteral("\r\n")))
        << f.Ctl.Text1.Text.toStdString();
    f.LbLReg_Click(1);
    f.LbLReg_Click(2);
    f.LbLReg_Click(12);   // Lazio, at the third click
    servizi.timer = 130;  // 00:02:10 of the next day
    servizi.adesso = QDateTime(QDate(2026, 12, 10), QTime(0, 2, 10));
    f.CmdReset_Click();
    const QString& log = f.Ctl.Text1.Text;
    EXPECT_TRUE(log.contains(caso.durata)) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Punteggio prima di terminare: ") + caso.punteggio +
                             QStringLiteral("\r\n")))
        << log.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Locali,
    ::testing::Values(CasoLocale{"Italiano", QLocale(QLocale::Italian, QLocale::Italy),
                                 QStringLiteral("mer 09 dic 2026"), QStringLiteral("23:58:40"),
                                 QStringLiteral("Durata: 3,50 minuti - (210,00 secondi) \r\n\r\n"),
                                 QStringLiteral("5,00")},
                      CasoLocale{"English", QLocale(QLocale::English, QLocale::UnitedStates),
                                 QStringLiteral("Wed 09 Dec 2026"), QStringLiteral("11:58:40 PM"),
                                 QStringLiteral("Durata: 3.50 minuti - (210.00 secondi) \r\n\r\n"),
                                 QStringLiteral("5.00")},
                      CasoLocale{"C", QLocale::c(), QStringLiteral("Wed 09 Dec 2026"),
                                 QStringLiteral("23:58:40"),
                                 QStringLiteral("Durata: 3.50 minuti - (210.00 secondi) \r\n\r\n"),
                                 QStringLiteral("5.00")}),
    [](const ::testing::TestParamInfo<CasoLocale>& parametro) {
        return std::string(parametro.param.nome);
    });

}  // namespace
}  // namespace mappix
