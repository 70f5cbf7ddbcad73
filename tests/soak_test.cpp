// A long random soak of the real window: every event a player can cause, from
// fixed seeds, with the window's invariants checked after every event. On a
// failure the test prints the seed and the shortest event sequence it finds
// that still breaks an invariant.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "etichetta.h"
#include "finestra.h"
#include "frm_citta.h"
#include "oracolo.h"
#include "servizi_finti.h"
#include "terra.h"
#include "testo_mostrato.h"

namespace mappix {
namespace {

enum class Tipo {
    ClicControllo,
    ClicPunto,
    ClicGiusto,
    Scrivi,
    Cancella,
    Invio,
    // Keys as a keyboard sends them to the window, wherever the focus is.
    Tasto,
    Incolla,
    Fuoco,
};

struct Evento {
    Tipo tipo;
    QString nome;  // the control clicked, or the text typed
    QPoint punto;  // in window coordinates for ClicPunto
};

std::string Descrivi(const Evento& e) {
    switch (e.tipo) {
        case Tipo::ClicControllo:
            return "click " + e.nome.toStdString();
        case Tipo::ClicPunto:
            return "click at (" + std::to_string(e.punto.x()) + "," + std::to_string(e.punto.y()) +
                   ")";
        case Tipo::ClicGiusto:
            return "click the right answer";
        case Tipo::Scrivi:
            return "type \"" + e.nome.toStdString() + "\"";
        case Tipo::Cancella:
            return "backspace";
        case Tipo::Invio:
            return "enter";
        case Tipo::Tasto:
            return "key " + e.nome.toStdString();
        case Tipo::Incolla:
            return "paste \"" + e.nome.toStdString() + "\"";
        case Tipo::Fuoco:
            return "focus " + e.nome.toStdString();
    }
    return {};
}

const QStringList kControlli = {
    QStringLiteral("CmdIniz"),     QStringLiteral("CmdNuovo"),    QStringLiteral("CmdHlp"),
    QStringLiteral("CmdHlpFine"),  QStringLiteral("CmdReset"),    QStringLiteral("OptReg"),
    QStringLiteral("OptCapolReg"), QStringLiteral("OptCittaReg"), QStringLiteral("OptCapol"),
    QStringLiteral("OptCitta"),    QStringLiteral("TxtNome"),     QStringLiteral("Text1"),
    QStringLiteral("FramRegio"),   QStringLiteral("FramCitta"),   QStringLiteral("LblDom0"),
};

const QStringList kNomi = {QStringLiteral("mario"),    QStringLiteral("al"), QStringLiteral("   "),
                           QStringLiteral("<b>x</b>"), QStringLiteral("é"),  QStringLiteral("ß"),
                           QStringLiteral("&amp;")};

class Banco {
public:
    explicit Banco(unsigned seme) : servizi_(seme), logica_(servizi_), caso_(seme) {
        servizi_.timer = 86000;  // near midnight, so some exercises run across it
        logica_.Form_Initialize();
        finestra_ = std::make_unique<FinestraCitta>(logica_);
        finestra_->show();
    }

    // Runs one event and returns the first broken invariant, if any.
    std::optional<std::string> Esegui(const Evento& e) {
        const QString registroPrima = logica_.Ctl.Text1.Text;
        servizi_.timer = std::fmod(servizi_.timer + 7.5F, 86400.0F);
        bool iniziaAccettato = false;
        switch (e.tipo) {
            case Tipo::ClicControllo:
                iniziaAccettato = ClicSu(Centro(e.nome));
                break;
            case Tipo::ClicPunto:
                iniziaAccettato = ClicSu(e.punto);
                break;
            case Tipo::ClicGiusto:
                if (auto guasto = ClicGiusto(); guasto) {
                    return guasto;
                }
                break;
            case Tipo::Scrivi:
            case Tipo::Cancella:
            case Tipo::Invio:
                iniziaAccettato = Tastiera(e);
                break;
            case Tipo::Tasto:
            case Tipo::Incolla:
            case Tipo::Fuoco:
                iniziaAccettato = TastoAlFuoco(e);
                break;
        }
        // Posted events (focus changes, repaints, deferred deletes) are
        // delivered as the real loop does: after every key, and after every
        // tenth click, since painting the whole window costs more than the click.
        if (e.tipo >= Tipo::Tasto || ++clic_ % 10 == 0) {
            QCoreApplication::processEvents();
        }
        if (logica_.Ctl.Text1.Text.size() > registroPrima.size() &&
            logica_.Ctl.Text1.Text.endsWith(QStringLiteral("=\r\n\r\n"))) {
            ++completati;
        }
        risposte += logica_.Ctl.Text1.Text.size() > registroPrima.size() ? 1 : 0;
        return Controlla(registroPrima, iniziaAccettato);
    }

