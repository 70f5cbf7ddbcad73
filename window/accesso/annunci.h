// What a screen reader says unasked. After each event the window handles, the
// news that a sighted player reads off the status labels (the question, the
// attempt, the note, the score) is put into words and handed to the screen
// reader through one object that it presents whoever has the focus.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

#include "frm_citta.h"

namespace mappix {

// What an event's outcome is compared with.
struct PrimaDellEvento {
    bool esercizio = false;
    int16_t numDom = 0;
    int16_t totTentativi = 0;
    qsizetype lunghezzaRegistro = 0;
    unsigned riscrittureRegistro = 0;

    static PrimaDellEvento Di(const FrmCitta& logica);
};

// The words to say after an event, exactly as the screen shows them; empty
// when the event brought no news:
// - an exercise starts: its prompt and its subject;
// - a wrong answer: the note (on the city map) and the new attempt;
// - a right answer: the note, the next subject and the question's number;
// - the last answer: the closing words and the score;
// - an abandonment: the score line the log gets.
QString Annuncio(const PrimaDellEvento& prima, const FrmCitta& dopo);

// Orca presents an object with the notification role when it becomes showing,
// while it drops name and text changes of labels that have no focus. Each
// message is said once: the object hides and shows again for every message.
class Annunciatore : public QWidget {
    Q_OBJECT

public:
    explicit Annunciatore(QWidget* finestra);

    // Says the text once the events already queued (a focus change that a
    // screen reader would speak over it) have been delivered.
    void Annuncia(const QString& testo);
    // The last text handed over.
    QString testo() const { return accessibleName(); }

private:
    void Mostra();
    QString inAttesa_;
};

}  // namespace mappix
