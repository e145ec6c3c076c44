#include "platform/runtime/Variant.h"

#include "platform/runtime/EngineError.h"
#include "platform/runtime/RegionalText.h"

#include <cmath>
#include <limits>
#include <ostream>

namespace vorna {

using regional::raise;

Variant::Variant(int v) : type_(Type::Long), value_(int32_t(v)) {}
Variant::Variant(double v) : type_(Type::Double), value_(v) {}
Variant::Variant(bool v) : type_(Type::Boolean), value_(v) {}
Variant::Variant(const QString& v) : type_(Type::String), value_(v) {}
Variant::Variant(const char* utf8) : type_(Type::String), value_(QString::fromUtf8(utf8)) {}

Variant Variant::null() {
    Variant v;
    v.type_ = Type::Null;
    return v;
}

Variant Variant::integer(int16_t i) {
    Variant v;
    v.type_ = Type::Integer;
    v.value_ = int32_t(i);
    return v;
}

Variant Variant::currency(double amount) {
    Variant v;
    v.type_ = Type::Currency;
    v.value_ = regional::roundHalfEven(amount * 10000.0) / 10000.0;
    return v;
}

Variant Variant::date(double serial) {
    Variant v;
    v.type_ = Type::Date;
    v.value_ = serial;
    return v;
}

Variant Variant::date(const QDate& d, const QTime& t) {
    return date(regional::serialFromDate(d, t));
}

Variant Variant::date(const QDateTime& dt) { return date(dt.date(), dt.time()); }

bool Variant::isNumeric() const {
    switch (type_) {
    case Type::Integer:
    case Type::Long:
    case Type::Double:
    case Type::Currency:
    case Type::Boolean:
        return true;
    default:
        return false;
    }
}

const QString& Variant::stringValue() const {
    static const QString empty;
    if (const QString* s = std::get_if<QString>(&value_)) return *s;
    return empty;
}

double Variant::numberValue() const {
    switch (type_) {
    case Type::Integer:
    case Type::Long:
        return std::get<int32_t>(value_);
    case Type::Double:
    case Type::Currency:
    case Type::Date:
        return std::get<double>(value_);
    case Type::Boolean:
        return std::get<bool>(value_) ? -1.0 : 0.0;
    default:
        return 0.0;
    }
}

QDateTime Variant::dateTimeValue() const {
    if (type_ != Type::Date) return {};
    return regional::dateTimeFromSerial(std::get<double>(value_));
}

namespace {

QString dateText(double serial) {
    const QDate d = regional::dateFromSerial(serial);
    const QTime t = regional::timeFromSerial(serial);
    const QString time = t.toString(QStringLiteral("HH:mm:ss"));
    // The runtime shows the base day's serials as a time alone.
    if (std::trunc(serial) == 0 && d == QDate(1899, 12, 30)) return time;
    const QString day = QStringLiteral("%1/%2/%3")
                            .arg(d.day(), 2, 10, QLatin1Char('0'))
                            .arg(d.month(), 2, 10, QLatin1Char('0'))
                            .arg(d.year(), 4, 10, QLatin1Char('0'));
    if (t == QTime(0, 0)) return day;
    return day + u' ' + time;
}

}  // namespace

QString Variant::toString() const {
    switch (type_) {
    case Type::Empty:
        return {};
    case Type::Null:
        raise(err::InvalidUseOfNull);
    case Type::Integer:
    case Type::Long:
        return QString::number(std::get<int32_t>(value_));
    case Type::Double:
    case Type::Currency:
        return regional::generalNumber(std::get<double>(value_));
    case Type::Date:
        return dateText(std::get<double>(value_));
    case Type::String:
        return std::get<QString>(value_);
    case Type::Boolean:
        return std::get<bool>(value_) ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
    }
    return {};
}

double Variant::toDouble() const {
    switch (type_) {
    case Type::Empty:
        return 0.0;
    case Type::Null:
        raise(err::InvalidUseOfNull);
    case Type::String: {
        // A date text is not a number here: an amount box holding one must fail.
        if (auto v = regional::parseNumber(std::get<QString>(value_))) return *v;
        raise(err::TypeMismatch);
    }
    default:
        return numberValue();
    }
}

namespace {
template <typename T>
T roundedWhole(double v) {
    const double r = regional::roundHalfEven(v);
    if (!std::isfinite(r) || r < double(std::numeric_limits<T>::min()) ||
        r > double(std::numeric_limits<T>::max()))
        raise(err::Overflow);
    return T(r);
}
}  // namespace

int32_t Variant::toLong() const {
    if (type_ == Type::Integer || type_ == Type::Long) return std::get<int32_t>(value_);
    return roundedWhole<int32_t>(toDouble());
}

int16_t Variant::toInteger() const {
    return roundedWhole<int16_t>(type_ == Type::Integer || type_ == Type::Long
                                     ? double(std::get<int32_t>(value_))
                                     : toDouble());
}

bool Variant::toBool() const {
    switch (type_) {
    case Type::Empty:
        return false;
    case Type::Null:
        raise(err::InvalidUseOfNull);
    case Type::Boolean:
        return std::get<bool>(value_);
    case Type::String: {
        const QString s = std::get<QString>(value_).trimmed();
        if (s.compare(QStringLiteral("Verdadeiro"), Qt::CaseInsensitive) == 0 ||
            s.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (s.compare(QStringLiteral("Falso"), Qt::CaseInsensitive) == 0 ||
            s.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
            return false;
        if (auto v = regional::parseNumber(s)) return *v != 0.0;
        raise(err::TypeMismatch);
    }
    default:
        return numberValue() != 0.0;
    }
}

double Variant::toDate() const {
    double serial = 0.0;
    switch (type_) {
    case Type::Empty:
        return 0.0;
    case Type::Null:
        raise(err::InvalidUseOfNull);
    case Type::String: {
        const QString& s = std::get<QString>(value_);
        if (auto d = regional::parseDate(s)) return *d;
        if (auto n = regional::parseNumber(s)) {
            serial = *n;
            break;
        }
        raise(err::TypeMismatch);
    }
    default:
        serial = numberValue();
    }
    if (!regional::serialInRange(serial)) raise(err::Overflow);
    return serial;
}

// ---- comparison -------------------------------------------------------------

namespace {

enum class Order { Less, Equal, Greater, Unordered };

Order compareNumbers(double a, double b) {
    if (a < b) return Order::Less;
    if (a > b) return Order::Greater;
    return Order::Equal;
}

Order compareTexts(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseSensitive);
    return c < 0 ? Order::Less : c > 0 ? Order::Greater : Order::Equal;
}

bool isNumberLike(const Variant& v) { return v.isNumeric() || v.isDate(); }

// A number against a text: the text counts as its number when it reads as one
// (a date text against a date); otherwise the two are unequal and the number
// sorts first.
Order compareNumberWithText(const Variant& number, const QString& text, bool numberOnLeft) {
    std::optional<double> t = number.isDate() ? regional::parseDate(text) : std::nullopt;
    if (!t) t = regional::parseNumber(text);
    if (!t) return numberOnLeft ? Order::Less : Order::Greater;
    const Order o = compareNumbers(number.numberValue(), *t);
    if (numberOnLeft || o == Order::Equal) return o;
    return o == Order::Less ? Order::Greater : Order::Less;
}

Order compare(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return Order::Unordered;
    if (a.isEmpty() && b.isEmpty()) return Order::Equal;
    if (a.isEmpty()) {
        if (b.isString()) return compareTexts(QString(), b.stringValue());
        return compareNumbers(0.0, b.numberValue());
    }
    if (b.isEmpty()) {
        if (a.isString()) return compareTexts(a.stringValue(), QString());
        return compareNumbers(a.numberValue(), 0.0);
    }
    if (a.isString() && b.isString()) return compareTexts(a.stringValue(), b.stringValue());
    if (isNumberLike(a) && isNumberLike(b)) return compareNumbers(a.numberValue(), b.numberValue());
    if (a.isString()) return compareNumberWithText(b, a.stringValue(), false);
    return compareNumberWithText(a, b.stringValue(), true);
}

}  // namespace

bool operator==(const Variant& a, const Variant& b) { return compare(a, b) == Order::Equal; }
bool operator!=(const Variant& a, const Variant& b) {
    const Order o = compare(a, b);
    return o == Order::Less || o == Order::Greater;
}
bool operator<(const Variant& a, const Variant& b) { return compare(a, b) == Order::Less; }
bool operator>(const Variant& a, const Variant& b) { return compare(a, b) == Order::Greater; }
bool operator<=(const Variant& a, const Variant& b) {
    const Order o = compare(a, b);
    return o == Order::Less || o == Order::Equal;
}
bool operator>=(const Variant& a, const Variant& b) {
    const Order o = compare(a, b);
    return o == Order::Greater || o == Order::Equal;
}

bool Variant::identical(const Variant& other) const {
    return type_ == other.type_ && value_ == other.value_;
}

const char* typeName(Variant::Type t) {
    switch (t) {
    case Variant::Type::Empty: return "Empty";
    case Variant::Type::Null: return "Null";
    case Variant::Type::Integer: return "Integer";
    case Variant::Type::Long: return "Long";
    case Variant::Type::Double: return "Double";
    case Variant::Type::Currency: return "Currency";
    case Variant::Type::Date: return "Date";
    case Variant::Type::String: return "String";
    case Variant::Type::Boolean: return "Boolean";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& os, const Variant& v) {
    os << typeName(v.type());
    switch (v.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        return os;
    case Variant::Type::String:
        return os << "(\"" << v.stringValue().toStdString() << "\")";
    default:
        return os << '(' << v.toString().toStdString() << ')';
    }
}

}  // namespace vorna
