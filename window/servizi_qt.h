// The platform services of the real program.
#pragma once

#include <cstdint>
#include <random>

#include "servizi.h"

namespace mappix {

class ServiziQt final : public Servizi {
public:
    ServiziQt();

    double Rnd() override;
    void Randomize() override;
    float Timer() override;
    QDateTime Adesso() override;
    QLocale Locale() override;
    void Beep() override;
    void MsgBox(const QString& testo, const QString& titolo, Icona icona) override;
    void Termina(int codice) override;
    int LarghezzaSchermoTwips() override;

    bool Terminato() const { return terminato_; }
    int CodiceUscita() const { return codice_; }

private:
    std::mt19937_64 generatore_;
    bool terminato_ = false;
    int codice_ = 0;
};

}  // namespace mappix
