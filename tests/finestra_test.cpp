// The real quiz window under Qt's offscreen platform, driven by clicks and key
// presses on its widgets: layout and stacking, the start screen, the help
// panel, each exercise played to its end, and every caption fitting its label.
#include "finestra.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <cmath>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "etichetta.h"
#include "frm_citta.h"
#include "marcatore.h"
#include "servizi_finti.h"
#include "terra.h"

namespace mappix {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Twips to pixels at 15 twips per pixel, to the nearest pixel.
int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect PxRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

// As a label shows it: CR LF and CR break the line.
QString ConACapo(QString testo) {
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return testo;
}

QString Nome(int i, const char* tipo) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(tipo)).arg(i);
}
QString Area(int i) {
    return Nome(i, "LbLReg");
}
QString Marker(int i) {
    return Nome(i, "LblCit");
}

bool Discende(const QWidget* w, const QWidget* antenato) {
    for (; w != nullptr; w = w->parentWidget()) {
        if (w == antenato) {
            return true;
        }
    }
    return false;
}

// The control table after the window has loaded (the help panel moved).
struct Posto {
    const char* nome;
    const char* contenitore;
    int left, top, width, height;
};

constexpr Posto kPosti[] = {
    {"LblNome", "FrmCitta", 9450, 90, 3495, 1035},
    {"CmdNuovo", "FrmCitta", 13050, 90, 960, 1035},
    {"CmdFine", "FrmCitta", 14055, 90, 960, 1035},
    {"LblDom1", "FrmCitta", 9450, 1245, 5580, 1005},
    {"LblDom0", "FrmCitta", 9435, 2265, 5580, 780},
    {"LblTentativi", "FrmCitta", 9450, 3120, 5580, 645},
    {"LblTotTent", "FrmCitta", 9450, 3825, 5580, 420},
    {"LblNumDom", "FrmCitta", 9450, 4320, 5580, 420},
    {"ProgressBar1", "FrmCitta", 9456, 4908, 5580, 324},
    {"Frame1", "FrmCitta", 9450, 5310, 5580, 1680},
    {"OptReg", "Frame1", 135, 225, 2490, 420},
    {"OptCapolReg", "Frame1", 135, 697, 2490, 420},
    {"OptCittaReg", "Frame1", 135, 1170, 2490, 420},
    {"OptCapol", "Frame1", 2970, 225, 2490, 420},
    {"OptCitta", "Frame1", 2970, 697, 2490, 420},
    {"CmdReset", "FrmCitta", 12420, 6480, 2490, 420},
    {"LblNote", "FrmCitta", 9450, 7110, 5595, 915},
    {"Text1", "FrmCitta", 9450, 8100, 5550, 2085},
    {"Image4", "FrmCitta", 180, 180, 2175, 1560},
    {"Label2", "FrmCitta", 1260, 495, 960, 1005},
    {"LbLInfo", "FrmCitta", 3600, 270, 4650, 2355},
    {"Label1", "FrmCitta", 3600, 2835, 4650, 1140},
    {"Image3", "FrmCitta", 405, 3060, 2895, 2835},
    {"TxtNome", "FrmCitta", 3600, 4140, 4650, 600},
    {"CmdHlp", "FrmCitta", 4005, 4950, 1230, 1050},
    {"CmdIniz", "FrmCitta", 6525, 4950, 1230, 1050},
    {"FrmHelp", "FrmCitta", 3195, 135, 6000, 6045},
    {"Text2", "FrmHelp", 135, 270, 5685, 5055},
    {"CmdHlpFine", "FrmHelp", 135, 5445, 5685, 465},
    {"FramRegio", "FrmCitta", 90, 90, 9285, 10140},
    {"Image1", "FramRegio", 90, 270, 9030, 9780},
    {"FramCitta", "FrmCitta", 90, 90, 9285, 10140},
    {"Image2", "FramCitta", 90, 270, 9030, 9780},
};

struct AreaTw {
    int left, top, width, height;
};

constexpr AreaTw kAree[22] = {
    {4410, 3195, 195, 195},    // 0 Repubblica di San Marino
    {495, 1440, 645, 330},     // 1 Valle d'Aosta
    {720, 1755, 960, 1005},    // 2 Piemonte
    {1800, 1170, 1275, 1050},  // 3 Lombardia
    {3150, 450, 1005, 1005},   // 4 Trentino Alto Adige
    {4545, 855, 780, 690},     // 5 Friuli Venezia Giulia
    {3330, 1530, 1185, 780},   // 6 Veneto
    {2430, 2340, 1950, 735},   // 7 Emilia Romagna
    {1215, 2745, 1230, 465},   // 8 Liguria
    {2970, 3150, 1095, 1320},  // 9 Toscana
    {4815, 3375, 645, 870},    // 10 Marche
    {4185, 3780, 645, 690},    // 11 Umbria
    {4005, 4590, 1095, 1095},  // 12 Lazio
    {5130, 4365, 825, 780},    // 13 Abruzzo
    {5715, 5130, 645, 375},    // 14 Molise
    {6660, 5040, 960, 825},    // 15 Puglia
    {5670, 5580, 1005, 1185},  // 16 Campania
    {6975, 6930, 825, 1860},   // 17 Calabria
    {6795, 5895, 690, 960},    // 18 Basilicata
    {4500, 8415, 2130, 1365},  // 19 Sicilia
    {1440, 5715, 1050, 2130},  // 20 Sardegna
    {7560, 5535, 1365, 1455},  // 21 Puglia (second area, the south-east tip)
};

struct PuntoTw {
    int left, top;
};

// Index 0 is unused: markers are numbered like the cities.
constexpr PuntoTw kMarker[108] = {
    {0, 0},       {1095, 1980},  // 1 Torino
    {1545, 1755},                // 2 Novara
    {945, 2700},                 // 3 Cuneo
    {1620, 2340},                // 4 Alessandria
    {1395, 2520},                // 5 Asti
    {1260, 1710},                // 6 Biella
    {1440, 2025},                // 7 Vercelli
    {1530, 1305},                // 8 Verbano-Cusio-Ossola
    {2070, 1800},                // 9 Milano
    {2340, 1575},                // 10 Bergamo
    {2880, 1665},                // 11 Brescia
    {1980, 1530},                // 12 Como
    {2610, 2025},                // 13 Cremona
    {2250, 1350},                // 14 Lecco
    {2340, 1890},                // 15 Lodi
    {3240, 2160},                // 16 Mantova
    {2025, 2070},                // 17 Pavia
    {2520, 1215},                // 18 Sondrio
    {1755, 1440},                // 19 Varese
    {3555, 1215},                // 20 Trento
    {3600, 855},                 // 21 Bolzano
    {5355, 1665},                // 22 Trieste
    {5040, 1260},                // 23 Udine
    {4680, 1305},                // 24 Pordenone
    {5175, 1440},                // 25 Gorizia
    {4320, 1890},                // 26 Venezia
    {4275, 1215},                // 27 Belluno
    {4095, 1935},                // 28 Padova
    {4005, 2160},                // 29 Rovigo
    {4320, 1665},                // 30 Treviso
    {3420, 1800},                // 31 Verona
    {4050, 1665},                // 32 Vicenza
    {3645, 2610},                // 33 Bologna
    {3870, 2430},                // 34 Ferrara
    {4140, 2970},                // 35 Forli'
    {3330, 2565},                // 36 Modena
    {2880, 2430},                // 37 Parma
    {2565, 2250},                // 38 Piacenza
    {4185, 2745},                // 39 Ravenna
    {3150, 2520},                // 40 Reggio Emilia
    {4275, 3105},                // 41 Cesena
    {4455, 3015},                // 42 Rimini
    {4455, 3240},                // 43 San Marino
    {1935, 2790},                // 44 Genova
    {1260, 3150},                // 45 Imperia
    {2475, 3015},                // 46 La Spezia
    {1485, 2880},                // 47 Savona
    {3780, 3510},                // 48 Firenze
    {4005, 3645},                // 49 Arezzo
    {3555, 4275},                // 50 Grosseto
    {2970, 3735},                // 51 Livorno
    {3105, 3330},                // 52 Lucca
    {2790, 3060},                // 53 Massa
    {2970, 3510},                // 54 Pisa
    {3330, 3240},                // 55 Pistoia
    {3735, 3285},                // 56 Prato
    {3690, 3870},                // 57 Siena
    {2655, 2925},                // 58 Carrara
    {4590, 4320},                // 59 Terni
    {5175, 3465},                // 60 Ancona
    {5265, 4095},                // 61 Ascoli Piceno
    {5175, 3780},                // 62 Macerata
    {4635, 3420},                // 63 Urbino
    {4815, 3285},                // 64 Pesaro
    {4410, 5085},                // 65 Roma
    {5130, 5310},                // 66 Frosinone
    {4860, 5355},                // 67 Latina
    {4770, 4635},                // 68 Rieti
    {4185, 4680},                // 69 Viterbo
    {5265, 4635},                // 70 L'Aquila
    {5715, 4770},                // 71 Chieti
    {5715, 4545},                // 72 Pescara
    {5400, 4365},                // 73 Teramo
    {6120, 5265},                // 74 Campobasso
    {5805, 5265},                // 75 Isernia
    {5760, 5940},                // 76 Napoli
    {6210, 5940},                // 77 Avellino
    {6165, 5715},                // 78 Benevento
    {6165, 6165},                // 79 Salerno
    {5895, 5715},                // 80 Caserta
    {6930, 6165},                // 81 Potenza
    {7425, 6255},                // 82 Matera
    {7560, 5715},                // 83 Bari
    {8415, 6210},                // 84 Brindisi
    {6750, 5490},                // 85 Foggia
    {8685, 6570},                // 86 Lecce
    {7920, 6345},                // 87 Taranto
    {7470, 7650},                // 88 Catanzaro
    {7245, 7425},                // 89 Cosenza
    {7830, 7515},                // 90 Crotone
    {6795, 8505},                // 91 Reggio Calabria
    {7200, 7920},                // 92 Vibo Valentia
    {5130, 8460},                // 93 Palermo
    {5220, 9180},                // 94 Agrigento
    {5625, 9090},                // 95 Caltanissetta
    {6345, 8955},                // 96 Catania
    {5850, 8955},                // 97 Enna
    {6660, 8460},                // 98 Messina
    {6030, 9495},                // 99 Ragusa
    {6435, 9360},                // 100 Siracusa
    {4500, 8595},                // 101 Trapani
    {1980, 7470},                // 102 Cagliari
    {2070, 6480},                // 103 Nuoro
    {1710, 6885},                // 104 Oristano
    {1665, 6120},                // 105 Sassari
    {720, 1620},                 // 106 Aosta
    {4410, 3915},                // 107 Perugia
};

