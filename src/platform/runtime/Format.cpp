// Format: number and date formats as the runtime applies them, always with the
// Brazilian separators (decimal comma, thousands point, "/" and ":").
#include "platform/runtime/Runtime.h"
#include "platform/runtime/RegionalText.h"

#include <cmath>
#include <optional>
#include <vector>

namespace vorna::rt {

namespace {

// ---- shared -----------------------------------------------------------------

// Splits a format into its ';' sections, quotes and escapes respected.
QStringList splitSections(const QString& fmt) {
    QStringList out;
    QString cur;
    bool quoted = false;
    for (qsizetype i = 0; i < fmt.size(); ++i) {
        const QChar c = fmt[i];
        if (c == u'"') quoted = !quoted;
        if (!quoted && c == u'\\' && i + 1 < fmt.size()) {
            cur += c;
            cur += fmt[++i];
            continue;
        }
        if (!quoted && c == u';') {
            out << cur;
            cur.clear();
            continue;
        }
        cur += c;
    }
    out << cur;
    return out;
}

bool isDateFormat(const QString& fmt) {
    bool quoted = false;
    bool dateToken = false;
    for (qsizetype i = 0; i < fmt.size(); ++i) {
        const QChar c = fmt[i];
        if (c == u'"') { quoted = !quoted; continue; }
        if (quoted) continue;
        if (c == u'\\') { ++i; continue; }
        const QChar l = c.toLower();
        if (c == u'0' || c == u'#') return false;
        if (l == u'd' || l == u'm' || l == u'y' || l == u'h' || l == u'n' || l == u's' ||
            l == u'w' || l == u'q' || l == u'c' || l == u't')
            dateToken = true;
    }
    return dateToken;
}

// ---- numbers ----------------------------------------------------------------

// A non-negative value as decimal digits: at most 15 significant, rounded half
// away from zero at `decimals`, the way the runtime rounds for display (so 1,005
// shows as 1,01 with two decimals).
struct DecimalDigits {
    QString whole;       // no leading zeros; empty for a value below 1
    QString fraction;    // exactly `decimals` digits
    bool isZero() const {
        for (QChar c : whole) if (c != u'0') return false;
        for (QChar c : fraction) if (c != u'0') return false;
        return true;
    }
};

DecimalDigits toDigits(double value, int decimals) {
    DecimalDigits out;
    value = std::fabs(value);
    QString digits;     // significant digits
    int pointPos = 0;   // digits before the decimal point
    if (value != 0) {
        const QString s = QString::fromLatin1(regional::asciiScientific(value, 14));
        const qsizetype e = s.indexOf(u'e');
        digits = s.left(e);
        digits.remove(u'.');
        pointPos = s.mid(e + 1).toInt() + 1;
        while (digits.size() > 1 && digits.endsWith(u'0')) digits.chop(1);
    }
    // Absolute digit string with the point at `pointPos`, padded both ways.
    if (pointPos <= 0) {
        digits = QString(-pointPos, u'0') + digits;
        pointPos = 0;
    }
    if (digits.size() < pointPos) digits += QString(pointPos - digits.size(), u'0');
    QString whole = digits.left(pointPos);
    QString frac = digits.mid(pointPos);
    if (frac.size() > decimals) {
        const bool up = frac[decimals] >= u'5';
        frac.truncate(decimals);
        if (up) {
            QString all = whole + frac;
            qsizetype i = all.size() - 1;
            for (; i >= 0; --i) {
                if (all[i] == u'9') {
                    all[i] = u'0';
                } else {
                    all[i] = QChar(all[i].unicode() + 1);
                    break;
                }
            }
            if (i < 0) all.prepend(u'1');
            whole = all.left(all.size() - decimals);
            frac = all.right(decimals);
        }
    }
    frac += QString(decimals - frac.size(), u'0');
    qsizetype lead = 0;
    while (lead < whole.size() && whole[lead] == u'0') ++lead;
    out.whole = whole.mid(lead);
    out.fraction = frac;
    return out;
}

struct NumberToken {
    enum Kind { Zero, Hash, Point, Comma, Percent, Literal } kind;
    QString text;
};

struct NumberSection {
    std::vector<NumberToken> tokens;
    int fractionMax = 0;       // placeholders after the point
    int fractionMin = 0;       // up to the last '0' after the point
    bool grouping = false;
    int scaleThousands = 0;
    int percents = 0;
    bool hasPoint = false;
};

NumberSection parseNumberSection(const QString& f) {
    NumberSection sec;
    auto literal = [&](const QString& t) {
        if (!sec.tokens.empty() && sec.tokens.back().kind == NumberToken::Literal)
            sec.tokens.back().text += t;
        else
            sec.tokens.push_back({NumberToken::Literal, t});
    };
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QChar c = f[i];
        if (c == u'"') {
            const qsizetype end = f.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? f.size() : end;
            literal(f.mid(i + 1, stop - i - 1));
            i = stop;
        } else if (c == u'\\' && i + 1 < f.size()) {
            literal(QString(f[++i]));
        } else if (c == u'0') {
            sec.tokens.push_back({NumberToken::Zero, {}});
        } else if (c == u'#') {
            sec.tokens.push_back({NumberToken::Hash, {}});
        } else if (c == u'.' && !sec.hasPoint) {
            sec.hasPoint = true;
            sec.tokens.push_back({NumberToken::Point, {}});
        } else if (c == u',') {
            sec.tokens.push_back({NumberToken::Comma, {}});
        } else if (c == u'%') {
            ++sec.percents;
            sec.tokens.push_back({NumberToken::Percent, {}});
        } else {
            literal(QString(c));
        }
    }
    // Commas between digit placeholders of the whole part group by thousands;
    // commas just before the point (or the end of the digits) divide by 1000.
    bool beforePoint = true;
    bool seenDigit = false;
    for (size_t i = 0; i < sec.tokens.size(); ++i) {
        const auto k = sec.tokens[i].kind;
        if (k == NumberToken::Point) { beforePoint = false; continue; }
        if (k == NumberToken::Zero || k == NumberToken::Hash) {
            seenDigit = true;
            if (!beforePoint) {
                ++sec.fractionMax;
                if (k == NumberToken::Zero) sec.fractionMin = sec.fractionMax;
            }
            continue;
        }
        if (k == NumberToken::Comma && beforePoint) {
            size_t j = i + 1;
            while (j < sec.tokens.size() && sec.tokens[j].kind == NumberToken::Comma) ++j;
            const bool digitFollows = j < sec.tokens.size() &&
                (sec.tokens[j].kind == NumberToken::Zero || sec.tokens[j].kind == NumberToken::Hash);
            if (seenDigit && digitFollows) sec.grouping = true;
            else if (seenDigit) ++sec.scaleThousands;
        }
    }
    return sec;
}

QString groupThousands(const QString& digits) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += regional::ThousandsSeparator;
        out += digits[i];
    }
    return out;
}

