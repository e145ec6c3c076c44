#include "platform/runtime/Runtime.h"

#include "platform/runtime/RegionalText.h"

#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vorna::rt {

using regional::raise;

// ---- conversions ----------------------------------------------------------

double CDbl(const Variant& v) { return v.toDouble(); }
int32_t CLng(const Variant& v) { return v.toLong(); }
int16_t CInt(const Variant& v) { return v.toInteger(); }
QString CStr(const Variant& v) { return v.toString(); }
Variant CDate(const Variant& v) { return Variant::date(v.toDate()); }
bool CBool(const Variant& v) { return v.toBool(); }

Variant CCur(const Variant& v) {
    const double x = v.toDouble();
    // The runtime's currency holds about +-922 trillion.
    if (!std::isfinite(x) || std::fabs(x) > 922337203685477.0) raise(err::Overflow);
    return Variant::currency(x);
}

double Val(const Variant& v) {
    const QString s = v.toString();
    QByteArray ascii;
    qsizetype i = 0;
    auto skipBlanks = [&]() {
        while (i < s.size() && (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\n' || s[i] == u'\r')) ++i;
    };
    auto digitAt = [&]() { return i < s.size() && s[i] >= u'0' && s[i] <= u'9'; };

    skipBlanks();
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) ascii.append(char(s[i++].unicode()));
    bool any = false;
    bool point = false;
    for (;;) {
        skipBlanks();
        if (digitAt()) {
            ascii.append(char(s[i++].unicode()));
            any = true;
        } else if (i < s.size() && s[i] == u'.' && !point) {
            ascii.append('.');
            point = true;
            ++i;
        } else {
            break;
        }
    }
    if (!any) return 0.0;
    skipBlanks();
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        QByteArray exponent("e");
        qsizetype j = i + 1;
        while (j < s.size() && s[j] == u' ') ++j;
        if (j < s.size() && (s[j] == u'-' || s[j] == u'+')) exponent.append(char(s[j++].unicode()));
        bool expDigits = false;
        while (j < s.size() && s[j] >= u'0' && s[j] <= u'9') {
            exponent.append(char(s[j++].unicode()));
            expDigits = true;
        }
        if (expDigits) ascii.append(exponent);
    }
    const std::optional<double> x = regional::readAscii(ascii);
    if (!x || !std::isfinite(*x)) raise(err::Overflow);
    return *x;
}

QString Str(const Variant& v) {
    if (v.isNull()) raise(err::InvalidUseOfNull);
    if (v.isDate()) return v.toString();
    const double x = v.isString() ? v.toDouble() : v.numberValue();
    QString s = regional::generalNumber(x);
    s.replace(regional::DecimalSeparator, u'.');
    return x < 0 ? s : QStringLiteral(" ") + s;
}

// ---- inspection -----------------------------------------------------------

bool IsNull(const Variant& v) { return v.isNull(); }
bool IsEmpty(const Variant& v) { return v.isEmpty(); }

bool IsNumeric(const Variant& v) {
    if (v.isEmpty() || v.isNumeric()) return true;
    if (v.isString()) return regional::parseNumber(v.stringValue()).has_value();
    return false;
}

bool IsDate(const Variant& v) {
    if (v.isDate()) return true;
    if (v.isString()) return regional::parseDate(v.stringValue()).has_value();
    return false;
}

// ---- numbers --------------------------------------------------------------

