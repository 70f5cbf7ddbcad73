#include "immagine.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace mappix {

QPixmap FiguraSvg(const QString& risorsa, QSize pixelDispositivo) {
    static QHash<QString, QPixmap> cache;
    const QString chiave = risorsa + QLatin1Char('@') + QString::number(pixelDispositivo.width()) +
                           QLatin1Char('x') + QString::number(pixelDispositivo.height());
    const auto trovata = cache.constFind(chiave);
    if (trovata != cache.constEnd()) {
        return *trovata;
    }
    QPixmap figura(pixelDispositivo);
    figura.fill(Qt::transparent);
    QSvgRenderer disegno(risorsa);
    if (disegno.isValid()) {
        QPainter pittore(&figura);
        disegno.render(&pittore, QRectF(QPointF(0, 0), QSizeF(pixelDispositivo)));
    }
    cache.insert(chiave, figura);
    return figura;
}

Immagine::Immagine(const QString& risorsa, bool bordo, QWidget* genitore)
    : QWidget(genitore), risorsa_(risorsa), bordo_(bordo) {}

void Immagine::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    const qreal rapporto = pittore.device()->devicePixelRatioF();
    QPixmap figura = FiguraSvg(risorsa_, (QSizeF(size()) * rapporto).toSize());
    figura.setDevicePixelRatio(rapporto);
    pittore.drawPixmap(0, 0, figura);
    if (bordo_) {
        pittore.setPen(palette().color(QPalette::Dark));
        pittore.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace mappix
