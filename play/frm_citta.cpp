#include "frm_citta.h"

#include <array>
#include <limits>

#include "formato.h"
#include "testi.h"

namespace mappix {
namespace {

constexpr int kLarghezzaMinimaTwips = 13500;
constexpr qsizetype kLunghezzaMinimaNome = 3;
constexpr float kSecondiGiorno = 86400.0F;
const QString kCrLf = QStringLiteral("\r\n");

enum class Insieme : uint8_t { Regioni, Capoluoghi, Citta };

// The five exercises differ only in these values.
struct Dati {
    Opzione Controlli::*opzione;
    bool suMappaCitta;
    Insieme insieme;
    int trattini;
    const char* intestazione;
    const char* domanda;
    const char* risolta;    // the log line of a solved question
    const char* abbandono;  // the pending question when abandoned
    const char* perSoggetto;
    const char* chiestoTutti;  // the closing message on the status labels
    const char* cheCosa;
    const char* domandeSu;  // the closing lines of the log
    const char* dove;
};

constexpr std::array<Dati, 5> kEsercizi{{
    {&Controlli::OptReg, false, Insieme::Regioni, 69, " - Dov'e la Regione?",
     "Dove si trova la Regione", " per la regione ", "- Trova la Regione: Tentativi ",
     " per la regione ", "Ti ho chiesto tutte", "le regioni", " domande sulla posizione",
     "delle regioni, con "},
    {&Controlli::OptCapolReg, false, Insieme::Capoluoghi, 66,
     " - Di quale regione e' capoluogo la città?", "Quale regione ha come capoluogo la città di",
     " per il capoluogo ", "- Trova Capoluogo di regione: Tentativi ", " per il capoluogo ",
     "Ti ho chiesto tutti", "i capoluoghi", " domande sui Capoluoghi", "delle regioni, con "},
    {&Controlli::OptCittaReg, false, Insieme::Citta, 66,
     " - In quale regione si trova la città di? ", "In quale regione si trova la città di",
     " per il capoluogo ", "- Trova Città di regione: Tentativi ", " per la citta' di ",
     "Ti ho chiesto tutte", "le città d'Italia", " domande sulle Città", "delle regioni, con "},
    {&Controlli::OptCapol, true, Insieme::Capoluoghi, 66,
     " - Dove si trova la città Capoluogo di regione",
     "Dove si trova la città Capoluogo di regione", " per il capoluogo ",
     "-Trova Capoluogo: Tentativi ", " per la citta' di ", "Ti ho chiesto tutti",
     "i capoluoghi siti in Italia", " domande sui Capoluoghi", "siti in tutta Italia, con "},
    {&Controlli::OptCitta, true, Insieme::Citta, 66, " - Dove di trova la città di? ",
     "In quale regione si trova la città di", " per la città ", "- Trova Città: Tentativi ",
     " per la citta' di ", "Ti ho chiesto tutte", "le province d'Italia", " domande sulle province",
     "site in tutta Italia, con "},
}};

const Dati& DatiDi(Esercizio esercizio) {
    return kEsercizi.at(static_cast<std::size_t>(esercizio));
}

QString U(const char* testo) {
    return QString::fromUtf8(testo);
}
QString N(int valore) {
    return QString::number(valore);
}

// The counters are 16-bit; they stop at the top instead of wrapping round.
int16_t Piu1(int16_t valore) {
    return valore == std::numeric_limits<int16_t>::max() ? valore
                                                         : static_cast<int16_t>(valore + 1);
}

}  // namespace

FrmCitta::FrmCitta(Servizi& servizi) : Modulo(servizi), servizi_(servizi) {}

void FrmCitta::Form_Initialize() {
    if (servizi_.LarghezzaSchermoTwips() < kLarghezzaMinimaTwips) {
        servizi_.MsgBox(QStringLiteral("Errore!\r\nAumentare la risoluzione!\r\n"
                                       "La risoluzione minima consigliata è di 1024x760."),
                        QStringLiteral("Mappix"), Icona::Nessuna);
        servizi_.Termina(1);
    }
}

void FrmCitta::Form_Load() {
    Posizione();
    Ctl.LbLInfo.Caption = TestoInformazioni();
    Ctl.FrmHelp.Left = 3195;
    Ctl.FrmHelp.Top = 135;
    Ctl.FrmHelp.Visible = false;
    Ctl.Text2.Text = TestoAiuto();
    // The areas and markers are drawn transparent by the window from the start.
    inizia();
}

void FrmCitta::inizia() {
    if (servizi_.LarghezzaSchermoTwips() < kLarghezzaMinimaTwips) {
        servizi_.Termina(1);
        return;
    }
    Ctl.FramCitta.Visible = false;
    Ctl.FramRegio.Visible = false;
    Ctl.Frame1.Visible = false;
    PulsantiOn();
    Modulo.CaricaTabelle();
    Ctl.CmdReset.Enabled = false;
}

void FrmCitta::Posizione() {
    Ctl.FramRegio.Left = 90;
    Ctl.FramRegio.Top = 90;
    Ctl.FramCitta.Left = 90;
    Ctl.FramCitta.Top = 90;
    Ctl.Image1.Left = kImmagineMappa.Left;
    Ctl.Image1.Top = kImmagineMappa.Top;
    Ctl.Image2.Width = kImmagineMappa.Width;
    Ctl.Image2.Height = kImmagineMappa.Height;
    Ctl.Image2.Left = kImmagineMappa.Left;
    Ctl.Image2.Top = kImmagineMappa.Top;
    for (std::size_t i = 1; i < Ctl.LblCit.size(); ++i) {
        Ctl.LblCit[i].Top = kMarcatori[i].Top;
        Ctl.LblCit[i].Left = kMarcatori[i].Left;
    }
}

void FrmCitta::PulsantiOn() {
    Ctl.CmdReset.Enabled = false;
    Ctl.Frame1.Enabled = true;
    Ctl.OptCittaReg.Value = false;
    Ctl.OptReg.Value = false;
    Ctl.OptCapolReg.Value = false;
    Ctl.OptCitta.Value = false;
    Ctl.OptCapol.Value = false;
}

void FrmCitta::PulsantiOff() {
    Ctl.CmdReset.Enabled = true;
    Ctl.Frame1.Enabled = false;
    Ctl.LblNote.Caption.clear();
}

void FrmCitta::CmdIniz_Click() {
    if (CaratteriVisibili(Ctl.TxtNome.Text) < kLunghezzaMinimaNome) {
        servizi_.MsgBox(QStringLiteral("Prova prima a inserire il tuo nome!"),
                        QStringLiteral("Manca il tuo nome!"), Icona::Critica);
        return;
    }
    Ctl.Frame1.Visible = true;
    Ctl.TxtNome.Text = Ctl.TxtNome.Text.toUpper();
    Ctl.LblNome.Caption = QStringLiteral(" Ciao \r ") + Ctl.TxtNome.Text + QStringLiteral(" ");
    RiscriviRegistro(QStringLiteral("# Test eseguito da ") + Ctl.TxtNome.Text + kCrLf + kCrLf);
}

void FrmCitta::CmdNuovo_Click() {
    inizia();
}

void FrmCitta::CmdFine_Click() {
    servizi_.Termina(0);
}

void FrmCitta::CmdHlp_Click() {
    Ctl.FrmHelp.Visible = true;
}

void FrmCitta::CmdHlpFine_Click() {
    Ctl.FrmHelp.Visible = false;
}

// A name is one line, whatever was typed or pasted: it can never add a line
// to the greeting or the log.
void FrmCitta::TxtNome_Change(const QString& testo) {
    Ctl.TxtNome.Text = SuUnaRiga(testo);
}

std::optional<Esercizio> FrmCitta::EsercizioInCorso() const {
    for (std::size_t i = 0; i < kEsercizi.size(); ++i) {
        if ((Ctl.*kEsercizi[i].opzione).Value) {
            return static_cast<Esercizio>(i);
        }
    }
    return std::nullopt;
}

Opzione& FrmCitta::OpzioneDi(Esercizio esercizio) {
    return Ctl.*DatiDi(esercizio).opzione;
}

void FrmCitta::OptReg_Click() {
    Opt_Click(Esercizio::Reg);
}
void FrmCitta::OptCapolReg_Click() {
    Opt_Click(Esercizio::CapolReg);
}
void FrmCitta::OptCittaReg_Click() {
    Opt_Click(Esercizio::CittaReg);
}
void FrmCitta::OptCapol_Click() {
    Opt_Click(Esercizio::Capol);
}
void FrmCitta::OptCitta_Click() {
    Opt_Click(Esercizio::Citta);
}

void FrmCitta::Opt_Click(Esercizio esercizio) {
    // Only the window's enabled, visible choice can start an exercise.
    if (!Ctl.Frame1.Enabled || !Ctl.Frame1.Visible) {
        return;
    }
    const Dati& dati = DatiDi(esercizio);
    for (const Dati& altro : kEsercizi) {
        (Ctl.*altro.opzione).Value = false;
    }
    OpzioneDi(esercizio).Value = true;

    Ctl.FramCitta.Visible = dati.suMappaCitta;
    Ctl.FramRegio.Visible = !dati.suMappaCitta;
    PulsantiOff();
    OraInizio = servizi_.Timer();
    const QLocale locale = servizi_.Locale();
    const QDateTime adesso = servizi_.Adesso();
    Accoda(QString(dati.trattini, QLatin1Char('-')) + kCrLf + TestoData(adesso.date(), locale) +
           QStringLiteral("  ") + TestoOra(adesso.time(), locale) + kCrLf + U(dati.intestazione) +
           kCrLf + kCrLf);
    Tentativo = 1;
    TotTentativi = 1;
    NumDom = 1;
    switch (dati.insieme) {
        case Insieme::Regioni:
            Modulo.AzzeraRegioni();
            break;
        case Insieme::Capoluoghi:
            Modulo.AzzeraCapoluoghi();
            break;
        case Insieme::Citta:
            Modulo.AzzeraCitta();
            break;
    }
    NumDomande = static_cast<int16_t>(Modulo.Massimo - Modulo.Minimo + 1);
    Ctl.ProgressBar1.Min = 1;
    Ctl.ProgressBar1.Max = NumDomande;
    Ctl.ProgressBar1.Value = NumDom;
    Ctl.LblDom1.Caption = U(dati.domanda);
    Ctl.LblTentativi.Caption = QStringLiteral("Tentativo nr. ") + N(Tentativo);
    MostraDomanda(esercizio, Modulo.Estrai(), true);
}

void FrmCitta::MostraDomanda(Esercizio esercizio, int16_t estratto, bool primaDomanda) {
    switch (esercizio) {
        case Esercizio::Reg:
            RegDom = estratto;
            Ctl.LblDom0.Caption = QString::fromStdString(Modulo.Regioni.at(RegDom));
            return;
        case Esercizio::Capol:
        case Esercizio::CapolReg:
            CitDom = Modulo.Capoluoghi.at(estratto);
            // The city-map exercise reads the region only for its first question.
            if (esercizio == Esercizio::CapolReg || primaDomanda) {
                RegDom = Modulo.RegioneCitta(CitDom);
            }
            break;
        case Esercizio::CittaReg:
            CitDom = estratto;
            RegDom = Modulo.RegioneCitta(CitDom);
            break;
        case Esercizio::Citta:
            CitDom = estratto;
            break;
    }
    Ctl.LblDom0.Caption = NomeCittaDomandata();
}

QString FrmCitta::NomeCittaDomandata() const {
    const std::string_view nome = Modulo.NomeCitta(CitDom);
    return QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size()));
}