double sectionValue(const NumberSection& sec, double v) {
    for (int i = 0; i < sec.percents; ++i) v *= 100.0;
    for (int i = 0; i < sec.scaleThousands; ++i) v /= 1000.0;
    return v;
}

// Formats |v| through one section; the sign is the caller's business.
QString applyNumberSection(const NumberSection& sec, const DecimalDigits& d) {
    // Whole-part placeholders, and the minimum digits the '0's ask for.
    std::vector<size_t> wholeSlots;
    for (size_t i = 0; i < sec.tokens.size(); ++i) {
        const auto k = sec.tokens[i].kind;
        if (k == NumberToken::Point) break;
        if (k == NumberToken::Zero || k == NumberToken::Hash) wholeSlots.push_back(i);
    }
    const int placeholderCount = int(wholeSlots.size());
    int minDigits = 0;
    for (int s = 0; s < placeholderCount; ++s) {
        if (sec.tokens[wholeSlots[s]].kind == NumberToken::Zero) {
            minDigits = placeholderCount - s;
            break;
        }
    }
    QString whole = d.whole;
    if (whole.size() < minDigits) whole = QString(minDigits - whole.size(), u'0') + whole;

    QString fraction = d.fraction;
    while (fraction.size() > sec.fractionMin && fraction.endsWith(u'0')) fraction.chop(1);

    QString out;
    int slot = 0;
    int fracPos = 0;
    bool afterPoint = false;
    for (size_t i = 0; i < sec.tokens.size(); ++i) {
        const NumberToken& t = sec.tokens[i];
        switch (t.kind) {
        case NumberToken::Literal:
            out += t.text;
            break;
        case NumberToken::Percent:
            out += u'%';
            break;
        case NumberToken::Comma:
            break;
        case NumberToken::Point:
            if (placeholderCount == 0) out += sec.grouping ? groupThousands(whole) : whole;
            out += regional::DecimalSeparator;
            afterPoint = true;
            break;
        case NumberToken::Zero:
        case NumberToken::Hash:
            if (afterPoint) {
                if (fracPos < fraction.size()) out += fraction[fracPos];
                ++fracPos;
                break;
            }
            if (sec.grouping) {
                if (slot == 0) out += groupThousands(whole);
            } else {
                // Digits fill the placeholders from the right; the first takes any surplus.
                const int fromRight = placeholderCount - 1 - slot;
                const qsizetype pos = whole.size() - 1 - fromRight;
                if (slot == 0 && pos > 0) out += whole.left(pos);
                if (pos >= 0) out += whole[pos];
            }
            ++slot;
            break;
        }
    }
    return out;
}

