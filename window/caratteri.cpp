#include "caratteri.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QObject>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>

namespace mappix {
namespace {

// The design's font first, then the fonts that stand in for it.
QStringList Candidati(Famiglia famiglia) {
    switch (famiglia) {
        case Famiglia::MsSansSerif:
            return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("DejaVu Sans")};
        case Famiglia::Arial:
            return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("DejaVu Sans")};
        case Famiglia::TimesNewRoman:
            return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                    QStringLiteral("DejaVu Serif")};
        case Famiglia::CourierNew:
            return {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                    QStringLiteral("DejaVu Sans Mono")};
    }
    return {};
}

QFont::StyleHint Genere(Famiglia famiglia) {
    switch (famiglia) {
        case Famiglia::TimesNewRoman:
            return QFont::Serif;
        case Famiglia::CourierNew:
            return QFont::Monospace;
        default:
            return QFont::SansSerif;
    }
}

// The first candidate installed, found once per family: a font asked for by a
// name that is not installed costs Qt a search of the system's fallbacks at
// every size. With none installed, all of them, for Qt to choose as before.
const QStringList& Faccia(Famiglia famiglia) {
    static std::array<QStringList, 4> trovate;
    QStringList& faccia = trovate.at(static_cast<std::size_t>(famiglia));
    if (faccia.isEmpty()) {
        const QStringList installate = QFontDatabase::families();
        faccia = Candidati(famiglia);
        const auto prima = std::find_if(faccia.begin(), faccia.end(), [&](const QString& nome) {
            return installate.contains(nome, Qt::CaseInsensitive);
        });
        if (prima != faccia.end()) {
            faccia = QStringList{*prima};
        }
    }
    return faccia;
}

// Holds back a hidden widget's font changes and hands the last one over
// just before the widget shows.
class RinvioCarattere : public QObject {
public:
    explicit RinvioCarattere(QWidget* widget) : QObject(widget) {}

    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        auto* widget = static_cast<QWidget*>(oggetto);
        if (evento->type() == QEvent::FontChange && !widget->isVisible() && !inviando_) {
            rinviato_ = true;
            return true;
        }
        if (evento->type() == QEvent::Show && rinviato_) {
            rinviato_ = false;
            inviando_ = true;
            QEvent cambio(QEvent::FontChange);
            QCoreApplication::sendEvent(widget, &cambio);
            inviando_ = false;
        }
        return false;
    }

private:
    bool rinviato_ = false;
    bool inviando_ = false;
};

}  // namespace

void CarattereAllaVista(QWidget* widget) {
    widget->installEventFilter(new RinvioCarattere(widget));
}

QFont Carattere(Famiglia famiglia, double punti, bool grassetto) {
    QFont carattere;
    carattere.setFamilies(Faccia(famiglia));
    carattere.setStyleHint(Genere(famiglia));
    carattere.setPixelSize(static_cast<int>(std::lround(punti * 96.0 / 72.0)));
    carattere.setBold(grassetto);
    return carattere;
}

QFont CarattereInScala(const QFont& progetto, double scala) {
    QFont carattere = progetto;
    carattere.setPixelSize(
        std::max(1, static_cast<int>(std::lround(progetto.pixelSize() * scala))));
    return carattere;
}

}  // namespace mappix