QRect AreaPx(int i) {
    const AreaTw& a = kAree[i];
    return PxRect(a.left, a.top, a.width, a.height);
}

QRect MarkerPx(int i) {
    return PxRect(kMarker[i].left, kMarker[i].top, 120, 180);
}

// What a click that must do nothing could change.
struct Istantanea {
    int16_t RegDom, CitDom, NumDom, Tentativo, TotTentativi;
    QString log, note, tentativi, totTent, numDom, dom0, dom1;
    int beep;
    bool operator==(const Istantanea&) const = default;
};

class FinestraTest : public ::testing::Test {
protected:
    void SetUp() override {
        logica_ = std::make_unique<FrmCitta>(servizi_);
        logica_->Form_Initialize();
        finestra_ = std::make_unique<FinestraCitta>(*logica_);
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
    }

    void TearDown() override {
        finestra_.reset();
        logica_.reset();
    }

    template <typename T = QWidget>
    T* Di(const QString& nome) const {
        T* w = finestra_->findChild<T*>(nome);
        if (w == nullptr) {
            throw std::runtime_error("no widget " + nome.toStdString());
        }
        return w;
    }
    template <typename T = QWidget>
    T* Di(const char* nome) const {
        return Di<T>(QString::fromLatin1(nome));
    }

    Etichetta* Lbl(const char* nome) const { return Di<Etichetta>(nome); }
    QString Testo(const char* nome) const { return Lbl(nome)->testo(); }
    QString Log() const { return logica_->Ctl.Text1.Text; }
    QString LogMostrato() const { return Di<QPlainTextEdit>("Text1")->toPlainText(); }

    QPoint Centro(const QWidget* w) const { return w->mapTo(finestra_.get(), w->rect().center()); }

    // A real click at a point of the window: Qt finds the widget under it.
    void ClicPunto(QPoint punto) {
        QTest::mouseClick(finestra_->windowHandle(), Qt::LeftButton, Qt::NoModifier, punto);
    }

    // A click at the centre of a widget, which must be the one a player hits there.
    void Clic(QWidget* w) {
        const QPoint punto = Centro(w);
        EXPECT_EQ(finestra_->childAt(punto), w)
            << w->objectName().toStdString() << " is covered at its centre";
        ClicPunto(punto);
    }
    void Clic(const char* nome) { Clic(Di(nome)); }
    // A click where a player aims for area i: on a random pixel of its
    // region's land, away from San Marino's rectangle, which lies over its
    // neighbours; area 21 is the land of Puglia inside its rectangle.
    void ClicArea(int i) {
        const int regione = i == 21 ? 15 : i;
        QPoint punto;
        for (int prova = 0; prova < 100; ++prova) {
            punto = PuntoDiRegione(regione, caso_, i == 21 ? AreaPx(21) : QRect());
            if ((i == 0 || !AreaPx(0).contains(punto)) && (i != 15 || !AreaPx(21).contains(punto)))
                break;
        }
        ASSERT_GE(punto.x(), 0) << "no land of region " << regione << " on the map";
        const QPoint inFinestra = Di("FramRegio")->mapTo(finestra_.get(), punto);
        EXPECT_EQ(finestra_->childAt(inFinestra), Di(Area(i)))
            << Area(i).toStdString() << " does not take a click on its land at " << punto.x() << ","
            << punto.y();
        ClicPunto(inFinestra);
    }
    void ClicMarker(int i) { Clic(Di(Marker(i))); }

    void Scrivi(const QString& nome) {
        auto* casella = Di<QLineEdit>("TxtNome");
        casella->setFocus();
        casella->selectAll();
        if (nome.isEmpty()) {
            QTest::keyClick(casella, Qt::Key_Backspace);
        } else {
            for (const QChar carattere : nome) {
                if (carattere.unicode() < 0x80) {
                    QTest::keyClick(casella, carattere.toLatin1());
                } else {  // a letter of an Italian keyboard outside ASCII
                    QTest::sendKeyEvent(QTest::Click, casella, Qt::Key_unknown, QString(carattere),
                                        Qt::NoModifier);
                }
            }
        }
    }

    void Inizia(const QString& nome = QStringLiteral("mario")) {
        Scrivi(nome);
        Clic("CmdIniz");
    }

    Istantanea Stato() const {
        const FrmCitta& l = *logica_;
        return {l.RegDom,
                l.CitDom,
                l.NumDom,
                l.Tentativo,
                l.TotTentativi,
                LogMostrato(),
                Testo("LblNote"),
                Testo("LblTentativi"),
                Testo("LblTotTent"),
                Testo("LblNumDom"),
                Testo("LblDom0"),
                Testo("LblDom1"),
                servizi_.beep};
    }

