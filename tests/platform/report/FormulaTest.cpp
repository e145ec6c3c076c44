#include "ReportFixture.h"

#include "platform/report/Formula.h"
#include "platform/runtime/Clock.h"

#include <sqlite3.h>

using namespace vorna;
using namespace vorna::report;

namespace {

class FormulaSelection : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        createSelectionTables();
    }

    ReportFailure::Kind failureOf(const QString& table, const QString& selection)
    {
        writeFile(QStringLiteral("KEYS.RPT"), QStringLiteral("FROM %1\nCOLUMN {%1.CODIGO} \"Chave\"\n").arg(table));
        try {
            runReport({pathOf(QStringLiteral("KEYS.RPT")), selection, {}}, QString());
        } catch (const ReportFailure& f) {
            lastMessage = f.message();
            return f.kind();
        }
        ADD_FAILURE() << "no failure for " << selection.toStdString();
        return ReportFailure::Kind::Output;
    }

    QString lastMessage;
};

struct SelectionCase {
    const char* table;
    const char* key;
    const char* joins;
    const char* formula;
    QStringList expected;
};

// Every selection the windows and routines pass, with the dates of 5 March 2016,
// and the language's other forms.
TEST_F(FormulaSelection, KeepsExactlyTheRowsTheFormulaDescribes)
{
    const char* parcelasJoin = "JOIN DOCUMENTOS ON {PARCELAS.PROPOSTA} = {DOCUMENTOS.PROPOSTA}";
    const SelectionCase cases[] = {
        {"CIAS", "CODIGO", "", "{CIAS.CODIGO} = 12", {"12"}},
        {"CIAS", "CODIGO", "", "", {"12", "3", "40"}},
        {"PROCEDE", "CODIGO", "", "{PROCEDE.CODIGO} = 7", {"7"}},
        {"DOCUMENTOS", "PROPOSTA", "", "{DOCUMENTOS.PROPOSTA} = 100", {"100"}},
        {"SINISTRO", "PROCESSO", "", "{SINISTRO.PROCESSO} = 5", {"5"}},
        {"CLIENTES", "CODIGO", "", "{CLIENTES.CODIGO} = 123", {"123"}},
        {"LOGUI", "INDICE", "", "{LOGUI.CLIENTE} = 123", {"1", "2"}},
        {"LOGUI", "INDICE", "", "{LOGUI.APOLICE} = '1234'", {"1", "3"}},
        // Texts compare without letter case, as the database does.
        {"LOGUI", "INDICE", "", "{LOGUI.LIQUI} = 'N'", {"1", "3"}},
        {"DOCUMENTOS", "PROPOSTA", "",
         "{DOCUMENTOS.CODCLIENTE} = 123 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V' and "
         "{DOCUMENTOS.FILIAL} = 1",
         {"100"}},
        {"DOCUMENTOS", "PROPOSTA", "", "{DOCUMENTOS.RAMO} = 313 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'",
         {"100", "103"}},
        {"SINISTRO", "PROCESSO", "", "IsNull({SINISTRO.DATA_ENCERRAMENTO})", {"5", "7"}},
        // S2: renewals due today.
        {"DOCUMENTOS", "PROPOSTA", "",
         "month({DOCUMENTOS.VIGENCIAFINAL}) = 3 and year({DOCUMENTOS.VIGENCIAFINAL}) = 2016 and "
         "day({DOCUMENTOS.VIGENCIAFINAL}) = 5 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'",
         {"100"}},
        // S4, S5, S6, S7: licences, birthdays, anniversaries.
        {"CLIENTES", "CODIGO", "", "month({CLIENTES.HABI}) = 3 and year({CLIENTES.HABI}) = 2016 and day({CLIENTES.HABI}) = 5",
         {"123"}},
        {"NAOCLIENTES", "CODIGO", "", "month({NAOCLIENTES.ANIV}) = 3 and day({NAOCLIENTES.ANIV}) = 5", {"1"}},
        {"CLIENTES", "CODIGO", "", "month({CLIENTES.ANIV}) = 3 and day({CLIENTES.ANIV}) = 5", {"123"}},
        {"CLIENTES", "CODIGO", "", "month({CLIENTES.ANIV}) = 2 and day({CLIENTES.ANIV}) = 29", {"125"}},
        {"CLIENTES", "CODIGO", "", "month({CLIENTES.CASAMENTO}) = 3 and day({CLIENTES.CASAMENTO}) = 5", {"123", "125"}},
        // S10 and S11: instalments due today of documents in force, not yet paid.
        {"PARCELAS", "ID", parcelasJoin,
         "month({PARCELAS.DV1}) = 3 and year({PARCELAS.DV1}) = 2016 and day({PARCELAS.DV1}) = 5 and "
         "{DOCUMENTOS.VIGENTE} = 'V' and IsNull({PARCELAS.DP1})",
         {"1", "2"}},
        {"PARCELAS", "ID", parcelasJoin,
         "month({PARCELAS.DV1}) = 3 and year({PARCELAS.DV1}) = 2016 and day({PARCELAS.DV1}) = 5 and "
         "{DOCUMENTOS.VIGENTE} = 'V' and IsNull({PARCELAS.DP1}) and {PARCELAS.NUMERO} = 1",
         {"1"}},
        // S12 for k = 3 (month 0 becomes December of the year before) and k = 9.
        {"DOCUMENTOS", "PROPOSTA", "",
         "month({DOCUMENTOS.VIGENCIAINICIAL}) = 12 and year({DOCUMENTOS.VIGENCIAINICIAL}) = 2015 and "
         "day({DOCUMENTOS.VIGENCIAINICIAL}) = 5 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'",
         {"100", "104"}},
        {"DOCUMENTOS", "PROPOSTA", "",
         "month({DOCUMENTOS.VIGENCIAINICIAL}) = 6 and year({DOCUMENTOS.VIGENCIAINICIAL}) = 2015 and "
         "day({DOCUMENTOS.VIGENCIAINICIAL}) = 5 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'",
         {"103"}},
        // S12 for k = 6: September of the year before holds only a cancelled policy.
        {"DOCUMENTOS", "PROPOSTA", "",
         "month({DOCUMENTOS.VIGENCIAINICIAL}) = 9 and year({DOCUMENTOS.VIGENCIAINICIAL}) = 2015 and "
         "day({DOCUMENTOS.VIGENCIAINICIAL}) = 5 and {DOCUMENTOS.TIPO} = 'A' and {DOCUMENTOS.VIGENTE} = 'V'",
         {}},
        // The proposal document with its number never set.
        {"DOCUMENTOS", "PROPOSTA", "", "{DOCUMENTOS.PROPOSTA} = 0", {}},
        // Today's date (the clock stands at 5 March 2016, 14:30): a stored date
        // of today is today, whatever the hour.
        {"DOCUMENTOS", "PROPOSTA", "", "{DOCUMENTOS.VIGENCIAFINAL} = CurrentDate", {"100", "101", "102"}},
        {"DOCUMENTOS", "PROPOSTA", "", "{DOCUMENTOS.VIGENTE} = 'V' and {DOCUMENTOS.VIGENCIAFINAL} > currentdate",
         {"103", "104"}},
        {"PROCEDE", "CODIGO", "", "{PROCEDE.DATAPAGTO} in Date(2016, 2, 1) to CurrentDate and day(CurrentDate) = 5",
         {"7", "8", "9"}},
        // A day that no month has selects nothing, without a failure.
        {"DOCUMENTOS", "PROPOSTA", "",
         "month({DOCUMENTOS.VIGENCIAINICIAL}) = 2 and day({DOCUMENTOS.VIGENCIAINICIAL}) = 31", {}},
        // The rest of the language.
        {"CIAS", "CODIGO", "", "not ({CIAS.CODIGO} = 12)", {"3", "40"}},
        {"CIAS", "CODIGO", "", "NOT {CIAS.CODIGO} = 12 AND {cias.codigo} <> 40", {"3"}},
        {"CIAS", "CODIGO", "", "{CIAS.CODIGO} = 3 or ({CIAS.CODIGO} > 20 and {CIAS.CODIGO} <= 40)", {"3", "40"}},
        {"CIAS", "CODIGO", "", "{CIAS.CODIGO} in 10 to 40", {"12", "40"}},
        {"CIAS", "CODIGO", "", "{CIAS.NOME} in 'A' to 'C'", {"3", "40"}},
        {"CIAS", "CODIGO", "", "{CIAS.NOME} = \"beta planos d'oeste\"", {"40"}},
        {"CIAS", "CODIGO", "", "{CIAS.NOME} = 'ômega saúde'", {"12"}},
        {"CIAS", "CODIGO", "", "{CIAS.META} >= 98000.5 or IsNull({CIAS.META})", {"12", "3"}},
        {"CIAS", "CODIGO", "", "{CIAS.CODIGO} = -3 or {CIAS.CODIGO} < -1", {}},
        {"PROCEDE", "CODIGO", "", "{PROCEDE.DATAPAGTO} >= Date(2016, 2, 1) and {PROCEDE.DATAPAGTO} <= Date(2016,2,29)",
         {"7", "8"}},
        {"PROCEDE", "CODIGO", "", "{PROCEDE.DATAPAGTO} in Date(2016, 1, 31) to Date(2016, 2, 1)", {"7", "10"}},
        {"PROCEDE", "CODIGO", "", "year({PROCEDE.DATAPAGTO}) = 2016 and 1 = 2", {}},
        {"PROCEDE", "CODIGO", "", "1 = 1 or {PROCEDE.CODIGO} = 7", {"7", "8", "9", "10"}},
    };
    for (const SelectionCase& c : cases) {
        SCOPED_TRACE(c.formula);
        try {
            EXPECT_EQ(selectedKeys(QString::fromLatin1(c.table), QString::fromLatin1(c.key), QString::fromUtf8(c.formula),
                                   QString::fromLatin1(c.joins)),
                      c.expected);
        } catch (const ReportFailure& f) {
            ADD_FAILURE() << f.message().toStdString();
        }
    }
}

