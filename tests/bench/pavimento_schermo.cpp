// A lower bound for Mappix's start: what its start screen shows, built the
// plainest way Qt allows and nothing else. The same kinds of control at the
// same places, the same captions in the same fonts and sizes, the same
// pictures (from the same build-time table), but no quiz, no state, no
// accessibility and no fitting of captions. tools/misura_processo.sh measures
// it beside the floor: whatever it costs above the floor, no way of building
// that screen can save.
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThreadPool>
#include <QToolButton>
#include <QWidget>

#include "figure_pronte.h"

namespace {

QFont Faccia(const char* famiglia, int pixel, bool grassetto = false) {
    QFont carattere{QString::fromLatin1(famiglia)};
    carattere.setPixelSize(pixel);
    carattere.setBold(grassetto);
    return carattere;
}

QImage Figura(const char16_t* risorsa, int larghezza) {
    for (const mappix::FiguraPronta& f : mappix::FigurePronte()) {
        if (QStringView(f.risorsa) == QStringView(risorsa) && f.larghezza == larghezza) {
            return {reinterpret_cast<const uchar*>(f.pixel), f.larghezza, f.altezza,
                    QImage::Format_ARGB32_Premultiplied};
        }
    }
    return {};
}

QLabel* Etichetta(QWidget* finestra, const QRect& dove, const QString& testo, const QFont& faccia) {
    auto* etichetta = new QLabel(testo, finestra);
    etichetta->setGeometry(dove);
    etichetta->setFont(faccia);
    etichetta->setWordWrap(true);
    etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return etichetta;
}

void Riquadro(QWidget* finestra, const QRect& dove) {
    auto* riquadro = Etichetta(finestra, dove, {}, Faccia("Liberation Sans", 18));
    riquadro->setFrameShape(QFrame::Box);
}

void Pulsante(QWidget* finestra, const QRect& dove, const QString& testo, const char16_t* figura) {
    auto* pulsante = new QToolButton(finestra);
    pulsante->setGeometry(dove);
    pulsante->setText(testo);
    pulsante->setFont(Faccia("Liberation Sans", 19));
    pulsante->setIcon(QPixmap::fromImage(Figura(figura, 32)));
    pulsante->setIconSize(QSize(32, 32));
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

void SfondoGiallo(QWidget* widget) {
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(QPalette::Base, tavolozza.color(QPalette::ToolTipBase));
    widget->setPalette(tavolozza);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Schermo"));
    finestra.setFixedSize(1009, 689);
    finestra.setFont(Faccia("Liberation Sans", 11));
    // Built under that font, as Mappix's window is: a new line edit and text
    // box lay out their empty text in the application's font.
    const QFont predefinito = QGuiApplication::font();
    QGuiApplication::setFont(finestra.font());

    auto* logo = new QLabel(&finestra);
    logo->setGeometry(12, 12, 145, 104);
    logo->setPixmap(QPixmap::fromImage(Figura(u":/logo.svg", 145)));
    Etichetta(&finestra, {86, 32, 66, 16}, QStringLiteral("versione 1.0"),
              Faccia("Liberation Sans", 11));
    auto* bussola = new QLabel(&finestra);
    bussola->setGeometry(27, 203, 193, 189);
    bussola->setPixmap(QPixmap::fromImage(Figura(u":/decorazione.svg", 193)));

    Etichetta(&finestra, {240, 17, 300, 150},
              QStringLiteral("Metti alla prova le tue conoscenze sulla posizione delle regioni, "
                             "delle città capoluogo di regione e di provincia italiane.\n"
                             "Per rispondere alle domande clicca al centro delle regioni o sulle "
                             "città. Man mano che procedi puoi controllare i tuoi progressi nel "
                             "riquadro in basso a destra. Il programma assegna un punteggio "
                             "finale.\n\nRisoluzione schermo minima 1024 x 760 !"),
              Faccia("Liberation Sans", 13));
    Etichetta(&finestra, {240, 188, 310, 70},
              QStringLiteral("Inserisci il tuo nome e poi premi il pulsante INIZIA e poi premi "
                             "sul tipo di esercizio da eseguire"),
              Faccia("Liberation Sans", 18))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* nome = new QLineEdit(&finestra);
    nome->setGeometry(240, 276, 310, 40);
    nome->setFont(Faccia("Liberation Mono", 29, true));
    nome->setAlignment(Qt::AlignCenter);
    SfondoGiallo(nome);
    Pulsante(&finestra, {267, 330, 82, 70}, QStringLiteral("Aiuto"), u":/aiuto.svg");
    Pulsante(&finestra, {435, 330, 82, 70}, QStringLiteral("Inizia"), u":/inizia.svg");
    Pulsante(&finestra, {870, 6, 64, 68}, QStringLiteral("Nuovo"), u":/nuovo.svg");
    Pulsante(&finestra, {937, 6, 64, 68}, QStringLiteral("Esci"), u":/esci.svg");

    Riquadro(&finestra, {630, 6, 233, 69});
    Riquadro(&finestra, {630, 474, 373, 61});
    auto* domande = new QProgressBar(&finestra);
    domande->setGeometry(630, 328, 372, 21);
    domande->setTextVisible(false);
    auto* cambia = new QPushButton(QStringLiteral("Cambia esercizio"), &finestra);
    cambia->setGeometry(828, 432, 166, 28);
    cambia->setFont(Faccia("Liberation Serif", 15, true));
    cambia->setEnabled(false);
    auto* registro = new QPlainTextEdit(&finestra);
    registro->setGeometry(630, 540, 371, 139);
    registro->setFont(Faccia("Liberation Sans", 13));
    registro->setReadOnly(true);
    SfondoGiallo(registro);
    registro->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    QGuiApplication::setFont(predefinito);
    nome->setFocus();
    finestra.show();
    return QApplication::exec();
}