    long completati = 0;  // exercises played to their end
    long risposte = 0;    // events that wrote to the log

    FrmCitta& logica() { return logica_; }

private:
    QWidget* Widget(const QString& nome) const { return finestra_->findChild<QWidget*>(nome); }

    QPoint Centro(const QString& nome) const {
        QWidget* w = Widget(nome);
        return w == nullptr ? QPoint(-1, -1) : w->mapTo(finestra_.get(), w->rect().center());
    }

    // The answer oracle: the area or marker a player would aim at for the
    // question on screen, worked out from the written-out tables. Where that
    // point is not covered and an exercise runs, the click must be judged
    // right: the log gains the solved question.
    std::optional<std::string> ClicGiusto() {
        const auto testo = [this](const char* nome) {
            const auto* e = finestra_->findChild<Etichetta*>(QLatin1String(nome));
            return e == nullptr ? QString() : e->testo();
        };
        QWidget* citta = Widget(QStringLiteral("FramCitta"));
        QWidget* regio = Widget(QStringLiteral("FramRegio"));
        const bool suCitta = citta->isVisible();
        const int giusto = oracolo::Risposta(testo("LblDom1"), testo("LblDom0"), suCitta);
        if (giusto < 0 || (!suCitta && !regio->isVisible())) {
            return std::nullopt;
        }
        const QPoint terra =
            suCitta ? oracolo::PuntoDiCitta(giusto) : PuntoDiRegione(giusto, caso_);
        if (terra.x() < 0) {
            return std::nullopt;
        }
        const QPoint punto = (suCitta ? citta : regio)->mapTo(finestra_.get(), terra);
        const QWidget* sotto = finestra_->childAt(punto);
        bool inCorso = false;
        for (const char* o : {"OptReg", "OptCapolReg", "OptCittaReg", "OptCapol", "OptCitta"}) {
            inCorso = inCorso || finestra_->findChild<QPushButton*>(QLatin1String(o))->isChecked();
        }
        const bool mirato = inCorso && sotto != nullptr &&
                            sotto->parentWidget() == (suCitta ? citta : regio) &&
                            sotto->objectName().startsWith(suCitta ? "LblCit(" : "LbLReg(");
        const QString soggetto = testo("LblDom0");
        const qsizetype prima = logica_.Ctl.Text1.Text.size();
        ClicSu(punto);
        const QString& registro = logica_.Ctl.Text1.Text;
        const qsizetype riga = registro.indexOf(QStringLiteral("Tentativi "), prima);
        if (mirato && (riga < 0 || registro.indexOf(soggetto + QStringLiteral("\r\n"), riga) < 0)) {
            return "a click on the answer to \"" + soggetto.toStdString() +
                   "\" was not judged right";
        }
        return std::nullopt;
    }

