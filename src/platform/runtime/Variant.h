#pragma once
#include <QString>
#include <QDateTime>
#include <cstdint>
#include <variant>

namespace vorna {

// The runtime's variant: empty until set, then Null or a typed value. Dates are
// held as the runtime holds them: days since 30/12/1899, the time as the fraction.
class Variant {
public:
    enum class Type { Empty, Null, Integer, Long, Double, Currency, Date, String, Boolean };

    Variant() = default;                   // Empty
    Variant(int v);                        // Long (32-bit)
    Variant(double v);                     // Double
    Variant(bool v);                       // Boolean
    Variant(const QString& v);             // String
    Variant(const char* utf8);             // String
    static Variant null();
    static Variant integer(int16_t v);     // Integer (16-bit)
    static Variant currency(double v);     // Currency, kept to 4 decimals
    static Variant date(double serial);    // Date from its serial number
    static Variant date(const QDate& d, const QTime& t = QTime(0, 0));
    static Variant date(const QDateTime& dt);

    Type type() const { return type_; }
    bool isEmpty() const { return type_ == Type::Empty; }
    bool isNull() const { return type_ == Type::Null; }
    bool isString() const { return type_ == Type::String; }
    bool isDate() const { return type_ == Type::Date; }
    bool isNumeric() const;                // Integer, Long, Double, Currency, Boolean, Date excluded

    // Raw access without conversion (the caller has checked the type).
    const QString& stringValue() const;
    double numberValue() const;            // any numeric type, Date as its serial, Boolean as -1/0
    QDateTime dateTimeValue() const;       // Date only

    // Conversions with the runtime's rules; they throw EngineError 13 (or 94 for Null,
    // 6 for overflow) where the runtime raises.
    QString toString() const;              // CStr; Empty gives ""
    double toDouble() const;               // CDbl
    int32_t toLong() const;                // CLng, half to even
    int16_t toInteger() const;             // CInt, half to even
    bool toBool() const;                   // CBool
    double toDate() const;                 // CDate, as a serial

    // Comparison as the runtime's = and <> in an If: a Null on either side makes
    // both false. Numbers compare as numbers, texts as texts (exactly, letter case
    // included), Empty as "" against a text and as 0 against a number; a number
    // against a text that is not a number is unequal.
    friend bool operator==(const Variant& a, const Variant& b);
    friend bool operator!=(const Variant& a, const Variant& b);
    // Ordering for <, <=, >, >= with the same rules; false with a Null.
    friend bool operator<(const Variant& a, const Variant& b);
    friend bool operator>(const Variant& a, const Variant& b);
    friend bool operator<=(const Variant& a, const Variant& b);
    friend bool operator>=(const Variant& a, const Variant& b);

    // Same type and same value, Null equal to Null: for containers and tests.
    bool identical(const Variant& other) const;

private:
    Type type_ = Type::Empty;
    std::variant<std::monostate, int32_t, double, bool, QString> value_;
};

// For test output.
std::ostream& operator<<(std::ostream& os, const Variant& v);
const char* typeName(Variant::Type t);

}  // namespace vorna
