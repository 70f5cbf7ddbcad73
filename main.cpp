#include <QApplication>
#include <QScreen>

#include "finestra.h"
#include "frm_citta.h"
#include "servizi_qt.h"

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mappix"));
    Q_INIT_RESOURCE(mappix_assets);

    mappix::ServiziQt servizi;
    mappix::FrmCitta logica(servizi);
    logica.Form_Initialize();
    if (servizi.Terminato()) {
        return servizi.CodiceUscita();
    }
    mappix::FinestraCitta finestra(logica);
    if (servizi.Terminato()) {
        return servizi.CodiceUscita();
    }
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        QRect posto = finestra.frameGeometry();
        posto.moveCenter(schermo->availableGeometry().center());
        finestra.move(posto.topLeft());
    }
    finestra.show();
    const int codice = QApplication::exec();
    return servizi.Terminato() ? servizi.CodiceUscita() : codice;
}
