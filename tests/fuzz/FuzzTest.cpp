// Random and hostile texts for the readers of typed text: the criteria reader,
// the report formula reader and the runtime's conversions and Format. A reader
// may refuse a text with its own error; a crash, a hang, any other exception or
// a sanitizer report fails the test.
#include "Mutator.h"

#include "platform/database/Criteria.h"
#include "platform/database/TableInfo.h"
#include "platform/report/Formula.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

#include <gtest/gtest.h>

#include <limits>

using vorna::EngineError;
using vorna::Variant;
namespace db = vorna::db;
namespace report = vorna::report;
namespace rt = vorna::rt;

namespace {

constexpr int kIterations = 4000;

// True when `f` runs through; false when it raises the reader's own error.
template <typename Allowed, typename F>
bool accepts(const QString& text, F&& f) {
    try {
        f();
        return true;
    } catch (const Allowed&) {
        return false;
    } catch (const std::exception& e) {
        ADD_FAILURE() << "unexpected " << typeid(e).name() << " (" << e.what() << ") for \""
                      << fuzz::shown(text).toStdString() << '"';
        return false;
    }
}

QStringList texts(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* t : list) out << QString::fromUtf8(t);
    return out;
}

QString repeated(const char* piece, int times) {
    return QString::fromUtf8(piece).repeated(times);
}

// ---- criteria ---------------------------------------------------------------------

db::TableInfo clientTable() {
    db::TableInfo t;
    t.name = QStringLiteral("CLIENTES");
    t.quoted = "\"CLIENTES\"";
    auto add = [&](const char* name, db::FieldType type, int size = 0) {
        db::FieldInfo f;
        f.name = QString::fromUtf8(name);
        f.quoted = '"' + QByteArray(name) + '"';
        f.type = type;
        f.size = size;
        t.byName.insert(f.name, int(t.fields.size()));
        t.byFoldedName.insert(f.name.toCaseFolded(), int(t.fields.size()));
        t.fields.push_back(f);
    };
    add("CODIGO", db::FieldType::Long);
    add("NOME", db::FieldType::Text, 40);
    add("NOME-SOCIAL", db::FieldType::Text, 40);
    add("OBS", db::FieldType::Memo);
    add("NASCIMENTO", db::FieldType::DateTime);
    add("PREMIO", db::FieldType::Currency);
    add("TAXA", db::FieldType::Double);
    add("ATIVO", db::FieldType::YesNo);
    add("IDADE", db::FieldType::Integer);
    return t;
}

bool compiles(const QString& text) {
    static const db::TableInfo table = clientTable();
    return accepts<EngineError>(text, [&] { db::compileCriteria(text, table); });
}

const QStringList kCriteriaSeeds = texts({
    "CODIGO = 12",
    "NOME LIKE 'ANA*' AND ATIVO = True",
    "[NOME-SOCIAL] LIKE '*x*' OR TRIM(NOME) LIKE 'A?'",
    "NASCIMENTO >= #12/31/1999# AND NASCIMENTO < #01/01/2001#",
    "PREMIO NOT BETWEEN 1 AND 2.5 AND IDADE IN (1, 2, 3)",
    "NOT (OBS IS NULL) AND NOT TAXA IS NOT NULL",
    "NOME = 'D''Ávila' OR NOME = \"x\"\"y\"",
    "CODIGO LIKE 123 AND NOME <> 'A'",
});
// Pieces the mutations insert, split at "|".
const QStringList kCriteriaTokens = QString::fromUtf8(
    " AND | OR |NOT |(|)|'|\"|#| LIKE | BETWEEN | IN (| IS NULL|[|]|TRIM(|,|CODIGO|NASCIMENTO|"
    "99999999999999999999|1e308|#13/45/20000#|*|?|<=|<>|=|True").split(u'|');

