#include "platform/runtime/RegionalText.h"

#include "platform/runtime/EngineError.h"

#include <QRegularExpression>
#include <cmath>
#include <charconv>

namespace vorna::regional {

namespace {

const QDate kBase(1899, 12, 30);

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == QChar(0xA0); }

}  // namespace

QString errorText(int number) {
    switch (number) {
    case err::InvalidProcedureCall: return QStringLiteral("Chamada de procedimento ou argumento inválido");
    case err::Overflow: return QStringLiteral("Estouro");
    case err::OutOfMemory: return QStringLiteral("Memória insuficiente");
    case err::SubscriptOutOfRange: return QStringLiteral("Subscrito fora do intervalo");
    case err::DivisionByZero: return QStringLiteral("Divisão por zero");
    case err::ObjectNotSet: return QStringLiteral("Variável de objeto não definida");
    case err::InvalidPropertyValue: return QStringLiteral("Valor de propriedade inválido");
    case err::InvalidPropertyArrayIndex: return QStringLiteral("Índice de matriz de propriedade inválido");
    case err::InvalidRowValue: return QStringLiteral("Valor de Row inválido");
    case err::InvalidColValue: return QStringLiteral("Valor de Col inválido");
    case err::TypeMismatch: return QStringLiteral("Tipos incompatíveis");
    case err::InvalidUseOfNull: return QStringLiteral("Uso inválido de Nulo");
    default: return QStringLiteral("Erro definido pelo aplicativo ou pelo objeto");
    }
}

void raise(int number) { throw EngineError(number, errorText(number)); }

std::optional<double> parseNumber(const QString& input) {
    QString s = input;
    // Blanks may stand anywhere around the sign and the currency symbol.
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    s = s.mid(b, e - b);
    if (s.isEmpty()) return std::nullopt;

    bool negative = false;
    if (s.startsWith(u'(') && s.endsWith(u')')) {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    auto takeSign = [&]() {
        if (s.startsWith(u'-')) { negative = !negative; s = s.mid(1).trimmed(); return true; }
        if (s.startsWith(u'+')) { s = s.mid(1).trimmed(); return true; }
        return false;
    };
    takeSign();
    // The regional currency symbol, and the plain "$" that the amount boxes'
    // display format writes, so a shown amount reads back as its number.
    for (const QString& symbol : {QStringLiteral("R$"), QStringLiteral("$")}) {
        if (s.startsWith(symbol)) {
            s = s.mid(symbol.size()).trimmed();
            takeSign();
            break;
        }
        if (s.endsWith(symbol)) {
            s.chop(symbol.size());
            s = s.trimmed();
            break;
        }
    }
    if (s.endsWith(u'-') && !negative) {   // trailing minus, as the settings allow
        negative = true;
        s.chop(1);
        s = s.trimmed();
    }
    if (s.isEmpty()) return std::nullopt;

    // Mantissa: digits with thousands points between them, one decimal comma.
    QByteArray ascii;
    ascii.reserve(s.size() + 2);
    qsizetype i = 0;
    bool digits = false;
    while (i < s.size()) {
        QChar c = s[i];
        if (c.isDigit() && c.unicode() < 128) {
            ascii.append(char(c.unicode()));
            digits = true;
            ++i;
        } else if (c == ThousandsSeparator && digits && i + 1 < s.size() && s[i + 1].isDigit()) {
            ++i;
        } else {
            break;
        }
    }
    if (i < s.size() && s[i] == DecimalSeparator) {
        ascii.append('.');
        ++i;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            ascii.append(char(s[i].unicode()));
            digits = true;
            ++i;
        }
    }
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        ascii.append('e');
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ascii.append(char(s[i++].unicode()));
        bool expDigits = false;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            ascii.append(char(s[i++].unicode()));
            expDigits = true;
        }
        if (!expDigits) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    const std::optional<double> v = readAscii(ascii);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return negative ? -*v : *v;
}

std::optional<double> parseDate(const QString& input) {
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*(?:(\d{1,2})\s*[/\-.]\s*(\d{1,2})\s*[/\-.]\s*(\d{1,4}))?\s*)"
        R"((?:(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    const QRegularExpressionMatch m = re.match(input);
    if (!m.hasMatch()) return std::nullopt;
    const bool hasDate = !m.captured(1).isEmpty();
    const bool hasTime = !m.captured(4).isEmpty();
    if (!hasDate && !hasTime) return std::nullopt;

    QDate date = kBase;
    if (hasDate) {
        const int day = m.captured(1).toInt();
        const int month = m.captured(2).toInt();
        int year = m.captured(3).toInt();
        if (m.captured(3).size() <= 2) year += year < 30 ? 2000 : 1900;
        if (year < 100) return std::nullopt;
        date = QDate(year, month, day);
        if (!date.isValid()) return std::nullopt;
    }
    QTime time(0, 0);
    if (hasTime) {
        const int h = m.captured(4).toInt();
        const int mi = m.captured(5).toInt();
        const int se = m.captured(6).isEmpty() ? 0 : m.captured(6).toInt();
        time = QTime(h, mi, se);
        if (!time.isValid()) return std::nullopt;
    }
    return serialFromDate(date, time);
}

QString generalNumber(double v) {
    if (v == 0) return QStringLiteral("0");
    QString s = QString::fromLatin1(asciiGeneral(v, 15)).toUpper();
    s.replace(u'.', DecimalSeparator);
    return s;
}

double serialFromDate(const QDate& d, const QTime& t) {
    const double days = double(kBase.daysTo(d));
    const double frac = QTime(0, 0).msecsTo(t.isValid() ? t : QTime(0, 0)) / 86400000.0;
    return days < 0 ? days - frac : days + frac;
}

namespace {
// Whole days and seconds of the day, the seconds rounded so that 23:59:59.9
// shows as the next day's midnight, as the runtime shows it.
void splitSerial(double serial, qint64& days, int& seconds) {
    double whole = std::trunc(serial);
    double frac = std::fabs(serial - whole);
    long long secs = std::llround(frac * 86400.0);
    days = qint64(whole);
    if (secs >= 86400) {
        secs -= 86400;
        days += serial < 0 ? -1 : 1;
    }
    seconds = int(secs);
}
}  // namespace

QDate dateFromSerial(double serial) {
    qint64 days;
    int secs;
    splitSerial(serial, days, secs);
    return kBase.addDays(days);
}

QTime timeFromSerial(double serial) {
    qint64 days;
    int secs;
    splitSerial(serial, days, secs);
    return QTime(0, 0).addSecs(secs);
}

QDateTime dateTimeFromSerial(double serial) {
    return QDateTime(dateFromSerial(serial), timeFromSerial(serial));
}

bool serialInRange(double serial) {
    // 01/01/0100 and 31/12/9999 23:59:59
    return serial >= -657434.0 - 0.999995 && serial < 2958466.0;
}

QByteArray asciiScientific(double v, int decimals) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, decimals);
    return QByteArray(buf, r.ptr - buf);
}

QByteArray asciiGeneral(double v, int significant) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, significant);
    return QByteArray(buf, r.ptr - buf);
}

std::optional<double> readAscii(const QByteArray& text) {
    const char* begin = text.constData();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') ++begin;
    double v = 0;
    const auto r = std::from_chars(begin, end, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != end) return std::nullopt;
    return v;
}

double roundHalfEven(double v) {
    double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5) r = 2.0 * std::round(v / 2.0);
    return r;
}

}  // namespace vorna::regional
