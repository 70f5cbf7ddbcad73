#include "servizi_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <chrono>

#include "disposizione.h"
#include "testo_mostrato.h"

namespace mappix {

ServiziQt::ServiziQt() {
    Randomize();
}

// 53 random bits scaled into [0, 1): never 1.
double ServiziQt::Rnd() {
    return static_cast<double>(generatore_() >> 11) * 0x1.0p-53;
}

void ServiziQt::Randomize() {
    generatore_.seed(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

float ServiziQt::Timer() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
}

QDateTime ServiziQt::Adesso() {
    return QDateTime::currentDateTime();
}

QLocale ServiziQt::Locale() {
    return QLocale::system();
}

void ServiziQt::Beep() {
    QApplication::beep();
}

void ServiziQt::MsgBox(const QString& testo, const QString& titolo, Icona icona) {
    QMessageBox box(icona == Icona::Critica ? QMessageBox::Critical : QMessageBox::NoIcon, titolo,
                    TestoMostrato(testo), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ServiziQt::Termina(int codice) {
    terminato_ = true;
    codice_ = codice;
    QCoreApplication::exit(codice);
}

int ServiziQt::LarghezzaSchermoTwips() {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo == nullptr ? 0 : schermo->geometry().width() * kTwipPerPixel;
}

}  // namespace mappix