TEST_F(FormulaSelection, FormulaThatCannotBeReadOrDoesNotFitIsAFailureNamingTheProblem)
{
    const std::pair<const char*, const char*> cases[] = {
        {"{CIAS.CODIGO} = ", "esperado um valor"},          // a code box left blank
        {"{CIAS.NOME} = 'O'BRIEN'", "aspas de fechamento"},   // an apostrophe typed in a box
        {"{CIAS.NOME} = 'aberto", "aspas de fechamento"},
        {"{CIAS.CODIGO} = 1 and", "esperado um valor"},
        {"{CIAS.CODIGO} = 1 2", "sobra texto"},
        {"({CIAS.CODIGO} = 1", "esperado \")\""},
        {"{CIAS.CODIGO = 1", "chave de fechamento"},
        {"{CIAS} = 1", "campo mal escrito"},
        {"{CIAS.NOME} = 5", "não é possível comparar um texto com um número"},
        {"{CIAS.CODIGO}", "precisa ser uma condição"},
        {"{CIAS.NADA} = 1", "não tem o campo NADA"},
        {"{OUTRA.CODIGO} = 1", "OUTRA não faz parte"},
        {"{CIAS.CODIGO} = Date(2016, 2, 30)", "não é uma data válida"},
        {"day({CIAS.CODIGO}) = 1", "day() pede uma data"},
        {"{@NINGUEM} = 1", "não existe"},
        {"Soma({CIAS.CODIGO}) = 1", "palavra desconhecida"},
        {"{CIAS.CODIGO} = 1; DROP TABLE CIAS", "caractere inesperado"},
    };
    for (const auto& [formula, why] : cases) {
        SCOPED_TRACE(formula);
        EXPECT_EQ(failureOf(QStringLiteral("CIAS"), QString::fromUtf8(formula)), ReportFailure::Kind::BadFormula);
        EXPECT_TRUE(lastMessage.contains(QString::fromUtf8(why))) << lastMessage.toStdString();
    }
    EXPECT_EQ(selectedKeys(QStringLiteral("CIAS"), QStringLiteral("CODIGO"), QString()).size(), 3);
}

