// The window's controls as designed: place in twips within the container
// (after the window has loaded, so the help panel is at its moved place),
// text, tooltip, font, alignment and border.
#pragma once

namespace dati {

struct Posto {
    const char* nome;
    const char* contenitore;
    int left, top, width, height;
};

inline constexpr Posto kPosti[] = {
    {"LblNome", "FrmCitta", 9450, 90, 3495, 1035},
    {"CmdNuovo", "FrmCitta", 13050, 90, 960, 1035},
    {"CmdFine", "FrmCitta", 14055, 90, 960, 1035},
    {"LblDom1", "FrmCitta", 9450, 1245, 5580, 1005},
    {"LblDom0", "FrmCitta", 9435, 2265, 5580, 780},
    {"LblTentativi", "FrmCitta", 9450, 3120, 5580, 645},
    {"LblTotTent", "FrmCitta", 9450, 3825, 5580, 420},
    {"LblNumDom", "FrmCitta", 9450, 4320, 5580, 420},
    {"ProgressBar1", "FrmCitta", 9456, 4908, 5580, 324},
    {"Frame1", "FrmCitta", 9450, 5310, 5580, 1680},
    {"OptReg", "Frame1", 135, 225, 2490, 420},
    {"OptCapolReg", "Frame1", 135, 697, 2490, 420},
    {"OptCittaReg", "Frame1", 135, 1170, 2490, 420},
    {"OptCapol", "Frame1", 2970, 225, 2490, 420},
    {"OptCitta", "Frame1", 2970, 697, 2490, 420},
    {"CmdReset", "FrmCitta", 12420, 6480, 2490, 420},
    {"LblNote", "FrmCitta", 9450, 7110, 5595, 915},
    {"Text1", "FrmCitta", 9450, 8100, 5550, 2085},
    {"Image4", "FrmCitta", 180, 180, 2175, 1560},
    {"Label2", "FrmCitta", 1260, 495, 960, 1005},
    {"LbLInfo", "FrmCitta", 3600, 270, 4650, 2355},
    {"Label1", "FrmCitta", 3600, 2835, 4650, 1140},
    {"Image3", "FrmCitta", 405, 3060, 2895, 2835},
    {"TxtNome", "FrmCitta", 3600, 4140, 4650, 600},
    {"CmdHlp", "FrmCitta", 4005, 4950, 1230, 1050},
    {"CmdIniz", "FrmCitta", 6525, 4950, 1230, 1050},
    {"FrmHelp", "FrmCitta", 3195, 135, 6000, 6045},
    {"Text2", "FrmHelp", 135, 270, 5685, 5055},
    {"CmdHlpFine", "FrmHelp", 135, 5445, 5685, 465},
    {"FramRegio", "FrmCitta", 90, 90, 9285, 10140},
    {"Image1", "FramRegio", 90, 270, 9030, 9780},
    {"FramCitta", "FrmCitta", 90, 90, 9285, 10140},
    {"Image2", "FramCitta", 90, 270, 9030, 9780},
};

enum class Tipo { Sans, Serif, Mono };
enum class Allinea { Libero, Centro, Sinistra };

struct Aspetto {
    const char* nome;
    const char* testo;         // nullptr: written at run time or checked elsewhere
    const char* suggerimento;  // nullptr: none set by the design
    Tipo tipo;
    double punti;
    bool grassetto;
    Allinea allinea;
    bool bordo;
};

inline constexpr Aspetto kAspetti[] = {
    {"LblNome", "", "", Tipo::Sans, 13.5, false, Allinea::Centro, true},
    {"CmdNuovo", "Nuovo", " Cambia giocatore ", Tipo::Sans, 14.25, false, Allinea::Libero, false},
    {"CmdFine", "Esci", " Fine - Termina il programma ", Tipo::Sans, 14.25, false, Allinea::Libero,
     false},
    {"LblDom1", "", "", Tipo::Sans, 18, false, Allinea::Centro, false},
    {"LblDom0", "", "", Tipo::Sans, 24, false, Allinea::Centro, false},
    {"LblTentativi", "", "", Tipo::Sans, 18, false, Allinea::Centro, false},
    {"LblTotTent", "", "", Tipo::Sans, 18, false, Allinea::Sinistra, false},
    {"LblNumDom", "", "", Tipo::Sans, 18, false, Allinea::Sinistra, false},
    {"OptReg", "Dov'e' la Regione", " Individua dove si trova la regione indicata ", Tipo::Sans,
     9.75, false, Allinea::Libero, false},
    {"OptCapolReg", "Capoluogo di  Regione",
     " Individua di quale regione è capoluogo la città indicata ", Tipo::Sans, 9.75, false,
     Allinea::Libero, false},
    {"OptCittaReg", "Città di Regione", " Individua in quale regione si trova la città indicata ",
     Tipo::Sans, 9.75, false, Allinea::Libero, false},
    {"OptCapol", "Dov'e' il Capoluogo",
     " Individua dove si trova il capoluogo di regione indicato ", Tipo::Sans, 9.75, false,
     Allinea::Libero, false},
    {"OptCitta", "Dov'e' la Città", " Individua dove si trova la città indicata ", Tipo::Sans, 9.75,
     false, Allinea::Libero, false},
    {"CmdReset", "Cambia esercizio", " Annulla l'esercizio consentendo di passare ad un altro ",
     Tipo::Serif, 11.25, true, Allinea::Libero, false},
    {"LblNote", "", "", Tipo::Sans, 12, false, Allinea::Centro, true},
    {"Text1", "", "", Tipo::Sans, 9.75, false, Allinea::Libero, false},
    {"LbLInfo", nullptr, "", Tipo::Sans, 9.75, false, Allinea::Libero, false},
    {"Label1",
     "Inserisci il tuo nome e poi premi il pulsante INIZIA e poi premi sul tipo di esercizio da "
     "eseguire",
     "", Tipo::Sans, 13.5, false, Allinea::Centro, false},
    {"Label2", nullptr, nullptr, Tipo::Sans, 8.25, false, Allinea::Centro, false},
    {"TxtNome", "", "", Tipo::Mono, 21.75, true, Allinea::Centro, false},
    {"CmdHlp", "Aiuto", nullptr, Tipo::Sans, 14.25, false, Allinea::Libero, false},
    {"CmdIniz", "Inizia", nullptr, Tipo::Sans, 14.25, false, Allinea::Libero, false},
    {"FrmHelp", "Spiegazioni", "", Tipo::Sans, 8.25, false, Allinea::Libero, false},
    {"Text2", nullptr, "", Tipo::Sans, 12, false, Allinea::Libero, false},
    {"CmdHlpFine", "Chiudi ", "", Tipo::Sans, 12, false, Allinea::Libero, false},
    {"FramRegio", "Regioni Italiane", "", Tipo::Serif, 11.25, false, Allinea::Libero, false},
    {"FramCitta", "Citta' Italiane", "", Tipo::Serif, 11.25, false, Allinea::Libero, false},
};

}  // namespace dati
