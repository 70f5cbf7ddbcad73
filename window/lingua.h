// Qt's own texts (the context menus of text boxes, the buttons of message
// boxes) in the language of the desktop, where Qt's translations are installed.
#pragma once

#include <QLocale>

class QTranslator;

namespace mappix {

// Installs Qt's translation for the locale; returns it, owned by the
// application, or nullptr when none is installed for that language.
QTranslator* CaricaTraduzioniQt(const QLocale& locale = QLocale::system());

}  // namespace mappix
