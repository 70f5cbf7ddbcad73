// Renders SVG pictures ahead of time, each exactly as the program would draw
// it at run time: the drawing stretched over the whole image, on transparency.
//   rendi_svg png <picture.svg> <side> <output.png>
//       one square PNG (the icons of the desktop's menus);
//   rendi_svg cpp <output.cpp> <resource>=<picture.svg>@<width>x<height> ...
//       a C++ table of the pictures at those sizes in device pixels, as
//       premultiplied ARGB words, which the program paints without parsing SVG.
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

int Cpp(const QString& uscita, const QStringList& voci) {
    static const QRegularExpression forma(QStringLiteral("^(:/[^=]+)=(.+)@(\\d+)x(\\d+)$"));
    // One array for every picture, in the order given: the pictures drawn
    // together lie together in memory.
    QString pixel;
    QString tabella;
    QTextStream pezzi(&pixel);
    QTextStream righe(&tabella);
    qsizetype inizio = 0;
    for (const QString& voce : voci) {
        const QRegularExpressionMatch parti = forma.match(voce);
        const QImage figura =
            parti.hasMatch() ? Rendi(parti.captured(2),
                                     QSize(parti.captured(3).toInt(), parti.captured(4).toInt()))
                             : QImage();
        if (figura.isNull()) {
            std::fprintf(stderr, "rendi_svg: cannot render %s\n", qPrintable(voce));
            return 1;
        }
        ScriviPixel(pezzi, figura);
        righe << "    {u\"" << parti.captured(1) << "\", " << figura.width() << ", "
              << figura.height() << ", kPixel + " << inizio << "},\n";
        inizio += qsizetype{figura.width()} * figura.height();
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
           << pixel << "};\n\nconst FiguraPronta kFigure[] = {\n"
           << tabella << "};\n\n}  // namespace\n\n"
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
        "       rendi_svg cpp <output.cpp> <resource>=<picture.svg>@<width>x<height> ...\n",
        stderr);
    return 2;
}