QString formatNumber(double v, const QString& fmt) {
    const QStringList sections = splitSections(fmt);
    const NumberSection first = parseNumberSection(sections[0]);
    const bool hasNegativeSection = sections.size() >= 2 && !sections[1].isEmpty();
    const bool hasZeroSection = sections.size() >= 3 && !sections[2].isEmpty();

    if (v < 0) {
        const NumberSection sec = hasNegativeSection ? parseNumberSection(sections[1]) : first;
        const DecimalDigits d = toDigits(sectionValue(sec, v), sec.fractionMax);
        // A negative that rounds to nothing shows as zero, without a sign.
        if (!d.isZero()) {
            const QString body = applyNumberSection(sec, d);
            return hasNegativeSection ? body : QStringLiteral("-") + body;
        }
        v = 0;
    }
    if (v == 0 && hasZeroSection) {
        const NumberSection sec = parseNumberSection(sections[2]);
        return applyNumberSection(sec, toDigits(0, sec.fractionMax));
    }
    return applyNumberSection(first, toDigits(sectionValue(first, v), first.fractionMax));
}

// ---- dates ------------------------------------------------------------------

const char16_t* const kWeekdayNames[] = {u"domingo", u"segunda-feira", u"terça-feira",
                                         u"quarta-feira", u"quinta-feira", u"sexta-feira",
                                         u"sábado"};
const char16_t* const kWeekdayShort[] = {u"dom", u"seg", u"ter", u"qua", u"qui", u"sex", u"sáb"};
const char16_t* const kMonthNames[] = {u"janeiro", u"fevereiro", u"março", u"abril",
                                       u"maio", u"junho", u"julho", u"agosto",
                                       u"setembro", u"outubro", u"novembro", u"dezembro"};
const char16_t* const kMonthShort[] = {u"jan", u"fev", u"mar", u"abr", u"mai", u"jun",
                                       u"jul", u"ago", u"set", u"out", u"nov", u"dez"};

QString two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

QString shortDate(const QDate& d) {
    return two(d.day()) + u'/' + two(d.month()) + u'/' +
           QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
}

QString longDate(const QDate& d) {
    return QString::fromUtf16(kWeekdayNames[d.dayOfWeek() % 7]) + QStringLiteral(", ") +
           QString::number(d.day()) + QStringLiteral(" de ") +
           QString::fromUtf16(kMonthNames[d.month() - 1]) + QStringLiteral(" de ") +
           QString::number(d.year());
}

QString longTime(const QTime& t) {
    return two(t.hour()) + u':' + two(t.minute()) + u':' + two(t.second());
}

