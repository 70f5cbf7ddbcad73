#include "forme_regioni.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>

namespace mappix {
namespace {

constexpr double kLarghezzaSvg = 412.0;
constexpr double kAltezzaSvg = 480.0;
constexpr QRgb kNessuna = 0xffffffff;  // pixel of no region

// SVG path data with the commands the map uses: moveto, lineto (absolute and
// relative, with implicit repeats), horizontal and vertical lines, closepath.
QPainterPath LeggiPercorso(const QByteArray& dati) {
    QPainterPath percorso;
    QPointF punto;
    char comando = 'M';
    const char* i = dati.constData();
    const char* const fine = i + dati.size();
    const auto spazi = [&] {
        while (i < fine && (std::isspace(static_cast<unsigned char>(*i)) != 0 || *i == ',')) ++i;
    };
    const auto numero = [&](double& valore) {
        spazi();
        if (i < fine && *i == '+') ++i;
        const auto [dopo, errore] = std::from_chars(i, fine, valore);
        if (errore != std::errc()) return false;
        i = dopo;
        return true;
    };
    while (true) {
        spazi();
        if (i >= fine) break;
        if (std::isalpha(static_cast<unsigned char>(*i)) != 0) {
            comando = *i++;
            if (comando == 'Z' || comando == 'z') {
                percorso.closeSubpath();
                punto = percorso.currentPosition();
                continue;
            }
        }
        const bool relativo = std::islower(static_cast<unsigned char>(comando)) != 0;
        const QPointF origine = relativo ? punto : QPointF();
        double x = 0;
        double y = 0;
        switch (std::toupper(static_cast<unsigned char>(comando))) {
            case 'M':
            case 'L':
                if (!numero(x) || !numero(y)) return percorso;
                punto = origine + QPointF(x, y);
                if (comando == 'M' || comando == 'm') {
                    percorso.moveTo(punto);
                    comando = relativo ? 'l' : 'L';  // pairs after a moveto are linetos
                } else {
                    percorso.lineTo(punto);
                }
                break;
            case 'H':
                if (!numero(x)) return percorso;
                punto.setX((relativo ? punto.x() : 0.0) + x);
                percorso.lineTo(punto);
                break;
            case 'V':
                if (!numero(y)) return percorso;
                punto.setY((relativo ? punto.y() : 0.0) + y);
                percorso.lineTo(punto);
                break;
            default:  // a command the map never uses: stop rather than guess
                return percorso;
        }
    }
    return percorso;
}

int RegioneDaId(QStringView id) {
    if (!id.startsWith(QLatin1String("regione-"))) return -1;
    bool ok = false;
    const int regione = id.mid(8).toInt(&ok);
    return ok && regione >= 0 && regione < kNumRegioni ? regione : -1;
}

struct Letto {
    int regione;
    QRgb colore;
    QPainterPath forma;
};

}  // namespace

std::vector<Tratto> LeggiTratti(const QByteArray& svg) {
    std::vector<Letto> letti;
    std::vector<Qt::FillRule> regole{Qt::WindingFill};  // fill-rule is inherited
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            regole.pop_back();
            continue;
        }
        if (token != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = xml.attributes();
        Qt::FillRule regola = regole.back();
        if (a.hasAttribute(QLatin1String("fill-rule"))) {
            regola = a.value(QLatin1String("fill-rule")) == QLatin1String("evenodd")
                         ? Qt::OddEvenFill
                         : Qt::WindingFill;
        }
        regole.push_back(regola);
        QPainterPath forma;
        if (xml.name() == QLatin1String("path")) {
            forma = LeggiPercorso(a.value(QLatin1String("d")).toLatin1());
        } else if (xml.name() == QLatin1String("circle")) {
            const double r = a.value(QLatin1String("r")).toDouble();
            forma.addEllipse(QPointF(a.value(QLatin1String("cx")).toDouble(),
                                     a.value(QLatin1String("cy")).toDouble()),
                             r, r);
        } else {
            continue;
        }
        forma.setFillRule(regola);
        letti.push_back({RegioneDaId(a.value(QLatin1String("id"))),
                         QColor(a.value(QLatin1String("fill"))).rgb(), forma});
    }
    std::map<QRgb, int> regioneDelColore;
    for (const Letto& l : letti) {
        if (l.regione >= 0) regioneDelColore[l.colore] = l.regione;
    }
    std::vector<Tratto> tratti;
    for (const Letto& l : letti) {
        const auto trovata = regioneDelColore.find(l.colore);
        const int regione =
            l.regione >= 0 ? l.regione : (trovata != regioneDelColore.end() ? trovata->second : -1);
        if (regione >= 0) tratti.push_back({regione, l.forma, l.colore});
    }
    return tratti;
}

