#include "collocazione.h"

#include <QWidget>
#include <cmath>

#include "disposizione.h"

namespace mappix {

int Pixel(int twips, double scala) {
    return static_cast<int>(std::lround(twips * scala / double(kTwipPerPixel)));
}

QRect RettangoloPixel(const Controllo& controllo, double scala) {
    return {Pixel(controllo.Left, scala), Pixel(controllo.Top, scala),
            Pixel(controllo.Width, scala), Pixel(controllo.Height, scala)};
}

void Rispecchia(QWidget* widget, const Controllo& stato, double scala, bool scoperto) {
    const QRect posto = RettangoloPixel(stato, scala);
    if (widget->geometry() != posto) {
        widget->setGeometry(posto);
    }
    const bool visibile = stato.Visible && scoperto;
    if (widget->isVisibleTo(widget->parentWidget()) != visibile) {
        widget->setVisible(visibile);
    }
    // The widget's own flag: a disabled frame disables its children by itself.
    const bool abilitato = stato.Enabled && scoperto;
    if (widget->isEnabledTo(widget->parentWidget()) != abilitato) {
        widget->setEnabled(abilitato);
    }
}

}  // namespace mappix
