#pragma once
#include "platform/report/Formula.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <map>
#include <optional>
#include <set>
#include <vector>

// Turns formulas into parameterised SQLite SQL over the report's tables. Parts
// that need no field are worked out here and bound as parameters, so no text of
// a formula ever reaches the SQL itself; field names are checked against the
// tables and quoted.
namespace vorna::report {

enum class ValueType { Number, Text, Date, Boolean };

// The columns of the report's tables, as the database declares them.
class ReportSchema {
public:
    struct Column {
        QString table;   // as the database spells it
        QString name;
        ValueType type;
    };

    void addTable(const QString& table, const std::vector<std::pair<QString, QString>>& namesAndDeclaredTypes);
    bool hasTable(const QString& table) const;
    // Throws FormulaError for a table outside the report or an unknown field.
    Column find(const QString& table, const QString& field, int position = 0) const;

    static ValueType typeOfDeclared(const QString& declared);

private:
    struct Table {
        QString name;
        std::map<QString, Column> columns;   // by upper-case name
    };
    std::map<QString, Table> tables_;        // by upper-case name
};

// A fragment of SQL with its parameters, or a value known without reading a row.
struct SqlExpr {
    ValueType type = ValueType::Number;
    bool constant = false;
    Variant value;                  // when constant
    QString sql;                    // when not
    std::vector<Variant> params;    // for the "?" of sql, in order
};

class FormulaCompiler {
public:
    // named: the named formulas in force, by upper-case name. textCollation: the
    // collation with which texts compare (letter case ignored).
    FormulaCompiler(const ReportSchema& schema, const std::map<QString, Formula>& named,
                    QString textCollation);

    SqlExpr compile(const Formula& f) const;
    // A record selection: must give true or false.
    SqlExpr condition(const Formula& f) const;
    // A value that needs no row (headings, defaults); throws when it reads a field.
    Variant constant(const Formula& f) const;

    // The SQL text of an expression, a constant becoming one parameter.
    static QString sqlOf(const SqlExpr& e, std::vector<Variant>& params);

private:
    SqlExpr compileNode(const FormulaNode& n) const;
    SqlExpr compare(const FormulaNode& n, const SqlExpr& a, const SqlExpr& b, FormulaNode::Op op) const;

    const ReportSchema& schema_;
    const std::map<QString, Formula>& named_;
    QString collation_;
    mutable std::set<QString> expanding_;   // named formulas being expanded, against cycles
};

QString typeName(ValueType t);
// The value a row's column holds, read from its SQLite storage.
ValueType valueTypeOf(const Variant& v);

}  // namespace vorna::report
