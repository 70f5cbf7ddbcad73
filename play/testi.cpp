#include "testi.h"

namespace mappix {

QString TestoInformazioni() {
    return QStringLiteral(
        "Metti alla prova le tue conoscenze sulla posizione delle regioni, "
        "delle città capoluogo di regione e di provincia italiane. \r"
        "Per rispondere alle domande clicca al centro delle regioni "
        "o sulle città. Man mano che procedi puoi controllare i tuoi progressi "
        "nel riquadro in basso a destra. Il programma assegna un punteggio finale. \r\r"
        "Risoluzione schermo minima 1024 x 760 !");
}

QString TestoAiuto() {
    return QStringLiteral(
        "Questo programma consente di verificare le proprie conoscenze sulle regioni "
        "italiane, sulle città capoluogo di regione e di provincia italiane, della loro "
        "posizione "
        "sulla cartina geografica e della regione di appartenenza. \r\n"
        "Il test è diviso in cinque serie di domande, (21 domande per le regioni e 107 domande "
        "per le province). "
        "Le domande sulle regioni d'Italia e delle città di loro appartenenza sono "
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
        "per il programma, viste come una Regione italiana e un suo capoluogo. Quindi San "
        "Marino "
        "è vista come la 21esima regione/capoluogo e la 107esima città.\r\n\r\n"
        "2. Le domande vengono generate in modo casuale, pertanto può essere richiesta "
        "una città (o regione) poco nota rispetto ad uno stesso esercizio lanciato in "
        "precedenza e dopo uno stesso numero di domande proposte.\r\n\r\n"
        "3. Le città come Massa-Carrara, Pesaro e Urbino, Forlì e Cesena "
        "sono viste come città singole e posizionate correttamente sulla cartina, ad "
        "esclusione "
        "della citta di Verbano-Cusio-Ossola.");
}

}  // namespace mappix
