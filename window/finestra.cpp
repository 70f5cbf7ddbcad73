#include "finestra.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <limits>

#include "accessibile.h"
#include "annunci.h"
#include "area_di_lavoro.h"
#include "caratteri.h"
#include "copertura.h"
#include "etichetta.h"
#include "formato.h"
#include "immagine.h"
#include "pannello_mappa.h"
#include "servizi_qt.h"
#include "testo_mostrato.h"

namespace mappix {
namespace {

// The side of a button's picture at full scale, in pixels.
constexpr int kLatoFigura = 32;
// The resource of a button's picture, kept on the button to redraw it at another scale.
constexpr const char* kProprietaFigura = "mappixFigura";

void ColoreDiSfondo(QWidget* widget, QPalette::ColorRole ruolo) {
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(QPalette::Base, tavolozza.color(ruolo));
    widget->setPalette(tavolozza);
}

}  // namespace

double ScalaPerSchermo(QSize disponibile, QMargins cornice) {
    const double larghezza = disponibile.width() - cornice.left() - cornice.right();
    const double altezza = disponibile.height() - cornice.top() - cornice.bottom();
    return std::clamp(
        std::min(larghezza / FinestraCitta::kLarghezza, altezza / FinestraCitta::kAltezza),
        kScalaMinima, 1.0);
}

FinestraCitta::FinestraCitta(FrmCitta& logica, QWidget* genitore)
    : QWidget(genitore), logica_(logica) {
    InstallaAccessibilita();
    setObjectName(QStringLiteral("FrmCitta"));
    setWindowTitle(QStringLiteral("Mappix"));
    // The window icon at the two sizes a title bar and a task bar show; the
    // menu and the task switcher take theirs from the installed icon theme.
    setWindowIcon(IconaSvg(QStringLiteral(":/icona.svg"), {QSize(16, 16), QSize(32, 32)},
                           QStringLiteral(":/icona-16.svg")));
    setFixedSize(kLarghezza, kAltezza);
    setFont(Carattere(Famiglia::MsSansSerif, kPuntiModulo));
    // Qt lays out a new line edit's and text box's empty text in the
    // application's font; built under the form's font, they load no face
    // that the screen never shows. QGuiApplication's setter, not
    // QApplication's, which would drop the desktop's fonts for menus and tips.
    const QFont applicazione = QGuiApplication::font();
    QGuiApplication::setFont(font());
    Costruisci();
    QGuiApplication::setFont(applicazione);
    RicordaCaratteriEFigure();
    logica_.Form_Load();
    Aggiorna();
    // Letters typed at once go into the name box.
    fuoco_.Naturale(Momento::Di(logica_.Ctl))->setFocus(Qt::OtherFocusReason);
}

// Every font and button picture is remembered at its design size, so that a
// change of scale starts from the design and never from an earlier scale.
void FinestraCitta::RicordaCaratteriEFigure() {
    caratteri_.push_back({this, font()});
    for (QWidget* figlio : findChildren<QWidget*>()) {
        if (figlio->testAttribute(Qt::WA_SetFont)) {
            caratteri_.push_back({figlio, figlio->font()});
        }
    }
}

void FinestraCitta::ImpostaScala(double scala) {
    if (scala == scala_) {
        return;
    }
    scala_ = scala;
    setFixedSize(Pixel(kLarghezza * kTwipPerPixel, scala_),
                 Pixel(kAltezza * kTwipPerPixel, scala_));
    for (const auto& [widget, progetto] : caratteri_) {
        widget->setFont(CarattereInScala(progetto, scala_));
    }
    for (auto* pulsante : findChildren<QToolButton*>()) {
        const QString figura = pulsante->property(kProprietaFigura).toString();
        if (!figura.isEmpty()) {
            const int lato = Pixel(kLatoFigura * kTwipPerPixel, scala_);
            pulsante->setIcon(IconaSvg(figura, {QSize(lato, lato)}));
            pulsante->setIconSize(QSize(lato, lato));
        }
    }
    Aggiorna();
}

template <typename Gestore>
void FinestraCitta::Esegui(Gestore gestore) {
    const Momento prima = Momento::Di(logica_.Ctl);
    const PrimaDellEvento primaAnnuncio = PrimaDellEvento::Di(logica_);
    gestore();
    Aggiorna();
    fuoco_.Dopo(prima, Momento::Di(logica_.Ctl));
    annunciatore_->Annuncia(Annuncio(primaAnnuncio, logica_));
}

void FinestraCitta::Costruisci() {
    CostruisciMappe();
    CostruisciInizio();
    CostruisciStato();
    CostruisciEsercizi();
    CostruisciAiuto();
    Impila();
    fuoco_.Ordina();
    segno_ = new SegnoFuoco(this);
    annunciatore_ = new Annunciatore(this);
}

bool FinestraCitta::Coperto(const QWidget* widget) const {
    return widget->parentWidget() == this &&
           std::find(coperti_.begin(), coperti_.end(), widget->objectName()) != coperti_.end();
}

void FinestraCitta::Specchia(QWidget* widget, const Controllo& stato) {
    // A covered control is hidden and disabled: nobody sees it (the panels
    // are opaque), so it must take no focus, key or action, and a screen
    // reader must not find it on screen.
    specchi_.emplace_back(
        [this, widget, &stato] { Rispecchia(widget, stato, scala_, !Coperto(widget)); });
}

Etichetta* FinestraCitta::NuovaEtichetta(const char* nome, QWidget* contenitore,
                                         const ConTesto& stato, const QFont& carattere,
                                         Qt::Alignment allineamento, bool bordo) {
    auto* etichetta = new Etichetta(contenitore);
    etichetta->setObjectName(QString::fromLatin1(nome));
    etichetta->setFont(carattere);
    etichetta->impostaAllineamento(allineamento);
    etichetta->impostaBordo(bordo);
    Specchia(etichetta, stato);
    specchi_.emplace_back([etichetta, &stato] { etichetta->impostaTesto(stato.Caption); });
    if (contenitore == this) {
        impilati_.push_back(etichetta);
    }
    return etichetta;
}

QToolButton* FinestraCitta::NuovoPulsanteFigura(const char* nome, const ConTesto& stato,
                                                const QString& figura,
                                                const QString& suggerimento) {
    auto* pulsante = new QToolButton(this);
    pulsante->setObjectName(QString::fromLatin1(nome));
    pulsante->setFont(Carattere(Famiglia::Arial, 14.25));
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    pulsante->setIcon(IconaSvg(figura, {QSize(kLatoFigura, kLatoFigura)}));
    pulsante->setIconSize(QSize(kLatoFigura, kLatoFigura));
    pulsante->setProperty(kProprietaFigura, figura);
    pulsante->setToolTip(suggerimento);
    pulsante->setText(stato.Caption);
    Specchia(pulsante, stato);
    impilati_.push_back(pulsante);
    return pulsante;
}

QPushButton* FinestraCitta::NuovaOpzione(const char* nome, Esercizio esercizio,
                                         const QString& suggerimento) {
    Opzione& stato = logica_.OpzioneDi(esercizio);
    // Marked before its caption is set: setting it tells a screen reader,
    // which then learns once and for all what kind of control this is.
    auto* opzione = new QPushButton(frame1_);
    opzione->setProperty(kProprietaScelta, true);
    opzione->setText(stato.Caption);
    opzione->setObjectName(QString::fromLatin1(nome));
    opzione->setCheckable(true);
    opzione->setFont(Carattere(Famiglia::MsSansSerif, 9.75));
    opzione->setToolTip(suggerimento);
    Specchia(opzione, stato);
    // Setting the check mark from the state emits no click: only the player's
    // click starts an exercise.
    specchi_.emplace_back([opzione, &stato] { opzione->setChecked(stato.Value); });
    connect(opzione, &QPushButton::clicked, this,
            [this, esercizio] { Esegui([this, esercizio] { logica_.Opt_Click(esercizio); }); });
    return opzione;
}

QPlainTextEdit* FinestraCitta::NuovaCasellaSolaLettura(const char* nome, QWidget* contenitore,
                                                       const CasellaTesto& stato,
                                                       const QFont& carattere,
                                                       QPalette::ColorRole sfondo) {
    auto* casella = new QPlainTextEdit(contenitore);
    if (contenitore != this) {
        CarattereAllaVista(casella);  // the help's text, shown only on request
    }
    casella->setObjectName(QString::fromLatin1(nome));
    casella->setReadOnly(true);
    casella->setFont(carattere);
    casella->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lines break between words only: breaking inside a very long word (a
    // name of thousands of letters) costs Qt's layout seconds; such a word
    // scrolls sideways instead.
    casella->setWordWrapMode(QTextOption::WordWrap);
    casella->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    casella->setUndoRedoEnabled(false);
    ColoreDiSfondo(casella, sfondo);
    Specchia(casella, stato);
    return casella;
}

void FinestraCitta::CostruisciMappe() {
    Controlli& c = logica_.Ctl;
    const QFont titolo = Carattere(Famiglia::TimesNewRoman, 11.25);

    auto* regio = new PannelloRegioni(
        c, [this](int i) { Esegui([this, i] { logica_.LbLReg_Click(static_cast<int16_t>(i)); }); },
        this);
    CarattereAllaVista(regio);
    regio->setFont(titolo);
    Specchia(regio, c.FramRegio);
    specchi_.emplace_back([this, regio] { regio->Specchia(scala_); });
    framRegio_ = regio;

    auto* citta = new PannelloCitta(
        c, logica_.Modulo,
        [this](int i) { Esegui([this, i] { logica_.LblCit_Click(static_cast<int16_t>(i)); }); },
        this);
    CarattereAllaVista(citta);
    citta->setFont(titolo);
    Specchia(citta, c.FramCitta);
    specchi_.emplace_back([this, citta] { citta->Specchia(scala_); });
    framCitta_ = citta;
}

void FinestraCitta::CostruisciInizio() {
    Controlli& c = logica_.Ctl;
    const QFont modulo = Carattere(Famiglia::MsSansSerif, kPuntiModulo);

    auto* cmdIniz =
        NuovoPulsanteFigura("CmdIniz", c.CmdIniz, QStringLiteral(":/inizia.svg"), QString());
    connect(cmdIniz, &QToolButton::clicked, this, &FinestraCitta::PremiInizia);

    txtNome_ = new QLineEdit(this);
    txtNome_->setObjectName(QStringLiteral("TxtNome"));
    txtNome_->setFont(Carattere(Famiglia::CourierNew, 21.75, true));
    txtNome_->setAlignment(Qt::AlignCenter);
    // No limit of its own on the name's length (Qt's default stops at 32767).
    txtNome_->setMaxLength(std::numeric_limits<int>::max());
    ColoreDiSfondo(txtNome_, QPalette::ToolTipBase);
    Specchia(txtNome_, c.TxtNome);
    specchi_.emplace_back([this] {
        if (txtNome_->text() != logica_.Ctl.TxtNome.Text) {
            txtNome_->setText(logica_.Ctl.TxtNome.Text);
        }
    });
    connect(txtNome_, &QLineEdit::textEdited, this, [this](const QString& testo) {
        // A copy: the signal may hand over the box's own text, which the
        // mirror is about to replace.
        const QString scritto = testo;
        const QString prima = scritto.left(txtNome_->cursorPosition());
        Esegui([this, &scritto] { logica_.TxtNome_Change(scritto); });
        // Where the logic rewrote the text (a pasted line break became a
        // blank), the cursor stays after what was typed, not at the end.
        if (txtNome_->text() != scritto) {
            txtNome_->setCursorPosition(static_cast<int>(SuUnaRiga(prima).size()));
        }
    });
    // Enter in the name box presses "Inizia"; a covered name box takes no keys.
    connect(txtNome_, &QLineEdit::returnPressed, this, &FinestraCitta::PremiInizia);
    impilati_.push_back(txtNome_);

    auto* cmdHlp =
        NuovoPulsanteFigura("CmdHlp", c.CmdHlp, QStringLiteral(":/aiuto.svg"), QString());
    connect(cmdHlp, &QToolButton::clicked, this,
            [this] { Esegui([this] { logica_.CmdHlp_Click(); }); });

    const QString crediti = QStringLiteral(
        "Mappix 1.0 \u2014 cartina d'Italia disegnata dai confini di @svg-maps/italy 2.0.0 "
        "(CC BY 4.0), basati sul lavoro di MapSVG");
    NuovaEtichetta("Label2", this, c.Label2, modulo, Qt::AlignHCenter | Qt::AlignTop, false)
        ->setToolTip(crediti);
    NuovaEtichetta("LbLInfo", this, c.LbLInfo, Carattere(Famiglia::MsSansSerif, 9.75),
                   Qt::AlignLeft | Qt::AlignTop, false);
    auto* image4 = new Immagine(QStringLiteral(":/logo.svg"), true, this);
    image4->setObjectName(QStringLiteral("Image4"));
    image4->setToolTip(crediti);
    Specchia(image4, c.Image4);
    impilati_.push_back(image4);
    // The invitation above the name box is what names it for a screen reader.
    NuovaEtichetta("Label1", this, c.Label1, Carattere(Famiglia::MsSansSerif, 13.5),
                   Qt::AlignHCenter | Qt::AlignTop, false)
        ->impostaCompagno(txtNome_);
    txtNome_->setAccessibleName(TestoMostrato(c.Label1.Caption));
    auto* image3 = new Immagine(QStringLiteral(":/decorazione.svg"), false, this);
    image3->setObjectName(QStringLiteral("Image3"));
    Specchia(image3, c.Image3);
    impilati_.push_back(image3);
}

void FinestraCitta::CostruisciStato() {
    Controlli& c = logica_.Ctl;
    const Qt::Alignment centrato = Qt::AlignHCenter | Qt::AlignTop;

    auto* cmdNuovo = NuovoPulsanteFigura("CmdNuovo", c.CmdNuovo, QStringLiteral(":/nuovo.svg"),
                                         QStringLiteral(" Cambia giocatore "));
    connect(cmdNuovo, &QToolButton::clicked, this,
            [this] { Esegui([this] { logica_.CmdNuovo_Click(); }); });
    auto* cmdFine = NuovoPulsanteFigura("CmdFine", c.CmdFine, QStringLiteral(":/esci.svg"),
                                        QStringLiteral(" Fine - Termina il programma "));
    connect(cmdFine, &QToolButton::clicked, this,
            [this] { Esegui([this] { logica_.CmdFine_Click(); }); });

    auto* barra = new QProgressBar(this);
    barra->setObjectName(QStringLiteral("ProgressBar1"));
    barra->setTextVisible(false);
    // What it counts, so that its percentage is not taken for the score.
    barra->setAccessibleName(QStringLiteral("Domande"));
    Specchia(barra, c.ProgressBar1);
    specchi_.emplace_back([barra, &stato = c.ProgressBar1] {
        barra->setRange(static_cast<int>(std::lround(stato.Min)),
                        static_cast<int>(std::lround(stato.Max)));
        barra->setValue(static_cast<int>(std::lround(stato.Value)));
    });
    impilati_.push_back(barra);

    text1_ = NuovaCasellaSolaLettura("Text1", this, c.Text1, Carattere(Famiglia::MsSansSerif, 9.75),
                                     QPalette::ToolTipBase);
    text1_->setAccessibleName(QStringLiteral("Registro della prova"));
    // A caret for the arrow keys, so that a screen reader reads it line by line.
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    specchi_.emplace_back([this] { SpecchiaRegistro(); });
    impilati_.push_back(text1_);

    NuovaEtichetta("LblNote", this, c.LblNote, Carattere(Famiglia::MsSansSerif, 12), centrato,
                   true);
    NuovaEtichetta("LblTotTent", this, c.LblTotTent, Carattere(Famiglia::Arial, 18),
                   Qt::AlignLeft | Qt::AlignTop, false);
    NuovaEtichetta("LblNumDom", this, c.LblNumDom, Carattere(Famiglia::Arial, 18),
                   Qt::AlignLeft | Qt::AlignTop, false);
    NuovaEtichetta("LblTentativi", this, c.LblTentativi, Carattere(Famiglia::MsSansSerif, 18),
                   centrato, false);
    NuovaEtichetta("LblDom0", this, c.LblDom0, Carattere(Famiglia::MsSansSerif, 24), centrato,
                   false);
    NuovaEtichetta("LblDom1", this, c.LblDom1, Carattere(Famiglia::MsSansSerif, 18), centrato,
                   false);
    NuovaEtichetta("LblNome", this, c.LblNome, Carattere(Famiglia::MsSansSerif, 13.5), centrato,
                   true);
}

void FinestraCitta::CostruisciEsercizi() {
    Controlli& c = logica_.Ctl;
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setAutoFillBackground(true);
    Specchia(frame1_, c.Frame1);
    impilati_.push_back(frame1_);

    NuovaOpzione("OptReg", Esercizio::Reg,
                 QStringLiteral(" Individua dove si trova la regione indicata "));
    NuovaOpzione("OptCapolReg", Esercizio::CapolReg,
                 QStringLiteral(" Individua di quale regione è capoluogo la città indicata "));
    NuovaOpzione("OptCittaReg", Esercizio::CittaReg,
                 QStringLiteral(" Individua in quale regione si trova la città indicata "));
    NuovaOpzione("OptCapol", Esercizio::Capol,
                 QStringLiteral(" Individua dove si trova il capoluogo di regione indicato "));
    NuovaOpzione("OptCitta", Esercizio::Citta,
                 QStringLiteral(" Individua dove si trova la città indicata "));

    // A vertical rule between the region-map column and the city-map column.
    auto* line1 = new QWidget(frame1_);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setAutoFillBackground(true);
    QPalette tavolozza = line1->palette();
    tavolozza.setColor(QPalette::Window, tavolozza.color(QPalette::Light));
    line1->setPalette(tavolozza);
    specchi_.emplace_back([this, line1] {
        const int x = Pixel(2790, scala_) - 1;
        const int alto = Pixel(135, scala_);
        const QRect posto(x, alto, 2, Pixel(1740, scala_) - alto);
        if (line1->geometry() != posto) {
            line1->setGeometry(posto);
        }
    });

    auto* cmdReset = new QPushButton(c.CmdReset.Caption, this);
    cmdReset->setObjectName(QStringLiteral("CmdReset"));
    cmdReset->setFont(Carattere(Famiglia::TimesNewRoman, 11.25, true));
    cmdReset->setToolTip(
        QStringLiteral(" Annulla l'esercizio consentendo di passare ad un altro "));
    Specchia(cmdReset, c.CmdReset);
    connect(cmdReset, &QPushButton::clicked, this,
            [this] { Esegui([this] { logica_.CmdReset_Click(); }); });
    impilati_.push_back(cmdReset);
}

void FinestraCitta::CostruisciAiuto() {
    Controlli& c = logica_.Ctl;
    frmHelp_ = new QGroupBox(c.FrmHelp.Caption, this);
    frmHelp_->setObjectName(QStringLiteral("FrmHelp"));
    frmHelp_->setAutoFillBackground(true);
    Specchia(frmHelp_, c.FrmHelp);
    impilati_.push_back(frmHelp_);

    auto* text2 = NuovaCasellaSolaLettura("Text2", frmHelp_, c.Text2,
                                          Carattere(Famiglia::MsSansSerif, 12), QPalette::Midlight);
    QPalette tavolozza = text2->palette();
    tavolozza.setColor(QPalette::Text, tavolozza.color(QPalette::WindowText));
    text2->setPalette(tavolozza);
    // The help's text is laid out when the help is first opened, not at start.
    specchi_.emplace_back([text2, &stato = c.Text2, &aiuto = c.FrmHelp] {
        if (!aiuto.Visible) {
            return;
        }
        const QString mostrato = TestoMostrato(stato.Text);
        if (text2->toPlainText() != mostrato) {
            text2->setPlainText(mostrato);
        }
    });

    auto* chiudi = new QPushButton(c.CmdHlpFine.Caption, frmHelp_);
    chiudi->setObjectName(QStringLiteral("CmdHlpFine"));
    chiudi->setFont(Carattere(Famiglia::MsSansSerif, 12));
    Specchia(chiudi, c.CmdHlpFine);
    connect(chiudi, &QPushButton::clicked, this,
            [this] { Esegui([this] { logica_.CmdHlpFine_Click(); }); });
}

void FinestraCitta::Impila() {
    impilati_.push_back(framRegio_);
    impilati_.push_back(framCitta_);
    // From the bottom up: each raise puts one more control on top.
    for (std::size_t i = kDallAlto.size(); i-- > 0;) {
        for (QWidget* widget : impilati_) {
            if (widget->objectName() == QLatin1String(kDallAlto[i])) {
                widget->raise();
            }
        }
    }
}

void FinestraCitta::SpecchiaRegistro() {
    const CasellaTesto& stato = logica_.Ctl.Text1;
    const QString& registro = stato.Text;
    if (stato.Riscritture != riscritturaMostrata_ || registro.size() < lunghezzaMostrata_) {
        // A new player's log is only its header; laying out again the same
        // header (a very long name) is the one cost worth skipping here.
        const QString mostrato = TestoMostrato(registro);
        if (text1_->toPlainText() != mostrato) {
            text1_->setPlainText(mostrato);
        }
    } else if (registro.size() > lunghezzaMostrata_) {
        // The log grows by appending: only the new piece goes into the widget.
        QStringView pezzo = QStringView(registro).mid(lunghezzaMostrata_);
        // A CR shown at the end already broke the line its LF completes.
        if (lunghezzaMostrata_ > 0 && registro.at(lunghezzaMostrata_ - 1) == QLatin1Char('\r') &&
            pezzo.startsWith(QLatin1Char('\n'))) {
            pezzo = pezzo.mid(1);
        }
        QTextCursor cursore(text1_->document());
        cursore.movePosition(QTextCursor::End);
        cursore.insertText(TestoMostrato(pezzo.toString()));
    } else {
        return;
    }
    lunghezzaMostrata_ = registro.size();
    riscritturaMostrata_ = stato.Riscritture;
    text1_->verticalScrollBar()->setValue(text1_->verticalScrollBar()->maximum());
}

void FinestraCitta::PremiInizia() {
    const Momento prima = Momento::Di(logica_.Ctl);
    logica_.CmdIniz_Click();
    // Refused, the start screen stays as it was; accepted, the exercise
    // choice is shown and the player picks from it next.
    Momento dopo = Momento::Di(logica_.Ctl);
    dopo.inizioAccettato = !dopo.inizio;
    // The name is about to be rewritten in capitals: a name box that kept the
    // focus meanwhile would lay a long name out once more for the input method.
    if (dopo.inizioAccettato && focusWidget() == txtNome_) {
        txtNome_->clearFocus();
    }
    Aggiorna();
    fuoco_.Dopo(prima, dopo);
}

void FinestraCitta::Aggiorna() {
    coperti_ = Coperti(logica_.Ctl);
    for (const auto& specchio : specchi_) {
        specchio();
    }
    if (segno_ != nullptr) {
        segno_->Rinfresca();
    }
}

void FinestraCitta::closeEvent(QCloseEvent* evento) {
    logica_.CmdFine_Click();
    evento->accept();
}

// The frame a window manager puts round the window is known only once the
// window is shown; until then a generous one is assumed, so that the first
// placement already fits, and the real one then corrects scale and place.
constexpr QMargins kCorniceSupposta(8, 40, 8, 8);

void FinestraCitta::AdattaAlloSchermo(QMargins cornice) {
    const QScreen* schermo = screen();
    if (schermo == nullptr) {
        return;
    }
    const QRect disponibile = schermo->availableGeometry();
    const QRect area = AreaPerLaFinestra(disponibile, AreaDiLavoroNota());
    ImpostaScala(ScalaPerSchermo(area.size(), cornice));
    // The window is centred as if it had no frame (as it has none without a
    // window manager), then moved just enough for its frame to lie inside.
    QRect posto(QPoint(0, 0), size());
    posto.moveCenter(disponibile.center());
    const QSize esterno = size().grownBy(cornice);
    posto.moveTopLeft(
        {std::max(area.left(), std::min(posto.left(), area.right() + 1 - esterno.width())),
         std::max(area.top(), std::min(posto.top(), area.bottom() + 1 - esterno.height()))});
    move(posto.topLeft());
    cornice_ = cornice;
}

void FinestraCitta::moveEvent(QMoveEvent* evento) {
    QWidget::moveEvent(evento);
    if (!isVisible() || !adattaCornice_) {
        return;
    }
    const QRect esterno = frameGeometry();
    const QRect interno = geometry();
    const QMargins cornice(interno.left() - esterno.left(), interno.top() - esterno.top(),
                           esterno.right() - interno.right(), esterno.bottom() - interno.bottom());
    if (cornice == cornice_ || cornice.isNull()) {
        return;
    }
    adattaCornice_ = false;  // once: the frame of this window manager is now known
    AdattaAlloSchermo(cornice);
}

int Mostra(FinestraCitta& finestra, const ServiziQt& servizi) {
    if (servizi.Terminato()) {
        return servizi.CodiceUscita();
    }
    finestra.AdattaAlloSchermo(kCorniceSupposta);
    finestra.show();
    const int codice = QApplication::exec();
    return servizi.Terminato() ? servizi.CodiceUscita() : codice;
}

}  // namespace mappix
