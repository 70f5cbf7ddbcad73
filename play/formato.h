// Locale-aware texts of the log: dates, times of day and the number format
// "##,##0.00" used for every score and duration.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace mappix {

// At least one integer digit, thousands grouped, exactly two decimals.
QString FormatoF(double x, const QLocale& locale);
// Abbreviated weekday, two-digit day, abbreviated month, four-digit year.
QString TestoData(const QDate& data, const QLocale& locale);
// The locale's time of day, always with hours, minutes and seconds.
QString TestoOra(const QTime& ora, const QLocale& locale);
// Characters as a reader sees them: a letter with combining accents, an emoji
// sequence or a CR LF pair counts once.
qsizetype CaratteriVisibili(const QString& testo);
// The text as one line: each line break (CR LF counts as one), tab and other
// control character becomes a blank; everything else stays as it is.
QString SuUnaRiga(const QString& testo);

}  // namespace mappix