    QString NomeCitta(int c) const {
        const std::string_view nome = logica_->Modulo.NomeCitta(static_cast<int16_t>(c));
        return QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size()));
    }
    QString NomeRegione(int r) const {
        return QString::fromStdString(logica_->Modulo.Regioni.at(static_cast<std::size_t>(r)));
    }

    // The caption of a label fits its text rectangle with the font the label
    // uses, words whole; the font is lowered only where the label's own font
    // does not fit, and only just enough.
    void Entra(const char* nome, const QString& contesto) const {
        const Etichetta* e = Lbl(nome);
        const QString testo = ConACapo(e->testo());
        if (testo.isEmpty()) {
            return;
        }
        const QRect area = e->areaTesto();
        const QFont usato = e->carattereUsato();
        const QRect necessario = QFontMetrics(usato).boundingRect(area, e->flagTesto(), testo);
        EXPECT_TRUE(area.contains(necessario))
            << nome << " cuts off \"" << e->testo().toStdString() << "\" ("
            << contesto.toStdString() << "): needs " << necessario.width() << "x"
            << necessario.height() << " at " << usato.pixelSize() << " px, has " << area.width()
            << "x" << area.height();
        EXPECT_FALSE(e->flagTesto() & Qt::TextWrapAnywhere)
            << nome << " breaks a word of \"" << e->testo().toStdString() << "\"";
        const int parole = (e->flagTesto() & ~Qt::TextWrapAnywhere) | Qt::TextWordWrap;
        const auto entraCon = [&](const QFont& f) {
            const QRect r = QFontMetrics(f).boundingRect(area, parole, testo);
            return r.width() <= area.width() && r.height() <= area.height();
        };
        if (entraCon(e->font())) {
            EXPECT_EQ(usato.pixelSize(), e->font().pixelSize())
                << nome << " shrinks \"" << e->testo().toStdString() << "\" that fits";
        } else if (usato.pixelSize() < e->font().pixelSize()) {
            QFont unoDiPiu = usato;
            unoDiPiu.setPixelSize(usato.pixelSize() + 1);
            EXPECT_FALSE(entraCon(unoDiPiu))
                << nome << " shrinks \"" << e->testo().toStdString() << "\" more than needed";
        }
    }

    void EntranoTutte(const QString& contesto) const {
        for (const char* nome :
             {"LblDom1", "LblDom0", "LblTentativi", "LblTotTent", "LblNumDom", "LblNote"}) {
            Entra(nome, contesto);
        }
    }

    ServiziFinti servizi_;
    std::unique_ptr<FrmCitta> logica_;
    std::unique_ptr<FinestraCitta> finestra_;
    std::mt19937 caso_{7};
};

// ---------------------------------------------------------------- layout

TEST_F(FinestraTest, EveryControlSitsAtItsTablePlaceInItsContainer) {
    for (const Posto& p : kPosti) {
        SCOPED_TRACE(p.nome);
        const QWidget* w = Di(p.nome);
        EXPECT_EQ(w->geometry(), PxRect(p.left, p.top, p.width, p.height));
        ASSERT_NE(w->parentWidget(), nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(p.contenitore));
    }
}

enum class Tipo { Sans, Serif, Mono };

struct Aspetto {
    const char* nome;
    const char* testo;
    const char* suggerimento;
    Tipo tipo;
    int pixel;  // the point size at 96 dots per inch
    bool grassetto;
};

constexpr Aspetto kAspetti[] = {
    {"LblNome", "", "", Tipo::Sans, 18, false},
    {"CmdNuovo", "Nuovo", " Cambia giocatore ", Tipo::Sans, 19, false},
    {"CmdFine", "Esci", " Fine - Termina il programma ", Tipo::Sans, 19, false},
    {"LblDom1", "", "", Tipo::Sans, 24, false},
    {"LblDom0", "", "", Tipo::Sans, 32, false},
    {"LblTentativi", "", "", Tipo::Sans, 24, false},
    {"LblTotTent", "", "", Tipo::Sans, 24, false},
    {"LblNumDom", "", "", Tipo::Sans, 24, false},
    {"OptReg", "Dov'e' la Regione", " Individua dove si trova la regione indicata ", Tipo::Sans, 13,
     false},
    {"OptCapolReg", "Capoluogo di  Regione",
     " Individua di quale regione è capoluogo la città indicata ", Tipo::Sans, 13, false},
    {"OptCittaReg", "Città di Regione", " Individua in quale regione si trova la città indicata ",
     Tipo::Sans, 13, false},
    {"OptCapol", "Dov'e' il Capoluogo",
     " Individua dove si trova il capoluogo di regione indicato ", Tipo::Sans, 13, false},
    {"OptCitta", "Dov'e' la Città", " Individua dove si trova la città indicata ", Tipo::Sans, 13,
     false},
    {"CmdReset", "Cambia esercizio", " Annulla l'esercizio consentendo di passare ad un altro ",
     Tipo::Serif, 15, true},
    {"LblNote", "", "", Tipo::Sans, 16, false},
    {"Text1", "", "", Tipo::Sans, 13, false},
    {"LbLInfo", nullptr, "", Tipo::Sans, 13, false},
    {"Label1",
     "Inserisci il tuo nome e poi premi il pulsante INIZIA e poi premi sul tipo di esercizio da "
     "eseguire",
     "", Tipo::Sans, 18, false},
    {"TxtNome", "", "", Tipo::Mono, 29, true},
    {"CmdHlp", "Aiuto", nullptr, Tipo::Sans, 19, false},
    {"CmdIniz", "Inizia", nullptr, Tipo::Sans, 19, false},
    {"FrmHelp", "Spiegazioni", "", Tipo::Sans, 11, false},
    {"Text2", nullptr, "", Tipo::Sans, 16, false},
    {"CmdHlpFine", "Chiudi ", "", Tipo::Sans, 16, false},
    {"FramRegio", "Regioni Italiane", "", Tipo::Serif, 15, false},
    {"FramCitta", "Citta' Italiane", "", Tipo::Serif, 15, false},
};

QString TestoDi(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->text();
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        return g->title();
    }
    if (const auto* e = qobject_cast<const Etichetta*>(w)) {
        return ConACapo(e->testo());
    }
    if (const auto* l = qobject_cast<const QLineEdit*>(w)) {
        return l->text();
    }
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(w)) {
        return t->toPlainText();
    }
    return QStringLiteral("<unknown kind>");
}