    // A click goes where a real one would: to the topmost widget under the point.
    bool ClicSu(QPoint punto) {
        QWidget* bersaglio = finestra_->childAt(punto);
        if (bersaglio == nullptr) {
            return false;
        }
        const int messaggiPrima = static_cast<int>(servizi_.messaggi.size());
        const bool eraInizia = bersaglio->objectName() == QLatin1String("CmdIniz") ||
                               bersaglio->parentWidget()->objectName() == QLatin1String("CmdIniz");
        QTest::mouseClick(bersaglio, Qt::LeftButton, {},
                          bersaglio->mapFrom(finestra_.get(), punto));
        return eraInizia && bersaglio->isEnabled() &&
               static_cast<int>(servizi_.messaggi.size()) == messaggiPrima;
    }

    // The keyboard reaches the name box only while it can be seen.
    bool Tastiera(const Evento& e) {
        auto* nome = finestra_->findChild<QLineEdit*>(QStringLiteral("TxtNome"));
        if (finestra_->childAt(Centro(QStringLiteral("TxtNome"))) != nome) {
            return false;
        }
        const int messaggiPrima = static_cast<int>(servizi_.messaggi.size());
        if (e.tipo == Tipo::Scrivi) {
            // Key events that carry their text, as an input method sends them.
            for (const QChar carattere : e.nome) {
                QKeyEvent premi(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                                QString(carattere));
                QApplication::sendEvent(nome, &premi);
            }
        } else if (e.tipo == Tipo::Cancella) {
            QTest::keyClick(nome, Qt::Key_Backspace);
        } else {
            QTest::keyClick(nome, Qt::Key_Return);
            return static_cast<int>(servizi_.messaggi.size()) == messaggiPrima;
        }
        return false;
    }