QString FrmCitta::Soggetto(Esercizio esercizio) const {
    return esercizio == Esercizio::Reg ? QString::fromStdString(Modulo.Regioni.at(RegDom))
                                       : NomeCittaDomandata();
}

void FrmCitta::LblCit_Click(int16_t Index) {
    const auto esercizio = EsercizioInCorso();
    if (!esercizio || !DatiDi(*esercizio).suMappaCitta || Index < 1 || Index > kNumCitta) {
        return;
    }
    if (Index != CitDom) {
        const std::string& record = Modulo.Citta.at(Index);
        const std::string_view nome = NomeDi(record);
        Ctl.LblNote.Caption = QStringLiteral("Errore questa è la città di ") +
                              QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size())) +
                              QStringLiteral(" (") + QString::fromStdString(SiglaDi(record)) +
                              QStringLiteral(") in ") +
                              QString::fromStdString(Modulo.Regioni.at(RegioneDi(record))) +
                              QStringLiteral(". ") +
                              (CapoluogoDiRegione(record) ? QStringLiteral(" Capoluogo da ")
                                                          : QStringLiteral(" Provincia da ")) +
                              N(ComuniDi(record)) + QStringLiteral(" Comuni.");
        RispostaSbagliata();
        return;
    }
    RispostaGiusta(*esercizio);
}

