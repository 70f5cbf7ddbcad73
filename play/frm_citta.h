// The logic of the quiz window: the quiz state, the state of every control and
// every event handler, in the order in which the player sees their effects.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "controlli.h"
#include "procedure.h"
#include "servizi.h"

namespace mappix {

enum class Esercizio : uint8_t { Reg, CapolReg, CittaReg, Capol, Citta };

class FrmCitta {
public:
    explicit FrmCitta(Servizi& servizi);

    Procedure Modulo;
    Controlli Ctl = ControlliIniziali();

    // The quiz state record.
    int16_t RegDom = 0;
    int16_t CitDom = 0;
    int16_t NumDomande = 0;
    int16_t Tentativo = 0;
    int16_t TotTentativi = 0;
    int16_t NumDom = 0;
    float OraInizio = 0;
    float OraFine = 0;

    void Form_Initialize();
    void Form_Load();
    void inizia();
    void Posizione();
    void PulsantiOn();
    void PulsantiOff();

    void CmdIniz_Click();
    void CmdNuovo_Click();
    void CmdFine_Click();
    void CmdHlp_Click();
    void CmdHlpFine_Click();
    void CmdReset_Click();
    void TxtNome_Change(const QString& testo);

    // A click on an option button sets its Value, then starts its exercise.
    void OptReg_Click();
    void OptCapolReg_Click();
    void OptCittaReg_Click();
    void OptCapol_Click();
    void OptCitta_Click();
    void Opt_Click(Esercizio esercizio);

    void LblCit_Click(int16_t Index);
    void LbLReg_Click(int16_t Index);

    // The exercise whose option button is True, if any.
    std::optional<Esercizio> EsercizioInCorso() const;
    Opzione& OpzioneDi(Esercizio esercizio);

private:
    void MostraDomanda(Esercizio esercizio, int16_t estratto, bool primaDomanda);
    void RegistraRisolta(Esercizio esercizio);
    void RispostaGiusta(Esercizio esercizio);
    void RispostaSbagliata();
    void AggiornaContatori();
    void RiepilogoFinale(Esercizio esercizio);
    QString NomeCittaDomandata() const;
    QString Soggetto(Esercizio esercizio) const;
    QString RigaDurata();
    QString OraAttuale();
    void Accoda(const QString& pezzo) { Ctl.Text1.Text += pezzo; }
    void RiscriviRegistro(const QString& testo) {
        Ctl.Text1.Text = testo;
        ++Ctl.Text1.Riscritture;
    }

    Servizi& servizi_;
};

}  // namespace mappix
