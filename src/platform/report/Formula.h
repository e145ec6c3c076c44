#pragma once
#include <QString>
#include <memory>
#include <stdexcept>
#include <vector>

// The report formula language as the windows and the report definitions write
// it: {TABLE.FIELD}, {@NAME}, numbers, texts in single or double quotes,
// Date(y,m,d), CurrentDate, day(), month(), year(), IsNull(), the six comparisons,
// "x in a to b", and, or, not and parentheses. Key words ignore letter case.
namespace vorna::report {

// A formula that cannot be read; the text says where and why, in the words the
// failure box shows to the user.
class FormulaError : public std::runtime_error {
public:
    FormulaError(const QString& message, int position = 0);
    const QString& message() const { return message_; }
    int position() const { return position_; }   // 1-based; 0 when not tied to a place

private:
    QString message_;
    int position_;
};

struct FormulaNode {
    enum class Kind {
        Number,      // number
        Text,        // text
        Field,       // table . field
        Named,       // {@text}
        DateOf,      // Date(args[0], args[1], args[2])
        Today,       // CurrentDate: the workstation's date when the report runs
        Day,         // day(args[0])
        Month,
        Year,
        IsNull,
        Negate,      // -args[0]
        Compare,     // args[0] op args[1]
        InRange,     // args[0] in args[1] to args[2]
        And,
        Or,
        Not
    };
    enum class Op { Eq, Ne, Lt, Gt, Le, Ge };

    Kind kind = Kind::Number;
    Op op = Op::Eq;
    double number = 0;
    QString text;    // the text constant, the table of a field, the name of a named formula
    QString field;   // the field of a field reference
    int position = 0;
    // And and Or hold every term of a run of the operator, two or more.
    std::vector<std::shared_ptr<const FormulaNode>> args;
    // How deep the node's SQL nests (sqlLevels along the deepest path).
    int sqlNesting = 0;
};

using Formula = std::shared_ptr<const FormulaNode>;

// The levels of parentheses and calls a node's SQL puts around its arguments.
int sqlLevels(FormulaNode::Kind kind);

// The formula's parse tree; nullptr for a blank text (no condition at all).
// Throws FormulaError.
Formula parseFormula(const QString& text);

// A named-formula assignment as the launches write it: "D1 = 5", "APOL = '321'".
struct FormulaAssignment {
    QString name;
    Formula value;
};
FormulaAssignment parseAssignment(const QString& text);

// The formula written back in the language (for messages and tests).
QString formulaText(const Formula& f);

}  // namespace vorna::report