TEST_F(FormulaSelection, TypedTextReachesTheQueryOnlyAsAValue)
{
    EXPECT_TRUE(selectedKeys(QStringLiteral("CIAS"), QStringLiteral("CODIGO"),
                             QStringLiteral("{CIAS.NOME} = 'x'' OR 1=1; DROP TABLE CIAS; --'"))
                    .isEmpty());
    EXPECT_EQ(selectedKeys(QStringLiteral("CIAS"), QStringLiteral("CODIGO"), QStringLiteral("{CIAS.NOME} = 'BETA PLANOS D''OESTE'")),
              QStringList{QStringLiteral("40")});
    EXPECT_EQ(selectedKeys(QStringLiteral("CIAS"), QStringLiteral("CODIGO"), QString()).size(), 3);
}

TEST(FormulaAssignment, ReadsTheAssignmentsTheLaunchesWrite)
{
    struct Case {
        const char* text;
        const char* name;
        const char* value;
    };
    const Case cases[] = {
        {"D1 = 5", "D1", "5"},
        {"A2 = 2016", "A2", "2016"},
        {"APOL = '321'", "APOL", "'321'"},
        {"APOL = ' 1234 '", "APOL", "' 1234 '"},
        {"TITULO = 'RENOVACAO NO DIA'", "TITULO", "'RENOVACAO NO DIA'"},
        {"TITULO = 'SEGUROS COMERCIALIZADOS A TRÊS MESES'", "TITULO", "'SEGUROS COMERCIALIZADOS A TRÊS MESES'"},
        {"GRU = 123", "GRU", "123"},
        {"MES=3", "MES", "3"},
        {"MES = 12", "MES", "12"},
        {"M1 = 2", "M1", "2"},
        {"D2 = 29", "D2", "29"},
        {"APOL = '1234'", "APOL", "'1234'"},
        {"TITULO = 'SINISTROS PENDENTES'", "TITULO", "'SINISTROS PENDENTES'"},
        {"TITULO = 'PARCELAS VENCENDO NO DIA'", "TITULO", "'PARCELAS VENCENDO NO DIA'"},
        {"TITULO = 'PRIMEIRA PARCELA VENCENDO NO DIA'", "TITULO", "'PRIMEIRA PARCELA VENCENDO NO DIA'"},
        {"TITULO = 'SEGUROS COMERCIALIZADOS A SEIS MESES'", "TITULO", "'SEGUROS COMERCIALIZADOS A SEIS MESES'"},
        {"TITULO = 'SEGUROS COMERCIALIZADOS A NOVE MESES'", "TITULO", "'SEGUROS COMERCIALIZADOS A NOVE MESES'"},
        {"TITULO = 'LISTAGEM DOS DOCUMENTOS VIGENTES VENCIDOS'", "TITULO",
         "'LISTAGEM DOS DOCUMENTOS VIGENTES VENCIDOS'"},
        {"DESDE = CurrentDate", "DESDE", "CurrentDate"},
        {"TITULO = \"ASPAS DUPLAS\"", "TITULO", "'ASPAS DUPLAS'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const FormulaAssignment a = parseAssignment(QString::fromUtf8(c.text));
        EXPECT_EQ(a.name, QString::fromUtf8(c.name));
        EXPECT_EQ(formulaText(a.value), QString::fromUtf8(c.value));
    }
    for (const char* bad : {"GRU = ", "= 5", "APOL = '12", "D 1 = 5", "D1 5"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(parseAssignment(QString::fromUtf8(bad)), FormulaError);
    }
}

// Named formulas of a period report: their defaults select one period, the
// launch's assignments another.
class NamedFormulas : public test::ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        createSelectionTables();
        writeFile(QStringLiteral("PERIODO.RPT"), QStringLiteral(R"(TITLE "{@TITULO}"
SUBTITLE "De {@D1}/{@M1}/{@A1} a {@D2}/{@M2}/{@A2}"
FROM PROCEDE
FORMULA D1 = 1
FORMULA M1 = 3
FORMULA A1 = 2016
FORMULA D2 = 31
FORMULA M2 = 3
FORMULA A2 = 2016
FORMULA APOL = ''
FORMULA TITULO = 'PAGAMENTOS POR PERÍODO'
SELECT {PROCEDE.DATAPAGTO} >= Date({@A1}, {@M1}, {@D1}) and {PROCEDE.DATAPAGTO} <= Date({@A2}, {@M2}, {@D2}) and ({@APOL} = '' or {PROCEDE.APOLICE} = {@APOL})
SORT {PROCEDE.DATAPAGTO}
COLUMN {PROCEDE.CODIGO} "Código"
COLUMN {PROCEDE.APOLICE} "Apólice"
COLUMN {PROCEDE.DATAPAGTO} "Pagamento" WIDTH 10
)"));
    }

    std::shared_ptr<ReportDocument> run(std::map<int, QString> formulas)
    {
        return runReport({pathOf(QStringLiteral("PERIODO.RPT")), QString(), std::move(formulas)}, QString());
    }

    static QStringList keys(const ReportDocument& doc)
    {
        QStringList out;
        for (const QStringList& row : doc.rows)
            out << row.first();
        return out;
    }
};

TEST_F(NamedFormulas, DefaultsApplyUntilALaunchAssignsThem)
{
    const auto byDefault = run({});
    EXPECT_EQ(keys(*byDefault), QStringList{QStringLiteral("9")});
    EXPECT_EQ(byDefault->title, QStringLiteral("PAGAMENTOS POR PERÍODO"));

    const auto february = run({{0, QStringLiteral("D1 = 1")}, {1, QStringLiteral("M1 = 2")}, {2, QStringLiteral("A1 = 2016")},
                               {3, QStringLiteral("D2 = 29")}, {4, QStringLiteral("M2 = 2")}, {5, QStringLiteral("A2 = 2016")}});
    EXPECT_EQ(keys(*february), (QStringList{QStringLiteral("7"), QStringLiteral("8")}));
    EXPECT_EQ(february->rows[1][2], QStringLiteral("29/02/2016"));
    EXPECT_EQ(february->pageText(0).filter(QStringLiteral("De 1/2/2016 a 29/2/2016")).size(), 1);

    const auto card = run({{1, QStringLiteral("M1 = 1")}, {4, QStringLiteral("M2 = 3")}, {6, QStringLiteral("APOL = '321'")},
                           {7, QStringLiteral("TITULO = 'RENOVACAO NO DIA'")}, {8, QString()}});
    EXPECT_EQ(keys(*card), (QStringList{QStringLiteral("8"), QStringLiteral("9")}));
    EXPECT_EQ(card->title, QStringLiteral("RENOVACAO NO DIA"));
}

TEST_F(NamedFormulas, AssignmentTheDefinitionDoesNotDeclareOrCannotReadIsAFailure)
{
    const std::pair<QString, ReportFailure::Kind> cases[] = {
        {QStringLiteral("GRU = 123"), ReportFailure::Kind::UnknownFormula},
        {QStringLiteral("APOL = 'O'BRIEN'"), ReportFailure::Kind::BadFormula},
        {QStringLiteral("D1 = "), ReportFailure::Kind::BadFormula},
        // A day that does not exist, made of valid pieces: found where the
        // definition builds the date.
        {QStringLiteral("D1 = 30"), ReportFailure::Kind::BadDefinition},
        // A number where the definition compares a text.
        {QStringLiteral("APOL = 321"), ReportFailure::Kind::BadFormula},
    };
    for (const auto& [assignment, kind] : cases) {
        SCOPED_TRACE(assignment.toStdString());
        std::map<int, QString> formulas{{6, assignment}};
        if (assignment.startsWith(u'D'))
            formulas = {{0, assignment}, {1, QStringLiteral("M1 = 2")}};
        try {
            run(formulas);
            ADD_FAILURE() << "ran";
        } catch (const ReportFailure& f) {
            EXPECT_EQ(f.kind(), kind) << f.message().toStdString();
        }
    }
}

// Definitions of the agenda reports: the month and the title come from the
// launch, the end of a term is measured against the day of the run.
TEST_F(NamedFormulas, AgendaDefinitionsTakeTheMonthTitleAndTodayFromTheRun)
{
    writeFile(QStringLiteral("RELNCLI3.RPT"), QStringLiteral("TITLE \"RENOVAÇÕES DO MÊS {@MES}\"\nFROM NAOCLIENTES\n"
                                                             "FORMULA MES = 0\nSELECT month({NAOCLIENTES.ANIV}) = {@MES}\n"
                                                             "COLUMN {NAOCLIENTES.CODIGO} \"Código\"\n"));
    writeFile(QStringLiteral("RENVENCI.RPT"),
              QStringLiteral("TITLE \"{@TITULO}\"\nFROM DOCUMENTOS\nFORMULA TITULO = 'VENCIDOS'\n"
                             "SELECT {DOCUMENTOS.VIGENTE} = 'V' and {DOCUMENTOS.VIGENCIAFINAL} < CurrentDate\n"
                             "SORT {DOCUMENTOS.PROPOSTA}\nCOLUMN {DOCUMENTOS.PROPOSTA} \"Proposta\"\n"));
    auto keysOf = [this](const char* file, std::map<int, QString> formulas) {
        return keys(*runReport({pathOf(QString::fromLatin1(file)), QString(), std::move(formulas)}, QString()));
    };
    try {
        EXPECT_EQ(keysOf("RELNCLI3.RPT", {{0, QStringLiteral("MES = 3")}}), QStringList{QStringLiteral("1")});
        EXPECT_EQ(keysOf("RELNCLI3.RPT", {{0, QStringLiteral("MES = 5")}}), QStringList{QStringLiteral("3")});
        EXPECT_TRUE(keysOf("RELNCLI3.RPT", {}).isEmpty());

        EXPECT_TRUE(keysOf("RENVENCI.RPT", {}).isEmpty());
        rt::Clock::setToday(QDate(2016, 3, 7));
        EXPECT_EQ(keysOf("RENVENCI.RPT", {}), (QStringList{QStringLiteral("100"), QStringLiteral("102"),
                                                           QStringLiteral("104")}));
        const auto titled = runReport({pathOf(QStringLiteral("RENVENCI.RPT")), QString(),
                                       {{0, QStringLiteral("TITULO = 'LISTAGEM DOS DOCUMENTOS VIGENTES VENCIDOS'")}}},
                                      QString());
        EXPECT_EQ(titled->title, QStringLiteral("LISTAGEM DOS DOCUMENTOS VIGENTES VENCIDOS"));
    } catch (const ReportFailure& f) {
        ADD_FAILURE() << f.message().toStdString();
    }
}

}  // namespace
