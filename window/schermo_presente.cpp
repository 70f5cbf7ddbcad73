#include "schermo_presente.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace mappix {
namespace {

// Opening a connection is the only sure test of an X display: the variable
// may name a server that is gone or refuses us.
bool ServerXRaggiungibile() {
    xcb_connection_t* connessione = xcb_connect(nullptr, nullptr);
    const bool raggiunto = xcb_connection_has_error(connessione) == 0;
    xcb_disconnect(connessione);
    return raggiunto;
}

}  // namespace

bool SchermoPresente() {
    const QByteArray scelta = qgetenv("QT_QPA_PLATFORM");
    if (!scelta.isEmpty()) {
        // A platform chosen by name that is not X (Wayland, offscreen, VNC)
        // is left to the toolkit, which knows where it draws.
        for (const QByteArray& piattaforma : scelta.split(';')) {
            if (!piattaforma.startsWith("xcb")) {
                return true;
            }
        }
    } else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") && ServerXRaggiungibile();
}

}  // namespace mappix
