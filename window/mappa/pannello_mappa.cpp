#include "pannello_mappa.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <QTimer>
#include <cmath>
#include <limits>

#include "collocazione.h"
#include "forme_regioni.h"
#include "immagine.h"
#include "marcatore.h"
#include "posizioni.h"

namespace mappix {

// The focus mark: a black ring with a white dashed ring on it, visible on any
// fill and on the sea, drawn the same whichever item it marks and whatever
// the last answer was. It lies over the whole panel and takes no clicks.
// It covers only the marked item and takes no clicks.
class SegnoMappa : public QWidget {
public:
    explicit SegnoMappa(QWidget* pannello) : QWidget(pannello) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    // Shows the mark around an outline given in the panel's coordinates.
    void Segna(const QPainterPath& contorno) {
        const QRect posto = contorno.boundingRect().toAlignedRect().adjusted(-kMargine, -kMargine,
                                                                             kMargine, kMargine);
        contorno_ = contorno.translated(-posto.topLeft());
        setGeometry(posto);
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*evento*/) override {
        QPainter pittore(this);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setBrush(Qt::NoBrush);
        pittore.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        pittore.drawPath(contorno_);
        pittore.setPen(QPen(Qt::white, 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
        pittore.drawPath(contorno_);
    }

private:
    static constexpr int kMargine = 3;
    QPainterPath contorno_;
};

namespace {

// Areas and markers are buttons to assistive technology, named by number
// only: a region's or city's name would give the answer away.
class ElementoAccessibile : public QAccessibleWidget {
public:
    explicit ElementoAccessibile(QWidget* elemento)
        : QAccessibleWidget(elemento, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& azione) override {
        if (azione == pressAction()) emit static_cast<Cliccabile*>(widget())->clicked();
    }
    QAccessible::State state() const override {
        QAccessible::State stato = QAccessibleWidget::state();
        stato.focusable = true;
        const auto* pannello = qobject_cast<const PannelloMappa*>(widget()->parentWidget());
        if (pannello != nullptr && pannello->segnoVisibile()) {
            const auto& elementi = pannello->elementi();
            stato.focused = elementi[static_cast<std::size_t>(pannello->attivo())] == widget();
        }
        return stato;
    }
};

QAccessibleInterface* FabbricaElementi(const QString& classe, QObject* oggetto) {
    if (oggetto != nullptr && oggetto->isWidgetType() &&
        (classe == QLatin1String("mappix::AreaRegione") ||
         classe == QLatin1String("mappix::Marcatore"))) {
        return new ElementoAccessibile(static_cast<QWidget*>(oggetto));
    }
    return nullptr;
}

QPoint Centro(const QWidget* w) {
    return w->geometry().center();
}

// Where a click reaches the item: a marker's centre, or the middle of the
// largest strip of an area's land.
QPoint PuntoDi(const Cliccabile* elemento) {
    const QRegion forma = elemento->mask();
    if (forma.isEmpty()) {
        return Centro(elemento);
    }
    const auto striscia = std::max_element(forma.begin(), forma.end(), [](QRect a, QRect b) {
        return a.width() * a.height() < b.width() * b.height();
    });
    return elemento->pos() + striscia->center();
}

// Whether the player's last press, anywhere in the program, was a key: an
// exercise started from the keyboard shows the mark at once, one started
// with the mouse does not.
class UltimaPressione : public QObject {
public:
    using QObject::QObject;
    bool tastiera = false;

protected:
    bool eventFilter(QObject* /*oggetto*/, QEvent* evento) override {
        switch (evento->type()) {
            case QEvent::KeyPress:
                tastiera = true;
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::TouchBegin:
            case QEvent::TabletPress:
                tastiera = false;
                break;
            default:
                break;
        }
        return false;
    }
};

bool UltimaPressioneDaTastiera() {
    static QPointer<UltimaPressione> osservatore;
    if (osservatore == nullptr && QCoreApplication::instance() != nullptr) {
        osservatore = new UltimaPressione(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(osservatore);
    }
    return osservatore != nullptr && osservatore->tastiera;
}

}  // namespace

PannelloMappa::PannelloMappa(const char* nome, const QString& titolo, QWidget* genitore)
    : QGroupBox(titolo, genitore) {
    static const bool fabbricaInstallata = [] {
        QAccessible::installFactory(FabbricaElementi);
        return true;
    }();
    Q_UNUSED(fabbricaInstallata)
    UltimaPressioneDaTastiera();  // starts watching before the first press
    setObjectName(QLatin1String(nome));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    immagine_ = new Immagine(QStringLiteral(":/mappa.svg"), true, this);
    segno_ = new SegnoMappa(this);
}

bool PannelloMappa::segnoVisibile() const {
    return daTastiera_ && hasFocus() && Raggiungibile(attivo_);
}

// An item the player can see and click: shown, and what a click at it reaches
// is the item itself, not a panel lying over the map.
bool PannelloMappa::Raggiungibile(int posizione) const {
    if (posizione < 0 || posizione >= static_cast<int>(elementi_.size())) return false;
    const Cliccabile* elemento = elementi_[static_cast<std::size_t>(posizione)];
    if (!elemento->isVisible() || !elemento->isEnabled()) return false;
    const QWidget* finestra = window();
    return finestra->childAt(mapTo(finestra, PuntoDi(elemento))) == elemento;
}

// The first reachable item from `da` in the direction `passo`; -1 if none.
int PannelloMappa::Raggiungibile(int da, int passo) const {
    for (int i = da; i >= 0 && i < static_cast<int>(elementi_.size()); i += passo) {
        if (Raggiungibile(i)) return i;
    }
    return -1;
}

bool PannelloMappa::Pronto() {
    if (!popolato_ && isVisibleTo(parentWidget())) {
        popolato_ = true;
        Popola();
    }
    return popolato_;
}

void PannelloMappa::Aggiungi(Cliccabile* elemento, const QString& nomeAccessibile) {
    elemento->setAccessibleName(nomeAccessibile);
    elementi_.push_back(elemento);
}

QPainterPath PannelloMappa::Contorno(const Cliccabile* elemento) const {
    QPainterPath contorno;
    const QRectF posto = QRectF(elemento->geometry()).adjusted(-2, -2, 2, 2);
    contorno.addEllipse(posto.center(), posto.width() / 2, posto.width() / 2);
    return contorno;
}

void PannelloMappa::Attiva(int posizione) {
    if (posizione < 0 || posizione >= static_cast<int>(elementi_.size())) return;
    attivo_ = posizione;
    if (!segnoVisibile()) {
        segno_->hide();
        return;
    }
    segno_->Segna(Contorno(elementi_[static_cast<std::size_t>(attivo_)]));
    FocusAlLettore();
}

void PannelloMappa::FocusAlLettore() {
    if (!segnoVisibile()) return;
    QAccessibleEvent evento(elementi_[static_cast<std::size_t>(attivo_)], QAccessible::Focus);
    QAccessible::updateAccessibility(&evento);
}

// The nearest item whose centre lies in the direction (dx, dy) from the
// marked one: straight ahead counts, sideways counts double.
int PannelloMappa::Vicino(int dx, int dy) const {
    if (attivo_ < 0) return 0;
    const QPoint da = Centro(elementi_[static_cast<std::size_t>(attivo_)]);
    int migliore = -1;
    double costoMigliore = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < elementi_.size(); ++i) {
        if (static_cast<int>(i) == attivo_ || !Raggiungibile(static_cast<int>(i))) continue;
        const QPoint d = Centro(elementi_[i]) - da;
        const int avanti = d.x() * dx + d.y() * dy;
        const int laterale = std::abs(d.x() * dy - d.y() * dx);
        if (avanti <= 0) continue;
        const double costo = std::hypot(double(avanti), 2.0 * laterale);
        if (costo < costoMigliore) {
            costoMigliore = costo;
            migliore = static_cast<int>(i);
        }
    }
    return migliore < 0 ? attivo_ : migliore;
}

void PannelloMappa::keyPressEvent(QKeyEvent* evento) {
    if (elementi_.empty() || evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QGroupBox::keyPressEvent(evento);
        return;
    }
    const bool eraVisibile = segnoVisibile();
    daTastiera_ = true;
    if (!Raggiungibile(attivo_)) attivo_ = std::max(Raggiungibile(0, 1), 0);
    switch (evento->key()) {
        case Qt::Key_Left:
            Attiva(eraVisibile ? Vicino(-1, 0) : attivo_);
            break;
        case Qt::Key_Right:
            Attiva(eraVisibile ? Vicino(1, 0) : attivo_);
            break;
        case Qt::Key_Up:
            Attiva(eraVisibile ? Vicino(0, -1) : attivo_);
            break;
        case Qt::Key_Down:
            Attiva(eraVisibile ? Vicino(0, 1) : attivo_);
            break;
        case Qt::Key_Space:
        case Qt::Key_Select:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Attiva(attivo_);
            // A press with no mark in view only shows it: the player answers
            // on the item they can see, and one answer per press.
            if (!eraVisibile || !segnoVisibile() || evento->isAutoRepeat()) break;
            emit elementi_[static_cast<std::size_t>(attivo_)]->clicked();
            break;
        default:
            QGroupBox::keyPressEvent(evento);
            return;
    }
    evento->accept();
}

// A group box takes Space for its own check box: here it answers.
bool PannelloMappa::event(QEvent* evento) {
    if (evento->type() == QEvent::KeyPress || evento->type() == QEvent::KeyRelease) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->key() == Qt::Key_Space || tasto->key() == Qt::Key_Select) {
            if (evento->type() == QEvent::KeyPress) keyPressEvent(tasto);
            return true;
        }
    }
    return QGroupBox::event(evento);
}

void PannelloMappa::focusInEvent(QFocusEvent* evento) {
    QGroupBox::focusInEvent(evento);
    // Tab and Shift+Tab show the mark; a click does not. When the program
    // places the focus (an exercise starts) the mark shows if the player's
    // last press was a key.
    const Qt::FocusReason perche = evento->reason();
    daTastiera_ = perche == Qt::TabFocusReason || perche == Qt::BacktabFocusReason ||
                  (perche != Qt::MouseFocusReason && UltimaPressioneDaTastiera());
    // Tab enters on the first item, Shift+Tab on the last; coming back to the
    // window, or into a new exercise, the mark stays where the player left it.
    int dove = attivo_;
    if (perche == Qt::TabFocusReason || !Raggiungibile(dove)) {
        dove = Raggiungibile(0, 1);
    } else if (perche == Qt::BacktabFocusReason) {
        dove = Raggiungibile(static_cast<int>(elementi_.size()) - 1, -1);
    }
    Attiva(dove);
    // Qt tells a screen reader of the panel's focus after this: the item's
    // follows it, so that the item is what the player hears.
    QTimer::singleShot(0, this, &PannelloMappa::FocusAlLettore);
}

void PannelloMappa::focusOutEvent(QFocusEvent* evento) {
    QGroupBox::focusOutEvent(evento);
    segno_->hide();
}

bool PannelloMappa::focusNextPrevChild(bool avanti) {
    if (hasFocus() && !elementi_.empty()) {
        // The first key after a click shows the mark where it is; then Tab
        // and Shift+Tab go from item to item, and past the last one out.
        const int passo = avanti ? 1 : -1;
        const int prossimo = !segnoVisibile()
                                 ? (Raggiungibile(attivo_) ? attivo_ : Raggiungibile(0, 1))
                                 : Raggiungibile(attivo_ + passo, passo);
        if (prossimo >= 0) {
            daTastiera_ = true;
            Attiva(prossimo);
            return true;
        }
    }
    return QGroupBox::focusNextPrevChild(avanti);
}

// ---------------------------------------------------------------- regions

PannelloRegioni::PannelloRegioni(const Controlli& stato, const std::function<void(int)>& clic,
                                 QWidget* genitore)
    : PannelloMappa("FramRegio", stato.FramRegio.Caption, genitore), stato_(stato), clic_(clic) {
    immagine()->setObjectName(QStringLiteral("Image1"));
    immagine()->installEventFilter(this);
}

void PannelloRegioni::Popola() {
    // Created from the last so that the lower index lies on top: only San
    // Marino's area, which keeps its whole rectangle, overlaps others.
    for (int i = kNumAree - 1; i >= 0; --i) {
        auto* area = new AreaRegione(this);
        area->setObjectName(QStringLiteral("LbLReg(%1)").arg(i));
        connect(area, &Cliccabile::clicked, this, [this, i] { clic_(i); });
        aree_[static_cast<std::size_t>(i)] = area;
    }
    for (int i = 0; i < kNumAree; ++i) {
        Aggiungi(aree_[static_cast<std::size_t>(i)], QStringLiteral("Area %1").arg(i));
    }
}

void PannelloRegioni::Specchia(double scala) {
    scala_ = scala;
    Rispecchia(immagine(), stato_.Image1, scala);
    if (!Pronto()) return;
    for (std::size_t i = 0; i < aree_.size(); ++i) {
        const Controllo& stato = stato_.LbLReg[i];
        if (aree_[i]->isVisibleTo(this) != stato.Visible) aree_[i]->setVisible(stato.Visible);
        if (aree_[i]->isEnabledTo(this) != stato.Enabled) aree_[i]->setEnabled(stato.Enabled);
    }
    Sagoma();
}

bool PannelloRegioni::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == immagine() &&
        (evento->type() == QEvent::Resize || evento->type() == QEvent::Move)) {
        Sagoma();
    }
    return PannelloMappa::eventFilter(oggetto, evento);
}