int weekOfYear(const QDate& d) {
    // Week 1 holds 1 January; weeks start on Sunday.
    const QDate jan1(d.year(), 1, 1);
    const int offset = jan1.dayOfWeek() % 7;   // Sunday 0
    return (jan1.daysTo(d) + offset) / 7 + 1;
}

QString formatDate(double serial, const QString& fmtIn) {
    const QString fmt = splitSections(fmtIn)[0];
    const QDate d = regional::dateFromSerial(serial);
    const QTime t = regional::timeFromSerial(serial);

    // A 12-hour clock when an AM/PM marker is present.
    const QString lower = fmt.toLower();
    const bool twelveHour = lower.contains(QStringLiteral("am/pm")) ||
                            lower.contains(QStringLiteral("a/p")) ||
                            lower.contains(QStringLiteral("ampm"));

    QString out;
    bool afterHour = false;
    qsizetype i = 0;
    auto run = [&](QChar c) {
        qsizetype n = 0;
        while (i + n < fmt.size() && fmt[i + n].toLower() == c) ++n;
        return int(n);
    };
    while (i < fmt.size()) {
        const QChar c = fmt[i];
        const QChar l = c.toLower();
        if (c == u'"') {
            const qsizetype end = fmt.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? fmt.size() : end;
            out += fmt.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (c == u'\\' && i + 1 < fmt.size()) {
            out += fmt[i + 1];
            i += 2;
            continue;
        }
        if (lower.mid(i, 5) == QStringLiteral("am/pm")) {
            const bool pm = t.hour() >= 12;
            const QString marker = fmt.mid(i, 5);
            out += pm ? marker.mid(3, 2) : marker.left(2);
            i += 5;
            continue;
        }
        if (lower.mid(i, 3) == QStringLiteral("a/p")) {
            const bool pm = t.hour() >= 12;
            out += pm ? fmt[i + 2] : fmt[i];
            i += 3;
            continue;
        }
        if (lower.mid(i, 4) == QStringLiteral("ampm")) {
            out += t.hour() >= 12 ? QStringLiteral("PM") : QStringLiteral("AM");
            i += 4;
            continue;
        }
        if (l == u'd') {
            const int n = run(u'd');
            switch (n) {
            case 1: out += QString::number(d.day()); break;
            case 2: out += two(d.day()); break;
            case 3: out += QString::fromUtf16(kWeekdayShort[d.dayOfWeek() % 7]); break;
            case 4: out += QString::fromUtf16(kWeekdayNames[d.dayOfWeek() % 7]); break;
            case 5: out += shortDate(d); break;
            default: out += longDate(d); break;
            }
            i += n;
            afterHour = false;
        } else if (l == u'm') {
            const int n = run(u'm');
            if (afterHour && n <= 2) {
                out += n == 1 ? QString::number(t.minute()) : two(t.minute());
            } else if (n == 1) {
                out += QString::number(d.month());
            } else if (n == 2) {
                out += two(d.month());
            } else if (n == 3) {
                out += QString::fromUtf16(kMonthShort[d.month() - 1]);
            } else {
                out += QString::fromUtf16(kMonthNames[d.month() - 1]);
            }
            i += n;
            afterHour = false;
        } else if (l == u'y') {
            const int n = run(u'y');
            if (n == 1) out += QString::number(d.dayOfYear());
            else if (n == 2 || n == 3) out += two(d.year() % 100);
            else out += QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
            i += n;
            afterHour = false;
        } else if (l == u'h') {
            const int n = run(u'h');
            int h = t.hour();
            if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
            out += n == 1 ? QString::number(h) : two(h);
            i += n;
            afterHour = true;
        } else if (l == u'n') {
            const int n = run(u'n');
            out += n == 1 ? QString::number(t.minute()) : two(t.minute());
            i += n;
            afterHour = false;
        } else if (l == u's') {
            const int n = run(u's');
            out += n == 1 ? QString::number(t.second()) : two(t.second());
            i += n;
            afterHour = false;
        } else if (l == u'w') {
            const int n = run(u'w');
            out += n == 1 ? QString::number(d.dayOfWeek() % 7 + 1) : QString::number(weekOfYear(d));
            i += n;
            afterHour = false;
        } else if (l == u'q') {
            out += QString::number((d.month() - 1) / 3 + 1);
            ++i;
            afterHour = false;
        } else if (l == u'c') {
            out += Variant::date(serial).toString();
            ++i;
        } else if (l == u't' && run(u't') == 5) {
            out += longTime(t);
            i += 5;
        } else {
            out += c;   // "/", ":", blanks and any other character stand for themselves
            ++i;
        }
    }
    return out;
}

// ---- named formats ------------------------------------------------------------

std::optional<QString> namedFormat(const Variant& v, const QString& name, bool& handled) {
    handled = true;
    const QString n = name.trimmed().toLower();
    // A number outside the calendar raises 6, as the custom date formats do.
    auto serial = [&]() -> std::optional<double> {
        if (v.isString()) return regional::parseDate(v.stringValue());
        const double x = v.numberValue();
        if (!regional::serialInRange(x)) regional::raise(err::Overflow);
        return x;
    };
    auto number = [&]() -> std::optional<double> {
        if (v.isString()) return regional::parseNumber(v.stringValue());
        return v.numberValue();
    };
    if (n == u"general date") {
        if (auto s = serial()) return Variant::date(*s).toString();
    } else if (n == u"long date") {
        if (auto s = serial()) return longDate(regional::dateFromSerial(*s));
    } else if (n == u"medium date") {
        if (auto s = serial()) return formatDate(*s, QStringLiteral("dd-mmm-yy"));
    } else if (n == u"short date") {
        if (auto s = serial()) return shortDate(regional::dateFromSerial(*s));
    } else if (n == u"long time" || n == u"medium time") {
        if (auto s = serial()) return longTime(regional::timeFromSerial(*s));
    } else if (n == u"short time") {
        if (auto s = serial()) return formatDate(*s, QStringLiteral("hh:nn"));
    } else if (n == u"general number") {
        if (auto x = number()) return regional::generalNumber(*x);
    } else if (n == u"fixed") {
        if (auto x = number()) return formatNumber(*x, QStringLiteral("0.00"));
    } else if (n == u"standard") {
        if (auto x = number()) return formatNumber(*x, QStringLiteral("#,##0.00"));
    } else if (n == u"percent") {
        if (auto x = number()) return formatNumber(*x, QStringLiteral("0.00%"));
    } else if (n == u"currency") {
        if (auto x = number()) return formatNumber(*x, QStringLiteral("\"R$ \"#,##0.00;\"-R$ \"#,##0.00"));
    } else if (n == u"yes/no" || n == u"true/false" || n == u"on/off") {
        if (auto x = number()) {
            const bool on = *x != 0;
            if (n == u"yes/no") return on ? QStringLiteral("Sim") : QStringLiteral("Não");
            if (n == u"on/off") return on ? QStringLiteral("Ativado") : QStringLiteral("Desativado");
            return on ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
        }
    } else {
        handled = false;
        return std::nullopt;
    }
    return std::nullopt;   // a named format over a text that does not read
}

}  // namespace

QString Format(const Variant& v, const QString& fmt) {
    if (v.isNull() || v.isEmpty()) return QString();
    if (fmt.isEmpty()) return v.toString();

    bool named = false;
    if (auto s = namedFormat(v, fmt, named)) return *s;
    if (named) return v.stringValue();

    if (isDateFormat(fmt)) {
        double serial = 0;
        if (v.isString()) {
            if (auto d = regional::parseDate(v.stringValue())) serial = *d;
            else if (auto x = regional::parseNumber(v.stringValue())) serial = *x;
            else return v.stringValue();
        } else {
            serial = v.numberValue();
        }
        if (!regional::serialInRange(serial)) regional::raise(err::Overflow);
        return formatDate(serial, fmt);
    }
    double x = 0;
    if (v.isString()) {
        auto parsed = regional::parseNumber(v.stringValue());
        if (!parsed) return v.stringValue();
        x = *parsed;
    } else {
        x = v.numberValue();
    }
    return formatNumber(x, fmt);
}

}  // namespace vorna::rt
