#include "lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace mappix {

QTranslator* CaricaTraduzioniQt(const QLocale& locale) {
    auto* traduzione = new QTranslator(QCoreApplication::instance());
    if (!traduzione->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduzione;
        return nullptr;
    }
    QCoreApplication::installTranslator(traduzione);
    return traduzione;
}

}  // namespace mappix
