// The floor for start-up figures: the least a Qt Widgets window of Mappix's
// size costs, one QWidget with one QLabel, built with the same flags.
// tools/misura_processo.sh measures it beside the real program, and a copy
// that waits PAVIMENTO_ATTESA_MS before showing its window as the control
// the measurement must tell apart.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <chrono>
#include <thread>

#ifndef PAVIMENTO_ATTESA_MS
#define PAVIMENTO_ATTESA_MS 0
#endif

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Pavimento"));
    finestra.setFixedSize(1009, 689);
    QLabel etichetta(QStringLiteral("Pavimento"), &finestra);
    etichetta.move(20, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(PAVIMENTO_ATTESA_MS));
    finestra.show();
    return QApplication::exec();
}
