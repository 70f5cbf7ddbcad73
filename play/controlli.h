// The state of every control of the window as plain data. The handlers read
// and write only this; the window mirrors it into the widgets after each event.
#pragma once

#include <QString>
#include <array>

#include "disposizione.h"

namespace mappix {

struct Controllo {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
    bool Enabled = true;
};

// Labels, command buttons and frames: a control with a caption.
struct ConTesto : Controllo {
    QString Caption;
};

// An option button: its Value is plain data, setting it runs no handler.
struct Opzione : ConTesto {
    bool Value = false;
};

struct CasellaTesto : Controllo {
    QString Text;
    // Counts the times Text was replaced as a whole rather than appended to,
    // so that a mirror can tell a replacement from growth by the length alone.
    unsigned Riscritture = 0;
};

struct BarraAvanzamento : Controllo {
    float Min = 0;
    float Max = 100;
    float Value = 0;
};

struct Controlli {
    ConTesto LblNome;
    ConTesto CmdNuovo;
    ConTesto CmdFine;
    ConTesto LblDom1;
    ConTesto LblDom0;
    ConTesto LblTentativi;
    ConTesto LblTotTent;
    ConTesto LblNumDom;
    BarraAvanzamento ProgressBar1;
    ConTesto Frame1;
    Opzione OptReg;
    Opzione OptCapolReg;
    Opzione OptCittaReg;
    Opzione OptCapol;
    Opzione OptCitta;
    ConTesto CmdReset;
    ConTesto LblNote;
    CasellaTesto Text1;
    Controllo Image4;
    ConTesto Label2;
    ConTesto LbLInfo;
    ConTesto Label1;
    Controllo Image3;
    CasellaTesto TxtNome;
    ConTesto CmdHlp;
    ConTesto CmdIniz;
    ConTesto FrmHelp;
    CasellaTesto Text2;
    ConTesto CmdHlpFine;
    ConTesto FramRegio;
    Controllo Image1;
    ConTesto FramCitta;
    Controllo Image2;
    std::array<Controllo, kNumAree> LbLReg;
    std::array<Controllo, 108> LblCit;  // index 0 is unused
};

// The controls as the window is designed, before it loads.
Controlli ControlliIniziali();

}  // namespace mappix
