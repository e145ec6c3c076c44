#include "platform/database/Criteria.h"

#include "platform/database/FieldValues.h"
#include "platform/database/TextRules.h"
#include "platform/runtime/RegionalText.h"

#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace vorna::db {

namespace {

struct Token {
    enum Kind { Name, Number, Text, Date, Symbol, End } kind = End;
    QString text;          // Name: the name; Text: the value; Symbol: the symbol
    bool bracketed = false;
    double number = 0;     // Number (isWhole tells an integer), Date (serial)
    bool isWhole = false;
    qint64 whole = 0;
};

[[noreturn]] void unreadable(const QString& criteria) {
    constexpr qsizetype Shown = 200;
    raise(err::SyntaxError, criteria.size() > Shown ? criteria.left(Shown) + u'\u2026' : criteria);
}

// Bounds well inside what SQLite parses (about 90 nested levels, an expression
// about 1,000 deep, 32,766 values), so a criteria beyond them is refused here as
// unreadable and a deep one cannot exhaust the stack of the recursive parser.
constexpr int MaxNesting = 50;     // NOT, parentheses and functions, counted together
constexpr int MaxJoins = 500;      // AND and OR between conditions
constexpr size_t MaxValues = 30000;
// Far more than any of the above needs; keeps an absurd text from being read whole.
constexpr size_t MaxTokens = 100000;

// Dates in criteria are written month first: #12/31/2024#, #12/31/2024 10:30#,
// or #2024-12-31#.
std::optional<double> criteriaDate(const QString& s) {
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*(\d{1,4})[/-](\d{1,2})[/-](\d{1,4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?\s*([AaPp][Mm])?)?\s*$)"));
    const auto m = re.match(s);
    if (!m.hasMatch()) return std::nullopt;
    int y, mo, d;
    if (m.capturedLength(1) == 4) {
        y = m.captured(1).toInt();
        mo = m.captured(2).toInt();
        d = m.captured(3).toInt();
    } else {
        mo = m.captured(1).toInt();
        d = m.captured(2).toInt();
        y = m.captured(3).toInt();
        if (m.capturedLength(3) <= 2) y += y < 30 ? 2000 : 1900;
    }
    int hh = m.captured(4).toInt(), mm = m.captured(5).toInt(), ss = m.captured(6).toInt();
    const QString ampm = m.captured(7).toUpper();
    if (ampm == u"PM" && hh < 12) hh += 12;
    if (ampm == u"AM" && hh == 12) hh = 0;
    const QDate date(y, mo, d);
    const QTime time(hh, mm, ss);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return regional::serialFromDate(date, time);
}

std::vector<Token> tokenize(const QString& c) {
    std::vector<Token> out;
    const qsizetype n = c.size();
    qsizetype i = 0;
    int open = 0;   // parentheses open: an IN list may add one to the nesting
    while (i < n) {
        const QChar ch = c[i];
        if (ch.isSpace()) {
            ++i;
            continue;
        }
        Token t;
        if (ch == u'[') {
            const qsizetype close = c.indexOf(u']', i + 1);
            if (close < 0 || close == i + 1) unreadable(c);
            t.kind = Token::Name;
            t.bracketed = true;
            t.text = c.mid(i + 1, close - i - 1);
            i = close + 1;
        } else if (ch.isLetter() || ch == u'_') {
            const qsizetype start = i;
            while (i < n && (c[i].isLetterOrNumber() || c[i] == u'_')) ++i;
            t.kind = Token::Name;
            t.text = c.mid(start, i - start);
        } else if (ch.isDigit() || (ch == u'.' && i + 1 < n && c[i + 1].isDigit())) {
            const qsizetype start = i;
            while (i < n && c[i].isDigit()) ++i;
            bool fraction = false;
            if (i < n && c[i] == u'.') {
                fraction = true;
                ++i;
                while (i < n && c[i].isDigit()) ++i;
            }
            if (i < n && (c[i].isLetter() || c[i] == u'_')) unreadable(c);
            const QString digits = c.mid(start, i - start);
            t.kind = Token::Number;
            bool ok = false;
            if (!fraction) t.whole = digits.toLongLong(&ok);
            t.isWhole = ok;
            t.number = digits.toDouble(&ok);
            if (!ok) unreadable(c);
        } else if (ch == u'\'' || ch == u'"') {
            // A doubled quote inside stands for one; an unmatched quote is unreadable.
            ++i;
            QString value;
            for (;;) {
                if (i >= n) unreadable(c);
                if (c[i] == ch) {
                    if (i + 1 < n && c[i + 1] == ch) {
                        value += ch;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += c[i++];
            }
            t.kind = Token::Text;
            t.text = value;
        } else if (ch == u'#') {
            const qsizetype close = c.indexOf(u'#', i + 1);
            if (close < 0) unreadable(c);
            const auto serial = criteriaDate(c.mid(i + 1, close - i - 1));
            if (!serial) unreadable(c);
            t.kind = Token::Date;
            t.number = *serial;
            i = close + 1;
        } else {
            static const QString two[] = {QStringLiteral("<>"), QStringLiteral("<="),
                                          QStringLiteral(">=")};
            t.kind = Token::Symbol;
            for (const QString& s : two)
                if (c.mid(i, 2) == s) t.text = s;
            if (t.text.isEmpty()) {
                if (!QStringLiteral("=<>(),.-").contains(ch)) unreadable(c);
                t.text = ch;
            }
            i += t.text.size();
            if (t.text == u"(" && ++open > MaxNesting + 1) unreadable(c);
            if (t.text == u")") --open;
        }
        if (out.size() >= MaxTokens) unreadable(c);
        out.push_back(std::move(t));
    }
    out.push_back(Token{});
    return out;
}

// The characters a LIKE pattern stands for when it has no wildcard, no set of
// several characters and no negated set: "[*]" is "*", "[]" is nothing.
std::optional<QString> literalPattern(const QString& pattern) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'*' || c == u'?' || c == u'#') return std::nullopt;
        if (c != u'[') {
            out += c;
            continue;
        }
        const qsizetype close = pattern.indexOf(u']', i + 1);
        if (close < 0) return std::nullopt;
        const qsizetype inside = close - i - 1;
        if (inside == 1) out += pattern[i + 1];
        else if (inside > 1) return std::nullopt;
        i = close;
    }
    return out;
}

