// Everything the quiz needs from the platform, behind one interface so that
// tests can fix the clock, the locale, the random sequence and the dialogs.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "procedure.h"

namespace mappix {

enum class Icona { Nessuna, Critica };

class Servizi : public Casuale {
public:
    // Seconds since midnight, single precision.
    virtual float Timer() = 0;
    virtual QDateTime Adesso() = 0;
    virtual QLocale Locale() = 0;
    virtual void Beep() = 0;
    // A modal box with only an OK button.
    virtual void MsgBox(const QString& testo, const QString& titolo, Icona icona) = 0;
    // Ends the program with the given exit status; the caller returns at once.
    virtual void Termina(int codice) = 0;
    virtual int LarghezzaSchermoTwips() = 0;
};

}  // namespace mappix
