#include "area_di_lavoro.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace mappix {
namespace {

template <typename T>
using Risposta = std::unique_ptr<T, decltype(&std::free)>;

// The property Qt reads the work area from: four cardinals or more on the root.
bool RadiceConAreaDiLavoro(xcb_connection_t* connessione) {
    constexpr const char* kNome = "_NET_WORKAREA";
    const Risposta<xcb_intern_atom_reply_t> atomo(
        xcb_intern_atom_reply(
            connessione,
            xcb_intern_atom(connessione, 1, static_cast<uint16_t>(std::strlen(kNome)), kNome),
            nullptr),
        &std::free);
    if (!atomo || atomo->atom == XCB_ATOM_NONE) {
        return false;
    }
    const xcb_window_t radice = xcb_setup_roots_iterator(xcb_get_setup(connessione)).data->root;
    const Risposta<xcb_get_property_reply_t> valore(
        xcb_get_property_reply(
            connessione,
            xcb_get_property(connessione, 0, radice, atomo->atom, XCB_ATOM_CARDINAL, 0, 4),
            nullptr),
        &std::free);
    return valore && valore->type == XCB_ATOM_CARDINAL && valore->format == 32 &&
           xcb_get_property_value_length(valore.get()) >= 16;
}

}  // namespace

bool AreaDiLavoroNota() {
    const QString piattaforma = QGuiApplication::platformName();
    if (piattaforma.startsWith(QLatin1String("wayland"))) {
        return false;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (piattaforma != QLatin1String("xcb") || x11 == nullptr) {
        return true;  // offscreen and the like: no panels to leave room for
    }
    return RadiceConAreaDiLavoro(x11->connection());
}

QRect AreaPerLaFinestra(QRect disponibile, bool nota) {
    if (!nota) {
        disponibile.setTop(disponibile.top() + kAltezzaPannello);
    }
    return disponibile;
}

}  // namespace mappix