void FrmCitta::LbLReg_Click(int16_t Index) {
    const auto esercizio = EsercizioInCorso();
    if (!esercizio || DatiDi(*esercizio).suMappaCitta || Index < 0 || Index >= kNumAree) {
        return;
    }
    if (Index == kAreaPugliaSud) {
        Index = kPuglia;
    }
    if (Index != RegDom) {
        RispostaSbagliata();
        return;
    }
    RispostaGiusta(*esercizio);
}

void FrmCitta::RispostaSbagliata() {
    Tentativo = Piu1(Tentativo);
    Ctl.LblTentativi.Caption = QStringLiteral("Tentativo Nr. ") + N(Tentativo);
    AggiornaContatori();
}

void FrmCitta::RispostaGiusta(Esercizio esercizio) {
    Accoda(QStringLiteral("Tentativi ") + N(Tentativo) + U(DatiDi(esercizio).risolta) +
           Soggetto(esercizio) + kCrLf);
    Tentativo = 1;
    Ctl.LblTentativi.Caption = QStringLiteral("Tentativo Nr. ") + N(Tentativo);
    NumDom = Piu1(NumDom);
    if (NumDom > NumDomande) {
        RiepilogoFinale(esercizio);
        PulsantiOn();
        return;
    }
    MostraDomanda(esercizio, Modulo.Estrai(), false);
    servizi_.Beep();
    if (DatiDi(esercizio).suMappaCitta) {
        Ctl.LblNote.Caption = QStringLiteral("INDOVINATO!");
    }
    Ctl.ProgressBar1.Value = NumDom;
    AggiornaContatori();
}

