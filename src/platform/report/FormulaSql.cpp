#include "platform/report/FormulaSql.h"

#include "platform/runtime/Clock.h"
#include "platform/runtime/RegionalText.h"

#include <QDate>
#include <cmath>

namespace vorna::report {

namespace {

using K = FormulaNode::Kind;
using Op = FormulaNode::Op;

QString quoteIdentifier(const QString& name)
{
    QString out = name;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

SqlExpr constantOf(ValueType type, const Variant& value)
{
    SqlExpr e;
    e.type = type;
    e.constant = true;
    e.value = value;
    return e;
}

// -1, 0, 1; texts compare as the collation does, ignoring letter case.
int compareConstants(const Variant& a, const Variant& b, ValueType type)
{
    switch (type) {
    case ValueType::Text: {
        const int c = a.stringValue().compare(b.stringValue(), Qt::CaseInsensitive);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    case ValueType::Boolean:
    case ValueType::Number:
    case ValueType::Date: {
        const double x = a.numberValue();
        const double y = b.numberValue();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    }
    return 0;
}

bool holds(int c, Op op)
{
    switch (op) {
    case Op::Eq: return c == 0;
    case Op::Ne: return c != 0;
    case Op::Lt: return c < 0;
    case Op::Gt: return c > 0;
    case Op::Le: return c <= 0;
    case Op::Ge: return c >= 0;
    }
    return false;
}

const char* sqlOperator(Op op)
{
    switch (op) {
    case Op::Eq: return "=";
    case Op::Ne: return "<>";
    case Op::Lt: return "<";
    case Op::Gt: return ">";
    case Op::Le: return "<=";
    case Op::Ge: return ">=";
    }
    return "=";
}

void expectType(const SqlExpr& e, ValueType type, const QString& where, int position)
{
    if (e.type != type)
        throw FormulaError(QStringLiteral("%1 pede %2 e recebeu %3").arg(where, typeName(type), typeName(e.type)),
                           position);
}

int wholeNumber(const Variant& v, const QString& what, int position)
{
    const double d = v.numberValue();
    if (d != std::floor(d) || std::abs(d) > 100000)
        throw FormulaError(QStringLiteral("%1 de Date() precisa ser um número inteiro").arg(what), position);
    return int(d);
}

}  // namespace

QString typeName(ValueType t)
{
    switch (t) {
    case ValueType::Number: return QStringLiteral("um número");
    case ValueType::Text: return QStringLiteral("um texto");
    case ValueType::Date: return QStringLiteral("uma data");
    case ValueType::Boolean: return QStringLiteral("uma condição");
    }
    return {};
}

ValueType valueTypeOf(const Variant& v)
{
    switch (v.type()) {
    case Variant::Type::String: return ValueType::Text;
    case Variant::Type::Date: return ValueType::Date;
    case Variant::Type::Boolean: return ValueType::Boolean;
    default: return ValueType::Number;
    }
}

// ---- schema ---------------------------------------------------------------------

ValueType ReportSchema::typeOfDeclared(const QString& declared)
{
    const QString t = declared.trimmed().toUpper();
    if (t.contains(u"TEXT") || t.contains(u"CHAR") || t.contains(u"MEMO") || t.contains(u"CLOB"))
        return ValueType::Text;
    if (t.startsWith(u"DATE") || t.startsWith(u"TIME"))
        return ValueType::Date;
    if (t == u"YESNO" || t == u"BOOLEAN" || t == u"BIT")
        return ValueType::Boolean;
    static const char* numeric[] = {"LONG", "INT", "DOUBLE", "CURRENCY", "COUNTER", "SINGLE", "BYTE",
                                    "REAL", "NUMERIC", "DECIMAL", "FLOAT", "AUTOINCREMENT"};
    for (const char* prefix : numeric)
        if (t.startsWith(QLatin1String(prefix)))
            return ValueType::Number;
    return ValueType::Text;
}

void ReportSchema::addTable(const QString& table,
                            const std::vector<std::pair<QString, QString>>& namesAndDeclaredTypes)
{
    Table t;
    t.name = table;
    for (const auto& [name, declared] : namesAndDeclaredTypes)
        t.columns[name.toUpper()] = Column{table, name, typeOfDeclared(declared)};
    tables_[table.toUpper()] = std::move(t);
}

bool ReportSchema::hasTable(const QString& table) const { return tables_.count(table.toUpper()) > 0; }

ReportSchema::Column ReportSchema::find(const QString& table, const QString& field, int position) const
{
    const auto t = tables_.find(table.toUpper());
    if (t == tables_.end())
        throw FormulaError(QStringLiteral("a tabela %1 não faz parte deste relatório").arg(table), position);
    const auto c = t->second.columns.find(field.toUpper());
    if (c == t->second.columns.end())
        throw FormulaError(QStringLiteral("a tabela %1 não tem o campo %2").arg(t->second.name, field), position);
    return c->second;
}

// ---- compiler -------------------------------------------------------------------

FormulaCompiler::FormulaCompiler(const ReportSchema& schema, const std::map<QString, Formula>& named,
                                 QString textCollation)
    : schema_(schema), named_(named), collation_(std::move(textCollation))
{
}

QString FormulaCompiler::sqlOf(const SqlExpr& e, std::vector<Variant>& params)
{
    if (!e.constant) {
        params.insert(params.end(), e.params.begin(), e.params.end());
        return e.sql;
    }
    params.push_back(e.value);
    return QStringLiteral("?");
}

SqlExpr FormulaCompiler::compile(const Formula& f) const
{
    if (!f)
        return constantOf(ValueType::Boolean, Variant(true));
    return compileNode(*f);
}

SqlExpr FormulaCompiler::condition(const Formula& f) const
{
    SqlExpr e = compile(f);
    if (e.type != ValueType::Boolean)
        throw FormulaError(QStringLiteral("a seleção precisa ser uma condição e dá %1").arg(typeName(e.type)),
                           f ? f->position : 0);
    return e;
}

Variant FormulaCompiler::constant(const Formula& f) const
{
    SqlExpr e = compile(f);
    if (!e.constant)
        throw FormulaError(QStringLiteral("\"%1\" lê campos da tabela e não pode ser usado aqui").arg(formulaText(f)),
                           f ? f->position : 0);
    return e.value;
}

SqlExpr FormulaCompiler::compare(const FormulaNode& n, const SqlExpr& a, const SqlExpr& b, Op op) const
{
    if (a.type != b.type)
        throw FormulaError(QStringLiteral("não é possível comparar %1 com %2").arg(typeName(a.type), typeName(b.type)),
                           n.position);
    if (a.constant && b.constant)
        return constantOf(ValueType::Boolean, Variant(holds(compareConstants(a.value, b.value, a.type), op)));
    SqlExpr e;
    e.type = ValueType::Boolean;
    const QString left = sqlOf(a, e.params);
    const QString right = sqlOf(b, e.params);
    e.sql = QStringLiteral("(%1 %2 %3").arg(left, QLatin1String(sqlOperator(op)), right);
    if (a.type == ValueType::Text)
        e.sql += QStringLiteral(" COLLATE ") + collation_;
    e.sql += u')';
    return e;
}

SqlExpr FormulaCompiler::compileNode(const FormulaNode& n) const
{
    switch (n.kind) {
    case K::Number: return constantOf(ValueType::Number, Variant(n.number));
    case K::Text: return constantOf(ValueType::Text, Variant(n.text));
    case K::Field: {
        const ReportSchema::Column c = schema_.find(n.text, n.field, n.position);
        SqlExpr e;
        e.type = c.type;
        e.sql = quoteIdentifier(c.table) + u'.' + quoteIdentifier(c.name);
        if (c.type == ValueType::Boolean)
            e.sql = QStringLiteral("(%1 <> 0)").arg(e.sql);
        return e;
    }
    case K::Named: {
        const QString key = n.text.toUpper();
        const auto it = named_.find(key);
        if (it == named_.end())
            throw FormulaError(QStringLiteral("a fórmula %1 não existe neste relatório").arg(n.text), n.position);
        if (expanding_.count(key))
            throw FormulaError(QStringLiteral("a fórmula %1 usa a si mesma").arg(n.text), n.position);
        expanding_.insert(key);
        try {
            SqlExpr e = compile(it->second);
            expanding_.erase(key);
            return e;
        } catch (...) {
            expanding_.erase(key);
            throw;
        }
    }
    case K::DateOf: {
        SqlExpr parts[3];
        static const char* names[] = {"o ano", "o mês", "o dia"};
        bool allConstant = true;
        for (int i = 0; i < 3; ++i) {
            parts[i] = compileNode(*n.args[i]);
            expectType(parts[i], ValueType::Number, QStringLiteral("Date()"), n.position);
            allConstant = allConstant && parts[i].constant;
        }
        if (allConstant) {
            const QDate d(wholeNumber(parts[0].value, QLatin1String(names[0]), n.position),
                          wholeNumber(parts[1].value, QLatin1String(names[1]), n.position),
                          wholeNumber(parts[2].value, QLatin1String(names[2]), n.position));
            if (!d.isValid() || !regional::serialInRange(regional::serialFromDate(d)))
                throw FormulaError(QStringLiteral("Date(%1, %2, %3) não é uma data válida")
                                       .arg(regional::generalNumber(parts[0].value.numberValue()),
                                            regional::generalNumber(parts[1].value.numberValue()),
                                            regional::generalNumber(parts[2].value.numberValue())),
                                   n.position);
            return constantOf(ValueType::Date, Variant::date(d));
        }
        SqlExpr e;
        e.type = ValueType::Date;
        QStringList sqlParts;
        for (const SqlExpr& p : parts)
            sqlParts << QStringLiteral("CAST(%1 AS INTEGER)").arg(sqlOf(p, e.params));
        e.sql = QStringLiteral("printf('%04d-%02d-%02d 00:00:00', %1)").arg(sqlParts.join(QStringLiteral(", ")));
        return e;
    }
    case K::Today: return constantOf(ValueType::Date, Variant::date(rt::Clock::today()));
    case K::Day:
    case K::Month:
    case K::Year: {
        const SqlExpr a = compileNode(*n.args[0]);
        const char* fname = n.kind == K::Day ? "day()" : n.kind == K::Month ? "month()" : "year()";
        expectType(a, ValueType::Date, QLatin1String(fname), n.position);
        if (a.constant) {
            const QDate d = a.value.dateTimeValue().date();
            const int v = n.kind == K::Day ? d.day() : n.kind == K::Month ? d.month() : d.year();
            return constantOf(ValueType::Number, Variant(double(v)));
        }
        // Dates are stored as 'yyyy-MM-dd HH:mm:ss'.
        const char* slice = n.kind == K::Day ? "9, 2" : n.kind == K::Month ? "6, 2" : "1, 4";
        SqlExpr e;
        e.type = ValueType::Number;
        e.params = a.params;
        e.sql = QStringLiteral("CAST(substr(%1, %2) AS INTEGER)").arg(a.sql, QLatin1String(slice));
        return e;
    }
    case K::IsNull: {
        const SqlExpr a = compileNode(*n.args[0]);
        if (a.constant)
            return constantOf(ValueType::Boolean, Variant(false));
        SqlExpr e;
        e.type = ValueType::Boolean;
        e.params = a.params;
        // A yes/no field is wrapped as a condition; IsNull asks about the stored value.
        const auto& arg = *n.args[0];
        if (arg.kind == K::Field && a.type == ValueType::Boolean) {
            const ReportSchema::Column c = schema_.find(arg.text, arg.field, arg.position);
            e.sql = QStringLiteral("(%1.%2 IS NULL)").arg(quoteIdentifier(c.table), quoteIdentifier(c.name));
        } else {
            e.sql = QStringLiteral("(%1 IS NULL)").arg(a.sql);
        }
        return e;
    }
    case K::Negate: {
        const SqlExpr a = compileNode(*n.args[0]);
        expectType(a, ValueType::Number, QStringLiteral("o sinal \"-\""), n.position);
        if (a.constant)
            return constantOf(ValueType::Number, Variant(-a.value.numberValue()));
        SqlExpr e = a;
        e.sql = QStringLiteral("(-%1)").arg(a.sql);
        return e;
    }
    case K::Compare:
        return compare(n, compileNode(*n.args[0]), compileNode(*n.args[1]), n.op);
    case K::InRange: {
        const SqlExpr x = compileNode(*n.args[0]);
        const SqlExpr low = compileNode(*n.args[1]);
        const SqlExpr high = compileNode(*n.args[2]);
        if (x.type != low.type || x.type != high.type)
            throw FormulaError(QStringLiteral("os limites de \"in ... to\" precisam ser do mesmo tipo que o valor"),
                               n.position);
        if (x.constant && low.constant && high.constant)
            return constantOf(ValueType::Boolean,
                              Variant(compareConstants(x.value, low.value, x.type) >= 0
                                      && compareConstants(x.value, high.value, x.type) <= 0));
        SqlExpr e;
        e.type = ValueType::Boolean;
        const QString xs = sqlOf(x, e.params);
        const QString collate = x.type == ValueType::Text ? QStringLiteral(" COLLATE ") + collation_ : QString();
        const QString ls = sqlOf(low, e.params);
        const QString hs = sqlOf(high, e.params);
        e.sql = QStringLiteral("(%1%2 BETWEEN %3 AND %4)").arg(xs, collate, ls, hs);
        return e;
    }
    case K::And:
    case K::Or: {
        const bool isAnd = n.kind == K::And;
        const QString word = isAnd ? QStringLiteral("and") : QStringLiteral("or");
        // A known term decides or drops out, as it would row by row; the others
        // stay one flat run.
        std::vector<SqlExpr> compiled;
        for (const Formula& arg : n.args) {
            compiled.push_back(compileNode(*arg));
            expectType(compiled.back(), ValueType::Boolean, QStringLiteral("\"%1\"").arg(word), n.position);
        }
        std::vector<SqlExpr> terms;
        for (SqlExpr& t : compiled) {
            if (!t.constant)
                terms.push_back(std::move(t));
            else if (isAnd != (t.value.numberValue() != 0))
                return constantOf(ValueType::Boolean, Variant(!isAnd));
        }
        if (terms.empty())
            return constantOf(ValueType::Boolean, Variant(isAnd));
        if (terms.size() == 1)
            return terms.front();
        SqlExpr e;
        e.type = ValueType::Boolean;
        QStringList sql;
        for (const SqlExpr& t : terms) {
            e.params.insert(e.params.end(), t.params.begin(), t.params.end());
            sql << t.sql;
        }
        e.sql = u'(' + sql.join(isAnd ? QStringLiteral(" AND ") : QStringLiteral(" OR ")) + u')';
        return e;
    }
    case K::Not: {
        const SqlExpr a = compileNode(*n.args[0]);
        expectType(a, ValueType::Boolean, QStringLiteral("\"not\""), n.position);
        if (a.constant)
            return constantOf(ValueType::Boolean, Variant(a.value.numberValue() == 0));
        SqlExpr e = a;
        e.sql = QStringLiteral("(NOT %1)").arg(a.sql);
        return e;
    }
    }
    throw FormulaError(QStringLiteral("fórmula não reconhecida"), n.position);
}

}  // namespace vorna::report
