// The two map panels: a frame holding the map picture and the clickable items
// laid over it (region areas or city markers). The panel owns its items, their
// keyboard order and the focus mark, and is one stop in the window's focus
// chain: Tab enters it on its first item, Tab and Shift+Tab then go through
// the items in index order and leave the panel past the last (or first) one;
// the arrow keys move the mark to the nearest item in their direction, Space
// and Enter click the marked item.
#pragma once

#include <QGroupBox>
#include <QPainterPath>
#include <QRegion>
#include <array>
#include <functional>
#include <vector>

#include "cliccabile.h"
#include "controlli.h"
#include "procedure.h"

namespace mappix {

class Immagine;
class SegnoMappa;

// An invisible region area: it takes clicks only on its region's land.
class AreaRegione : public Cliccabile {
    Q_OBJECT

public:
    using Cliccabile::Cliccabile;
};

class PannelloMappa : public QGroupBox {
    Q_OBJECT

public:
    PannelloMappa(const char* nome, const QString& titolo, QWidget* genitore);

    Immagine* immagine() const { return immagine_; }
    const std::vector<Cliccabile*>& elementi() const { return elementi_; }
    // Position in elementi() of the item under the focus mark; -1 for none.
    int attivo() const { return attivo_; }
    // Whether the mark shows: the panel has the focus and the player uses the
    // keyboard.
    bool segnoVisibile() const;
    // Whether the player can see and click the item at `posizione`.
    bool Raggiungibile(int posizione) const;

protected:
    // Makes the items the first time the panel is shown or about to be (the
    // start screen shows neither map); true once they exist.
    bool Pronto();
    virtual void Popola() = 0;
    void Aggiungi(Cliccabile* elemento, const QString& nomeAccessibile);
    // The outline of an item for the focus mark, in panel coordinates.
    virtual QPainterPath Contorno(const Cliccabile* elemento) const;

    bool event(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    bool focusNextPrevChild(bool avanti) override;

protected:
    void Attiva(int posizione);

private:
    int Raggiungibile(int da, int passo) const;
    int Vicino(int dx, int dy) const;
    void FocusAlLettore();

    Immagine* immagine_ = nullptr;
    SegnoMappa* segno_ = nullptr;
    std::vector<Cliccabile*> elementi_;
    int attivo_ = -1;
    bool daTastiera_ = false;
    bool popolato_ = false;
};

// The region map: 22 areas; area i is region i, area 21 the south-east of
// Puglia. Each area is shaped as its region's land on the drawn map.
class PannelloRegioni : public PannelloMappa {
    Q_OBJECT

public:
    PannelloRegioni(const Controlli& stato, const std::function<void(int)>& clic,
                    QWidget* genitore);

    // Mirrors the map's and the areas' state at the window's scale (1 is the
    // design); reshapes the areas when the map has moved or resized.
    void Specchia(double scala = 1.0);

protected:
    void Popola() override;
    QPainterPath Contorno(const Cliccabile* elemento) const override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void Sagoma();
    void Descrivi(const std::array<QRegion, kNumAree>& forme);

    const Controlli& stato_;
    std::function<void(int)> clic_;
    std::array<AreaRegione*, kNumAree> aree_{};
    // What the current shapes were made for: the map's place, the table
    // rectangles of San Marino and of the south-east of Puglia, the screen's
    // pixel ratio.
    std::array<QRect, 3> fattePer_{};
    qreal rapportoFatto_ = 0;
    double scala_ = 1.0;
};

// The city map: 107 markers; marker i is city i.
class PannelloCitta : public PannelloMappa {
    Q_OBJECT

public:
    PannelloCitta(const Controlli& stato, const Procedure& modulo,
                  const std::function<void(int)>& clic, QWidget* genitore);

    // Mirrors the map and the markers at the window's scale (1 is the design).
    void Specchia(double scala = 1.0);

protected:
    void Popola() override;
    void showEvent(QShowEvent* evento) override;

private:
    const Controlli& stato_;
    const Procedure& modulo_;
    std::function<void(int)> clic_;
    double scala_ = 1.0;
};

}  // namespace mappix