TEST_F(FinestraTest, EveryControlHasItsKindTextTooltipAndFont) {
    EXPECT_EQ(finestra_->windowTitle(), QStringLiteral("Mappix"));
    for (const Aspetto& a : kAspetti) {
        SCOPED_TRACE(a.nome);
        const QWidget* w = Di(a.nome);
        if (a.testo != nullptr) {
            EXPECT_EQ(TestoDi(w), QString::fromUtf8(a.testo));
        }
        if (a.suggerimento != nullptr) {
            EXPECT_EQ(w->toolTip(), QString::fromUtf8(a.suggerimento));
        }
        const QFontInfo info(w->font());
        EXPECT_EQ(info.pixelSize(), a.pixel);
        EXPECT_EQ(info.bold(), a.grassetto);
        const QString famiglia = info.family();
        switch (a.tipo) {
            case Tipo::Sans:
                EXPECT_TRUE(famiglia.contains(QStringLiteral("Sans")) || famiglia == "Arial")
                    << famiglia.toStdString();
                EXPECT_FALSE(famiglia.contains(QStringLiteral("Mono")));
                break;
            case Tipo::Serif:
                EXPECT_TRUE(famiglia.contains(QStringLiteral("Serif")) ||
                            famiglia == "Times New Roman")
                    << famiglia.toStdString();
                break;
            case Tipo::Mono:
                EXPECT_TRUE(info.fixedPitch()) << famiglia.toStdString();
                break;
        }
    }
    for (const char* o : {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta"}) {
        EXPECT_TRUE(Di<QPushButton>(o)->isCheckable()) << o;
    }
    for (const char* p : {"CmdNuovo", "CmdFine", "CmdHlp", "CmdIniz"}) {
        EXPECT_FALSE(Di<QToolButton>(p)->icon().isNull()) << p;
    }
    for (const char* t : {"Text1", "Text2"}) {
        EXPECT_TRUE(Di<QPlainTextEdit>(t)->isReadOnly()) << t;
    }
    EXPECT_EQ(Di<QLineEdit>("TxtNome")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_FALSE(Di<QProgressBar>("ProgressBar1")->isTextVisible());
    EXPECT_TRUE(Di<QGroupBox>("Frame1")->title().isEmpty());
    EXPECT_EQ(TestoDi(Di("Text2")).left(20), QStringLiteral("Questo programma con"));
}

TEST_F(FinestraTest, AreasAndMarkersSitAtTheirTablePlaces) {
    Inizia();
    Clic("OptReg");
    const QWidget* regio = Di("FramRegio");
    for (int i = 0; i < 22; ++i) {
        SCOPED_TRACE(Area(i).toStdString());
        const QWidget* area = Di(Area(i));
        EXPECT_EQ(area->parentWidget(), regio);
        // Shaped as its land, it still lies over the main body of its region.
        EXPECT_TRUE(area->geometry().intersects(AreaPx(i)));
        EXPECT_TRUE(area->isVisibleTo(regio));
    }
    EXPECT_TRUE(Di(Area(0))->geometry().contains(AreaPx(0)));
    Clic("CmdReset");
    Clic("OptCitta");
    const QWidget* citta = Di("FramCitta");
    for (int i = 1; i <= 107; ++i) {
        SCOPED_TRACE(Marker(i).toStdString());
        const QWidget* m = Di<Marcatore>(Marker(i));
        EXPECT_EQ(m->parentWidget(), citta);
        EXPECT_EQ(m->geometry(), MarkerPx(i));
        EXPECT_TRUE(m->isVisibleTo(citta));
    }
    EXPECT_EQ(finestra_->findChild<QWidget*>(Marker(0)), nullptr);
    EXPECT_EQ(finestra_->findChild<QWidget*>(Area(22)), nullptr);
    // Both panels put San Marino at the same spot of the same picture: the
    // marker's place and its dot lie in the San Marino area.
    const QRect sanMarino = Di(Marker(43))->geometry();
    EXPECT_TRUE(Di(Area(0))->geometry().contains(sanMarino.topLeft()));
    EXPECT_TRUE(Di(Area(0))->geometry().contains(sanMarino.center()));
}

TEST_F(FinestraTest, ClientAreaIsFixedAt1009x689) {
    EXPECT_EQ(finestra_->size(), QSize(1009, 689));
    EXPECT_EQ(finestra_->minimumSize(), QSize(1009, 689));
    EXPECT_EQ(finestra_->maximumSize(), QSize(1009, 689));
    finestra_->resize(1400, 900);
    EXPECT_EQ(finestra_->size(), QSize(1009, 689));
    EXPECT_EQ(Di("Text1")->geometry(), PxRect(9450, 8100, 5550, 2085));
}

// ---------------------------------------------------------------- stacking

TEST_F(FinestraTest, AVisibleMapPanelCoversTheStartScreen) {
    const char* inizio[] = {"Image4", "Label2",  "LbLInfo", "Label1",
                            "Image3", "TxtNome", "CmdHlp",  "CmdIniz"};
    auto* nome = Di<QLineEdit>("TxtNome");
    // On the start screen a click on the name box reaches it.
    Di("Text1")->setFocus();
    ClicPunto(Centro(nome));
    EXPECT_EQ(finestra_->focusWidget(), nome);

    Inizia();
    for (const char* opzione : {"OptReg", "OptCitta"}) {
        SCOPED_TRACE(opzione);
        Clic(opzione);
        QWidget* pannello = Di(std::string(opzione) == "OptReg" ? "FramRegio" : "FramCitta");
        ASSERT_TRUE(pannello->isVisible());
        for (const char* controllo : inizio) {
            const QWidget* colpito = finestra_->childAt(Centro(Di(controllo)));
            EXPECT_TRUE(Discende(colpito, pannello)) << controllo << " shows through the map";
        }
        const QString log = Log();
        Di("Text1")->setFocus();
        ClicPunto(Centro(nome));
        EXPECT_NE(finestra_->focusWidget(), nome) << "the name box took a click through the map";
        ClicPunto(Centro(Di("CmdIniz")));
        ClicPunto(Centro(Di("CmdHlp")));
        EXPECT_TRUE(Log().startsWith(log)) << "Inizia ran under the map";
        EXPECT_FALSE(Di("FrmHelp")->isVisible()) << "Aiuto ran under the map";
        EXPECT_FALSE(Di("Frame1")->isEnabled());
        Clic("CmdReset");
    }
}

// Wherever two visible controls of the window overlap, the one named earlier
// in the stacking order takes the click.
TEST_F(FinestraTest, OverlappingControlsStackInTableOrder) {
    const char* dallAlto[] = {"FrmHelp",   "CmdNuovo",     "CmdFine", "FramRegio", "CmdReset",
                              "FramCitta", "ProgressBar1", "Frame1",  "Text1",     "CmdIniz",
                              "TxtNome",   "CmdHlp",       "Label2",  "LblNote",   "LblTotTent",
                              "LblNumDom", "LblTentativi", "LblDom0", "LblDom1",   "LblNome",
                              "LbLInfo",   "Image4",       "Label1",  "Image3"};
    int coppie = 0;
    const auto controlla = [&](const char* momento) {
        SCOPED_TRACE(momento);
        for (std::size_t i = 0; i < std::size(dallAlto); ++i) {
            const QWidget* sopra = Di(dallAlto[i]);
            for (std::size_t j = i + 1; j < std::size(dallAlto) && sopra->isVisible(); ++j) {
                const QWidget* sotto = Di(dallAlto[j]);
                const QRect comune = sopra->geometry().intersected(sotto->geometry());
                if (!sotto->isVisible() || comune.isEmpty()) {
                    continue;
                }
                ++coppie;
                // The topmost visible control at that point, by the table.
                const char* primo = dallAlto[i];
                for (std::size_t k = 0; k < i; ++k) {
                    const QWidget* w = Di(dallAlto[k]);
                    if (w->isVisible() && w->geometry().contains(comune.center())) {
                        primo = dallAlto[k];
                        break;
                    }
                }
                EXPECT_TRUE(Discende(finestra_->childAt(comune.center()), Di(primo)))
                    << "where " << dallAlto[i] << " and " << dallAlto[j] << " overlap, " << primo
                    << " must take the click";
            }
        }
    };
    Scrivi(QStringLiteral("mario"));
    controlla("start screen");
    Clic("CmdHlp");
    controlla("start screen with help");
    ClicPunto(Centro(Di("CmdIniz")));
    EXPECT_FALSE(Di("Frame1")->isVisible()) << "Inizia is under the help panel";
    Clic("CmdHlpFine");
    Clic("CmdIniz");
    controlla("test started");
    Clic("CmdHlp");
    Clic("OptReg");
    controlla("region map with help");
    Clic("CmdReset");
    Clic("CmdHlpFine");
    Clic("OptCapol");
    controlla("city map");
    EXPECT_GE(coppie, 20);
}

TEST_F(FinestraTest, HelpPanelCoversTheNameBoxAndBothButtons) {
    Scrivi(QStringLiteral("mario"));
    Clic("CmdHlp");
    QWidget* aiuto = Di("FrmHelp");
    ASSERT_TRUE(aiuto->isVisible());
    for (const char* controllo : {"CmdIniz", "TxtNome", "CmdHlp"}) {
        EXPECT_TRUE(Discende(finestra_->childAt(Centro(Di(controllo))), aiuto)) << controllo;
    }
    ClicPunto(Centro(Di("CmdIniz")));
    EXPECT_FALSE(Di("Frame1")->isVisible()) << "Inizia ran under the help panel";
    EXPECT_TRUE(Log().isEmpty());
    EXPECT_TRUE(servizi_.messaggi.empty());
    Clic("CmdHlpFine");
    ASSERT_FALSE(aiuto->isVisible());
    Clic("CmdIniz");
    EXPECT_TRUE(Di("Frame1")->isVisible());
}

TEST_F(FinestraTest, CmdResetLiesOverTheCornerOfFrame1) {
    Inizia();
    QWidget* reset = Di("CmdReset");
    EXPECT_TRUE(Di("Frame1")->geometry().contains(reset->geometry()));
    EXPECT_EQ(finestra_->childAt(Centro(reset)), reset);
    Clic("OptReg");
    ASSERT_TRUE(reset->isEnabled());
    Clic(reset);
    EXPECT_TRUE(Log().endsWith(QString(69, QLatin1Char('-')) + kCrLf));
    EXPECT_FALSE(reset->isEnabled());
}

// San Marino's area keeps its whole rectangle, on top of the land around the
// spot: a click there beside the spot is San Marino.
TEST_F(FinestraTest, SanMarinosRectangleLiesOverItsNeighbours) {
    servizi_.casuali = {ServiziFinti::Scegli(0, 0, 20)};
    Inizia();
    Clic("OptReg");
    ASSERT_EQ(Testo("LblDom0"), QStringLiteral("Repubblica di San Marino"));
    const QPoint vicino = PuntoDiRegione(7, caso_, AreaPx(0));
    ASSERT_GE(vicino.x(), 0) << "no Emilia Romagna in San Marino's rectangle";
    const QPoint inFinestra = Di("FramRegio")->mapTo(finestra_.get(), vicino);
    EXPECT_EQ(finestra_->childAt(inFinestra), Di(Area(0)));
    ClicPunto(inFinestra);
    EXPECT_TRUE(
        Log().endsWith(QStringLiteral("Tentativi 1 per la regione Repubblica di San "
                                      "Marino\r\n")));
}

TEST_F(FinestraTest, TheSecondPugliaAreaCountsAsPuglia) {
    servizi_.casuali = {ServiziFinti::Scegli(15, 0, 20)};
    Inizia();
    Clic("OptReg");
    ASSERT_EQ(Testo("LblDom0"), QStringLiteral("Puglia"));
    ClicArea(21);
    EXPECT_TRUE(Log().endsWith(QStringLiteral("Tentativi 1 per la regione Puglia\r\n")));
    EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Domanda Nr. 2 di 21"));
}

TEST_F(FinestraTest, MarkersAreReachableDotsInTheButtonTextColour) {
    Inizia();
    Clic("OptCitta");
    const QImage quadro = finestra_->grab().toImage();
    for (int i = 1; i <= 107; ++i) {
        SCOPED_TRACE(Marker(i).toStdString());
        const QWidget* m = Di(Marker(i));
        const QPoint centro = m->mapTo(finestra_.get(), QPoint(m->width() / 2, m->height() / 2));
        EXPECT_EQ(finestra_->childAt(centro), m);
        const QColor atteso = m->palette().color(QPalette::ButtonText);
        const QColor visto = quadro.pixelColor(centro * quadro.devicePixelRatio());
        EXPECT_LE(std::abs(visto.red() - atteso.red()) + std::abs(visto.green() - atteso.green()) +
                      std::abs(visto.blue() - atteso.blue()),
                  24)
            << "dot colour " << visto.name().toStdString();
    }
}

TEST_F(FinestraTest, ClicksOnTheMapOutsideAreasOrBetweenMarkersDoNothing) {
    Inizia();
    Clic("OptReg");
    Clic(Di(Area((logica_->RegDom + 1) % 21)));  // one wrong click: counters at 2
    const QWidget* image1 = Di("Image1");
    const QRect mappa = image1->geometry();
    // The sea and the neighbouring countries, white on the screen.
    const QImage quadro = Di("FramRegio")->grab().toImage();
    const auto bianco = [&quadro](QPoint p) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (quadro.pixelColor((p + QPoint(dx, dy)) * quadro.devicePixelRatio()) !=
                    QColor(Qt::white)) {
                    return false;
                }
            }
        }
        return true;
    };
    int provati = 0;
    for (int y = mappa.top() + 3; y < mappa.bottom() - 3; y += 23) {
        for (int x = mappa.left() + 3; x < mappa.right() - 3; x += 29) {
            const QPoint p(x, y);
            if (!bianco(p)) {
                continue;
            }
            const QPoint inFinestra = Di("FramRegio")->mapTo(finestra_.get(), p);
            ASSERT_EQ(finestra_->childAt(inFinestra), image1) << x << "," << y;
            const Istantanea prima = Stato();
            ClicPunto(inFinestra);
            EXPECT_TRUE(Stato() == prima) << "a click on the map at " << x << "," << y;
            ++provati;
        }
    }
    EXPECT_GT(provati, 100);

    Clic("CmdReset");
    Clic("OptCitta");
    const QWidget* image2 = Di("Image2");
    provati = 0;
    for (int y = image2->geometry().top() + 3; y < image2->geometry().bottom() - 3; y += 17) {
        for (int x = image2->geometry().left() + 3; x < image2->geometry().right() - 3; x += 19) {
            const QPoint p(x, y);
            bool libero = true;
            for (int i = 1; i <= 107; ++i) {
                libero = libero && !MarkerPx(i).adjusted(-2, -2, 2, 2).contains(p);
            }
            if (!libero) {
                continue;
            }
            const QPoint inFinestra = Di("FramCitta")->mapTo(finestra_.get(), p);
            ASSERT_EQ(finestra_->childAt(inFinestra), image2) << x << "," << y;
            const Istantanea prima = Stato();
            ClicPunto(inFinestra);
            EXPECT_TRUE(Stato() == prima) << "a click between markers at " << x << "," << y;
            ++provati;
        }
    }
    EXPECT_GT(provati, 100);
}

