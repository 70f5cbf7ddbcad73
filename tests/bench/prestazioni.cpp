// Per-event costs of the real window under the offscreen platform. Every
// benchmark checks that its clicks had their effect on the quiz and on the
// screen; the program exits with status 1 when one did not, so a short run
// in the test suite proves the figures measure real work.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>
#include <QThreadPool>
#include <memory>
#include <string>

// Under `valgrind --tool=callgrind --collect-atstart=no` only the measured
// clicks are counted, so instruction counts per click can be compared.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define CONTA(...) __VA_ARGS__
#else
#define CONTA(...)
#endif

#include "finestra.h"
#include "forme_regioni.h"
#include "frm_citta.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

bool fallito = false;

// Marks the benchmark as failed; the caller leaves its loop.
bool Verifica(benchmark::State& stato, bool condizione, const char* messaggio) {
    if (!condizione) {
        fallito = true;
        stato.SkipWithError(messaggio);
    }
    return condizione;
}

qsizetype Righe(QStringView testo) {
    return testo.count(QLatin1Char('\n'));
}

struct Partita {
    ServiziSemeFisso servizi{42};
    FrmCitta logica{servizi};
    std::unique_ptr<FinestraCitta> finestra;

    Partita() {
        logica.Form_Initialize();
        finestra = std::make_unique<FinestraCitta>(logica);
        finestra->show();
        QApplication::processEvents();
        logica.Ctl.TxtNome.Text = QStringLiteral("Giulia");
        Clic(QStringLiteral("CmdIniz"));
    }

