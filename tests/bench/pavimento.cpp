// The floor for start-up figures: the least a Qt Widgets window of Mappix's
// size costs, one QWidget with one QLabel, built with the same flags.
// tools/misura_processo.sh measures it beside the real program.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Pavimento"));
    finestra.setFixedSize(1009, 689);
    QLabel etichetta(QStringLiteral("Pavimento"), &finestra);
    etichetta.move(20, 20);
    finestra.show();
    return QApplication::exec();
}