bool isWholeNumber(FieldType t) { return t == FieldType::Long || t == FieldType::Integer; }

// What a value is compared as: the field's kind decides how a written value is
// bound and whether letter case is ignored.
enum class Kind { Text, Number, Date, YesNo, Any };

Kind kindOf(FieldType t) {
    switch (t) {
    case FieldType::Text:
    case FieldType::Memo: return Kind::Text;
    case FieldType::Long:
    case FieldType::Integer:
    case FieldType::Double:
    case FieldType::Currency: return Kind::Number;
    case FieldType::DateTime: return Kind::Date;
    case FieldType::YesNo: return Kind::YesNo;
    case FieldType::Other: return Kind::Any;
    }
    return Kind::Any;
}

struct Operand {
    bool literal = false;
    QByteArray sql;    // a column expression
    int field = -1;    // the one field it reads
    Kind kind = Kind::Any;
    Variant value;     // a literal: String, Long, Double, Date, Boolean or Null
};

class Parser {
public:
    Parser(const QString& criteria, const TableInfo& table)
        : criteria_(criteria), table_(table), tokens_(tokenize(criteria)) {}

    CompiledCriteria run() {
        if (peek().kind == Token::End) unreadable(criteria_);
        out_.sql += '(';
        parseOr();
        out_.sql += ')';
        if (peek().kind != Token::End) unreadable(criteria_);
        return std::move(out_);
    }

private:
    const Token& peek(int ahead = 0) const {
        const size_t k = std::min(pos_ + size_t(ahead), tokens_.size() - 1);
        return tokens_[k];
    }
    const Token& take() {
        const Token& t = tokens_[pos_];
        if (pos_ + 1 < tokens_.size()) ++pos_;
        return t;
    }
    bool isKeyword(const Token& t, const char* word) const {
        return t.kind == Token::Name && !t.bracketed && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(const Token& t, const char* s) const {
        return t.kind == Token::Symbol && t.text == QLatin1String(s);
    }
    bool acceptKeyword(const char* word) {
        if (!isKeyword(peek(), word)) return false;
        take();
        return true;
    }
    bool acceptSymbol(const char* s) {
        if (!isSymbol(peek(), s)) return false;
        take();
        return true;
    }
    void expectSymbol(const char* s) {
        if (!acceptSymbol(s)) unreadable(criteria_);
    }

    void join() {
        if (++joins_ > MaxJoins) unreadable(criteria_);
    }
    void parseOr() {
        // A pattern under OR (or NOT, below) does not bound the matches.
        const size_t patterns = out_.patterns.size();
        parseAnd();
        while (acceptKeyword("OR")) {
            join();
            out_.sql += " OR ";
            parseAnd();
            out_.patterns.resize(patterns);
        }
    }
    void parseAnd() {
        parseNot();
        while (acceptKeyword("AND")) {
            join();
            out_.sql += " AND ";
            parseNot();
        }
    }
    void parseNot() {
        const bool negation = isKeyword(peek(), "NOT");
        if (!negation && !isSymbol(peek(), "(")) {
            parsePredicate();
            return;
        }
        take();
        if (++nesting_ > MaxNesting) unreadable(criteria_);
        if (negation) {
            const size_t patterns = out_.patterns.size();
            out_.sql += "NOT ";
            parseNot();
            out_.patterns.resize(patterns);
        } else {
            out_.sql += '(';
            parseOr();
            expectSymbol(")");
            out_.sql += ')';
        }
        --nesting_;
    }

    void parsePredicate() {
        Operand left = parseOperand();
        const Token& t = peek();
        static const char* comparisons[] = {"=", "<>", "<", ">", "<=", ">="};
        for (const char* op : comparisons) {
            if (isSymbol(t, op)) {
                take();
                Operand right = parseOperand();
                emitComparison(left, op, right);
                return;
            }
        }
        bool negated = false;
        if (isKeyword(t, "NOT") && (isKeyword(peek(1), "LIKE") || isKeyword(peek(1), "BETWEEN") ||
                                    isKeyword(peek(1), "IN"))) {
            take();
            negated = true;
        }
        if (acceptKeyword("LIKE")) {
            Operand pattern = parseOperand();
            emitLike(left, pattern, negated);
        } else if (acceptKeyword("BETWEEN")) {
            Operand low = parseOperand();
            if (!acceptKeyword("AND")) unreadable(criteria_);
            Operand high = parseOperand();
            const Kind k = compareKind(left, low);
            emitOperand(left, k, true);
            out_.sql += negated ? " NOT BETWEEN " : " BETWEEN ";
            emitOperand(low, k, false);
            out_.sql += " AND ";
            emitOperand(high, k, false);
        } else if (acceptKeyword("IN")) {
            expectSymbol("(");
            std::vector<Operand> list{parseOperand()};
            while (acceptSymbol(",")) list.push_back(parseOperand());
            expectSymbol(")");
            const Kind k = compareKind(left, list.front());
            emitOperand(left, k, true);
            out_.sql += negated ? " NOT IN (" : " IN (";
            for (size_t i = 0; i < list.size(); ++i) {
                if (i) out_.sql += ',';
                emitOperand(list[i], k, false);
            }
            out_.sql += ')';
        } else if (negated) {
            unreadable(criteria_);
        } else if (acceptKeyword("IS")) {
            const bool isNot = acceptKeyword("NOT");
            if (!acceptKeyword("NULL")) unreadable(criteria_);
            emitOperand(left, left.kind, false);
            out_.sql += isNot ? " IS NOT NULL" : " IS NULL";
        } else if (left.kind == Kind::YesNo || left.kind == Kind::Number ||
                   (left.literal && left.value.type() == Variant::Type::Boolean)) {
            // A yes/no field (or True/False) standing alone as the condition.
            out_.sql += '(';
            emitOperand(left, Kind::Number, false);
            out_.sql += " <> 0)";
        } else {
            unreadable(criteria_);
        }
    }

    Operand parseOperand() {
        const Token t = take();
        Operand o;
        switch (t.kind) {
        case Token::Number:
            o.literal = true;
            o.kind = Kind::Number;
            o.value = t.isWhole && t.whole <= INT32_MAX ? Variant(int(t.whole)) : Variant(t.number);
            return o;
        case Token::Text:
            o.literal = true;
            o.kind = Kind::Text;
            o.value = Variant(t.text);
            return o;
        case Token::Date:
            o.literal = true;
            o.kind = Kind::Date;
            o.value = Variant::date(t.number);
            return o;
        case Token::Symbol:
            if (t.text == u"-" && peek().kind == Token::Number) {
                o = parseOperand();
                o.value = o.value.type() == Variant::Type::Long ? Variant(-o.value.toLong())
                                                                : Variant(-o.value.numberValue());
                return o;
            }
            unreadable(criteria_);
        case Token::Name:
            break;
        case Token::End:
            unreadable(criteria_);
        }
        if (!t.bracketed) {
            if (isKeyword(t, "NULL") || isKeyword(t, "TRUE") || isKeyword(t, "FALSE")) {
                o.literal = true;
                o.kind = isKeyword(t, "NULL") ? Kind::Any : Kind::YesNo;
                o.value = isKeyword(t, "NULL") ? Variant::null() : Variant(isKeyword(t, "TRUE"));
                return o;
            }
            if (isSymbol(peek(), "(")) return parseFunction(t.text);
            static const char* reserved[] = {"AND", "OR", "NOT", "LIKE", "IS", "BETWEEN", "IN"};
            for (const char* w : reserved)
                if (isKeyword(t, w)) unreadable(criteria_);
        }
        QString name = t.text;
        if (isSymbol(peek(), ".") && peek(1).kind == Token::Name) {
            // TABLE.FIELD: the table must be this one.
            if (name.compare(table_.name, Qt::CaseInsensitive) != 0) raise(err::UnknownName, name);
            take();
            name = take().text;
        }
        const int index = table_.indexOf(name);
        if (index < 0) raise(err::UnknownName, name);
        const FieldInfo& f = table_.fields[size_t(index)];
        o.sql = f.quoted;
        o.field = index;
        o.kind = kindOf(f.type);
        return o;
    }

    Operand parseFunction(const QString& name) {
        static const char* trims[][2] = {{"TRIM", "trim"}, {"LTRIM", "ltrim"}, {"RTRIM", "rtrim"}};
        for (const auto& [ours, sqlite] : trims) {
            if (name.compare(QLatin1String(ours), Qt::CaseInsensitive) != 0) continue;
            expectSymbol("(");
            if (++nesting_ > MaxNesting) unreadable(criteria_);
            Operand inner = parseOperand();
            --nesting_;
            expectSymbol(")");
            if (inner.literal) unreadable(criteria_);
            Operand o;
            o.kind = Kind::Text;
            o.sql = QByteArray(sqlite) + '(' + inner.sql + ",' ')";
            o.field = inner.field;
            return o;
        }
        unreadable(criteria_);
    }

    static Kind compareKind(const Operand& a, const Operand& b) {
        if (!a.literal) return a.kind;
        if (!b.literal) return b.kind;
        return Kind::Any;
    }

    void emitComparison(const Operand& left, const char* op, const Operand& right) {
        const Kind k = compareKind(left, right);
        emitOperand(left, k, true);
        out_.sql += ' ';
        out_.sql += op;
        out_.sql += ' ';
        emitOperand(right, k, false);
    }

    void emitLike(const Operand& value, const Operand& pattern, bool negated) {
        if (pattern.literal && !pattern.value.isNull()) {
            if (!text::LikePattern(pattern.value.toString()).valid()) unreadable(criteria_);
            // A pattern of literal characters only matches what the collation
            // calls equal, so it is written as an equality an index can serve.
            if (!value.literal && value.kind == Kind::Text) {
                if (const auto literal = literalPattern(pattern.value.toString())) {
                    Operand equal = pattern;
                    equal.value = Variant(*literal);
                    if (negated) out_.sql += "NOT ";
                    out_.sql += '(';
                    emitComparison(value, "=", equal);
                    out_.sql += ')';
                    return;
                }
            }
            // A whole number matches a pattern only through its text, so a pattern
            // that is exactly a number's own text (no leading zeros or blanks)
            // finds that number alone: an equality an index can serve.
            if (!value.literal && value.kind == Kind::Number && value.field >= 0 &&
                isWholeNumber(table_.fields[size_t(value.field)].type)) {
                const QString text = pattern.value.toString();
                bool ok = false;
                const int number = text.toInt(&ok);
                if (ok && QString::number(number) == text) {
                    Operand equal = pattern;
                    equal.value = Variant(number);
                    if (negated) out_.sql += "NOT ";
                    out_.sql += '(';
                    emitComparison(value, "=", equal);
                    out_.sql += ')';
                    return;
                }
            }
        }
        if (negated) out_.sql += "NOT ";
        const qsizetype start = out_.sql.size();
        const size_t firstParam = out_.params.size();
        out_.sql += text::LikeFunctionName;
        out_.sql += '(';
        emitOperand(pattern, Kind::Text, false);
        out_.sql += ',';
        emitOperand(value, value.kind, false);
        out_.sql += ')';
        if (!negated && pattern.literal && !value.literal && value.field >= 0)
            out_.patterns.push_back({value.field, out_.sql.mid(start), firstParam});
    }

    // Writes an operand compared as k; the first operand of a text comparison
    // carries the collation, so an index declared with it can serve the find.
    void emitOperand(const Operand& o, Kind k, bool first) {
        if (o.literal) {
            if (out_.params.size() >= MaxValues) unreadable(criteria_);
            out_.sql += '?';
            out_.params.push_back(bindable(o.value, k));
        } else {
            out_.sql += o.sql;
        }
        if (first && k == Kind::Text) {
            out_.sql += " COLLATE ";
            out_.sql += text::CollationName;
        }
    }

    SqlValue bindable(const Variant& v, Kind k) const {
        if (v.isNull()) return {};
        try {
            switch (k) {
            case Kind::Text:
                return v.toString().toUtf8();
            case Kind::Number:
                if (v.type() == Variant::Type::Long) return qint64(v.toLong());
                return v.toDouble();
            case Kind::Date:
                return storedDateText(v.toDate());
            case Kind::YesNo:
                return qint64(v.toBool() ? 1 : 0);
            case Kind::Any:
                switch (v.type()) {
                case Variant::Type::String: return v.stringValue().toUtf8();
                case Variant::Type::Long: return qint64(v.toLong());
                case Variant::Type::Boolean: return qint64(v.toBool() ? 1 : 0);
                case Variant::Type::Date: return storedDateText(v.toDate());
                default: return v.numberValue();
                }
            }
        } catch (const EngineError&) {
            raise(err::CriteriaTypeMismatch, criteria_);
        }
        return {};
    }

    const QString& criteria_;
    const TableInfo& table_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
    int nesting_ = 0;
    int joins_ = 0;
    CompiledCriteria out_;
};

}  // namespace

CompiledCriteria compileCriteria(const QString& criteria, const TableInfo& table) {
    return Parser(criteria, table).run();
}

}  // namespace vorna::db
