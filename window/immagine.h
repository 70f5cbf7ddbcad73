// A picture from the embedded SVG resources, stretched over the whole widget
// as a stretched picture is. It is rendered once for the widget's size and the
// screen's pixel ratio; repaints only copy that.
#pragma once

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

// The picture rendered at a size in device pixels; shared by every widget
// that shows the same picture at the same size.
QPixmap FiguraSvg(const QString& risorsa, QSize pixelDispositivo);

}  // namespace mappix