void PannelloRegioni::showEvent(QShowEvent* evento) {
    PannelloMappa::showEvent(evento);
    // Shown before the window mirrored the state into it: the areas are made
    // and take their state now.
    if (aree_[0] == nullptr) {
        Specchia(scala_);
        return;
    }
    Sagoma();
}

// Each area becomes the land its region shows on the map as drawn at the
// map's current size: its place the land's bounding box, a mask the land
// itself, so that Qt hands a click beside the land to what lies below. The
// shapes are made when the panel first shows, and again only when the map
// moves or changes size.
void PannelloRegioni::Sagoma() {
    if (!isVisible() || aree_[0] == nullptr) return;
    const QRect mappa = immagine()->geometry();
    const QRect sanMarino = RettangoloPixel(stato_.LbLReg[0], scala_);
    const QRect pugliaSud = RettangoloPixel(stato_.LbLReg[kAreaPugliaSud], scala_);
    const std::array<QRect, 3> per{mappa, sanMarino, pugliaSud};
    const qreal rapporto = devicePixelRatioF();
    if (per == fattePer_ && rapporto == rapportoFatto_) return;
    fattePer_ = per;
    rapportoFatto_ = rapporto;

    std::array<QRegion, kNumRegioni> terre = TerreInPixel(TrattiMappa(), mappa.size(), rapporto);
    std::array<QRegion, kNumAree> forme;
    // The map's border is drawn over its outermost pixels.
    const QRect interno = mappa.adjusted(1, 1, -1, -1);
    for (std::size_t r = 0; r < terre.size(); ++r) {
        forme[r] = terre[r].translated(mappa.topLeft()) & interno;
    }
    // San Marino's spot is too small to aim at: its area keeps its rectangle.
    forme[0] += sanMarino;
    forme[kAreaPugliaSud] = forme[kPuglia] & pugliaSud;
    forme[kPuglia] -= pugliaSud;
    Descrivi(forme);
    for (std::size_t i = 0; i < aree_.size(); ++i) {
        const QRect posto = forme[i].boundingRect();
        if (posto.isEmpty()) {  // an empty mask would make the whole widget clickable
            aree_[i]->setGeometry(QRect(mappa.topLeft(), QSize(0, 0)));
            aree_[i]->clearMask();
            continue;
        }
        aree_[i]->setGeometry(posto);
        aree_[i]->setMask(forme[i].translated(-posto.topLeft()));
    }
    if (segnoVisibile()) Attiva(attivo());  // the mark follows the new shape
}