void FrmCitta::AggiornaContatori() {
    TotTentativi = Piu1(TotTentativi);
    Ctl.LblTotTent.Caption = QStringLiteral("Tentativi complessivi ") + N(TotTentativi);
    Ctl.LblNumDom.Caption =
        QStringLiteral("Domanda Nr. ") + N(NumDom) + QStringLiteral(" di ") + N(NumDomande);
}

QString FrmCitta::OraAttuale() {
    return TestoOra(servizi_.Adesso().time(), servizi_.Locale());
}

// An exercise that runs across midnight has its end reading below its start
// reading: a day is added so that the duration never goes negative.
QString FrmCitta::RigaDurata() {
    float durata = OraFine - OraInizio;
    if (durata < 0) {
        durata += kSecondiGiorno;
    }
    const float minuti = durata / 60.0F;
    const QLocale locale = servizi_.Locale();
    return QStringLiteral("Durata: ") + FormatoF(minuti, locale) + QStringLiteral(" minuti ") +
           QStringLiteral("- (") + FormatoF(durata, locale) + QStringLiteral(" secondi) ") + kCrLf +
           kCrLf;
}

void FrmCitta::RiepilogoFinale(Esercizio esercizio) {
    const Dati& dati = DatiDi(esercizio);
    OraFine = servizi_.Timer();
    const double punteggio = static_cast<double>(static_cast<int16_t>(NumDomande * 10)) /
                             static_cast<double>(TotTentativi);
    const QString testoPunteggio = FormatoF(punteggio, servizi_.Locale());
    Ctl.LblDom1.Caption = QStringLiteral("Non ho più domande!");
    Ctl.LblDom0.Caption = U(dati.chiestoTutti);
    Ctl.LblTentativi.Caption = U(dati.cheCosa);
    Ctl.LblNumDom.Caption = QStringLiteral("Punteggio: ") + testoPunteggio;
    Accoda(kCrLf + QStringLiteral("Terminate le ") + N(NumDomande) + U(dati.domandeSu) + kCrLf);
    Accoda(U(dati.dove) + N(TotTentativi) + QStringLiteral(" tentativi complessivi") + kCrLf);
    Accoda(QStringLiteral("alle ore ") + OraAttuale() + QStringLiteral(". ") + kCrLf);
    Accoda(RigaDurata() + QStringLiteral("Punteggio di fine esercizio: ") + testoPunteggio + kCrLf);
    Accoda(QString(43, QLatin1Char('=')) + kCrLf + kCrLf);
}

void FrmCitta::CmdReset_Click() {
    const auto esercizio = EsercizioInCorso();
    if (!esercizio || !Ctl.CmdReset.Enabled) {
        return;
    }
    const Dati& dati = DatiDi(*esercizio);
    OraFine = servizi_.Timer();
    Accoda(U(dati.abbandono) + N(Tentativo) + U(dati.perSoggetto) + Soggetto(*esercizio) + kCrLf);
    Accoda(QStringLiteral("e abbandonato senza risposta esatta!") + kCrLf);
    Accoda(kCrLf + QStringLiteral("Terminate ") + N(NumDom) + QStringLiteral(" su ") +
           N(NumDomande) + QStringLiteral(" domande ") + kCrLf);
    Accoda(QStringLiteral("Con ") + N(TotTentativi) + QStringLiteral(" tentativi complessivi") +
           kCrLf);
    Accoda(QStringLiteral("alle ore ") + OraAttuale() + QStringLiteral(". ") + kCrLf);
    if (TotTentativi < 4) {
        NumDom = 0;
    }
    const double punteggio =
        static_cast<double>(static_cast<int16_t>(NumDom * 10)) / static_cast<double>(TotTentativi);
    Accoda(RigaDurata() + QStringLiteral("Punteggio prima di terminare: ") +
           FormatoF(punteggio, servizi_.Locale()) + kCrLf);
    Accoda(QString(69, QLatin1Char('-')) + kCrLf);
    Ctl.LblDom1.Caption.clear();
    Ctl.LblDom0.Caption.clear();
    Ctl.LblTentativi.Caption.clear();
    Ctl.LblNumDom.Caption.clear();
    PulsantiOn();
}

}  // namespace mappix
