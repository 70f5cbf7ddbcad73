// Platform services with everything fixed: a scripted random sequence, a
// clock that the test sets, a chosen locale, and recorded beeps, message
// boxes and program ends.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <deque>
#include <vector>

#include "servizi.h"

namespace mappix {

struct MessaggioRegistrato {
    QString testo;
    QString titolo;
    Icona icona;
};

class ServiziFinti : public Servizi {
public:
    // Numbers in [0, 1) handed out in order; when they run out, 0 is returned.
    std::deque<double> casuali;
    int semine = 0;
    float timer = 0;
    QDateTime adesso{QDate(2026, 12, 9), QTime(10, 30, 15)};
    QLocale locale{QLocale::Italian, QLocale::Italy};
    int beep = 0;
    std::vector<MessaggioRegistrato> messaggi;
    std::vector<int> termina;
    int larghezzaTwips = 1280 * 15;

    double Rnd() override {
        if (casuali.empty()) {
            return 0.0;
        }
        const double r = casuali.front();
        casuali.pop_front();
        return r;
    }
    void Randomize() override { ++semine; }
    float Timer() override { return timer; }
    QDateTime Adesso() override { return adesso; }
    QLocale Locale() override { return locale; }
    void Beep() override { ++beep; }
    void MsgBox(const QString& testo, const QString& titolo, Icona icona) override {
        messaggi.push_back({testo, titolo, icona});
    }
    void Termina(int codice) override { termina.push_back(codice); }
    int LarghezzaSchermoTwips() override { return larghezzaTwips; }

    // The number that makes the draw pick index i from the bounds lo..hi.
    static double Scegli(int i, int lo, int hi) { return (i - lo + 0.5) / (hi - lo + 1); }
};

// The same services drawing from a seeded generator that never runs dry, for
// long runs.
class ServiziSemeFisso : public ServiziFinti {
public:
    explicit ServiziSemeFisso(unsigned long long seme) : stato_(seme) {}
    double Rnd() override {
        stato_ = stato_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(stato_ >> 11) * 0x1.0p-53;
    }

private:
    unsigned long long stato_;
};

}  // namespace mappix
