#pragma once
#include <QDate>
#include <QString>

// The "Ganchos para conversa" profile's readings of a birth date: the sun sign
// with its mark and the southern-hemisphere season, the Chinese year sign, and
// the texts that go with them.
namespace vorna::clients {

struct SunSignReading {
    QString sign;    // "CAPRICÓRNIO" ... "SAGITÁRIO", upper case with accents
    QString mark;    // "Ó" or "Ô"
    QString season;  // "VERÃO", "OUTONO", "INVERNO" or "PRIMAVERA"
};

// The sign and season of a day of the year (any year: 29 February included).
// A day or month outside the calendar reads as the nearest one.
SunSignReading computeSunSign(int day, int month);

// The Chinese year sign ("RATO DE METAL") of a date from 01/02/1919 to
// 28/01/2006; empty for any other date, an invalid one included.
QString findChineseYearSign(const QDate& date);

// The profile text completed: the two trait lines of the Chinese sign appended
// (none for a text that is no sign), then the motto line of the sun sign put in
// front (none for a text that is no sign). Lines break with CR LF.
QString appendPersonalityTexts(const QString& text, const QString& chineseSign, const QString& sunSign);

}  // namespace vorna::clients
