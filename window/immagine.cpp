#include "immagine.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <utility>

#include "figure_pronte.h"

namespace mappix {

namespace {

int disegniDaSvg = 0;

// A picture rendered at build time at this size, painted straight from the
// program's own memory; a null image if there is none.
QImage Pronta(const QString& risorsa, QSize pixelDispositivo) {
    for (const FiguraPronta& figura : FigurePronte()) {
        if (figura.larghezza == pixelDispositivo.width() &&
            figura.altezza == pixelDispositivo.height() && risorsa == QStringView(figura.risorsa)) {
            return QImage(reinterpret_cast<const uchar*>(figura.pixel), figura.larghezza,
                          figura.altezza, qsizetype{figura.larghezza} * 4,
                          QImage::Format_ARGB32_Premultiplied);
        }
    }
    return {};
}

// Drawn from the SVG by Qt's image reader, whose SVG plugin is loaded only
// when a picture is first needed at a size rendered at no build time.
QImage DaSvg(const QString& risorsa, QSize pixelDispositivo) {
    ++disegniDaSvg;
    QImageReader lettore(risorsa, "svg");
    lettore.setScaledSize(pixelDispositivo);
    QImage figura = lettore.read();
    if (figura.size() != pixelDispositivo) {
        qWarning("mappix: cannot draw %s: %s", qPrintable(risorsa),
                 qPrintable(lettore.errorString()));
        figura = QImage(pixelDispositivo, QImage::Format_ARGB32_Premultiplied);
        figura.fill(Qt::transparent);
    }
    return figura;
}

}  // namespace

QImage FiguraSvg(const QString& risorsa, QSize pixelDispositivo, qreal rapporto) {
    static QHash<QString, QImage> cache;
    const QString chiave = risorsa + QLatin1Char('@') + QString::number(pixelDispositivo.width()) +
                           QLatin1Char('x') + QString::number(pixelDispositivo.height()) +
                           QLatin1Char('/') + QString::number(rapporto);
    const auto trovata = cache.constFind(chiave);
    if (trovata != cache.constEnd()) {
        return *trovata;
    }
    QImage figura = Pronta(risorsa, pixelDispositivo);
    if (figura.isNull()) {
        figura = DaSvg(risorsa, pixelDispositivo);
    }
    // Set while the image is not yet shared, so that no paint copies it.
    figura.setDevicePixelRatio(rapporto);
    cache.insert(chiave, figura);
    return figura;
}

int DisegniDaSvg() {
    return disegniDaSvg;
}

namespace {

class MotoreIconaSvg : public QIconEngine {
public:
    MotoreIconaSvg(QString risorsa, QString piccola, QList<QSize> lati)
        : risorsa_(std::move(risorsa)), piccola_(std::move(piccola)), lati_(std::move(lati)) {}

    QPixmap pixmap(const QSize& lato, QIcon::Mode modo, QIcon::State /*stato*/) override {
        const bool piccolo = !piccola_.isEmpty() && lato.width() <= 16 && lato.height() <= 16;
        QPixmap figura = QPixmap::fromImage(FiguraSvg(piccolo ? piccola_ : risorsa_, lato));
        if (modo == QIcon::Normal || modo == QIcon::Active) {
            return figura;
        }
        // Greyed or highlighted as the style draws any other icon.
        QStyleOption opzione(0);
        opzione.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(modo, figura, &opzione);
    }

    void paint(QPainter* pittore, const QRect& posto, QIcon::Mode modo,
               QIcon::State stato) override {
        const qreal rapporto = pittore->device()->devicePixelRatioF();
        QPixmap figura = pixmap((QSizeF(posto.size()) * rapporto).toSize(), modo, stato);
        figura.setDevicePixelRatio(rapporto);
        pittore->drawPixmap(posto.topLeft(), figura);
    }

    QList<QSize> availableSizes(QIcon::Mode /*modo*/, QIcon::State /*stato*/) override {
        return lati_;
    }
    QString key() const override { return QStringLiteral("mappix-svg"); }
    QIconEngine* clone() const override { return new MotoreIconaSvg(*this); }

private:
    QString risorsa_;
    QString piccola_;
    QList<QSize> lati_;
};

}  // namespace

QIcon IconaSvg(const QString& risorsa, const QList<QSize>& lati, const QString& piccola) {
    return QIcon(new MotoreIconaSvg(risorsa, piccola, lati));
}

Immagine::Immagine(const QString& risorsa, bool bordo, QWidget* genitore)
    : QWidget(genitore), risorsa_(risorsa), bordo_(bordo) {}

void Immagine::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    const qreal rapporto = pittore.device()->devicePixelRatioF();
    pittore.drawImage(0, 0, FiguraSvg(risorsa_, (QSizeF(size()) * rapporto).toSize(), rapporto));
    if (bordo_) {
        pittore.setPen(palette().color(QPalette::Dark));
        pittore.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace mappix