// Markers and areas are silent while no exercise of their map runs.
TEST_F(FinestraTest, MarkersAndAreasAreSilentOutsideTheirExercise) {
    Inizia();
    Clic("OptReg");  // the areas exist once their map has been shown
    Clic("CmdReset");
    Clic("OptCitta");
    QWidget* area = Di(Area(logica_->Modulo.RegioneCitta(logica_->CitDom)));
    // The region panel is hidden: deliver the click to the area itself.
    Istantanea prima = Stato();
    QTest::mouseClick(area, Qt::LeftButton);
    EXPECT_TRUE(Stato() == prima) << "an area judged a city-map answer";
    Clic("CmdReset");
    Clic("OptReg");
    prima = Stato();
    QTest::mouseClick(Di(Marker(1)), Qt::LeftButton);
    EXPECT_TRUE(Stato() == prima) << "a marker judged a region-map answer";
    Clic("CmdReset");
    prima = Stato();
    ClicArea(logica_->RegDom);
    EXPECT_TRUE(Stato() == prima) << "an area judged a click after the exercise ended";
}

// ---------------------------------------------------------------- help panel

TEST_F(FinestraTest, HelpPanelOpensAndClosesOnlyByItsButtons) {
    QWidget* aiuto = Di("FrmHelp");
    EXPECT_FALSE(aiuto->isVisible());
    Clic("CmdHlp");
    EXPECT_TRUE(aiuto->isVisible());
    EXPECT_TRUE(Di<QPlainTextEdit>("Text2")->toPlainText().startsWith(
        QStringLiteral("Questo programma consente di verificare")));
    EXPECT_FALSE(Di<QPlainTextEdit>("Text2")->toPlainText().contains(QLatin1Char('\r')));
    Clic("CmdHlpFine");
    EXPECT_FALSE(aiuto->isVisible());

    // Once open it stays open through a start, an exercise and a new player,
    // and lies over the map.
    Clic("CmdHlp");
    Scrivi(QStringLiteral("mario"));
    QTest::keyClick(Di("TxtNome"), Qt::Key_Return);
    Clic("CmdHlpFine");
    Inizia();
    Clic("CmdHlp");
    Clic("OptReg");
    EXPECT_TRUE(aiuto->isVisible());
    EXPECT_TRUE(Discende(finestra_->childAt(Centro(aiuto)), aiuto));
    Clic("CmdNuovo");
    EXPECT_TRUE(aiuto->isVisible());
    Clic("CmdHlpFine");
    EXPECT_FALSE(aiuto->isVisible());
    EXPECT_TRUE(Di("CmdHlp")->isEnabled());
}

// ---------------------------------------------------------------- name

TEST_F(FinestraTest, ANameUnderThreeCharactersIsRefusedWithTheMessage) {
    const std::vector<QString> corti = {QString(), QStringLiteral("a"), QStringLiteral("ab"),
                                        QStringLiteral(" x")};
    std::size_t attesi = 0;
    for (const QString& nome : corti) {
        for (const bool invio : {false, true}) {
            SCOPED_TRACE("\"" + nome.toStdString() + (invio ? "\" + Enter" : "\" + click"));
            Scrivi(nome);
            ASSERT_EQ(Di<QLineEdit>("TxtNome")->text(), nome);
            if (invio) {
                QTest::keyClick(Di("TxtNome"), Qt::Key_Return);
            } else {
                Clic("CmdIniz");
            }
            ++attesi;
            ASSERT_EQ(servizi_.messaggi.size(), attesi);
            EXPECT_EQ(servizi_.messaggi.back().testo,
                      QStringLiteral("Prova prima a inserire il tuo nome!"));
            EXPECT_EQ(servizi_.messaggi.back().titolo, QStringLiteral("Manca il tuo nome!"));
            EXPECT_EQ(servizi_.messaggi.back().icona, Icona::Critica);
            EXPECT_FALSE(Di("Frame1")->isVisible());
            EXPECT_EQ(Di<QLineEdit>("TxtNome")->text(), nome);
            EXPECT_TRUE(Testo("LblNome").isEmpty());
            EXPECT_TRUE(LogMostrato().isEmpty());
        }
    }
}

