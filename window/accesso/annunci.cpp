#include "annunci.h"

#include <QAccessible>
#include <QTimer>
#include <algorithm>
#include <initializer_list>

#include "testo_mostrato.h"

namespace mappix {
namespace {

bool FinisceConPunteggiatura(const QString& frase) {
    static const QString kSegni = QStringLiteral(".!?:;,");
    return !frase.isEmpty() && kSegni.contains(frase.back());
}

// The captions one after the other, each a sentence of its own.
QString Frase(std::initializer_list<QString> pezzi) {
    QString frase;
    for (const QString& pezzo : pezzi) {
        const QString parole = TestoMostrato(pezzo).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (parole.trimmed().isEmpty()) {
            continue;
        }
        if (!frase.isEmpty()) {
            frase += FinisceConPunteggiatura(frase) ? QStringLiteral(" ") : QStringLiteral(". ");
        }
        frase += parole;
    }
    return frase;
}

// The last line of what the log just got that has a word in it (the closing
// rule has none).
QString UltimaRigaConParole(const PrimaDellEvento& prima, const CasellaTesto& registro) {
    if (registro.Riscritture != prima.riscrittureRegistro ||
        registro.Text.size() <= prima.lunghezzaRegistro) {
        return {};
    }
    const QStringList righe = TestoMostrato(registro.Text.mid(prima.lunghezzaRegistro))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const auto conParole = std::find_if(righe.crbegin(), righe.crend(), [](const QString& riga) {
        return std::any_of(riga.begin(), riga.end(), [](QChar c) { return c.isLetter(); });
    });
    return conParole == righe.crend() ? QString() : conParole->trimmed();
}

}  // namespace

PrimaDellEvento PrimaDellEvento::Di(const FrmCitta& logica) {
    return {logica.EsercizioInCorso().has_value(), logica.NumDom, logica.TotTentativi,
            logica.Ctl.Text1.Text.size(), logica.Ctl.Text1.Riscritture};
}

QString Annuncio(const PrimaDellEvento& prima, const FrmCitta& dopo) {
    const Controlli& c = dopo.Ctl;
    const bool esercizio = dopo.EsercizioInCorso().has_value();
    if (!prima.esercizio) {
        return esercizio ? Frase({c.LblDom1.Caption, c.LblDom0.Caption}) : QString();
    }
    if (esercizio) {
        if (dopo.TotTentativi == prima.totTentativi) {
            return {};  // no answer was given
        }
        if (dopo.NumDom != prima.numDom) {
            return Frase({c.LblNote.Caption, c.LblDom0.Caption, c.LblNumDom.Caption});
        }
        return Frase({c.LblNote.Caption, c.LblTentativi.Caption});
    }
    if (!c.LblDom1.Caption.isEmpty()) {  // every question answered
        return Frase({c.LblDom1.Caption,
                      c.LblDom0.Caption + QLatin1Char(' ') + c.LblTentativi.Caption,
                      c.LblNumDom.Caption});
    }
    return UltimaRigaConParole(prima, c.Text1);
}

Annunciatore::Annunciatore(QWidget* finestra) : QWidget(finestra) {
    setObjectName(QStringLiteral("Annunciatore"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Annunciatore::Annuncia(const QString& testo) {
    if (testo.isEmpty()) {
        return;
    }
    if (!inAttesa_.isEmpty()) {
        inAttesa_ += QLatin1Char(' ') + testo;  // two events before the first was said
        return;
    }
    inAttesa_ = testo;
    QTimer::singleShot(0, this, &Annunciatore::Mostra);
}

void Annunciatore::Mostra() {
    setAccessibleName(inAttesa_);
    inAttesa_.clear();
    hide();
    show();
}

}  // namespace mappix
