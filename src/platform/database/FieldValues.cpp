#include "platform/database/FieldValues.h"

#include "platform/runtime/RegionalText.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace vorna::db {

QByteArray storedDateText(double serial) {
    // Whole seconds: the fraction of a day carries rounding noise.
    const double seconds = std::round(serial * 86400.0);
    const double day = std::floor(seconds / 86400.0);
    const int inDay = int(seconds - day * 86400.0);
    const QDate d = regional::dateFromSerial(day);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(),
                  inDay / 3600, inDay / 60 % 60, inDay % 60);
    return QByteArray(buf);
}

std::optional<double> serialFromStoredText(const char* t, int len) {
    auto digits = [&](int from, int count) -> int {
        if (from + count > len) return -1;
        int v = 0;
        for (int i = from; i < from + count; ++i) {
            if (t[i] < '0' || t[i] > '9') return -1;
            v = v * 10 + (t[i] - '0');
        }
        return v;
    };
    if (len < 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
    const int y = digits(0, 4), m = digits(5, 2), d = digits(8, 2);
    if (y < 0 || m < 0 || d < 0) return std::nullopt;
    const QDate date(y, m, d);
    if (!date.isValid()) return std::nullopt;
    int hh = 0, mm = 0, ss = 0;
    if (len > 10) {
        if ((t[10] != ' ' && t[10] != 'T') || len < 16 || t[13] != ':') return std::nullopt;
        hh = digits(11, 2);
        mm = digits(14, 2);
        if (len >= 19 && t[16] == ':') ss = digits(17, 2);
        if (hh < 0 || mm < 0 || ss < 0) return std::nullopt;
    }
    return regional::serialFromDate(date, QTime(hh, mm, ss));
}

namespace {
// A field's length counts characters: a character beyond the 16-bit range is
// one, though QString holds it in two units.
qsizetype characterCount(const QString& s) {
    qsizetype n = s.size();
    for (QChar ch : s) n -= ch.isLowSurrogate() ? 1 : 0;
    return n;
}
}  // namespace

SqlValue storedValue(const FieldInfo& f, const Variant& v) {
    if (v.isNull() || v.isEmpty()) return {};
    switch (f.type) {
    case FieldType::Text:
    case FieldType::Memo: {
        const QString s = v.toString();
        if (f.type == FieldType::Text && characterCount(s) > f.size) raise(err::FieldTooSmall, f.name);
        return s.toUtf8();
    }
    case FieldType::Long: return qint64(v.toLong());
    case FieldType::Integer: return qint64(v.toInteger());
    case FieldType::Double: return v.toDouble();
    case FieldType::Currency: return Variant::currency(v.toDouble()).numberValue();
    case FieldType::DateTime: return storedDateText(v.toDate());
    case FieldType::YesNo: return qint64(v.toBool() ? 1 : 0);
    case FieldType::Other: break;
    }
    switch (v.type()) {
    case Variant::Type::String: return v.stringValue().toUtf8();
    case Variant::Type::Integer:
    case Variant::Type::Long: return qint64(v.toLong());
    case Variant::Type::Boolean: return qint64(v.toBool() ? 1 : 0);
    case Variant::Type::Date: return storedDateText(v.toDate());
    default: return v.numberValue();
    }
}

Variant variantFromStored(const FieldInfo& f, const SqlValue& v) {
    if (std::holds_alternative<std::monostate>(v)) return Variant::null();
    if (auto i = std::get_if<qint64>(&v)) {
        switch (f.type) {
        case FieldType::Integer: return Variant::integer(int16_t(*i));
        case FieldType::YesNo: return Variant(*i != 0);
        case FieldType::Double: return Variant(double(*i));
        case FieldType::Currency: return Variant::currency(double(*i));
        default: return Variant(int(*i));
        }
    }
    if (auto d = std::get_if<double>(&v)) {
        if (f.type == FieldType::Currency) return Variant::currency(*d);
        return Variant(*d);
    }
    const QByteArray& t = std::get<QByteArray>(v);
    if (f.type == FieldType::DateTime) {
        if (auto serial = serialFromStoredText(t.constData(), int(t.size()))) return Variant::date(*serial);
    }
    return Variant(QString::fromUtf8(t));
}

void RowBlock::append(sqlite3_stmt* s) {
    rowids.push_back(sqlite3_column_int64(s, 0));
    for (size_t i = 1; i <= columns; ++i) {
        Cell c;
        c.type = sqlite3_column_type(s, int(i));
        switch (c.type) {
        case SQLITE_INTEGER: c.integer = sqlite3_column_int64(s, int(i)); break;
        case SQLITE_FLOAT: c.real = sqlite3_column_double(s, int(i)); break;
        case SQLITE_NULL: c.integer = 0; break;
        default: {
            c.type = SQLITE_TEXT;
            auto p = reinterpret_cast<const char*>(sqlite3_column_text(s, int(i)));
            c.length = sqlite3_column_bytes(s, int(i));
            c.offset = qint64(bytes.size());
            bytes.append(p, size_t(c.length));
        }
        }
        cells.push_back(c);
    }
}

namespace {
qint64 wholeOf(const Cell& c, const std::string& bytes) {
    if (c.type == SQLITE_INTEGER) return c.integer;
    if (c.type == SQLITE_FLOAT) return qint64(c.real);
    return QByteArray::fromRawData(bytes.data() + c.offset, c.length).toLongLong();
}
double realOf(const Cell& c, const std::string& bytes) {
    if (c.type == SQLITE_INTEGER) return double(c.integer);
    if (c.type == SQLITE_FLOAT) return c.real;
    return QByteArray::fromRawData(bytes.data() + c.offset, c.length).toDouble();
}
QString textOf(const Cell& c, const std::string& bytes) {
    if (c.type == SQLITE_INTEGER) return QString::number(c.integer);
    if (c.type == SQLITE_FLOAT) return QString::number(c.real, 'g', 17);
    return QString::fromUtf8(bytes.data() + c.offset, c.length);
}
Variant wholeVariant(qint64 i) {
    if (i >= std::numeric_limits<int32_t>::min() && i <= std::numeric_limits<int32_t>::max())
        return Variant(int(i));
    return Variant(double(i));
}
}  // namespace

SqlValue sqlValueOfCell(const Cell& c, const std::string& bytes) {
    switch (c.type) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return c.integer;
    case SQLITE_FLOAT: return c.real;
    default: return QByteArray(bytes.data() + c.offset, c.length);
    }
}