const std::vector<Tratto>& TrattiMappa() {
    static const std::vector<Tratto> tratti = [] {
        QFile file(QStringLiteral(":/mappa.svg"));
        return file.open(QIODevice::ReadOnly) ? LeggiTratti(file.readAll()) : std::vector<Tratto>{};
    }();
    return tratti;
}

double Contrasto(QColor a, QColor b) {
    const auto luminanza = [](QColor c) {
        const auto lineare = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) +
               0.0722 * lineare(c.blueF());
    };
    const double la = luminanza(a);
    const double lb = luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool SpiccaSullaMappa(QColor colore) {
    if (Contrasto(colore, Qt::white) < 3.0) return false;
    for (const Tratto& t : TrattiMappa()) {
        if (Contrasto(colore, QColor::fromRgb(t.colore)) < 3.0) return false;
    }
    return true;
}

qreal SpostamentoPuntatore(qreal rapporto) {
    if (rapporto <= 0) return 0;
    // Device pixels d with d / rapporto in [-0.5, 0.5) are those of pixel 0.
    const int primo = static_cast<int>(std::ceil(-0.5 * rapporto));
    const int ultimo = static_cast<int>(std::ceil(0.5 * rapporto)) - 1;
    if (ultimo < primo) return 0;
    const qreal centro = ((primo + ultimo) / 2.0 + 0.5) / rapporto;
    return centro - 0.5;
}

std::array<QRegion, kNumRegioni> TerreInPixel(const std::vector<Tratto>& tratti, QSize dimensione,
                                              qreal rapporto) {
    std::array<QRegion, kNumRegioni> terre;
    if (dimensione.isEmpty()) return terre;
    // The shapes painted without antialiasing, each in a colour that is its
    // region's index: a pixel takes the last shape that covers its centre.
    QImage indici(dimensione, QImage::Format_RGB32);
    indici.fill(kNessuna);
    {
        QPainter pittore(&indici);
        pittore.setRenderHint(QPainter::Antialiasing, false);
        pittore.setPen(Qt::NoPen);
        // Pixels are filled by their centres: move the shapes so that the
        // centre stands for where the pointer lands.
        const qreal spostamento = SpostamentoPuntatore(rapporto);
        pittore.translate(-spostamento, -spostamento);
        pittore.scale(dimensione.width() / kLarghezzaSvg, dimensione.height() / kAltezzaSvg);
        for (const Tratto& t : tratti) {
            pittore.setBrush(QColor::fromRgb(qRgb(0, 0, t.regione)));
            pittore.drawPath(t.forma);
        }
    }
    // Runs of one region along each row become the rectangles of its region.
    std::array<std::vector<QRect>, kNumRegioni> strisce;
    for (int y = 0; y < indici.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(indici.constScanLine(y));
        int x = 0;
        while (x < indici.width()) {
            const QRgb p = riga[x];
            int fine = x + 1;
            while (fine < indici.width() && riga[fine] == p) ++fine;
            if (p != kNessuna && qBlue(p) < kNumRegioni) {
                strisce[static_cast<std::size_t>(qBlue(p))].emplace_back(x, y, fine - x, 1);
            }
            x = fine;
        }
    }
    for (std::size_t r = 0; r < terre.size(); ++r) {
        terre[r].setRects(strisce[r].data(), static_cast<int>(strisce[r].size()));
    }
    return terre;
}

}  // namespace mappix
