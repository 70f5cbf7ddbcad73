#include <QApplication>
#include <QThreadPool>
#include <cstdio>

#include "finestra.h"
#include "frm_citta.h"
#include "lingua.h"
#include "schermo_presente.h"
#include "servizi_qt.h"

int main(int argc, char* argv[]) {
    if (!mappix::SchermoPresente()) {
        std::fputs(mappix::kMessaggioSenzaSchermo, stderr);
        return 1;
    }
    // The program has no command line: Qt sees only the program's name, so
    // its own options (-reverse, -style, ...) take no effect. The environment
    // (QT_QPA_PLATFORM and the like) still configures Qt.
    char nome[] = "mappix";
    int argcQt = 1;
    char* argvQt[] = {argc > 0 ? argv[0] : nome, nullptr};
    QApplication applicazione(argcQt, argvQt);
    QApplication::setApplicationName(QStringLiteral("Mappix"));
    // Qt's raster engine hands the spans of a long fill to its global thread
    // pool and waits for them. For this window's controls and maps the
    // hand-over to a second worker costs more CPU time than it saves, and
    // every worker brings its own stack and memory arena; one worker paints
    // the same pixels.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    mappix::CaricaTraduzioniQt();
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