Variant variantFromCell(const FieldInfo& f, const Cell& c, const std::string& bytes) {
    if (c.type == SQLITE_NULL) return Variant::null();
    switch (f.type) {
    case FieldType::Text:
    case FieldType::Memo: return Variant(textOf(c, bytes));
    case FieldType::Long: return wholeVariant(wholeOf(c, bytes));
    case FieldType::Integer: {
        const qint64 i = wholeOf(c, bytes);
        if (i >= std::numeric_limits<int16_t>::min() && i <= std::numeric_limits<int16_t>::max())
            return Variant::integer(int16_t(i));
        return wholeVariant(i);
    }
    case FieldType::Double: return Variant(realOf(c, bytes));
    case FieldType::Currency: return Variant::currency(realOf(c, bytes));
    case FieldType::DateTime:
        if (c.type == SQLITE_TEXT) {
            if (auto serial = serialFromStoredText(bytes.data() + c.offset, c.length)) return Variant::date(*serial);
            return Variant(textOf(c, bytes));
        }
        return Variant::date(realOf(c, bytes));
    case FieldType::YesNo: return Variant(realOf(c, bytes) != 0);
    case FieldType::Other: break;
    }
    switch (c.type) {
    case SQLITE_INTEGER: return wholeVariant(c.integer);
    case SQLITE_FLOAT: return Variant(c.real);
    default: return Variant(textOf(c, bytes));
    }
}

}  // namespace vorna::db
