#include "platform/report/Formula.h"

#include "platform/database/CriteriaText.h"

#include <QStringList>
#include <algorithm>

namespace vorna::report {

FormulaError::FormulaError(const QString& message, int position)
    : std::runtime_error(message.toStdString()), message_(message), position_(position)
{
}

namespace {

struct Token {
    enum class Type { End, Number, Text, Field, Named, Word, Symbol };
    Type type = Type::End;
    QString text;    // word, symbol, text constant, table or formula name
    QString field;   // the field of a {TABLE.FIELD}
    double number = 0;
    int position = 0;   // 1-based
};

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

QString describe(const Token& t)
{
    switch (t.type) {
    case Token::Type::End: return QStringLiteral("o fim da fórmula");
    case Token::Type::Text: return QStringLiteral("o texto '%1'").arg(t.text);
    case Token::Type::Field: return QStringLiteral("{%1.%2}").arg(t.text, t.field);
    case Token::Type::Named: return QStringLiteral("{@%1}").arg(t.text);
    default: return QStringLiteral("\"%1\"").arg(t.text);
    }
}

// The token that starts at i (blanks skipped), i moving past it. The parser
// reads one token at a time, so a text nested too deep is refused where the
// nesting passes the limit, without reading the rest.
Token lex(const QString& s, qsizetype& i)
{
    const qsizetype n = s.size();
    while (i < n && s[i].isSpace())
        ++i;
    Token t;
    t.position = int(i + 1);
    if (i >= n)
        return t;
    const QChar c = s[i];
    if (c.isDigit() || (c == u'.' && i + 1 < n && s[i + 1].isDigit())) {
        qsizetype j = i;
        while (j < n && s[j].isDigit())
            ++j;
        if (j < n && s[j] == u'.') {
            ++j;
            while (j < n && s[j].isDigit())
                ++j;
        }
        if (j < n && isWordChar(s[j]))
            throw FormulaError(QStringLiteral("número mal escrito: \"%1\"").arg(s.mid(i, j - i + 1)),
                               t.position);
        t.type = Token::Type::Number;
        t.text = s.mid(i, j - i);
        t.number = t.text.toDouble();
        i = j;
    } else if (c == u'\'' || c == u'"') {
        // A doubled quote stands for one quote inside the text.
        QString value;
        qsizetype j = i + 1;
        bool closed = false;
        while (j < n) {
            if (s[j] == c) {
                if (j + 1 < n && s[j + 1] == c) {
                    value += c;
                    j += 2;
                    continue;
                }
                closed = true;
                break;
            }
            value += s[j++];
        }
        if (!closed)
            throw FormulaError(QStringLiteral("texto sem aspas de fechamento"), t.position);
        t.type = Token::Type::Text;
        t.text = value;
        i = j + 1;
    } else if (c == u'{') {
        const qsizetype close = s.indexOf(u'}', i + 1);
        if (close < 0)
            throw FormulaError(QStringLiteral("falta a chave de fechamento \"}\""), t.position);
        const QString inner = s.mid(i + 1, close - i - 1).trimmed();
        if (inner.startsWith(u'@')) {
            t.type = Token::Type::Named;
            t.text = inner.mid(1).trimmed();
            if (t.text.isEmpty() || !std::all_of(t.text.begin(), t.text.end(), isWordChar))
                throw FormulaError(QStringLiteral("nome de fórmula mal escrito: {%1}").arg(inner),
                                   t.position);
        } else {
            const qsizetype dot = inner.indexOf(u'.');
            t.type = Token::Type::Field;
            t.text = inner.left(dot).trimmed();
            t.field = inner.mid(dot + 1).trimmed();
            if (dot < 0 || t.text.isEmpty() || t.field.isEmpty())
                throw FormulaError(QStringLiteral("campo mal escrito: {%1} (use {TABELA.CAMPO})").arg(inner),
                                   t.position);
        }
        i = close + 1;
    } else if (isWordChar(c)) {
        qsizetype j = i;
        while (j < n && isWordChar(s[j]))
            ++j;
        t.type = Token::Type::Word;
        t.text = s.mid(i, j - i);
        i = j;
    } else {
        static const QString twoChar[] = {QStringLiteral("<>"), QStringLiteral("<="),
                                          QStringLiteral(">=")};
        t.type = Token::Type::Symbol;
        t.text = QString(c);
        for (const QString& op : twoChar)
            if (s.mid(i, 2) == op)
                t.text = op;
        if (!QStringLiteral("=<>(),-").contains(c))
            throw FormulaError(QStringLiteral("caractere inesperado \"%1\"").arg(c), t.position);
        i += t.text.size();
    }
    return t;
}

class Parser {
public:
    explicit Parser(const QString& text) : text_(text) { current_ = lex(text_, at_); }

