// Per-event costs of the real window under the offscreen platform: one answer
// click with its repaint, one exercise start, one whole exercise, the window up
// to its first painted frame, and the map panel's repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <memory>

#include "etichetta.h"
#include "finestra.h"
#include "forme_regioni.h"
#include "frm_citta.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

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
        // A shaped area takes clicks on its land only: aim inside its shape.
        const QPoint punto =
            widget->mask().isEmpty() ? widget->rect().center() : widget->mask().begin()->center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, punto);
    }
    // Lets Qt paint what the event changed, as it does after a real click.
    void Ridisegna() { QApplication::processEvents(); }

    QString Giusto() const {
        const auto esercizio = logica.EsercizioInCorso();
        if (esercizio == Esercizio::Citta || esercizio == Esercizio::Capol) {
            return QStringLiteral("LblCit(%1)").arg(logica.CitDom);
        }
        return QStringLiteral("LbLReg(%1)").arg(logica.RegDom);
    }
};

void ClicRisposta(benchmark::State& stato) {
    Partita partita;
    partita.Clic(QStringLiteral("OptCittaReg"));
    for (auto _ : stato) {
        // A wrong area, then the right one: the pair keeps the exercise running.
        partita.Clic(QStringLiteral("LbLReg(%1)").arg(partita.logica.RegDom == 3 ? 4 : 3));
        partita.Ridisegna();
        partita.Clic(partita.Giusto());
        partita.Ridisegna();
        if (!partita.logica.EsercizioInCorso()) {
            partita.Clic(QStringLiteral("OptCittaReg"));
        }
    }
    stato.SetItemsProcessed(stato.iterations() * 2);
    stato.SetLabel("per iteration: two clicks with their repaints");
}
BENCHMARK(ClicRisposta)->Unit(benchmark::kMicrosecond);

void AvvioEsercizio(benchmark::State& stato) {
    Partita partita;
    for (auto _ : stato) {
        partita.Clic(QStringLiteral("OptCitta"));
        partita.Ridisegna();
        stato.PauseTiming();
        partita.Clic(QStringLiteral("CmdReset"));
        stato.ResumeTiming();
    }
}
BENCHMARK(AvvioEsercizio)->Unit(benchmark::kMicrosecond);

void EsercizioCompleto(benchmark::State& stato) {
    Partita partita;
    for (auto _ : stato) {
        partita.Clic(QStringLiteral("OptReg"));
        while (partita.logica.EsercizioInCorso()) {
            partita.Clic(partita.Giusto());
        }
        partita.Ridisegna();
    }
    stato.SetLabel("21 questions, one click each");
}
BENCHMARK(EsercizioCompleto)->Unit(benchmark::kMillisecond);

void PrimoFotogramma(benchmark::State& stato) {
    for (auto _ : stato) {
        ServiziSemeFisso servizi{42};
        FrmCitta logica(servizi);
        logica.Form_Initialize();
        FinestraCitta finestra(logica);
        benchmark::DoNotOptimize(finestra.grab());
    }
}
BENCHMARK(PrimoFotogramma)->Unit(benchmark::kMillisecond);

void RidisegnoMappa(benchmark::State& stato) {
    Partita partita;
    partita.Clic(QStringLiteral("OptReg"));
    auto* pannello = partita.finestra->findChild<QWidget*>(QStringLiteral("FramRegio"));
    const qreal rapporto = static_cast<qreal>(stato.range(0));
    QPixmap superficie(pannello->size() * rapporto);
    superficie.setDevicePixelRatio(rapporto);
    for (auto _ : stato) {
        superficie.fill(Qt::white);
        pannello->render(&superficie);
    }
    stato.SetLabel(rapporto > 1 ? "device pixel ratio 2" : "device pixel ratio 1");
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
}
BENCHMARK(LetturaContorni)->Unit(benchmark::kMillisecond);

void TerreDelleAree(benchmark::State& stato) {
    const auto& tratti = TrattiMappa();
    for (auto _ : stato) {
        benchmark::DoNotOptimize(TerreInPixel(tratti, QSize(602, 652)));
    }
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
    for (auto _ : stato) {
        QTest::mouseClick(partita.finestra->windowHandle(), Qt::LeftButton, {}, punto);
    }
}
BENCHMARK(GiudizioClic)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mappix

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    Q_INIT_RESOURCE(mappix_assets);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
