// Screenshots of the real window for the README: the start screen, the help,
// the exercise choice and an exercise in progress on each map (also compared
// pixel by pixel before and after a change). Run under Xvfb or offscreen:
//   schermate <folder>
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "finestra.h"
#include "frm_citta.h"
#include "servizi_finti.h"

namespace {

void Clic(mappix::FinestraCitta& finestra, const QString& nome) {
    auto* widget = finestra.findChild<QWidget*>(nome);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

bool Salva(mappix::FinestraCitta& finestra, const QString& cartella, const char* nome) {
    QApplication::processEvents();
    const QString percorso = cartella + QLatin1Char('/') + QLatin1String(nome);
    const bool fatto = finestra.grab().save(percorso);
    std::printf("%s %s\n", fatto ? "saved" : "could not save", qPrintable(percorso));
    return fatto;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    Q_INIT_RESOURCE(mappix_assets);
    if (argc != 2) {
        std::fputs("usage: schermate <folder>\n", stderr);
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    mappix::ServiziFinti servizi;
    servizi.casuali = {0.55, 0.3, 0.8, 0.1, 0.62, 0.05, 0.9, 0.44, 0.71};
    mappix::FrmCitta logica(servizi);
    logica.Form_Initialize();
    mappix::FinestraCitta finestra(logica);
    finestra.show();
    bool fatto = Salva(finestra, cartella, "avvio.png");
    Clic(finestra, QStringLiteral("CmdHlp"));
    fatto = Salva(finestra, cartella, "aiuto.png") && fatto;
    Clic(finestra, QStringLiteral("CmdHlpFine"));

    QTest::keyClicks(finestra.findChild<QWidget*>(QStringLiteral("TxtNome")),
                     QStringLiteral("Giulia"));
    Clic(finestra, QStringLiteral("CmdIniz"));
    fatto = Salva(finestra, cartella, "scelta.png") && fatto;
    Clic(finestra, QStringLiteral("OptCittaReg"));
    for (int domanda = 0; domanda < 3; ++domanda) {
        Clic(finestra, QStringLiteral("LbLReg(%1)").arg(logica.RegDom == 9 ? 12 : 9));
        Clic(finestra, QStringLiteral("LbLReg(%1)").arg(logica.RegDom));
    }
    Clic(finestra, QStringLiteral("LbLReg(3)"));
    fatto = Salva(finestra, cartella, "esercizio-regioni.png") && fatto;

    Clic(finestra, QStringLiteral("CmdReset"));
    Clic(finestra, QStringLiteral("OptCitta"));
    Clic(finestra, QStringLiteral("LblCit(%1)").arg(logica.CitDom));
    Clic(finestra, QStringLiteral("LblCit(%1)").arg(logica.CitDom == 71 ? 72 : 71));
    fatto = Salva(finestra, cartella, "esercizio-citta.png") && fatto;
    return fatto ? 0 : 1;
}
