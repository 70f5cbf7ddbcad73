// Renders SVG pictures ahead of time, each exactly as the program would draw
// it at run time: the drawing stretched over the whole image, on transparency.
//   rendi_svg png <picture.svg> <side> <output.png>
//       one square PNG (the icons of the desktop's menus);
//   rendi_svg cpp <output.cpp> <picture>... [-- <picture>...]
//       with <picture> = <resource>=<picture.svg>@<width>x<height>: a C++
//       table of the pictures at those sizes in device pixels, as
//       premultiplied ARGB words, which the program paints without parsing
//       SVG. Those after "--" are kept apart (see Cpp).
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

namespace {

QImage Rendi(const QString& svg, QSize lati) {
    QSvgRenderer disegno(svg);
    if (!disegno.isValid() || lati.isEmpty()) {
        return {};
    }
    QImage figura(lati, QImage::Format_ARGB32_Premultiplied);
    figura.fill(Qt::transparent);
    QPainter pittore(&figura);
    disegno.render(&pittore, QRectF(QPointF(0, 0), QSizeF(lati)));
    return figura;
}

int Png(const QString& svg, int lato, const QString& uscita) {
    const QImage figura = Rendi(svg, QSize(lato, lato));
    if (figura.isNull()) {
        std::fputs("rendi_svg: unreadable picture or size\n", stderr);
        return 1;
    }
    return figura.save(uscita) ? 0 : 1;
}

void ScriviPixel(QTextStream& testo, const QImage& figura) {
    for (int y = 0; y < figura.height(); ++y) {
        const auto* riga = reinterpret_cast<const quint32*>(figura.constScanLine(y));
        for (int x = 0; x < figura.width(); ++x) {
            testo << "0x" << QString::number(riga[x], 16).rightJustified(8, QLatin1Char('0'))
                  << "u," << (x % 8 == 7 || x + 1 == figura.width() ? "\n" : " ");
        }
    }
}

// The pixels of some pictures, in the order given, in one array: the
// pictures drawn together lie together in memory.
struct Pixel {
    QString nome;
    QString parole;
    qsizetype quante = 0;
    QString tabella;
};

bool AggiungiFigura(Pixel& pixel, const QString& voce) {
    static const QRegularExpression forma(QStringLiteral("^(:/[^=]+)=(.+)@(\\d+)x(\\d+)$"));
    const QRegularExpressionMatch parti = forma.match(voce);
    const QImage figura =
        parti.hasMatch()
            ? Rendi(parti.captured(2), QSize(parti.captured(3).toInt(), parti.captured(4).toInt()))
            : QImage();
    if (figura.isNull()) {
        std::fprintf(stderr, "rendi_svg: cannot render %s\n", qPrintable(voce));
        return false;
    }
    QTextStream righe(&pixel.tabella);
    righe << "    {u\"" << parti.captured(1) << "\", " << figura.width() << ", " << figura.height()
          << ", " << pixel.nome << " + " << pixel.quante << "},\n";
    QTextStream pezzi(&pixel.parole);
    ScriviPixel(pezzi, figura);
    pixel.quante += qsizetype{figura.width()} * figura.height();
    return true;
}

int Cpp(const QString& uscita, const QStringList& voci) {
    // Those after "--" (the pictures for screens of two device pixels per
    // pixel) go to the large read-only data, which the linker puts in a
    // segment of its own after all the rest: the kernel maps a whole cached
    // block of the file around a page the program touches, but never past
    // the segment, so the pictures drawn at start never bring these in.
    Pixel vicini{QStringLiteral("kPixel"), {}, 0, {}};
    Pixel lontani{QStringLiteral("kPixelLontani"), {}, 0, {}};
    Pixel* gruppo = &vicini;
    for (const QString& voce : voci) {
        if (voce == QLatin1String("--")) {
            gruppo = &lontani;
        } else if (!AggiungiFigura(*gruppo, voce)) {
            return 1;
        }
    }
    QFile file(uscita);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "rendi_svg: cannot write %s\n", qPrintable(uscita));
        return 1;
    }
    QTextStream codice(&file);
    codice << "// Made by rendi_svg from the SVG pictures at build time.\n"
           << "#include \"figure_pronte.h\"\n\nnamespace mappix {\nnamespace {\n\n"
           << "const std::uint32_t kPixel[] = {\n"
           << vicini.parole << "0};\n\n"
           << "[[gnu::section(\".lrodata.figure\")]] const std::uint32_t kPixelLontani[] = {\n"
           << lontani.parole << "0};\n\nconst FiguraPronta kFigure[] = {\n"
           << vicini.tabella << lontani.tabella << "};\n\n}  // namespace\n\n"
           << "std::span<const FiguraPronta> FigurePronte() {\n    return kFigure;\n}\n\n"
           << "}  // namespace mappix\n";
    return codice.status() == QTextStream::Ok && file.flush() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication applicazione(argc, argv);
    QStringList argomenti = QCoreApplication::arguments().mid(1);
    if (argomenti.size() == 4 && argomenti[0] == QLatin1String("png")) {
        return Png(argomenti[1], argomenti[2].toInt(), argomenti[3]);
    }
    if (argomenti.size() >= 3 && argomenti[0] == QLatin1String("cpp")) {
        return Cpp(argomenti[1], argomenti.mid(2));
    }
    std::fputs(
        "usage: rendi_svg png <picture.svg> <side> <output.png>\n"
        "       rendi_svg cpp <output.cpp> <picture>... [-- <picture>...]\n"
        "       with <picture> = <resource>=<picture.svg>@<width>x<height>\n",
        stderr);
    return 2;
}