TEST_F(FinestraTest, ANameOfThreeOrMoreIsAcceptedByClickOrEnter) {
    struct Caso {
        QString scritto, maiuscolo;
        bool invio;
    };
    const std::vector<Caso> casi = {
        {QStringLiteral("mario"), QStringLiteral("MARIO"), false},
        {QStringLiteral("niccolò"), QStringLiteral("NICCOLÒ"), true},
        {QStringLiteral("   "), QStringLiteral("   "), false},
        {QStringLiteral("àèé"), QStringLiteral("ÀÈÉ"), true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.scritto.toStdString());
        Scrivi(c.scritto);
        if (c.invio) {
            QTest::keyClick(Di("TxtNome"), Qt::Key_Return);
        } else {
            Clic("CmdIniz");
        }
        EXPECT_TRUE(servizi_.messaggi.empty());
        EXPECT_EQ(Di<QLineEdit>("TxtNome")->text(), c.maiuscolo);
        EXPECT_EQ(Testo("LblNome"),
                  QStringLiteral(" Ciao \r ") + c.maiuscolo + QStringLiteral(" "));
        EXPECT_EQ(LogMostrato(),
                  QStringLiteral("# Test eseguito da ") + c.maiuscolo + QStringLiteral("\n\n"));
        EXPECT_TRUE(Di("Frame1")->isVisible());
        EXPECT_TRUE(Di("Frame1")->isEnabled());
        for (const char* o : {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta"}) {
            EXPECT_TRUE(Di(o)->isVisible()) << o;
            EXPECT_FALSE(Di<QPushButton>(o)->isChecked()) << o;
        }
        EXPECT_FALSE(Di("CmdReset")->isEnabled());
        EXPECT_FALSE(Di("FramRegio")->isVisible());
        EXPECT_FALSE(Di("FramCitta")->isVisible());
    }
}

int LarghezzaInchiostro(const QImage& immagine) {
    const QColor fondo = immagine.pixelColor(4, immagine.height() / 2);
    int primo = -1;
    int ultimo = -1;
    for (int x = 4; x < immagine.width() - 4; ++x) {
        for (int y = 4; y < immagine.height() - 4; ++y) {
            const QColor c = immagine.pixelColor(x, y);
            if (std::abs(c.lightness() - fondo.lightness()) > 80) {
                primo = primo < 0 ? x : primo;
                ultimo = x;
                break;
            }
        }
    }
    return primo < 0 ? 0 : ultimo - primo + 1;
}

TEST_F(FinestraTest, TheNameIsShownAsPlainTextEverywhere) {
    const QWidget* saluto = Di("LblNome");
    Inizia(QStringLiteral("xxx"));
    const int semplice = LarghezzaInchiostro(finestra_->grab(saluto->geometry()).toImage());
    ASSERT_GT(semplice, 0);

    Inizia(QStringLiteral("<b>x</b>"));
    EXPECT_EQ(Testo("LblNome"), QStringLiteral(" Ciao \r <B>X</B> "));
    EXPECT_EQ(LogMostrato(), QStringLiteral("# Test eseguito da <B>X</B>\n\n"));
    EXPECT_EQ(Di<QLineEdit>("TxtNome")->text(), QStringLiteral("<B>X</B>"));
    // Eight characters drawn as they stand are much wider than "Ciao" above
    // them; a bold X would not be.
    const int marcato = LarghezzaInchiostro(finestra_->grab(saluto->geometry()).toImage());
    EXPECT_GT(marcato, semplice + 25) << "the greeting did not show <B>X</B> literally";

    Inizia(QStringLiteral("<img src=\":/logo.svg\">"));
    EXPECT_TRUE(LogMostrato().contains(QStringLiteral("<IMG SRC=\":/LOGO.SVG\">")));
    EXPECT_EQ(Testo("LblNome"), QStringLiteral(" Ciao \r <IMG SRC=\":/LOGO.SVG\"> "));
    Entra("LblNome", QStringLiteral("a name with markup"));
    for (const QLabel* etichetta : finestra_->findChildren<QLabel*>()) {
        EXPECT_EQ(etichetta->textFormat(), Qt::PlainText) << etichetta->objectName().toStdString();
    }
}

// ---------------------------------------------------------------- Nuovo, Esci

TEST_F(FinestraTest, NuovoDropsTheExerciseAndReturnsToTheStartScreen) {
    Inizia();
    Clic("OptCittaReg");
    ClicArea((logica_->RegDom + 1) % 21);
    const QString log = Log();
    const QString tentativi = Testo("LblTentativi");
    Clic("CmdNuovo");
    EXPECT_FALSE(Di("FramRegio")->isVisible());
    EXPECT_FALSE(Di("FramCitta")->isVisible());
    EXPECT_FALSE(Di("Frame1")->isVisible());
    EXPECT_FALSE(Di("CmdReset")->isEnabled());
    EXPECT_FALSE(Di<QPushButton>("OptCittaReg")->isChecked());
    EXPECT_EQ(Log(), log) << "Nuovo wrote to the log";
    EXPECT_EQ(Testo("LblTentativi"), tentativi);
    EXPECT_EQ(Di<QLineEdit>("TxtNome")->text(), QStringLiteral("MARIO"));
    EXPECT_TRUE(Di("TxtNome")->isVisible());
    EXPECT_TRUE(Di("CmdIniz")->isVisible());
    EXPECT_EQ(finestra_->childAt(Centro(Di("CmdIniz"))), Di("CmdIniz"));
    // The upper-cased name can start again at once.
    Clic("CmdIniz");
    EXPECT_EQ(Log(), QStringLiteral("# Test eseguito da MARIO\r\n\r\n"));
    EXPECT_TRUE(Di("Frame1")->isEnabled());
}

TEST_F(FinestraTest, ThePlayerCannotTypeIntoTheLog) {
    Inizia();
    auto* log = Di<QPlainTextEdit>("Text1");
    log->setFocus();
    QTest::keyClicks(log, QStringLiteral("abc"));
    QTest::keyClick(log, Qt::Key_Backspace);
    QTest::keyClick(log, Qt::Key_Return);
    EXPECT_EQ(log->toPlainText(), QStringLiteral("# Test eseguito da MARIO\n\n"));
}

TEST_F(FinestraTest, EsciEndsTheProgramWithStatusZero) {
    Clic("CmdFine");
    EXPECT_EQ(servizi_.termina, std::vector<int>{0});
    EXPECT_TRUE(servizi_.messaggi.empty());
}

TEST_F(FinestraTest, EsciDuringAnExerciseEndsWithStatusZeroAndNoSummary) {
    Inizia();
    Clic("OptCapol");
    const QString log = Log();
    Clic("CmdFine");
    EXPECT_EQ(servizi_.termina, std::vector<int>{0});
    EXPECT_EQ(Log(), log);
}

// ---------------------------------------------------------------- options

struct Avvio {
    const char* opzione;
    const char* mappa;
    const char* altra;
    int trattini;
    const char* intestazione;
    const char* domanda;
    int domande;
};

constexpr Avvio kAvvii[] = {
    {"OptReg", "FramRegio", "FramCitta", 69, " - Dov'e la Regione?", "Dove si trova la Regione",
     21},
    {"OptCapolReg", "FramRegio", "FramCitta", 66, " - Di quale regione e' capoluogo la città?",
     "Quale regione ha come capoluogo la città di", 21},
    {"OptCittaReg", "FramRegio", "FramCitta", 66, " - In quale regione si trova la città di? ",
     "In quale regione si trova la città di", 107},
    {"OptCapol", "FramCitta", "FramRegio", 66, " - Dove si trova la città Capoluogo di regione",
     "Dove si trova la città Capoluogo di regione", 21},
    {"OptCitta", "FramCitta", "FramRegio", 66, " - Dove di trova la città di? ",
     "In quale regione si trova la città di", 107},
};

QString Apertura(const Avvio& a) {
    return QRegularExpression::escape(QString(a.trattini, QLatin1Char('-')) + kCrLf) +
           QStringLiteral("[^\\r\\n]*\\b09\\b[^\\r\\n]*2026  10[:.]30[:.]15\\r\\n") +
           QRegularExpression::escape(QString::fromUtf8(a.intestazione) + kCrLf + kCrLf);
}

TEST_F(FinestraTest, ClickingAnOptionStartsItsExercise) {
    Inizia();
    for (const Avvio& a : kAvvii) {
        SCOPED_TRACE(a.opzione);
        const QString prima = Log();
        Clic(a.opzione);
        EXPECT_TRUE(Di<QPushButton>(a.opzione)->isChecked());
        EXPECT_TRUE(Di(a.mappa)->isVisible());
        EXPECT_FALSE(Di(a.altra)->isVisible());
        EXPECT_FALSE(Di("Frame1")->isEnabled());
        EXPECT_TRUE(Di("CmdReset")->isEnabled());
        ASSERT_TRUE(Log().startsWith(prima));
        const QRegularExpression blocco(QStringLiteral("^") + Apertura(a) + QStringLiteral("$"));
        EXPECT_TRUE(blocco.match(Log().mid(prima.size())).hasMatch())
            << Log().mid(prima.size()).toStdString();
        EXPECT_EQ(Testo("LblDom1"), QString::fromUtf8(a.domanda));
        EXPECT_EQ(Testo("LblTentativi"), QStringLiteral("Tentativo nr. 1"));
        EXPECT_FALSE(Testo("LblDom0").isEmpty());
        EXPECT_TRUE(Testo("LblNote").isEmpty());
        const auto* barra = Di<QProgressBar>("ProgressBar1");
        EXPECT_EQ(barra->minimum(), 1);
        EXPECT_EQ(barra->maximum(), a.domande);
        EXPECT_EQ(barra->value(), 1);
        EXPECT_FALSE(barra->isTextVisible());
        // The other options cannot be clicked while it runs.
        for (const Avvio& altro : kAvvii) {
            if (&altro != &a) {
                const QString log = Log();
                ClicPunto(Centro(Di(altro.opzione)));
                EXPECT_EQ(Log(), log) << altro.opzione << " started during " << a.opzione;
                EXPECT_FALSE(Di<QPushButton>(altro.opzione)->isChecked());
                EXPECT_TRUE(Di<QPushButton>(a.opzione)->isChecked());
            }
        }
        Clic("CmdReset");
    }
}

TEST_F(FinestraTest, ClearingTheOptionsNeverStartsAnExercise) {
    Inizia();
    const auto aperture = [this] {
        return Log().count(QRegularExpression(QStringLiteral("  10[:.]30[:.]15\\r\\n")));
    };
    Clic("OptReg");
    ASSERT_EQ(aperture(), 1);
    Clic("CmdReset");  // PulsantiOn after the abandonment summary
    EXPECT_EQ(aperture(), 1);
    EXPECT_TRUE(Log().endsWith(QString(69, QLatin1Char('-')) + kCrLf));
    for (const char* o : {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta"}) {
        EXPECT_FALSE(Di<QPushButton>(o)->isChecked()) << o;
        EXPECT_TRUE(Di(o)->isEnabled()) << o;
    }
    EXPECT_TRUE(Testo("LblDom0").isEmpty());
    Clic("OptCitta");
    Clic("CmdNuovo");  // inizia runs PulsantiOn too
    EXPECT_EQ(aperture(), 2);
    EXPECT_FALSE(Di<QPushButton>("OptCitta")->isChecked());
    EXPECT_FALSE(Di("FramCitta")->isVisible());
    Clic("CmdIniz");
    EXPECT_EQ(aperture(), 0);
    EXPECT_EQ(Di<QPlainTextEdit>("Text1")->toPlainText(),
              QStringLiteral("# Test eseguito da MARIO\n\n"));
}

// ---------------------------------------------------------------- playing to the end

struct Partita {
    const char* opzione;
    bool mappaCitta;
    int domande;
    int ogni;  // on every question q with q % ogni == resto ...
    int resto;
    int sbagli;  // ... this many wrong clicks come before the right one
    const char* perSoggetto;
    const char* x;
    const char* y;
    const char* t;
    const char* w;
    int clic;
    const char* punteggio;
    const char* foto;
};

void PrintTo(const Partita& p, std::ostream* os) {
    *os << p.opzione;
}

constexpr Partita kPartite[] = {
    {"OptReg", false, 21, 3, 1, 1, " per la regione ", "Ti ho chiesto tutte", "le regioni",
     " domande sulla posizione", "delle regioni, con ", 28, "7,50", "widget-regioni.png"},
    {"OptCapolReg", false, 21, 0, 0, 0, " per il capoluogo ", "Ti ho chiesto tutti", "i capoluoghi",
     " domande sui Capoluoghi", "delle regioni, con ", 21, "10,00", nullptr},
    {"OptCittaReg", false, 107, 2, 1, 1, " per il capoluogo ", "Ti ho chiesto tutte",
     "le città d'Italia", " domande sulle Città", "delle regioni, con ", 161, "6,65", nullptr},
    {"OptCapol", true, 21, 7, 0, 3, " per il capoluogo ", "Ti ho chiesto tutti",
     "i capoluoghi siti in Italia", " domande sui Capoluoghi", "siti in tutta Italia, con ", 30,
     "7,00", nullptr},
    {"OptCitta", true, 107, 6, 0, 1, " per la città ", "Ti ho chiesto tutte",
     "le province d'Italia", " domande sulle province", "site in tutta Italia, con ", 124, "8,63",
     "widget-citta.png"},
};

class PartitaTest : public FinestraTest, public ::testing::WithParamInterface<Partita> {};

TEST_P(PartitaTest, PlayedToTheEndByClickingTheMap) {
    const Partita& p = GetParam();
    std::mt19937 generatore(2024);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    for (int i = 0; i < 20000; ++i) {
        servizi_.casuali.push_back(uniforme(generatore));
    }
    Inizia();
    servizi_.timer = 1000.0F;
    Clic(p.opzione);
    QString atteso = Log();
    int clic = 0;
    for (int q = 1; q <= p.domande; ++q) {
        SCOPED_TRACE("question " + std::to_string(q));
        // The player reads the question off the screen.
        const QString soggetto = Testo("LblDom0");
        const bool suRegione = std::string(p.opzione) == "OptReg";
        ASSERT_EQ(soggetto, suRegione ? NomeRegione(logica_->RegDom) : NomeCitta(logica_->CitDom));
        const int giusto = p.mappaCitta ? logica_->CitDom : logica_->RegDom;
        const int sbagli = p.ogni > 0 && q % p.ogni == p.resto ? p.sbagli : 0;
        for (int s = 0; s < sbagli; ++s) {
            const int sbagliato = p.mappaCitta ? giusto % 107 + 1 : (giusto + 1 + s) % 21;
            const QString log = Log();
            p.mappaCitta ? ClicMarker(sbagliato) : ClicArea(sbagliato);
            ++clic;
            EXPECT_EQ(Log(), log) << "a wrong click was logged";
            EXPECT_EQ(Testo("LblTentativi"), QStringLiteral("Tentativo Nr. %1").arg(s + 2));
            EXPECT_EQ(Testo("LblTotTent"),
                      QStringLiteral("Tentativi complessivi %1").arg(clic + 1));
            EXPECT_EQ(Testo("LblNumDom"),
                      QStringLiteral("Domanda Nr. %1 di %2").arg(q).arg(p.domande));
            EXPECT_EQ(Testo("LblDom0"), soggetto);
            if (p.mappaCitta) {
                EXPECT_TRUE(
                    Testo("LblNote").startsWith(QStringLiteral("Errore questa è la città di ") +
                                                NomeCitta(sbagliato) + QStringLiteral(" (")))
                    << Testo("LblNote").toStdString();
            }
        }
        if (q == p.domande) {
            servizi_.timer = 1150.0F;
        }
        const bool secondaPuglia = !p.mappaCitta && giusto == 15 &&
                                   (q % 2 == 0 || std::string(p.opzione) == "OptCapolReg");
        if (p.mappaCitta) {
            ClicMarker(giusto);
        } else {
            ClicArea(secondaPuglia ? 21 : giusto);
        }
        ++clic;
        atteso += QStringLiteral("Tentativi %1").arg(sbagli + 1) +
                  QString::fromUtf8(p.perSoggetto) + soggetto + kCrLf;
        if (q < p.domande) {
            ASSERT_EQ(Log(), atteso);
            EXPECT_EQ(Testo("LblTentativi"), QStringLiteral("Tentativo Nr. 1"));
            EXPECT_EQ(Testo("LblNumDom"),
                      QStringLiteral("Domanda Nr. %1 di %2").arg(q + 1).arg(p.domande));
            EXPECT_EQ(Testo("LblTotTent"),
                      QStringLiteral("Tentativi complessivi %1").arg(clic + 1));
            EXPECT_EQ(Di<QProgressBar>("ProgressBar1")->value(), q + 1);
            if (p.mappaCitta) {
                EXPECT_EQ(Testo("LblNote"), QStringLiteral("INDOVINATO!"));
            }
            EXPECT_EQ(servizi_.beep, q);
        }
        const QByteArray cartella = qgetenv("MAPPIX_CATTURE");
        if (q == 3 && p.foto != nullptr && !cartella.isEmpty()) {
            finestra_->grab().save(QString::fromLocal8Bit(cartella) + QLatin1Char('/') +
                                   QLatin1String(p.foto));
        }
    }
    ASSERT_EQ(clic, p.clic);
    EXPECT_EQ(servizi_.beep, p.domande - 1);

    // The closing block, with the time of day as the locale writes it.
    const qsizetype ore = Log().lastIndexOf(QStringLiteral("alle ore "));
    ASSERT_GE(ore, 0);
    const QString ora = Log().mid(ore + 9, Log().indexOf(QStringLiteral(". \r\n"), ore) - ore - 9);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^10[:.]30[:.]15$")).match(ora).hasMatch())
        << ora.toStdString();
    atteso += kCrLf + QStringLiteral("Terminate le %1").arg(p.domande) + QString::fromUtf8(p.t) +
              kCrLf + QString::fromUtf8(p.w) + QString::number(p.clic) +
              QStringLiteral(" tentativi complessivi\r\n") + QStringLiteral("alle ore ") + ora +
              QStringLiteral(". \r\n") +
              QStringLiteral("Durata: 2,50 minuti - (150,00 secondi) \r\n\r\n") +
              QStringLiteral("Punteggio di fine esercizio: ") + QLatin1String(p.punteggio) + kCrLf +
              QString(43, QLatin1Char('=')) + kCrLf + kCrLf;
    EXPECT_EQ(Log().toStdString(), atteso.toStdString());
    EXPECT_EQ(LogMostrato(), ConACapo(atteso));

    EXPECT_EQ(Testo("LblDom1"), QStringLiteral("Non ho più domande!"));
    EXPECT_EQ(Testo("LblDom0"), QString::fromUtf8(p.x));
    EXPECT_EQ(Testo("LblTentativi"), QString::fromUtf8(p.y));
    EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Punteggio: ") + QLatin1String(p.punteggio));
    for (const char* o : {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta"}) {
        EXPECT_FALSE(Di<QPushButton>(o)->isChecked()) << o;
        EXPECT_TRUE(Di(o)->isEnabled()) << o;
    }
    EXPECT_TRUE(Di("Frame1")->isEnabled());
    EXPECT_FALSE(Di("CmdReset")->isEnabled());
    EXPECT_TRUE(Di(p.mappaCitta ? "FramCitta" : "FramRegio")->isVisible());

    // The map falls silent.
    const Istantanea fine = Stato();
    p.mappaCitta ? ClicMarker(logica_->CitDom) : ClicArea(logica_->RegDom);
    p.mappaCitta ? ClicMarker(logica_->CitDom % 107 + 1) : ClicArea((logica_->RegDom + 1) % 21);
    EXPECT_TRUE(Stato() == fine) << "the map judged a click after the end";
}

INSTANTIATE_TEST_SUITE_P(Esercizi, PartitaTest, ::testing::ValuesIn(kPartite),
                         [](const ::testing::TestParamInfo<Partita>& dato) {
                             return std::string(dato.param.opzione);
                         });

// ---------------------------------------------------------------- captions fit

TEST_F(FinestraTest, StartScreenCaptionsFit) {
    for (const char* nome : {"LbLInfo", "Label1", "Label2"}) {
        EXPECT_FALSE(Testo(nome).isEmpty()) << nome;
        Entra(nome, QStringLiteral("start screen"));
    }
    Inizia(QStringLiteral("mario rossi"));
    Entra("LblNome", QStringLiteral("greeting"));
}

// Draws from an empty script always give the lowest index not yet asked, so
// each exercise shows every one of its questions once.
TEST_F(FinestraTest, EveryCaptionWhilePlayingEachExerciseFits) {
    Inizia();
    for (const Partita& p : kPartite) {
        SCOPED_TRACE(p.opzione);
        Clic(p.opzione);
        EntranoTutte(QStringLiteral("start of ") + QLatin1String(p.opzione));
        QSet<QString> chiesti;
        for (int q = 1; q <= p.domande; ++q) {
            chiesti.insert(Testo("LblDom0"));
            if (p.mappaCitta) {
                ClicMarker(logica_->CitDom);
            } else {
                ClicArea(logica_->RegDom);
            }
            EntranoTutte(
                QStringLiteral("%1 after question %2").arg(QLatin1String(p.opzione)).arg(q));
        }
        EXPECT_EQ(chiesti.size(), p.domande);
        EXPECT_EQ(Testo("LblDom1"), QStringLiteral("Non ho più domande!"));
        EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Punteggio: 10,00"));
    }
}

TEST_F(FinestraTest, TheWrongClickNoteOfEveryCityFits) {
    Inizia();
    Clic("OptCitta");
    ASSERT_EQ(logica_->CitDom, 1);
    QSet<QString> note;
    for (int c = 2; c <= 107; ++c) {
        ClicMarker(c);
        note.insert(Testo("LblNote"));
        Entra("LblNote", NomeCitta(c));
        if (c == 71) {
            EXPECT_EQ(Testo("LblNote"), QStringLiteral("Errore questa è la città di Chieti (CH) in "
                                                       "Abruzzo.  Provincia da 104 Comuni."));
        }
    }
    ClicMarker(1);
    EXPECT_EQ(Testo("LblNote"), QStringLiteral("INDOVINATO!"));
    Entra("LblNote", QStringLiteral("right answer"));
    ASSERT_EQ(logica_->CitDom, 2);
    ClicMarker(1);
    note.insert(Testo("LblNote"));
    Entra("LblNote", NomeCitta(1));
    EXPECT_EQ(note.size(), 107);
}

TEST_F(FinestraTest, CountersAtTheirLargestValuesFit) {
    Inizia();
    for (const char* opzione : {"OptCittaReg", "OptCitta"}) {
        SCOPED_TRACE(opzione);
        Clic(opzione);
        logica_->NumDom = 107;
        logica_->Tentativo = 32766;
        logica_->TotTentativi = 32766;
        const bool citta = std::string(opzione) == "OptCitta";
        for (int volta = 0; volta < 2; ++volta) {
            citta ? ClicMarker(logica_->CitDom % 107 + 1) : ClicArea((logica_->RegDom + 1) % 21);
            EXPECT_EQ(Testo("LblTentativi"), QStringLiteral("Tentativo Nr. 32767"));
            EXPECT_EQ(Testo("LblTotTent"), QStringLiteral("Tentativi complessivi 32767"));
            EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Domanda Nr. 107 di 107"));
            EntranoTutte(QStringLiteral("largest counters"));
        }
        // The question answered at the top of the counters closes the exercise.
        citta ? ClicMarker(logica_->CitDom) : ClicArea(logica_->RegDom);
        EXPECT_EQ(Testo("LblNumDom"), QStringLiteral("Punteggio: 0,03"));
        EXPECT_TRUE(Log().contains(QStringLiteral("Tentativi 32767 ")));
        EntranoTutte(QStringLiteral("lowest score"));
    }
}

}  // namespace
}  // namespace mappix
