// The keyboard focus of the window: the order Tab follows, where the focus
// goes when the window changes state, and the mark that shows where it is.
#pragma once

#include <QPointer>
#include <QWidget>

#include "controlli.h"

namespace mappix {

// What the player is doing, as far as the focus cares.
struct Momento {
    bool inizio = false;     // the start screen: exercise choice hidden
    bool esercizio = false;  // an exercise runs
    bool aiuto = false;      // the help panel is open
    bool inizioAccettato = false;

    static Momento Di(const Controlli& stato);
};

class GuidaFuoco {
public:
    explicit GuidaFuoco(QWidget* finestra);

    // Tab goes through the left part (help panel, start screen, map), then
    // down the right column.
    void Ordina();
    // Moves the focus to where the player's hands are after an event that
    // took the window from one moment to the next.
    void Dopo(const Momento& prima, const Momento& dopo);
    // Where the focus belongs in a moment with nothing else to go by.
    QWidget* Naturale(const Momento& momento) const;

private:
    QWidget* Di(const char* nome) const;
    void Metti(QWidget* widget);

    QWidget* finestra_;
};

// A ring drawn just outside the widget that has the focus, over every
// control of the window and in the theme's highlight colour, whatever the
// style draws or does not draw for focus itself. It takes no clicks.
class SegnoFuoco : public QWidget {
    Q_OBJECT

public:
    explicit SegnoFuoco(QWidget* finestra);

    // The ring's rectangle in the window, empty when nothing of the window
    // has the focus.
    QRect Anello() const;
    // Redraws the ring after the window changed: its widget may have been
    // hidden or shown.
    void Rinfresca();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void Segui(QWidget* vecchio, QWidget* nuovo);

    QPointer<QWidget> seguito_;
    QRect disegnato_;
};

}  // namespace mappix
