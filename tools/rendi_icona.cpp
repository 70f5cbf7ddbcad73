// Renders an SVG picture into a square PNG: rendi_icona <input.svg> <side> <output.png>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication applicazione(argc, argv);
    if (argc != 4) {
        std::fputs("usage: rendi_icona <input.svg> <side> <output.png>\n", stderr);
        return 2;
    }
    QSvgRenderer disegno(QString::fromLocal8Bit(argv[1]));
    const int lato = QString::fromLatin1(argv[2]).toInt();
    if (!disegno.isValid() || lato <= 0) {
        std::fputs("rendi_icona: unreadable picture or size\n", stderr);
        return 1;
    }
    QImage figura(lato, lato, QImage::Format_ARGB32_Premultiplied);
    figura.fill(Qt::transparent);
    QPainter pittore(&figura);
    disegno.render(&pittore);
    pittore.end();
    return figura.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