// Each area tells a screen reader where it lies and which areas it borders,
// as the shapes first made show them.
void PannelloRegioni::Descrivi(const std::array<QRegion, kNumAree>& forme) {
    if (!aree_[0]->accessibleDescription().isEmpty()) return;
    const auto confinanti = Confinanti({forme.begin(), forme.end()});
    for (std::size_t i = 0; i < aree_.size(); ++i) {
        aree_[i]->setAccessibleDescription(DescrizioneArea(static_cast<int>(i), confinanti[i]));
    }
}

QPainterPath PannelloRegioni::Contorno(const Cliccabile* elemento) const {
    QPainterPath contorno;
    contorno.addRegion(elemento->mask().translated(elemento->pos()));
    return contorno.simplified();
}

// ---------------------------------------------------------------- cities

PannelloCitta::PannelloCitta(const Controlli& stato, const Procedure& modulo,
                             const std::function<void(int)>& clic, QWidget* genitore)
    : PannelloMappa("FramCitta", stato.FramCitta.Caption, genitore),
      stato_(stato),
      modulo_(modulo),
      clic_(clic) {
    immagine()->setObjectName(QStringLiteral("Image2"));
}

void PannelloCitta::Popola() {
    std::vector<QPoint> centri;
    for (int i = 1; i <= kNumCitta; ++i) {
        centri.push_back(RettangoloPixel(stato_.LblCit[static_cast<std::size_t>(i)]).center());
    }
    const auto vicini = PiuVicini(centri, 2);
    for (int i = 1; i <= kNumCitta; ++i) {
        auto* marcatore = new Marcatore(this);
        marcatore->setObjectName(QStringLiteral("LblCit(%1)").arg(i));
        connect(marcatore, &Cliccabile::clicked, this, [this, i] { clic_(i); });
        std::vector<int> numeri;
        for (int v : vicini[static_cast<std::size_t>(i - 1)]) numeri.push_back(v + 1);
        marcatore->setAccessibleDescription(
            DescrizioneMarcatore(i, modulo_.RegioneCitta(static_cast<int16_t>(i)), numeri));
        Aggiungi(marcatore, QStringLiteral("Città %1").arg(i));
    }
}

void PannelloCitta::Specchia(double scala) {
    scala_ = scala;
    Rispecchia(immagine(), stato_.Image2, scala);
    if (!Pronto()) return;
    for (std::size_t i = 0; i < elementi().size(); ++i) {
        Rispecchia(elementi()[i], stato_.LblCit[i + 1], scala);
    }
}

void PannelloCitta::showEvent(QShowEvent* evento) {
    PannelloMappa::showEvent(evento);
    if (elementi().empty()) Specchia(scala_);
}

}  // namespace mappix
