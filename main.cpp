#include <QApplication>
#include <cstdio>

#include "finestra.h"
#include "frm_citta.h"
#include "schermo_presente.h"
#include "servizi_qt.h"

int main(int argc, char* argv[]) {
    if (!mappix::SchermoPresente()) {
        std::fputs(mappix::kMessaggioSenzaSchermo, stderr);
        return 1;
    }
    QApplication applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mappix"));
    Q_INIT_RESOURCE(mappix_assets);

    mappix::ServiziQt servizi;
    mappix::FrmCitta logica(servizi);
    // Either step may end the program before the window is shown: a screen
    // too narrow is refused before anything appears.
    logica.Form_Initialize();
    if (servizi.Terminato()) {
        return servizi.CodiceUscita();
    }
    mappix::FinestraCitta finestra(logica);
    return mappix::Mostra(finestra, servizi);
}
