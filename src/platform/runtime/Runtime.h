#pragma once
#include "platform/runtime/Clock.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <cstdint>
#include <functional>

// The language runtime's functions, named as the runtime names them so that a
// window's code reads like the routine it implements. Numbers and dates are read
// and written in Brazilian regional settings (decimal comma, thousands point,
// dd/mm/yyyy) whatever the machine's own locale. Failures are thrown as
// EngineError with the runtime's numbers (5, 6, 13, 94).
namespace vorna::rt {

// ---- conversions ----------------------------------------------------------
double CDbl(const Variant& v);
int32_t CLng(const Variant& v);        // half to even; 6 out of range, 13 not a number
int16_t CInt(const Variant& v);
QString CStr(const Variant& v);        // Null: 94
Variant CDate(const Variant& v);       // a Date
Variant CCur(const Variant& v);        // a Currency, rounded to 4 decimals
bool CBool(const Variant& v);

// The leading number of a text, read with a point as decimal separator; blanks
// are skipped, the first other character ends it; 0 when nothing is read.
double Val(const Variant& v);

// The number's text with a point as decimal separator and a leading blank for
// zero and positive numbers (" 12", "-3.5").
QString Str(const Variant& v);

// ---- inspection -----------------------------------------------------------
bool IsNull(const Variant& v);
bool IsEmpty(const Variant& v);
bool IsNumeric(const Variant& v);      // a number, Empty, or a text that reads as one
bool IsDate(const Variant& v);         // a Date, or a text that reads as one

// ---- numbers --------------------------------------------------------------
double Int(double v);                  // largest whole number not above v
double Fix(double v);                  // whole part, towards zero
double Round(double v, int decimals = 0);   // half to even
double Abs(double v);
int Sgn(double v);

// ---- formatting -----------------------------------------------------------
// Format with a number format ("###.00", "$#,##0.00;($#,##0.00)", "###,###.00",
// "00000", "0", "#", ...), a date format ("dd/mm/yyyy", "DD/MM/YYYY", "hh:nn",
// "hh:mm:ss", ...) or a named format ("Short Date", "Long Date", "Short Time",
// "Long Time", "General Date", "General Number", "Fixed", "Standard",
// "Percent", "Currency"). An empty format gives the value's CStr. Null and Empty
// give "". A text that reads as a number (or a date, for a date format) is
// formatted as that value; any other text comes back unchanged. "$" in a number
// format is a literal dollar sign.
QString Format(const Variant& v, const QString& fmt = QString());

// ---- dates ----------------------------------------------------------------
// Intervals: "yyyy" years, "q" quarters, "m" months, "y", "d", "w" days,
// "ww" weeks, "h" hours, "n" minutes, "s" seconds. Adding months keeps the day
// of the month or takes the last day of a shorter month. An unknown interval
// or a result outside the runtime's dates raises 5.
Variant DateAdd(const QString& interval, double number, const Variant& date);
// Boundaries crossed from date1 to date2 (negative when date2 is earlier);
// "w" counts whole weeks, "ww" Sundays crossed.
int64_t DateDiff(const QString& interval, const Variant& date1, const Variant& date2);
// Months and days out of range carry into the year and month: month 13 is
// January of the next year, day 0 the last day of the month before.
Variant DateSerial(int year, int month, int day);
Variant TimeSerial(int hour, int minute, int second);
Variant DateValue(const Variant& v);   // the date part of a date or date text
Variant TimeValue(const Variant& v);   // the time part

int Day(const Variant& date);
int Month(const Variant& date);
int Year(const Variant& date);
int Weekday(const Variant& date, int firstDayOfWeek = 1);   // Sunday = 1 by default
int Hour(const Variant& date);
int Minute(const Variant& date);
int Second(const Variant& date);

Variant Now();                         // from Clock
Variant Date();                        // today, no time
Variant Time();                        // the time of day alone
double Timer();                        // seconds since midnight

// ---- strings --------------------------------------------------------------
QString Trim(const QString& s);        // blanks only, as the runtime trims
QString LTrim(const QString& s);
QString RTrim(const QString& s);
QString Left(const QString& s, int length);    // negative length: 5
QString Right(const QString& s, int length);
QString Mid(const QString& s, int start);      // 1-based; start < 1: 5
QString Mid(const QString& s, int start, int length);
int Len(const QString& s);
QString UCase(const QString& s);
QString LCase(const QString& s);
// 1-based position of what in s, 0 when absent; an empty what is found at start.
// Binary comparison (letter case counts) unless textCompare.
int InStr(const QString& s, const QString& what);
int InStr(int start, const QString& s, const QString& what, bool textCompare = false);
int InStrRev(const QString& s, const QString& what);
QString Replace(const QString& s, const QString& find, const QString& replacement);
QString Space(int count);
QString String(int count, QChar ch);
QString String(int count, const QString& firstCharacterOf);
QString Chr(int code);                 // Windows-1252 codes 0..255; else 5
int Asc(const QString& s);             // code of the first character; empty: 5
QString StrReverse(const QString& s);

// ---- the beep ---------------------------------------------------------------
// The sound the key filters make on a refused key. The desktop layer installs
// the real beep; tests install a counter. Without a handler nothing sounds.
void Beep();
void setBeepHandler(std::function<void()> handler);

}  // namespace vorna::rt