TEST(FuzzCriteria, SeedsAndLongButShallowTexts) {
    for (const QString& s : kCriteriaSeeds) EXPECT_TRUE(compiles(s)) << s.toStdString();
    // 150 nested parentheses, 1,000 ANDs, a long IN list and a long text.
    compiles(repeated("(", 150) + QStringLiteral("CODIGO = 1") + repeated(")", 150));
    compiles(QStringLiteral("CODIGO = 1") + repeated(" AND CODIGO = 1", 1000));
    compiles(QStringLiteral("CODIGO = 1") + repeated(" OR NOME LIKE 'a*'", 1000));
    compiles(QStringLiteral("CODIGO IN (1") + repeated(", 1", 5000) + QStringLiteral(")"));
    compiles(QStringLiteral("NOME = '") + repeated("x", 100000) + QStringLiteral("'"));
    for (const char* bad : {"(", ")", "'", "\"", "#", "[", "NOT", "CODIGO =", "CODIGO IN (", "AND",
                            "CODIGO BETWEEN 1", "NASCIMENTO = #", "NOME LIKE '", ""})
        compiles(QString::fromUtf8(bad));
}

// Deep nesting: the reader must refuse (3075) rather than exhaust the stack.
TEST(FuzzCriteria, ChainedNots) {
    compiles(repeated("NOT ", 20000) + QStringLiteral("CODIGO = 1"));
}

TEST(FuzzCriteria, DeepParentheses) {
    compiles(repeated("(", 1000000) + QStringLiteral("CODIGO = 1"));
    compiles(repeated("(", 1000000) + QStringLiteral("CODIGO = 1") + repeated(")", 1000000));
}

TEST(FuzzCriteria, MutatedTexts) {
    fuzz::Mutator m(kCriteriaSeeds, kCriteriaTokens);
    fuzz::run(m, kIterations, compiles);
}

// ---- report formulas ------------------------------------------------------------

bool parses(const QString& text) {
    return accepts<report::FormulaError>(text, [&] {
        if (auto f = report::parseFormula(text)) report::formulaText(f);
    });
}

bool assigns(const QString& text) {
    return accepts<report::FormulaError>(text, [&] { report::parseAssignment(text); });
}

const QStringList kFormulaSeeds = texts({
    "{APOLICES.VIGENCIA} in Date(2016,1,1) to CurrentDate",
    "{CLIENTES.NOME} = 'ANA' and not IsNull({CLIENTES.CPF})",
    "year({PARCELAS.VENCIMENTO}) >= 2015 or month({PARCELAS.VENCIMENTO}) <> 3",
    "{@D1} > -5.25 and (day(CurrentDate) < 10 or {@APOL} = \"321\")",
    "D1 = 5",
    "APOL = '321'",
});
// Pieces the mutations insert, split at "|".
const QStringList kFormulaTokens = QString::fromUtf8(
    "{|}|{@|.| and | or |not |(|)| in | to |Date(|CurrentDate|IsNull(|year(|,|'|\"|-|<=|<>|=|"
    "1e309|99999999999999999999999").split(u'|');

TEST(FuzzFormula, SeedsAndLongButShallowTexts) {
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(parses(kFormulaSeeds[i])) << kFormulaSeeds[i].toStdString();
    EXPECT_TRUE(assigns(kFormulaSeeds[4]));
    EXPECT_TRUE(assigns(kFormulaSeeds[5]));
    parses(repeated("(", 150) + QStringLiteral("{@A} = 1") + repeated(")", 150));
    parses(QStringLiteral("{@A} = 1") + repeated(" and {@A} = 1", 1000));
    parses(QStringLiteral("{@A} = 1") + repeated(" or {T.F} <> 'x'", 1000));
    for (const char* bad : {"(", ")", "{", "{@", "{T.", "'", "Date(", "Date(1,2", "not", "1 in",
                            "1 in 2 to", "-", "=", "A =", "= 1", ""}) {
        parses(QString::fromUtf8(bad));
        assigns(QString::fromUtf8(bad));
    }
}

// Deep nesting: the reader must refuse rather than exhaust the stack.
TEST(FuzzFormula, DeepParentheses) {
    parses(repeated("(", 1000000) + QStringLiteral("1"));
    parses(repeated("(", 1000000) + QStringLiteral("1") + repeated(")", 1000000));
    assigns(QStringLiteral("A = ") + repeated("(", 1000000) + QStringLiteral("1"));
}

