#include "formato.h"

#include <QTextBoundaryFinder>

namespace mappix {

QString FormatoF(double x, const QLocale& locale) {
    QLocale conGruppi = locale;
    conGruppi.setNumberOptions(QLocale::DefaultNumberOptions);
    return conGruppi.toString(x, 'f', 2);
}

QString TestoData(const QDate& data, const QLocale& locale) {
    return locale.toString(data, QStringLiteral("ddd dd MMM yyyy"));
}

QString TestoOra(const QTime& ora, const QLocale& locale) {
    QString formato = locale.timeFormat(QLocale::ShortFormat);
    if (!formato.contains(QLatin1Char('s'))) {
        const qsizetype minuti = formato.lastIndexOf(QLatin1String("mm"));
        if (minuti >= 0) {
            formato.insert(minuti + 2, QLatin1String(":ss"));
        } else {
            formato = QStringLiteral("HH:mm:ss");
        }
    }
    return locale.toString(ora, formato);
}

qsizetype CaratteriVisibili(const QString& testo) {
    QTextBoundaryFinder confini(QTextBoundaryFinder::Grapheme, testo);
    qsizetype conteggio = 0;
    while (confini.toNextBoundary() >= 0) {
        ++conteggio;
    }
    return conteggio;
}

QString SuUnaRiga(const QString& testo) {
    QString riga;
    riga.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar carattere = testo.at(i);
        const QChar::Category categoria = carattere.category();
        if (categoria == QChar::Other_Control || categoria == QChar::Separator_Line ||
            categoria == QChar::Separator_Paragraph) {
            if (carattere == QLatin1Char('\r') && i + 1 < testo.size() &&
                testo.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
            riga.append(QLatin1Char(' '));
        } else {
            riga.append(carattere);
        }
    }
    return riga;
}

}  // namespace mappix
