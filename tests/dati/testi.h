// Every fixed text of the quiz, written out once: CR breaks a line inside a
// label caption, CR LF ends each line of the log and of the help.
#pragma once

#include <array>

namespace dati {

inline constexpr const char* kInformazioni =
    "Metti alla prova le tue conoscenze sulla posizione delle regioni, "
    "delle città capoluogo di regione e di provincia italiane. \r"
    "Per rispondere alle domande clicca al centro delle regioni "
    "o sulle città. Man mano che procedi puoi controllare i tuoi progressi "
    "nel riquadro in basso a destra. Il programma assegna un punteggio finale. \r\r"
    "Risoluzione schermo minima 1024 x 760 !";

inline constexpr const char* kAiuto =
    "Questo programma consente di verificare le proprie conoscenze sulle regioni "
    "italiane, sulle città capoluogo di regione e di provincia italiane, della loro posizione "
    "sulla cartina geografica e della regione di appartenenza. \r\n"
    "Il test è diviso in cinque serie di domande, (21 domande per le regioni e 107 domande per "
    "le province). Le domande sulle regioni d'Italia e delle città di loro appartenenza sono "
    "relativamente facili, mentre individuare la posizione delle 107 città italiane "
    "risulta piuttosto complicato!\r\n\r\n"
    "Alla fine di ogni ciclo di domande (e quindi anche dopo la pressione del pulsante "
    "CAMBIA ESERCIZIO) viene assegnato un punteggio in funzione delle risposte esatte "
    "fornite e dei tentativi impiegati per fornirle.\r\n\r\n"
    "Nel riquadro in basso a destra viene riportato l'andamento del test "
    "man mano che si procede: le domande proposte, risposte date e i tentativi fatti "
    "rispondere ad ogni domanda.\r\n\r\n"
    "Attenzione:\r\n\r\n"
    "1. L'enclave della Repubblica di San Marino e la sua città sono, "
    "per il programma, viste come una Regione italiana e un suo capoluogo. Quindi San Marino "
    "è vista come la 21esima regione/capoluogo e la 107esima città.\r\n\r\n"
    "2. Le domande vengono generate in modo casuale, pertanto può essere richiesta "
    "una città (o regione) poco nota rispetto ad uno stesso esercizio lanciato in "
    "precedenza e dopo uno stesso numero di domande proposte.\r\n\r\n"
    "3. Le città come Massa-Carrara, Pesaro e Urbino, Forlì e Cesena "
    "sono viste come città singole e posizionate correttamente sulla cartina, ad esclusione "
    "della citta di Verbano-Cusio-Ossola.";

inline constexpr const char* kIstruzioni =
    "Inserisci il tuo nome e poi premi il pulsante INIZIA e poi premi sul tipo di esercizio da "
    "eseguire";

// Message boxes: text, caption; the narrow-screen box has no icon, the
// missing-name box the critical-stop icon; both only an OK button.
inline constexpr const char* kSchermoStretto =
    "Errore!\r\nAumentare la risoluzione!\r\nLa risoluzione minima consigliata è di 1024x760.";
inline constexpr const char* kTitoloSchermoStretto = "Mappix";
inline constexpr const char* kNomeMancante = "Prova prima a inserire il tuo nome!";
inline constexpr const char* kTitoloNomeMancante = "Manca il tuo nome!";

inline constexpr const char* kIntestazioneRegistro = "# Test eseguito da ";
inline constexpr const char* kSaluto = " Ciao \r ";  // then the name and a blank
inline constexpr const char* kPrimoTentativo = "Tentativo nr. ";
inline constexpr const char* kTentativo = "Tentativo Nr. ";
inline constexpr const char* kTotale = "Tentativi complessivi ";
inline constexpr const char* kDomanda = "Domanda Nr. ";  // n " di " total
inline constexpr const char* kDi = " di ";
inline constexpr const char* kIndovinato = "INDOVINATO!";
inline constexpr const char* kErrore = "Errore questa è la città di ";
inline constexpr const char* kProvinciaDa = " Provincia da ";
inline constexpr const char* kCapoluogoDa = " Capoluogo da ";
inline constexpr const char* kComuni = " Comuni.";
inline constexpr const char* kNonHoPiuDomande = "Non ho più domande!";
inline constexpr const char* kPunteggio = "Punteggio: ";
inline constexpr const char* kAbbandonato = "e abbandonato senza risposta esatta!";
inline constexpr const char* kPunteggioAbbandono = "Punteggio prima di terminare: ";
inline constexpr const char* kPunteggioFine = "Punteggio di fine esercizio: ";

enum class Mappa { Regioni, Citta };

struct Esercizio {
    const char* opzione;  // the option button's object name
    const char* didascalia;
    const char* suggerimento;
    Mappa mappa;
    int domande;
    int trattini;
    const char* intestazione;
    const char* domanda;
    const char* risolta;  // "Tentativi " n this subject
    const char* abbandono;
    const char* perSoggetto;
    const char* chiestoX;
    const char* chiestoY;
    const char* terminateT;
    const char* doveW;
};

// In the order of the option buttons down the left column, then the right.
inline constexpr std::array<Esercizio, 5> kEsercizi{{
    {"OptReg", "Dov'e' la Regione", " Individua dove si trova la regione indicata ", Mappa::Regioni,
     21, 69, " - Dov'e la Regione?", "Dove si trova la Regione", " per la regione ",
     "- Trova la Regione: Tentativi ", " per la regione ", "Ti ho chiesto tutte", "le regioni",
     " domande sulla posizione", "delle regioni, con "},
    {"OptCapolReg", "Capoluogo di  Regione",
     " Individua di quale regione è capoluogo la città indicata ", Mappa::Regioni, 21, 66,
     " - Di quale regione e' capoluogo la città?", "Quale regione ha come capoluogo la città di",
     " per il capoluogo ", "- Trova Capoluogo di regione: Tentativi ", " per il capoluogo ",
     "Ti ho chiesto tutti", "i capoluoghi", " domande sui Capoluoghi", "delle regioni, con "},
    {"OptCittaReg", "Città di Regione", " Individua in quale regione si trova la città indicata ",
     Mappa::Regioni, 107, 66, " - In quale regione si trova la città di? ",
     "In quale regione si trova la città di", " per il capoluogo ",
     "- Trova Città di regione: Tentativi ", " per la citta' di ", "Ti ho chiesto tutte",
     "le città d'Italia", " domande sulle Città", "delle regioni, con "},
    {"OptCapol", "Dov'e' il Capoluogo",
     " Individua dove si trova il capoluogo di regione indicato ", Mappa::Citta, 21, 66,
     " - Dove si trova la città Capoluogo di regione",
     "Dove si trova la città Capoluogo di regione", " per il capoluogo ",
     "-Trova Capoluogo: Tentativi ", " per la citta' di ", "Ti ho chiesto tutti",
     "i capoluoghi siti in Italia", " domande sui Capoluoghi", "siti in tutta Italia, con "},
    {"OptCitta", "Dov'e' la Città", " Individua dove si trova la città indicata ", Mappa::Citta,
     107, 66, " - Dove di trova la città di? ", "In quale regione si trova la città di",
     " per la città ", "- Trova Città: Tentativi ", " per la citta' di ", "Ti ho chiesto tutte",
     "le province d'Italia", " domande sulle province", "site in tutta Italia, con "},
}};

}  // namespace dati