TEST(FuzzFormula, ChainedNots) {
    parses(repeated("not ", 20000) + QStringLiteral("{@A} = 1"));
}

TEST(FuzzFormula, ChainedMinus) {
    parses(repeated("-", 100000) + QStringLiteral("1"));
}

TEST(FuzzFormula, MutatedTexts) {
    fuzz::Mutator m(kFormulaSeeds, kFormulaTokens);
    fuzz::run(m, kIterations, parses);
    fuzz::run(m, kIterations / 4, assigns);
}

// ---- runtime conversions and Format ---------------------------------------------

const QStringList kNamedFormats = texts({
    "General Date", "Long Date",   "Medium Date",
    "Short Date",   "Long Time",   "Medium Time",
    "Short Time",   "General Number", "Fixed",
    "Standard",     "Percent",     "Currency",
    "Yes/No",       "True/False",  "On/Off",
});

bool formats(const Variant& v, const QString& fmt) {
    return accepts<EngineError>(fmt, [&] { rt::Format(v, fmt); });
}

bool converts(const QString& text) {
    const Variant v(text);
    bool ok = accepts<EngineError>(text, [&] { rt::CDbl(v); });
    ok = accepts<EngineError>(text, [&] { rt::CDate(v); }) || ok;
    accepts<EngineError>(text, [&] { rt::Val(v); });
    return ok;
}

TEST(FuzzRuntime, NamedFormatsOverEveryEdgeNumber) {
    EXPECT_FALSE(formats(Variant(3000000), QStringLiteral("Long Date")));
    fuzz::Mutator m({}, {});
    for (const QString& fmt : kNamedFormats)
        for (int i = 0; i < 200; ++i) {
            const Variant v(m.number());
            formats(v, fmt);
            formats(Variant(rt::CStr(v)), fmt);
        }
}

TEST(FuzzRuntime, MutatedTextsThroughConversions) {
    fuzz::Mutator m({QStringLiteral("12,5"), QStringLiteral("1.234,56"), QStringLiteral("31/12/2015 23:59"),
                     QStringLiteral("-1e308"), QStringLiteral("5 de março de 2016"), QStringLiteral("&H7FFF"),
                     QStringLiteral("29/02/2016"), QStringLiteral("R$ 1.000,00"), QStringLiteral("12:30:15 PM")},
                    {QStringLiteral(","), QStringLiteral("."), QStringLiteral("/"), QStringLiteral(":"),
                     QStringLiteral("e"), QStringLiteral("E+"), QStringLiteral("9999999999"),
                     QStringLiteral("-"), QStringLiteral("&H"), QStringLiteral("AM"), QStringLiteral(" ")});
    fuzz::run(m, kIterations, converts);
}

TEST(FuzzRuntime, MutatedFormats) {
    fuzz::Mutator m({QStringLiteral("dd/mm/yyyy hh:nn"), QStringLiteral("#,##0.00;-#,##0.00;\"zero\""),
                     QStringLiteral("dddd, d \"de\" mmmm \"de\" yyyy"), QStringLiteral("0.00%"),
                     QStringLiteral("\"R$ \"#,##0.00"), QStringLiteral("hh:nn AM/PM"), QStringLiteral("ttttt w ww q c"),
                     QStringLiteral("000000000000000000000000000000.000000000000000000000")},
                    kNamedFormats + QStringList{QStringLiteral("\\"), QStringLiteral(";"), QStringLiteral("\""),
                                                QStringLiteral("yyyy"), QStringLiteral("mmmm"), QStringLiteral("#"),
                                                QStringLiteral("0"), QStringLiteral("E+"), QStringLiteral("%")});
    fuzz::Mutator numbers({}, {});
    for (int i = 0; i < kIterations; ++i) {
        const QString fmt = m.next();
        const double x = numbers.number();
        if (formats(Variant(x), fmt) && formats(Variant::date(QDate(2016, 3, 5), QTime(9, 7, 3)), fmt))
            m.keep(fmt);
        formats(Variant(rt::CStr(Variant(x))), fmt);
    }
}

}  // namespace
