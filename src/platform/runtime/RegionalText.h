#pragma once
#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

// Reading and writing numbers and dates the way the workstation's Brazilian
// regional settings do, whatever locale the machine itself runs under.
namespace vorna::regional {

inline constexpr QChar DecimalSeparator = u',';
inline constexpr QChar ThousandsSeparator = u'.';

// Error texts of the runtime errors raised by the conversions.
QString errorText(int number);
[[noreturn]] void raise(int number);

// A number as CDbl reads it: blanks around, sign, thousands points, decimal
// comma, exponent, "R$" or "$", and parentheses for a negative amount.
std::optional<double> parseNumber(const QString& text);

// A date as CDate reads it: "dd/mm/yyyy" (also "-" or "." between the parts,
// two-digit years), optionally followed by "hh:mm[:ss]", or a time alone.
// The result is the serial number.
std::optional<double> parseDate(const QString& text);

// Up to 15 significant digits, decimal comma, exponent form for very large
// or very small magnitudes ("1E-08").
QString generalNumber(double v);

// Serial days since 30/12/1899; the time is the fraction, measured from
// midnight also for dates before the base.
double serialFromDate(const QDate& d, const QTime& t = QTime(0, 0));
QDate dateFromSerial(double serial);
QTime timeFromSerial(double serial);
QDateTime dateTimeFromSerial(double serial);
bool serialInRange(double serial);   // 01/01/100 .. 31/12/9999

// Locale-independent text of a double ("%.*e" / "%.*G" with a point) and its
// reading back: the C library's printf and strtod follow the process locale,
// which a Qt application sets from the environment.
QByteArray asciiScientific(double v, int decimals);
QByteArray asciiGeneral(double v, int significant);
std::optional<double> readAscii(const QByteArray& text);

// Round half to even, as CLng, CInt and CCur round.
double roundHalfEven(double v);

}  // namespace vorna::regional
