// A picture from the embedded SVG resources, stretched over the whole widget
// as a stretched picture is. It is rendered once for the widget's size and the
// screen's pixel ratio; repaints only copy that.
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace mappix {

class Immagine : public QWidget {
    Q_OBJECT

public:
    Immagine(const QString& risorsa, bool bordo, QWidget* genitore = nullptr);

    const QString& risorsa() const { return risorsa_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString risorsa_;
    bool bordo_;
};

// The picture at a size in device pixels, for a screen of that pixel ratio,
// rendered at build time where the start screen shows it, else from the SVG
// once; shared by every widget that shows the same picture at the same size.
QImage FiguraSvg(const QString& risorsa, QSize pixelDispositivo, qreal rapporto = 1.0);
// How many pictures were rendered from their SVG while the program ran.
int DisegniDaSvg();

// An icon drawn from an SVG resource only when Qt asks for a size, and at that
// size in device pixels: no size that is never shown is rendered. It
// advertises `lati` (the window system asks for each of them when a window
// icon is set); `piccola`, when given, is drawn instead at 16 pixels and less.
QIcon IconaSvg(const QString& risorsa, const QList<QSize>& lati, const QString& piccola = {});

}  // namespace mappix