    Formula parseWhole()
    {
        Formula f = orExpr();
        if (peek().type != Token::Type::End)
            throw FormulaError(QStringLiteral("sobra texto a partir de %1").arg(describe(peek())),
                               peek().position);
        return f;
    }

    // A text error further on (an apostrophe typed inside a text) tells more than
    // what the parser met first: the rest is read for one after a parse error.
    // Not after a limit: a huge text is refused without reading it.
    void readRest()
    {
        if (!limitReached_)
            while (next().type != Token::Type::End) {
            }
    }

    const Token& peek() const { return current_; }
    Token next()
    {
        Token t = current_;
        if (t.type != Token::Type::End)
            current_ = lex(text_, at_);
        return t;
    }

    bool isWord(const char* w) const
    {
        return peek().type == Token::Type::Word && peek().text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(const char* s) const
    {
        return peek().type == Token::Type::Symbol && peek().text == QLatin1String(s);
    }
    void expectSymbol(const char* s)
    {
        if (!isSymbol(s))
            throw FormulaError(QStringLiteral("esperado \"%1\" em vez de %2").arg(QLatin1String(s), describe(peek())),
                               peek().position);
        next();
    }

private:
    static std::shared_ptr<FormulaNode> node(FormulaNode::Kind kind, int position)
    {
        auto n = std::make_shared<FormulaNode>();
        n->kind = kind;
        n->position = position;
        return n;
    }

    // Limits far above any formula the program builds: an absurd text is
    // refused instead of exhausting the stack (reading it or freeing its tree),
    // and SQLite takes whatever the parser takes: its own parser stops at about
    // a hundred pending symbols, three or so for each level of sqlNesting.
    static constexpr int MaxNesting = 50;
    static constexpr int MaxJoins = 500;
    static constexpr int MaxSqlNesting = 24;

    // The node with its arguments, refused when its SQL would nest too deep.
    Formula done(const std::shared_ptr<FormulaNode>& n)
    {
        int inner = 0;
        for (const Formula& a : n->args)
            inner = std::max(inner, a->sqlNesting);
        n->sqlNesting = inner + sqlLevels(n->kind);
        if (n->sqlNesting > MaxSqlNesting) {
            limitReached_ = true;
            throw FormulaError(QStringLiteral("aninhamento profundo demais"), n->position);
        }
        return n;
    }
    class Deeper {
    public:
        Deeper(Parser& p) : p_(p)
        {
            if (++p_.depth_ > MaxNesting) {
                --p_.depth_;
                p_.limitReached_ = true;
                throw FormulaError(QStringLiteral("aninhamento profundo demais"), p_.peek().position);
            }
        }
        ~Deeper() { --p_.depth_; }
        Deeper(const Deeper&) = delete;
        Deeper& operator=(const Deeper&) = delete;

    private:
        Parser& p_;
    };
    int joinAt()
    {
        if (++joins_ > MaxJoins) {
            limitReached_ = true;
            throw FormulaError(QStringLiteral("condições demais"), peek().position);
        }
        return next().position;
    }

    // A run of one operator is one node with every term: its SQL stays as flat.
    Formula orExpr()
    {
        Deeper deeper(*this);
        Formula first = andExpr();
        if (!isWord("or"))
            return first;
        auto n = node(FormulaNode::Kind::Or, peek().position);
        n->args = {first};
        while (isWord("or")) {
            joinAt();
            n->args.push_back(andExpr());
        }
        return done(n);
    }

    Formula andExpr()
    {
        Formula first = notExpr();
        if (!isWord("and"))
            return first;
        auto n = node(FormulaNode::Kind::And, peek().position);
        n->args = {first};
        while (isWord("and")) {
            joinAt();
            n->args.push_back(notExpr());
        }
        return done(n);
    }

    Formula notExpr()
    {
        if (isWord("not")) {
            Deeper deeper(*this);
            auto n = node(FormulaNode::Kind::Not, next().position);
            n->args = {notExpr()};
            return done(n);
        }
        return comparison();
    }

    Formula comparison()
    {
        Formula left = operand();
        static const std::pair<const char*, FormulaNode::Op> ops[] = {
            {"=", FormulaNode::Op::Eq}, {"<>", FormulaNode::Op::Ne}, {"<", FormulaNode::Op::Lt},
            {">", FormulaNode::Op::Gt}, {"<=", FormulaNode::Op::Le}, {">=", FormulaNode::Op::Ge}};
        for (const auto& [symbol, op] : ops) {
            if (isSymbol(symbol)) {
                auto n = node(FormulaNode::Kind::Compare, next().position);
                n->op = op;
                n->args = {left, operand()};
                return done(n);
            }
        }
        if (isWord("in")) {
            auto n = node(FormulaNode::Kind::InRange, next().position);
            Formula low = operand();
            if (!isWord("to"))
                throw FormulaError(QStringLiteral("esperado \"to\" em vez de %1").arg(describe(peek())),
                                   peek().position);
            next();
            n->args = {left, low, operand()};
            return done(n);
        }
        return left;
    }

    Formula operand()
    {
        if (isSymbol("-")) {
            Deeper deeper(*this);
            auto n = node(FormulaNode::Kind::Negate, next().position);
            n->args = {operand()};
            return done(n);
        }
        return primary();
    }

    Formula primary()
    {
        const Token t = next();
        switch (t.type) {
        case Token::Type::Number: {
            auto n = node(FormulaNode::Kind::Number, t.position);
            n->number = t.number;
            return n;
        }
        case Token::Type::Text: {
            auto n = node(FormulaNode::Kind::Text, t.position);
            n->text = t.text;
            return n;
        }
        case Token::Type::Field: {
            auto n = node(FormulaNode::Kind::Field, t.position);
            n->text = t.text;
            n->field = t.field;
            return done(n);
        }
        case Token::Type::Named: {
            auto n = node(FormulaNode::Kind::Named, t.position);
            n->text = t.text;
            return done(n);
        }
        case Token::Type::Symbol:
            if (t.text == u'(') {
                Formula inner = orExpr();
                expectSymbol(")");
                return inner;
            }
            break;
        case Token::Type::Word:
            return call(t);
        case Token::Type::End:
            break;
        }
        throw FormulaError(QStringLiteral("esperado um valor em vez de %1").arg(describe(t)), t.position);
    }

    Formula call(const Token& name)
    {
        if (name.text.compare(QLatin1String("CurrentDate"), Qt::CaseInsensitive) == 0)
            return node(FormulaNode::Kind::Today, name.position);
        static const std::pair<const char*, std::pair<FormulaNode::Kind, int>> functions[] = {
            {"Date", {FormulaNode::Kind::DateOf, 3}}, {"day", {FormulaNode::Kind::Day, 1}},
            {"month", {FormulaNode::Kind::Month, 1}},  {"year", {FormulaNode::Kind::Year, 1}},
            {"IsNull", {FormulaNode::Kind::IsNull, 1}}};
        for (const auto& [fname, shape] : functions) {
            if (name.text.compare(QLatin1String(fname), Qt::CaseInsensitive) != 0)
                continue;
            auto n = node(shape.first, name.position);
            expectSymbol("(");
            for (int i = 0; i < shape.second; ++i) {
                if (i > 0)
                    expectSymbol(",");
                n->args.push_back(orExpr());
            }
            expectSymbol(")");
            return done(n);
        }
        throw FormulaError(QStringLiteral("palavra desconhecida \"%1\"").arg(name.text), name.position);
    }

    const QString& text_;
    qsizetype at_ = 0;
    Token current_;
    int depth_ = 0;
    int joins_ = 0;
    bool limitReached_ = false;
};

}  // namespace

int sqlLevels(FormulaNode::Kind kind)
{
    using K = FormulaNode::Kind;
    switch (kind) {
    case K::Number:
    case K::Text:
    case K::Today: return 0;
    case K::Day:   // CAST(substr(x, ...) AS INTEGER)
    case K::Month:
    case K::Year:
    case K::DateOf: return 2;   // printf(..., CAST(x AS INTEGER), ...)
    default: return 1;   // (x ...), a yes/no field as (F <> 0), a named formula at least
    }
}

namespace {

QString numberText(double v)
{
    return QString::number(v, 'g', 15);
}

}  // namespace

Formula parseFormula(const QString& text)
{
    if (text.trimmed().isEmpty())
        return nullptr;
    Parser p(text);
    try {
        return p.parseWhole();
    } catch (const FormulaError&) {
        p.readRest();
        throw;
    }
}

FormulaAssignment parseAssignment(const QString& text)
{
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0)
        throw FormulaError(QStringLiteral("falta o sinal \"=\" em \"%1\"").arg(text));
    FormulaAssignment a;
    a.name = text.left(eq).trimmed();
    if (a.name.isEmpty() || !std::all_of(a.name.begin(), a.name.end(), isWordChar))
        throw FormulaError(QStringLiteral("nome de fórmula mal escrito em \"%1\"").arg(text), 1);
    const QString value = text.mid(eq + 1);
    if (value.trimmed().isEmpty())
        throw FormulaError(QStringLiteral("falta o valor da fórmula %1").arg(a.name), int(eq + 2));
    try {
        a.value = parseFormula(value);
    } catch (const FormulaError& e) {
        // Positions count from the start of the whole assignment.
        throw FormulaError(e.message(), e.position() ? e.position() + int(eq + 1) : 0);
    }
    return a;
}

QString formulaText(const Formula& f)
{
    if (!f)
        return {};
    using K = FormulaNode::Kind;
    const auto& a = f->args;
    switch (f->kind) {
    case K::Number: return numberText(f->number);
    case K::Text: return db::quoted(f->text);
    case K::Field: return QStringLiteral("{%1.%2}").arg(f->text, f->field);
    case K::Named: return QStringLiteral("{@%1}").arg(f->text);
    case K::DateOf:
        return QStringLiteral("Date(%1, %2, %3)").arg(formulaText(a[0]), formulaText(a[1]), formulaText(a[2]));
    case K::Today: return QStringLiteral("CurrentDate");
    case K::Day: return QStringLiteral("day(%1)").arg(formulaText(a[0]));
    case K::Month: return QStringLiteral("month(%1)").arg(formulaText(a[0]));
    case K::Year: return QStringLiteral("year(%1)").arg(formulaText(a[0]));
    case K::IsNull: return QStringLiteral("IsNull(%1)").arg(formulaText(a[0]));
    case K::Negate: return QStringLiteral("-%1").arg(formulaText(a[0]));
    case K::Compare: {
        static const char* ops[] = {"=", "<>", "<", ">", "<=", ">="};
        return QStringLiteral("(%1 %2 %3)")
            .arg(formulaText(a[0]), QLatin1String(ops[int(f->op)]), formulaText(a[1]));
    }
    case K::InRange:
        return QStringLiteral("(%1 in %2 to %3)").arg(formulaText(a[0]), formulaText(a[1]), formulaText(a[2]));
    case K::And:
    case K::Or: {
        QStringList terms;
        for (const Formula& term : a)
            terms << formulaText(term);
        return u'(' + terms.join(f->kind == K::And ? QStringLiteral(" and ") : QStringLiteral(" or ")) + u')';
    }
    case K::Not: return QStringLiteral("not %1").arg(formulaText(a[0]));
    }
    return {};
}

}  // namespace vorna::report
