// The right answer to the question on screen, worked out as a player would:
// from the prompt, the subject and the map shown, looked up in the written-out
// tables, never in the quiz's own state.
#pragma once

#include <QHash>
#include <QPoint>
#include <QString>
#include <cmath>

#include "dati/citta.h"
#include "dati/mappa.h"
#include "dati/regioni.h"
#include "dati/testi.h"

namespace oracolo {

inline QString U(const char* testo) {
    return QString::fromUtf8(testo);
}

inline int CittaDiNome(const QString& nome) {
    static const QHash<QString, int> indici = [] {
        QHash<QString, int> h;
        for (int c = 1; c <= 107; ++c) {
            h.insert(U(dati::kCitta[static_cast<std::size_t>(c)].nome), c);
        }
        return h;
    }();
    return indici.value(nome, -1);
}

inline int RegioneDiNome(const QString& nome) {
    static const QHash<QString, int> indici = [] {
        QHash<QString, int> h;
        for (int r = 0; r < 21; ++r) {
            h.insert(U(dati::kRegioni[static_cast<std::size_t>(r)].nome), r);
        }
        return h;
    }();
    return indici.value(nome, -1);
}

// The marker (city map) or region (region map) that answers the question; -1
// when the screen shows no question this could answer.
inline int Risposta(const QString& domanda, const QString& soggetto, bool mappaCitta) {
    if (mappaCitta) {
        return CittaDiNome(soggetto);
    }
    if (domanda == U(dati::kEsercizi[0].domanda)) {
        return RegioneDiNome(soggetto);
    }
    const int c = CittaDiNome(soggetto);
    return c < 0 ? -1 : dati::kCitta[static_cast<std::size_t>(c)].regione;
}

inline int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

// The centre of a marker in FramCitta, in pixels at 1x.
inline QPoint PuntoDiCitta(int c) {
    const dati::PuntoMarcatore& m = dati::kMarcatori[static_cast<std::size_t>(c)];
    return {Px(m.left + dati::kLarghezzaMarcatore / 2), Px(m.top + dati::kAltezzaMarcatore / 2)};
}

}  // namespace oracolo