    void Clic(const QString& nome) {
        auto* widget = finestra->findChild<QWidget*>(nome);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    // Lets Qt paint what the event changed, as it does after a real click.
    static void Ridisegna() { QApplication::processEvents(); }

    QString Giusto() const {
        const auto esercizio = logica.EsercizioInCorso();
        if (esercizio == Esercizio::Citta || esercizio == Esercizio::Capol) {
            return QStringLiteral("LblCit(%1)").arg(logica.CitDom);
        }
        return QStringLiteral("LbLReg(%1)").arg(logica.RegDom);
    }

    // Plays right answers through the logic alone until the log holds at
    // least `righe` lines, then shows the window the result in one update.
    void RiempiRegistro(qsizetype righe) {
        qsizetype contate = Righe(logica.Ctl.Text1.Text);
        while (contate < righe) {
            const qsizetype prima = logica.Ctl.Text1.Text.size();
            logica.Opt_Click(Esercizio::CittaReg);
            while (logica.EsercizioInCorso()) {
                logica.LbLReg_Click(logica.RegDom);
            }
            contate += Righe(QStringView(logica.Ctl.Text1.Text).mid(prima));
        }
        finestra->Aggiorna();
        Ridisegna();
    }

    // The log widget shows as many lines as the log holds.
    bool RegistroMostratoIntero() const {
        const auto* text1 = finestra->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        return text1->document()->blockCount() == Righe(logica.Ctl.Text1.Text) + 1;
    }
};

void ClicGiusto(benchmark::State& stato) {
    Partita partita;
    partita.RiempiRegistro(stato.range(0));
    partita.Clic(QStringLiteral("OptCittaReg"));
    Partita::Ridisegna();
    for (auto _ : stato) {
        const int16_t domanda = partita.logica.NumDom;
        CONTA(CALLGRIND_TOGGLE_COLLECT;)
        partita.Clic(partita.Giusto());
        Partita::Ridisegna();
        CONTA(CALLGRIND_TOGGLE_COLLECT;)
        const bool finito = !partita.logica.EsercizioInCorso();
        if (!Verifica(stato, finito || partita.logica.NumDom == domanda + 1,
                      "a click on the right area did not move to the next question")) {
            break;
        }
        if (finito) {
            stato.PauseTiming();
            partita.Clic(QStringLiteral("OptCittaReg"));
            Partita::Ridisegna();
            stato.ResumeTiming();
        }
    }
    Verifica(stato, partita.RegistroMostratoIntero(), "the log widget lost lines of the log");
    stato.SetLabel("per iteration: one right answer with its repaint; log of " +
                   std::to_string(stato.range(0)) + "+ lines");
}
BENCHMARK(ClicGiusto)->ArgName("righe")->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

void AvvioEsercizio(benchmark::State& stato) {
    Partita partita;
    for (auto _ : stato) {
        partita.Clic(QStringLiteral("OptCitta"));
        Partita::Ridisegna();
        stato.PauseTiming();
        const bool avviato = partita.logica.EsercizioInCorso() == Esercizio::Citta;
        partita.Clic(QStringLiteral("CmdReset"));
        stato.ResumeTiming();
        if (!Verifica(stato, avviato, "a click on OptCitta started no exercise")) {
            break;
        }
    }
    stato.SetLabel("per iteration: one exercise start and its repaint");
}
BENCHMARK(AvvioEsercizio)->Unit(benchmark::kMicrosecond);

void EsercizioCompleto(benchmark::State& stato) {
    Partita partita;
    for (auto _ : stato) {
        partita.Clic(QStringLiteral("OptReg"));
        for (int clic = 0; clic < 21 && partita.logica.EsercizioInCorso(); ++clic) {
            partita.Clic(partita.Giusto());
        }
        Partita::Ridisegna();
        if (!Verifica(stato, !partita.logica.EsercizioInCorso(),
                      "21 right clicks did not end the exercise")) {
            break;
        }
    }
    stato.SetLabel("per iteration: one start and 21 right answers then one repaint");
}
BENCHMARK(EsercizioCompleto)->Unit(benchmark::kMillisecond);

void PrimoFotogramma(benchmark::State& stato) {
    for (auto _ : stato) {
        ServiziSemeFisso servizi{42};
        FrmCitta logica(servizi);
        logica.Form_Initialize();
        FinestraCitta finestra(logica);
        const QPixmap fotogramma = finestra.grab();
        if (!Verifica(stato, fotogramma.width() == FinestraCitta::kLarghezza,
                      "the window painted no frame of its size")) {
            break;
        }
    }
    stato.SetLabel("per iteration: the window built and painted once");
}
BENCHMARK(PrimoFotogramma)->Unit(benchmark::kMillisecond);

void RidisegnoMappa(benchmark::State& stato) {
    Partita partita;
    partita.Clic(QStringLiteral("OptReg"));
    auto* pannello = partita.finestra->findChild<QWidget*>(QStringLiteral("FramRegio"));
    Verifica(stato, pannello->isVisible(), "OptReg did not show the region map");
    const qreal rapporto = static_cast<qreal>(stato.range(0));
    QPixmap superficie(pannello->size() * rapporto);
    superficie.setDevicePixelRatio(rapporto);
    for (auto _ : stato) {
        superficie.fill(Qt::white);
        pannello->render(&superficie);
    }
    stato.SetLabel(rapporto > 1 ? "per iteration: the region map panel painted at pixel ratio 2"
                                : "per iteration: the region map panel painted at pixel ratio 1");
}
BENCHMARK(RidisegnoMappa)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The region areas' shapes, made once when the region panel first shows:
// reading the map's outlines, then the land of every region at the map's size.
void LetturaContorni(benchmark::State& stato) {
    QFile file(QStringLiteral(":/mappa.svg"));
    file.open(QIODevice::ReadOnly);
    const QByteArray svg = file.readAll();
    for (auto _ : stato) {
        benchmark::DoNotOptimize(LeggiTratti(svg));
    }
    stato.SetLabel("the region outlines read from the map once");
}
BENCHMARK(LetturaContorni)->Unit(benchmark::kMillisecond);

void TerreDelleAree(benchmark::State& stato) {
    const auto& tratti = TrattiMappa();
    for (auto _ : stato) {
        benchmark::DoNotOptimize(TerreInPixel(tratti, QSize(602, 652)));
    }
    stato.SetLabel("the land of every region at the map's size");
}
BENCHMARK(TerreDelleAree)->Unit(benchmark::kMillisecond);

// One click on the region map as the window gets it, without the repaint:
// finding the shaped area under the pointer and judging the answer (a wrong
// one, so the question stays).
void GiudizioClic(benchmark::State& stato) {
    Partita partita;
    partita.Clic(QStringLiteral("OptReg"));
    QWidget* area = partita.finestra->findChild<QWidget*>(
        QStringLiteral("LbLReg(%1)").arg(partita.logica.RegDom == 3 ? 4 : 3));
    const QPoint punto = area->mapTo(partita.finestra.get(), area->mask().begin()->center());
    int giudicati = 0;
    for (auto _ : stato) {
        const int16_t prima = partita.logica.TotTentativi;
        QTest::mouseClick(partita.finestra->windowHandle(), Qt::LeftButton, {}, punto);
        giudicati += partita.logica.TotTentativi == prima + 1 ? 1 : 0;
        if (partita.logica.TotTentativi > 30000) {  // a fresh exercise before the counter tops out
            stato.PauseTiming();
            partita.Clic(QStringLiteral("CmdReset"));
            partita.Clic(QStringLiteral("OptReg"));
            stato.ResumeTiming();
        }
    }
    if (giudicati != static_cast<int>(stato.iterations())) {
        stato.SkipWithError("a click on the area's land was not judged");
    }
    stato.SetLabel("one click on a region's land judged without repaint");
}
BENCHMARK(GiudizioClic)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mappix

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    QThreadPool::globalInstance()->setMaxThreadCount(1);  // as the program does
    Q_INIT_RESOURCE(mappix_assets);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return mappix::fallito ? 1 : 0;
}