double Int(double v) { return std::floor(v); }
double Fix(double v) { return std::trunc(v); }
double Abs(double v) { return std::fabs(v); }
int Sgn(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

double Round(double v, int decimals) {
    if (decimals < 0) raise(err::InvalidProcedureCall);
    const double scale = std::pow(10.0, decimals);
    // Through 15 significant digits first, so 2,675 rounds as the 2,675 it shows.
    const double shown = regional::readAscii(regional::asciiGeneral(v * scale, 15)).value_or(v * scale);
    return regional::roundHalfEven(shown) / scale;
}

// ---- dates ------------------------------------------------------------------

namespace {

struct Moment {
    QDate date;
    int seconds = 0;   // of the day
};

Moment momentOf(const Variant& v) {
    const double serial = v.toDate();
    return {regional::dateFromSerial(serial),
            QTime(0, 0).secsTo(regional::timeFromSerial(serial))};
}

Variant dateResult(const QDate& d, int seconds) {
    if (!d.isValid() || d.year() < 100 || d.year() > 9999) raise(err::InvalidProcedureCall);
    return Variant::date(d, QTime(0, 0).addSecs(seconds));
}

// Seconds since the base day, counted as a line (the time always forwards).
int64_t linearSeconds(const Moment& m) {
    return int64_t(QDate(1899, 12, 30).daysTo(m.date)) * 86400 + m.seconds;
}

int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

QDate addMonths(const QDate& d, int64_t months) {
    const int64_t total = int64_t(d.year()) * 12 + (d.month() - 1) + months;
    const int64_t year = floorDiv(total, 12);
    const int month = int(total - year * 12) + 1;
    if (year < 100 || year > 9999) raise(err::InvalidProcedureCall);
    const QDate first(int(year), month, 1);
    return QDate(int(year), month, std::min(d.day(), first.daysInMonth()));
}

enum class Interval { Year, Quarter, Month, Day, Weekday, Week, Hour, Minute, Second };

Interval intervalOf(const QString& text) {
    const QString s = text.trimmed().toLower();
    if (s == u"yyyy") return Interval::Year;
    if (s == u"q") return Interval::Quarter;
    if (s == u"m") return Interval::Month;
    if (s == u"y" || s == u"d") return Interval::Day;
    if (s == u"w") return Interval::Weekday;
    if (s == u"ww") return Interval::Week;
    if (s == u"h") return Interval::Hour;
    if (s == u"n") return Interval::Minute;
    if (s == u"s") return Interval::Second;
    raise(err::InvalidProcedureCall);
}

}  // namespace

Variant DateAdd(const QString& interval, double number, const Variant& date) {
    const Interval kind = intervalOf(interval);
    const Moment m = momentOf(date);
    const double n = regional::roundHalfEven(number);
    if (!std::isfinite(n) || std::fabs(n) > 1e12) raise(err::InvalidProcedureCall);
    const int64_t count = int64_t(n);
    switch (kind) {
    case Interval::Year:
        return dateResult(addMonths(m.date, count * 12), m.seconds);
    case Interval::Quarter:
        return dateResult(addMonths(m.date, count * 3), m.seconds);
    case Interval::Month:
        return dateResult(addMonths(m.date, count), m.seconds);
    case Interval::Day:
    case Interval::Weekday:
        return dateResult(m.date.addDays(count), m.seconds);
    case Interval::Week:
        return dateResult(m.date.addDays(count * 7), m.seconds);
    case Interval::Hour:
    case Interval::Minute:
    case Interval::Second: {
        const int64_t unit = kind == Interval::Hour ? 3600 : kind == Interval::Minute ? 60 : 1;
        const int64_t line = linearSeconds(m) + count * unit;
        const int64_t days = floorDiv(line, 86400);
        return dateResult(QDate(1899, 12, 30).addDays(days), int(line - days * 86400));
    }
    }
    raise(err::InvalidProcedureCall);
}

int64_t DateDiff(const QString& interval, const Variant& date1, const Variant& date2) {
    const Interval kind = intervalOf(interval);
    const Moment a = momentOf(date1);
    const Moment b = momentOf(date2);
    switch (kind) {
    case Interval::Year:
        return b.date.year() - a.date.year();
    case Interval::Quarter:
        return (int64_t(b.date.year()) * 4 + (b.date.month() - 1) / 3) -
               (int64_t(a.date.year()) * 4 + (a.date.month() - 1) / 3);
    case Interval::Month:
        return (int64_t(b.date.year()) * 12 + b.date.month()) -
               (int64_t(a.date.year()) * 12 + a.date.month());
    case Interval::Day:
        return a.date.daysTo(b.date);
    case Interval::Weekday:
        return a.date.daysTo(b.date) / 7;
    case Interval::Week: {
        // Sundays crossed: distance between the Sundays that start each week.
        const QDate wa = a.date.addDays(-(a.date.dayOfWeek() % 7));
        const QDate wb = b.date.addDays(-(b.date.dayOfWeek() % 7));
        return wa.daysTo(wb) / 7;
    }
    case Interval::Hour:
        return floorDiv(linearSeconds(b), 3600) - floorDiv(linearSeconds(a), 3600);
    case Interval::Minute:
        return floorDiv(linearSeconds(b), 60) - floorDiv(linearSeconds(a), 60);
    case Interval::Second:
        return linearSeconds(b) - linearSeconds(a);
    }
    raise(err::InvalidProcedureCall);
}

Variant DateSerial(int year, int month, int day) {
    if (year >= 0 && year < 30) year += 2000;
    else if (year >= 30 && year < 100) year += 1900;
    const int64_t total = int64_t(year) * 12 + (int64_t(month) - 1);
    const int64_t y = floorDiv(total, 12);
    const int m = int(total - y * 12) + 1;
    if (y < 100 || y > 9999) raise(err::InvalidProcedureCall);
    return dateResult(QDate(int(y), m, 1).addDays(int64_t(day) - 1), 0);
}

Variant TimeSerial(int hour, int minute, int second) {
    const int64_t secs = int64_t(hour) * 3600 + int64_t(minute) * 60 + second;
    const int64_t days = floorDiv(secs, 86400);
    return dateResult(QDate(1899, 12, 30).addDays(days), int(secs - days * 86400));
}

Variant DateValue(const Variant& v) { return Variant::date(momentOf(v).date); }

Variant TimeValue(const Variant& v) {
    return Variant::date(QDate(1899, 12, 30), QTime(0, 0).addSecs(momentOf(v).seconds));
}

int Day(const Variant& date) { return momentOf(date).date.day(); }
int Month(const Variant& date) { return momentOf(date).date.month(); }
int Year(const Variant& date) { return momentOf(date).date.year(); }

int Weekday(const Variant& date, int firstDayOfWeek) {
    if (firstDayOfWeek < 0 || firstDayOfWeek > 7) raise(err::InvalidProcedureCall);
    if (firstDayOfWeek == 0) firstDayOfWeek = 1;   // the workstation's first day: Sunday
    const int sundayBased = momentOf(date).date.dayOfWeek() % 7;   // Sunday 0
    return (sundayBased - (firstDayOfWeek - 1) + 7) % 7 + 1;
}

int Hour(const Variant& date) { return momentOf(date).seconds / 3600; }
int Minute(const Variant& date) { return momentOf(date).seconds / 60 % 60; }
int Second(const Variant& date) { return momentOf(date).seconds % 60; }

Variant Now() { return Variant::date(Clock::now()); }
Variant Date() { return Variant::date(Clock::today()); }
Variant Time() { return Variant::date(QDate(1899, 12, 30), Clock::now().time()); }
double Timer() { return QTime(0, 0).secsTo(Clock::now().time()); }

// ---- strings ------------------------------------------------------------------

QString LTrim(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ') ++i;
    return s.mid(i);
}

QString RTrim(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ') --n;
    return s.left(n);
}

QString Trim(const QString& s) { return LTrim(RTrim(s)); }

QString Left(const QString& s, int length) {
    if (length < 0) raise(err::InvalidProcedureCall);
    return s.left(length);
}

QString Right(const QString& s, int length) {
    if (length < 0) raise(err::InvalidProcedureCall);
    return s.right(length);
}

QString Mid(const QString& s, int start) {
    if (start < 1) raise(err::InvalidProcedureCall);
    return s.mid(start - 1);
}

QString Mid(const QString& s, int start, int length) {
    if (start < 1 || length < 0) raise(err::InvalidProcedureCall);
    if (start > s.size()) return QString();
    return s.mid(start - 1, length);
}

int Len(const QString& s) { return int(s.size()); }
QString UCase(const QString& s) { return s.toUpper(); }
QString LCase(const QString& s) { return s.toLower(); }

int InStr(const QString& s, const QString& what) { return InStr(1, s, what); }

int InStr(int start, const QString& s, const QString& what, bool textCompare) {
    if (start < 1) raise(err::InvalidProcedureCall);
    if (start > s.size()) return 0;
    if (what.isEmpty()) return start;
    const qsizetype pos =
        s.indexOf(what, start - 1, textCompare ? Qt::CaseInsensitive : Qt::CaseSensitive);
    return pos < 0 ? 0 : int(pos) + 1;
}

int InStrRev(const QString& s, const QString& what) {
    if (what.isEmpty()) return int(s.size());
    const qsizetype pos = s.lastIndexOf(what);
    return pos < 0 ? 0 : int(pos) + 1;
}

QString Replace(const QString& s, const QString& find, const QString& replacement) {
    if (find.isEmpty()) return s;
    QString out = s;
    return out.replace(find, replacement, Qt::CaseSensitive);
}

QString Space(int count) {
    if (count < 0) raise(err::InvalidProcedureCall);
    return QString(count, u' ');
}

QString String(int count, QChar ch) {
    if (count < 0) raise(err::InvalidProcedureCall);
    return QString(count, ch);
}

QString String(int count, const QString& firstCharacterOf) {
    if (firstCharacterOf.isEmpty()) raise(err::InvalidProcedureCall);
    return String(count, firstCharacterOf[0]);
}

namespace {
// Windows-1252 characters 0x80..0x9F; the rest of 0..255 is Latin-1.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

QString Chr(int code) {
    if (code < 0 || code > 255) raise(err::InvalidProcedureCall);
    if (code >= 0x80 && code <= 0x9F) return QString(QChar(kCp1252High[code - 0x80]));
    return QString(QChar(char16_t(code)));
}

int Asc(const QString& s) {
    if (s.isEmpty()) raise(err::InvalidProcedureCall);
    const char16_t c = s[0].unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c) return 0x80 + i;
    return u'?';
}

QString StrReverse(const QString& s) {
    QString out(s);
    std::reverse(out.begin(), out.end());
    return out;
}

// ---- the beep -----------------------------------------------------------------

namespace {
std::function<void()>& beepHandler() {
    static std::function<void()> handler;
    return handler;
}
}  // namespace

void Beep() {
    if (beepHandler()) beepHandler()();
}

void setBeepHandler(std::function<void()> handler) { beepHandler() = std::move(handler); }

}  // namespace vorna::rt
