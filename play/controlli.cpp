#include "controlli.h"

namespace mappix {
namespace {

template <typename T>
T Crea(int left, int top, int width, int height, const char* testo = "") {
    T controllo;
    controllo.Left = left;
    controllo.Top = top;
    controllo.Width = width;
    controllo.Height = height;
    if constexpr (requires { controllo.Caption; }) {
        controllo.Caption = QString::fromUtf8(testo);
    } else if constexpr (requires { controllo.Text; }) {
        controllo.Text = QString::fromUtf8(testo);
    }
    return controllo;
}

}  // namespace

Controlli ControlliIniziali() {
    Controlli c;
    c.LblNome = Crea<ConTesto>(9450, 90, 3495, 1035);
    c.CmdNuovo = Crea<ConTesto>(13050, 90, 960, 1035, "Nuovo");
    c.CmdFine = Crea<ConTesto>(14055, 90, 960, 1035, "Esci");
    c.LblDom1 = Crea<ConTesto>(9450, 1245, 5580, 1005);
    c.LblDom0 = Crea<ConTesto>(9435, 2265, 5580, 780);
    c.LblTentativi = Crea<ConTesto>(9450, 3120, 5580, 645);
    c.LblTotTent = Crea<ConTesto>(9450, 3825, 5580, 420);
    c.LblNumDom = Crea<ConTesto>(9450, 4320, 5580, 420);
    c.ProgressBar1 = Crea<BarraAvanzamento>(9456, 4908, 5580, 324);
    c.Frame1 = Crea<ConTesto>(9450, 5310, 5580, 1680);
    c.OptReg = Crea<Opzione>(135, 225, 2490, 420, "Dov'e' la Regione");
    c.OptCapolReg = Crea<Opzione>(135, 697, 2490, 420, "Capoluogo di  Regione");
    c.OptCittaReg = Crea<Opzione>(135, 1170, 2490, 420, "Città di Regione");
    c.OptCapol = Crea<Opzione>(2970, 225, 2490, 420, "Dov'e' il Capoluogo");
    c.OptCitta = Crea<Opzione>(2970, 697, 2490, 420, "Dov'e' la Città");
    c.CmdReset = Crea<ConTesto>(12420, 6480, 2490, 420, "Cambia esercizio");
    c.LblNote = Crea<ConTesto>(9450, 7110, 5595, 915);
    c.Text1 = Crea<CasellaTesto>(9450, 8100, 5550, 2085);
    c.Image4 = Crea<Controllo>(180, 180, 2175, 1560);
    c.Label2 = Crea<ConTesto>(1260, 495, 960, 1005, "versione 1.0");
    c.LbLInfo = Crea<ConTesto>(3600, 270, 4650, 2355);
    c.Label1 = Crea<ConTesto>(3600, 2835, 4650, 1140,
                              "Inserisci il tuo nome e poi premi il pulsante INIZIA e poi premi "
                              "sul tipo di esercizio da eseguire");
    c.Image3 = Crea<Controllo>(405, 3060, 2895, 2835);
    c.TxtNome = Crea<CasellaTesto>(3600, 4140, 4650, 600);
    c.CmdHlp = Crea<ConTesto>(4005, 4950, 1230, 1050, "Aiuto");
    c.CmdIniz = Crea<ConTesto>(6525, 4950, 1230, 1050, "Inizia");
    c.FrmHelp = Crea<ConTesto>(270, 6525, 6000, 6045, "Spiegazioni");
    c.Text2 = Crea<CasellaTesto>(135, 270, 5685, 5055, "Text2");
    c.CmdHlpFine = Crea<ConTesto>(135, 5445, 5685, 465, "Chiudi ");
    c.FramRegio = Crea<ConTesto>(90, 90, 9285, 10140, "Regioni Italiane");
    c.Image1 = Crea<Controllo>(90, 270, 9030, 9780);
    c.FramCitta = Crea<ConTesto>(90, 90, 9285, 10140, "Citta' Italiane");
    c.Image2 = Crea<Controllo>(90, 270, 9030, 9780);
    for (std::size_t i = 0; i < c.LbLReg.size(); ++i) {
        const Rettangolo& area = kAreeRegioni[i];
        c.LbLReg[i] = Crea<Controllo>(area.Left, area.Top, area.Width, area.Height);
    }
    // The markers get their places from Posizione when the window loads.
    for (std::size_t i = 1; i < c.LblCit.size(); ++i) {
        c.LblCit[i] = Crea<Controllo>(0, 0, kLarghezzaMarcatore, kAltezzaMarcatore);
    }
    c.LblCit[0].Visible = false;
    return c;
}

}  // namespace mappix
