// A label that shows its caption as plain text, never as markup: words wrap
// as in a fixed-size label, and only where the text still does not fit is the
// font made just small enough. Without a caption it is a transparent area
// that takes clicks.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include "cliccabile.h"

namespace mappix {

class Etichetta : public Cliccabile {
    Q_OBJECT

public:
    explicit Etichetta(QWidget* genitore = nullptr);

    void impostaTesto(const QString& testo);
    const QString& testo() const { return testo_; }
    void impostaAllineamento(Qt::Alignment allineamento);
    void impostaBordo(bool bordo);
    // The control this label names, for a screen reader (a label's buddy).
    void impostaCompagno(QWidget* compagno) { compagno_ = compagno; }
    QWidget* compagno() const { return compagno_; }

    // The font actually used to draw the current caption.
    QFont carattereUsato() const;
    // The rectangle the caption is laid out in: inside the border, if any.
    QRect areaTesto() const;
    int flagTesto() const;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void adatta();
    void Annuncia(const QString& vecchio);
    QString Visibile(const QString& testo) const;

    QString testo_;
    QString mostrato_;
    Qt::Alignment allineamento_ = Qt::AlignLeft | Qt::AlignTop;
    bool bordo_ = false;
    // What the caption was last fitted for.
    struct Adattamento {
        QFont carattere;
        QRect area;
        Qt::Alignment allineamento;
        QString testo;
        bool operator==(const Adattamento&) const = default;
    };
    Adattamento adattato_;
    QFont usato_;
    bool ovunque_ = false;
    QWidget* compagno_ = nullptr;
};

// The smallest pixel size a caption is shrunk to.
inline constexpr int kPixelMinimi = 7;

}  // namespace mappix