    // A key goes where the keyboard focus is, as Qt routes it. Only a visible
    // "Inizia" may take it and restart the log: the focused "Inizia" pressed by
    // a blank, or Enter in the name box, while no panel covers the start screen.
    bool TastoAlFuoco(const Evento& e) {
        const Controlli& c = logica_.Ctl;
        const bool inizioScoperto =
            !c.FramRegio.Visible && !c.FramCitta.Visible && !c.FrmHelp.Visible;
        if (e.tipo == Tipo::Fuoco) {
            if (QWidget* w = Widget(e.nome)) {
                w->setFocus(Qt::TabFocusReason);
            }
            return false;
        }
        const QWidget* fuoco = finestra_->focusWidget();
        const QString suFuoco = fuoco == nullptr ? QString() : fuoco->objectName();
        const int messaggiPrima = static_cast<int>(servizi_.messaggi.size());
        QWindow* finestra = finestra_->windowHandle();
        bool premeInizia = false;
        if (e.tipo == Tipo::Incolla) {
            QGuiApplication::clipboard()->setText(e.nome);
            QTest::keyClick(finestra, Qt::Key_V, Qt::ControlModifier);
        } else if (e.nome == QLatin1String("Tab")) {
            QTest::keyClick(finestra, Qt::Key_Tab);
        } else if (e.nome == QLatin1String("Shift+Tab")) {
            QTest::keyClick(finestra, Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (e.nome == QLatin1String("Space")) {
            QTest::keyClick(finestra, Qt::Key_Space);
            premeInizia = suFuoco == QLatin1String("CmdIniz");
        } else if (e.nome == QLatin1String("Enter")) {
            QTest::keyClick(finestra, Qt::Key_Return);
            premeInizia = suFuoco == QLatin1String("TxtNome");
        } else if (e.nome == QLatin1String("Escape")) {
            QTest::keyClick(finestra, Qt::Key_Escape);
        } else {
            for (const QChar lettera : e.nome) {
                QTest::keyClick(finestra, lettera.toLatin1());
            }
            premeInizia = suFuoco == QLatin1String("CmdIniz") && e.nome.contains(QLatin1Char(' '));
        }
        return premeInizia && inizioScoperto &&
               static_cast<int>(servizi_.messaggi.size()) == messaggiPrima;
    }

    std::optional<std::string> Controlla(const QString& registroPrima, bool iniziaAccettato) {
        const Controlli& c = logica_.Ctl;
        const int veri = c.OptReg.Value + c.OptCapolReg.Value + c.OptCittaReg.Value +
                         c.OptCapol.Value + c.OptCitta.Value;
        if (veri > 1) {
            return "more than one exercise option is set";
        }
        if ((veri == 1) != (!c.Frame1.Enabled && c.CmdReset.Enabled)) {
            return "an option is set while the choice is open, or none while it is locked";
        }
        if (veri == 0 && (c.CmdReset.Enabled || !c.Frame1.Enabled)) {
            return "no exercise runs but the choice is locked or 'Cambia esercizio' enabled";
        }
        if (c.FramRegio.Visible && c.FramCitta.Visible) {
            return "both map panels are visible";
        }
        const QString& registro = c.Text1.Text;
        const QString intestazione =
            QStringLiteral("# Test eseguito da ") + c.TxtNome.Text + QStringLiteral("\r\n\r\n");
        if (iniziaAccettato) {
            if (registro != intestazione) {
                return "an accepted 'Inizia' did not leave exactly the log header";
            }
        } else if (!registro.startsWith(registroPrima)) {
            return "the log changed other than by appending";
        }
        if (veri == 1 && (logica_.NumDom < 0 || logica_.NumDom > logica_.NumDomande + 1)) {
            return "question number out of range";
        }
        if (auto guasto = ControllaPunteggi(); guasto) {
            return guasto;
        }
        return ControllaWidget();
    }

    std::optional<std::string> ControllaPunteggi() const {
        static const QRegularExpression kNumero(
            QStringLiteral("^(\\d{1,3}(\\.\\d{3})*),(\\d{2})$"));
        static const QRegularExpression kPunteggio(
            QStringLiteral("Punteggio (?:di fine esercizio|prima di terminare): ([^\\r]*)\\r\\n"));
        const QString& etichetta = logica_.Ctl.LblNumDom.Caption;
        QStringList punteggi;
        if (etichetta.startsWith(QStringLiteral("Punteggio: "))) {
            punteggi << etichetta.mid(11);
        }
        const QString& registro = logica_.Ctl.Text1.Text;
        // Only the last lines can have changed since the previous event.
        const QString coda = registro.right(400);
        auto trovati = kPunteggio.globalMatch(coda);
        while (trovati.hasNext()) {
            punteggi << trovati.next().captured(1);
        }
        for (const QString& p : punteggi) {
            const auto m = kNumero.match(p);
            if (!m.hasMatch()) {
                return "a score is not written as ##,##0.00: " + p.toStdString();
            }
            const double valore =
                (m.captured(1).remove(QLatin1Char('.')) + QLatin1Char('.') + m.captured(3))
                    .toDouble();
            if (!std::isfinite(valore) || valore < 0 || valore > 10) {
                return "a score outside 0 to 10: " + p.toStdString();
            }
        }
        return std::nullopt;
    }

    std::optional<std::string> ControllaWidget() {
        const Controlli& c = logica_.Ctl;
        const std::pair<const char*, const ConTesto*> etichette[] = {
            {"LblNome", &c.LblNome},       {"LblDom1", &c.LblDom1},
            {"LblDom0", &c.LblDom0},       {"LblTentativi", &c.LblTentativi},
            {"LblTotTent", &c.LblTotTent}, {"LblNumDom", &c.LblNumDom},
            {"LblNote", &c.LblNote},       {"LbLInfo", &c.LbLInfo}};
        for (const auto& [nome, stato] : etichette) {
            auto* e = finestra_->findChild<Etichetta*>(QLatin1String(nome));
            if (e->testo() != stato->Caption) {
                return std::string(nome) + " shows other than its caption";
            }
        }
        const std::pair<const char*, const Opzione*> opzioni[] = {{"OptReg", &c.OptReg},
                                                                  {"OptCapolReg", &c.OptCapolReg},
                                                                  {"OptCittaReg", &c.OptCittaReg},
                                                                  {"OptCapol", &c.OptCapol},
                                                                  {"OptCitta", &c.OptCitta}};
        for (const auto& [nome, stato] : opzioni) {
            if (finestra_->findChild<QPushButton*>(QLatin1String(nome))->isChecked() !=
                stato->Value) {
                return std::string(nome) + " shows other than its value";
            }
        }
        const std::pair<const char*, const Controllo*> visibili[] = {{"FramRegio", &c.FramRegio},
                                                                     {"FramCitta", &c.FramCitta},
                                                                     {"Frame1", &c.Frame1},
                                                                     {"FrmHelp", &c.FrmHelp},
                                                                     {"CmdReset", &c.CmdReset}};
        for (const auto& [nome, stato] : visibili) {
            QWidget* w = Widget(QLatin1String(nome));
            if (w->isVisible() != stato->Visible || w->isEnabled() != stato->Enabled) {
                return std::string(nome) + " is shown or enabled other than its state";
            }
        }
        if (finestra_->findChild<QLineEdit*>(QStringLiteral("TxtNome"))->text() != c.TxtNome.Text) {
            return "the name box shows other than its text";
        }
        auto* barra = finestra_->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
        if (barra->minimum() != std::lround(c.ProgressBar1.Min) ||
            barra->maximum() != std::lround(c.ProgressBar1.Max)) {
            return "the progress bar's range differs from its state";
        }
        // The log widget is compared whole now and then: it only ever grows.
        if (++controlli_ % 500 == 0 || c.Text1.Text.size() < 2000) {
            auto* log = finestra_->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
            if (log->toPlainText() != TestoMostrato(c.Text1.Text)) {
                return "the log widget shows other than the log";
            }
        }
        return std::nullopt;
    }

    ServiziSemeFisso servizi_;
    FrmCitta logica_;
    std::unique_ptr<FinestraCitta> finestra_;
    std::mt19937 caso_{11};
    long controlli_ = 0;
    long clic_ = 0;
};

const QStringList kTasti = {QStringLiteral("Tab"),    QStringLiteral("Shift+Tab"),
                            QStringLiteral("Space"),  QStringLiteral("Enter"),
                            QStringLiteral("Escape"), QStringLiteral("a b")};

// One event in four is followed by a key, a paste or a focus move.
template <typename Tra>
void AggiungiTasti(std::vector<Evento>& eventi, Tra& tra) {
    const int scelta = tra(100);
    if (scelta < 18) {
        eventi.push_back({Tipo::Tasto, kTasti[tra(kTasti.size())], {}});
    } else if (scelta < 21) {
        eventi.push_back({Tipo::Incolla, kNomi[tra(kNomi.size())], {}});
    } else if (scelta < 25) {
        eventi.push_back({Tipo::Fuoco, kControlli[tra(kControlli.size())], {}});
    }
}

std::vector<Evento> Sequenza(unsigned seme, long quanti) {
    std::mt19937 g(seme);
    auto tra = [&g](qsizetype n) { return static_cast<int>(g() % static_cast<unsigned>(n)); };
    std::vector<Evento> eventi;
    eventi.reserve(static_cast<std::size_t>(quanti));
    for (long i = 0; i < quanti; ++i) {
        const int scelta = tra(100);
        if (scelta < 30) {
            eventi.push_back({Tipo::ClicGiusto, {}, {}});
        } else if (scelta < 55) {
            eventi.push_back({Tipo::ClicControllo, kControlli[tra(kControlli.size())], {}});
        } else if (scelta < 70) {
            eventi.push_back({Tipo::ClicControllo, QStringLiteral("LbLReg(%1)").arg(tra(22)), {}});
        } else if (scelta < 85) {
            eventi.push_back(
                {Tipo::ClicControllo, QStringLiteral("LblCit(%1)").arg(1 + tra(107)), {}});
        } else if (scelta < 92) {
            eventi.push_back({Tipo::ClicPunto, {}, QPoint(tra(1009), tra(689))});
        } else if (scelta < 96) {
            eventi.push_back({Tipo::Scrivi, kNomi[tra(kNomi.size())], {}});
        } else if (scelta < 98) {
            eventi.push_back({Tipo::Cancella, {}, {}});
        } else {
            eventi.push_back({Tipo::Invio, {}, {}});
        }
        AggiungiTasti(eventi, tra);
    }
    return eventi;
}

// Index of the first failing event of the sequence, if any.
std::optional<std::pair<std::size_t, std::string>> Gioca(unsigned seme,
                                                         const std::vector<Evento>& eventi,
                                                         Banco* fuori = nullptr) {
    Banco banco(seme);
    for (std::size_t i = 0; i < eventi.size(); ++i) {
        if (auto guasto = banco.Esegui(eventi[i])) {
            return std::make_pair(i, *guasto);
        }
    }
    if (fuori != nullptr) {
        fuori->completati = banco.completati;
        fuori->risposte = banco.risposte;
    }
    return std::nullopt;
}

// Drops chunks of events while the sequence still fails, halving the chunk.
std::vector<Evento> Riduci(unsigned seme, std::vector<Evento> eventi) {
    for (std::size_t pezzo = eventi.size() / 2; pezzo >= 1; pezzo /= 2) {
        for (std::size_t inizio = 0; inizio + pezzo <= eventi.size();) {
            std::vector<Evento> prova(eventi.begin(), eventi.begin() + static_cast<long>(inizio));
            prova.insert(prova.end(), eventi.begin() + static_cast<long>(inizio + pezzo),
                         eventi.end());
            if (auto guasto = Gioca(seme, prova)) {
                eventi.assign(prova.begin(), prova.begin() + static_cast<long>(guasto->first + 1));
            } else {
                inizio += pezzo;
            }
        }
    }
    return eventi;
}

// The longest failing sequence that is reduced before it is reported.
constexpr std::size_t kRiducibili = 3000;

long EventiPerSeme() {
    const QByteArray da = qgetenv("MAPPIX_SOAK_EVENTI");
    return da.isEmpty() ? 50000 : da.toLong();
}

class Soak : public ::testing::TestWithParam<unsigned> {};

TEST_P(Soak, OgniInvarianteRegge) {
    const unsigned seme = GetParam();
    const std::vector<Evento> eventi = Sequenza(seme, EventiPerSeme());
    Banco conteggi(seme);
    const auto guasto = Gioca(seme, eventi, &conteggi);
    if (!guasto) {
        // A soak that never gets into the quiz tests nothing.
        EXPECT_GT(conteggi.risposte, static_cast<long>(eventi.size()) / 20);
        EXPECT_GT(conteggi.completati, 0) << "no exercise was played to its end";
        std::printf("seed %u: %zu events, %ld wrote to the log, %ld exercises completed\n", seme,
                    eventi.size(), conteggi.risposte, conteggi.completati);
        return;
    }
    ADD_FAILURE() << "seed " << seme << ": " << guasto->second << " after event " << guasto->first;
    std::vector<Evento> breve(eventi.begin(),
                              eventi.begin() + static_cast<long>(guasto->first + 1));
    // Each try replays the sequence in a new window: reduce only what replays quickly.
    if (breve.size() <= kRiducibili) {
        breve = Riduci(seme, breve);
    }
    std::string passi;
    const std::size_t primo = breve.size() > 40 ? breve.size() - 40 : 0;
    for (std::size_t i = primo; i < breve.size(); ++i) {
        passi += "\n  " + Descrivi(breve[i]);
    }
    FAIL() << "shortest sequence found: " << breve.size() << " events, ending with:" << passi;
}

std::vector<unsigned> Semi() {
    std::vector<unsigned> semi{1, 2, 3, 4};
    const QByteArray da = qgetenv("MAPPIX_SOAK_SEME");
    if (!da.isEmpty()) {
        semi = {da.toUInt()};
    }
    return semi;
}

INSTANTIATE_TEST_SUITE_P(Semi, Soak, ::testing::ValuesIn(Semi()));

}  // namespace
}  // namespace mappix
