// The quiz window: builds the widgets of the fixed layout, forwards every
// user event to its handler in the logic, and after each event mirrors the
// control state into the widgets. It never decides anything itself.
#pragma once

#include <QMargins>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "collocazione.h"
#include "controlli.h"
#include "frm_citta.h"
#include "fuoco.h"

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace mappix {

class Annunciatore;
class Etichetta;
class Marcatore;

// The largest scale, up to 1, at which the window with its frame fits the
// available area of a screen.
double ScalaPerSchermo(QSize disponibile, QMargins cornice);
inline constexpr double kScalaMinima = 0.25;

class FinestraCitta : public QWidget {
    Q_OBJECT

public:
    // Loads the window: runs the logic's load handler and shows its state.
    explicit FinestraCitta(FrmCitta& logica, QWidget* genitore = nullptr);

    void Aggiorna();
    FrmCitta& logica() { return logica_; }

    // Scales the fixed layout, fonts and pictures uniformly; 1 is the design.
    void ImpostaScala(double scala);
    double scala() const { return scala_; }
    // Scales the window to fit its screen with the given frame round it, and
    // centres it there.
    void AdattaAlloSchermo(QMargins cornice);

    static constexpr int kLarghezza = 1009;
    static constexpr int kAltezza = 689;

protected:
    void closeEvent(QCloseEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;

private:
    template <typename Gestore>
    void Esegui(Gestore gestore);
    void Costruisci();
    void CostruisciInizio();
    void CostruisciStato();
    void CostruisciEsercizi();
    void CostruisciAiuto();
    void CostruisciMappe();
    void Impila();
    void RicordaCaratteriEFigure();
    Etichetta* NuovaEtichetta(const char* nome, QWidget* contenitore, const ConTesto& stato,
                              const QFont& carattere, Qt::Alignment allineamento, bool bordo);
    QToolButton* NuovoPulsanteFigura(const char* nome, const ConTesto& stato, const QString& figura,
                                     const QString& suggerimento);
    QPushButton* NuovaOpzione(const char* nome, Esercizio esercizio, const QString& suggerimento);
    QPlainTextEdit* NuovaCasellaSolaLettura(const char* nome, QWidget* contenitore,
                                            const CasellaTesto& stato, const QFont& carattere,
                                            QPalette::ColorRole sfondo);
    void Specchia(QWidget* widget, const Controllo& stato);
    void SpecchiaRegistro();
    void PremiInizia();
    bool Coperto(const QWidget* widget) const;

    FrmCitta& logica_;
    std::vector<std::function<void()>> specchi_;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* framRegio_ = nullptr;
    QGroupBox* framCitta_ = nullptr;
    QGroupBox* frmHelp_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    // How much of the log the widget shows, and of which writing of it: the
    // window keeps no second reference to the log text, so the logic's
    // appends never copy it.
    qsizetype lunghezzaMostrata_ = 0;
    unsigned riscritturaMostrata_ = 0;
    QLineEdit* txtNome_ = nullptr;
    std::vector<QWidget*> impilati_;  // the window's children, topmost first
    struct CarattereDiProgetto {
        QWidget* widget;
        QFont carattere;
    };
    std::vector<CarattereDiProgetto> caratteri_;
    double scala_ = 1.0;
    QMargins cornice_;
    bool adattaCornice_ = true;
    std::vector<QString> coperti_;  // the window's controls under a visible panel
    GuidaFuoco fuoco_{this};
    SegnoFuoco* segno_ = nullptr;
    Annunciatore* annunciatore_ = nullptr;
};

class ServiziQt;

// Shows the loaded window centred on the screen and runs the event loop,
// unless loading has already ended the program; returns the exit status.
int Mostra(FinestraCitta& finestra, const ServiziQt& servizi);

}  // namespace mappix
