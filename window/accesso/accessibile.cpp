#include "accessibile.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>

#include "etichetta.h"
#include "testo_mostrato.h"

namespace mappix {
namespace {

// A label of the window: its caption, as the screen shows it, is both its
// name and its text; it labels the control named as its companion.
class EtichettaAccessibile : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit EtichettaAccessibile(Etichetta* etichetta)
        : QAccessibleWidget(etichetta, QAccessible::StaticText) {}

    Etichetta* etichetta() const { return static_cast<Etichetta*>(widget()); }
    QString Testo() const { return TestoMostrato(etichetta()->testo()); }

    QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Name) {
            return Testo();
        }
        return QAccessibleWidget::text(tipo);
    }

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(tipo);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation quali) const override {
        auto elenco = QAccessibleWidget::relations(quali);
        // The companion is labelled by this label.
        if ((quali & QAccessible::Labelled) != 0 && etichetta()->compagno() != nullptr) {
            if (QAccessibleInterface* c =
                    QAccessible::queryAccessibleInterface(etichetta()->compagno())) {
                elenco.append({c, QAccessible::Labelled});
            }
        }
        return elenco;
    }

    // The text interface: the whole caption, read only, with no cursor.
    void selection(int /*indice*/, int* inizio, int* fine) const override {
        *inizio = 0;
        *fine = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*inizio*/, int /*fine*/) override {}
    void removeSelection(int /*indice*/) override {}
    void setSelection(int /*indice*/, int /*inizio*/, int /*fine*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*posizione*/) override {}
    QString text(int inizio, int fine) const override {
        const QString testo = Testo();
        if (inizio < 0 || fine > testo.size() || inizio > fine) {
            return {};
        }
        return testo.mid(inizio, fine - inizio);
    }
    int characterCount() const override { return static_cast<int>(Testo().size()); }
    QRect characterRect(int /*posizione*/) const override { return rect(); }
    int offsetAtPoint(const QPoint& /*punto*/) const override { return -1; }
    void scrollToSubstring(int /*inizio*/, int /*fine*/) override {}
    QString attributes(int posizione, int* inizio, int* fine) const override {
        *inizio = posizione;
        *fine = posizione;
        return {};
    }
};

// An exercise option: one choice of five, held down while its exercise runs.
class SceltaAccessibile : public QAccessibleWidget {
public:
    explicit SceltaAccessibile(QAbstractButton* pulsante)
        : QAccessibleWidget(pulsante, QAccessible::RadioButton) {}

    QAbstractButton* pulsante() const { return static_cast<QAbstractButton*>(widget()); }

    QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Name) {
            return pulsante()->text();
        }
        return QAccessibleWidget::text(tipo);
    }
    QAccessible::State state() const override {
        QAccessible::State stato = QAccessibleWidget::state();
        stato.checkable = true;
        stato.checked = pulsante()->isChecked();
        return stato;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& azione) override {
        if (azione == pressAction() && pulsante()->isEnabled()) {
            pulsante()->click();
        }
    }
};

// Qt tells a screen reader of every widget made, shown, hidden or named. The
// city map makes and shows 107 markers at once: that many events make Orca
// drop what comes next, the question among them. A marker or an area is read
// when the map's focus reaches it, so these events of theirs are not sent.
bool EventoSuperfluo(const QAccessibleEvent* evento) {
    switch (evento->type()) {
        case QAccessible::ObjectCreated:
        case QAccessible::ObjectShow:
        case QAccessible::ObjectHide:
        case QAccessible::NameChanged:
        case QAccessible::DescriptionChanged:
            break;
        default:
            return false;
    }
    const QObject* oggetto = evento->object();
    return oggetto != nullptr &&
           (oggetto->inherits("mappix::AreaRegione") || oggetto->inherits("mappix::Marcatore"));
}

void FiltraAggiornamenti(QAccessibleEvent* evento) {
    if (EventoSuperfluo(evento)) {
        return;
    }
    // Handed on as if no filter were installed.
    QAccessible::UpdateHandler filtro = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(evento);
    QAccessible::installUpdateHandler(filtro);
}

QAccessibleInterface* Fabbrica(const QString& classe, QObject* oggetto) {
    // The quiz window is a plain widget: without this it would be a filler,
    // not a window that a screen reader names as it comes to the front.
    if (classe == QLatin1String("mappix::FinestraCitta")) {
        return new QAccessibleWidget(static_cast<QWidget*>(oggetto), QAccessible::Window);
    }
    if (classe == QLatin1String("mappix::Annunciatore")) {
        return new QAccessibleWidget(static_cast<QWidget*>(oggetto), QAccessible::Notification);
    }
    if (classe == QLatin1String("QPushButton") && oggetto->property(kProprietaScelta).toBool()) {
        return new SceltaAccessibile(static_cast<QAbstractButton*>(oggetto));
    }
    if (classe == QLatin1String(Etichetta::staticMetaObject.className())) {
        auto* etichetta = static_cast<Etichetta*>(oggetto);
        // A caption-less area of the map is not a label: leave it to its panel.
        if (etichetta->parentWidget() != nullptr && etichetta->parentWidget()->isWindow()) {
            return new EtichettaAccessibile(etichetta);
        }
    }
    return nullptr;
}

}  // namespace

void InstallaAccessibilita() {
    static const bool installata = [] {
        QAccessible::installFactory(Fabbrica);
        QAccessible::installUpdateHandler(FiltraAggiornamenti);
        return true;
    }();
    (void)installata;
}

}  // namespace mappix
