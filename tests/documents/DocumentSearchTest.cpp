#include "DocumentFixture.h"

#include "platform/controls/FlexGrid.h"

#include <sqlite3.h>

namespace vorna {
namespace {

const QString EnterClient = QStringLiteral("ENCONTRE PRIMEIRO O CLIENTE A SER PESQUISADO!");
const QString EnterPolicy = QStringLiteral("DIGITE PRIMEIRO A APÓLICE A SER PESQUISADA!");
const QString NoDocuments = QStringLiteral("DOCUMENTOS NÃO ENCONTRADOS");
const QString NotFound = QStringLiteral("DOCUMENTO NAO ENCONTRADO");
const QString BranchNotice =
    QStringLiteral("NESTE TIPO DE CONSULTA SÓ SERÃO IDENTIFICADOS OS DOCUMENTOS DESTA FILIAL");
const QString NoRegistered = QStringLiteral("NÃO HÁ REGISTROS CADASTRADOS");

class DocumentSearch : public test::DocumentFixture {
protected:
    ui::FlexGrid* grid() { return c<ui::FlexGrid>("MSFlexGrid1"); }
    QStringList column(int col)
    {
        QStringList cells;
        for (int r = 1; r < grid()->Rows(); ++r)
            cells << grid()->TextMatrix(r, col);
        return cells;
    }
    QStringList row(int r)
    {
        QStringList cells;
        for (int col = 0; col < grid()->Cols(); ++col)
            cells << grid()->TextMatrix(r, col);
        return cells;
    }
    void consult(const QString& number, const QString& name = {})
    {
        box("Text1")->setText(number);
        list("Combo5")->setText(name);
        test::click(button("Command3D4"));
    }
    void showNumber(int number)
    {
        consult(QString::number(number));
        ASSERT_EQ(box("Text1")->text(), QString::number(number));
    }
    bool enabled(const char* name) { return control(name)->isEnabled(); }
    // Many rows at once, on the program's own connection.
    void addMany(const char* sql) { ASSERT_EQ(sqlite3_exec(mainDatabase().handle(), sql, nullptr, nullptr, nullptr), SQLITE_OK); }
};

TEST_F(DocumentSearch, ConsultarByNumber)
{
    const int first = addDocument({{"NOMCLIENTE", "ANA"}, {"APOLICE", "111"}});
    addDocument({{"NOMCLIENTE", "BRUNO"}});
    open();

    // Both boxes blank, or blanks only: the request for a client and nothing else.
    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        dialogs.expectOk(EnterClient);
        control("Frame1")->setVisible(true);
        consult(blank, blank);
        EXPECT_TRUE(control("Frame1")->isHidden());
        EXPECT_FALSE(grid()->isVisible());
    }

    // A number wins over a name.
    consult(QString::number(first), QStringLiteral("BRUNO"));
    EXPECT_EQ(list("Combo5")->Text(), "ANA");
    EXPECT_EQ(box("Text2")->text(), "111");
    EXPECT_TRUE(enabled("Command3D3"));

    // A number no document has: the shown document stays, its buttons go.
    dialogs.expectOk(NotFound);
    box("Text1")->setText(QStringLiteral("999"));
    test::click(button("Command3D4"));
    EXPECT_EQ(box("Text2")->text(), "111");
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttentionExclaimed);
    for (const char* name : {"Command3D3", "Command3D15", "Command3D20", "Command3D16", "Command3D22", "Command3D11"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(enabled("Command3D4"));
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_EQ(values().ResultGridMode, 0);
}

TEST_F(DocumentSearch, NameListingNewestFirstWithOneRowPerDocument)
{
    const int a = addDocument({{"NOMCLIENTE", "MARIA SILVA"}, {"APOLICE", "A1"}, {"ANEXO1", ""}, {"PENDE", "FOTO"}});
    addDocument({{"NOMCLIENTE", "JOAO"}});
    const int b = addDocument({{"NOMCLIENTE", "ANA MARIA"}, {"TIPO", "E"}, {"INTERNO", "X"}});
    const int quoted = addDocument({{"NOMCLIENTE", "D'MARIA"}});
    open();

    struct Case {
        const char* what;
        QString name;
        std::vector<int> listed;  // grid order
        int rows;
    } cases[] = {
        {"several, newest first", "MARIA", {quoted, b, a}, 5},
        {"letter case ignored", "silva", {a}, 2},
        {"an apostrophe is a character", "D'M", {quoted}, 2},
        {"pattern characters act", "MAR?A S*", {a}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.expectOk(BranchNotice);
        consult({}, c.name);
        ASSERT_TRUE(grid()->isVisible());
        EXPECT_EQ(values().ResultGridMode, 1);
        EXPECT_EQ(grid()->Rows(), c.rows);
        EXPECT_EQ(grid()->Cols(), 13);
        QStringList numbers;
        for (int n : c.listed)
            numbers << QString::number(n);
        EXPECT_EQ(column(3).mid(0, int(c.listed.size())), numbers);
        if (c.rows > 2)
            EXPECT_EQ(row(c.rows - 1), QStringList(13, QString()));  // nothing left from before
        for (const char* name : {"Command3D3", "Command3D14", "Command3D15", "Command3D16", "Command3D20",
                                 "Command3D11"})
            EXPECT_FALSE(enabled(name)) << name;
    }
    EXPECT_EQ(row(0), (QStringList{"Cliente", "Apólice", "Endosso", "Docum.", "Vig.Inicial", "Vig.Final", "SIT",
                                   "Tipo", "Plano", "Operadora", "Anexos", "Pendências", "Interno"}));
    EXPECT_EQ(grid()->ColWidth(11), 1600);

    dialogs.expectOk(BranchNotice);
    consult({}, QStringLiteral("MARIA"));
    EXPECT_EQ(row(3), (QStringList{"MARIA SILVA", "A1", "", QString::number(a), "", "", "V", "A", "", "", "SIM",
                                   "FOTO", ""}));
    EXPECT_EQ(grid()->TextMatrix(2, 10), "NÃO");
    EXPECT_EQ(grid()->TextMatrix(2, 7), "E");
    EXPECT_EQ(grid()->TextMatrix(2, 12), "X");
}

TEST_F(DocumentSearch, NameListingWithoutMatchAndWithAnIdentifiedClient)
{
    addDocument({{"NOMCLIENTE", "ANA"}});
    open();
    dialogs.expectOk(BranchNotice).expectOk(BranchNotice).expectOk(NoDocuments);
    consult({}, QStringLiteral("ANA"));  // listed first
    consult({}, QStringLiteral("ZZ"));
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_TRUE(enabled("Command3D4"));
    EXPECT_TRUE(enabled("Command3D14"));
    for (const char* name : {"Command3D3", "Command3D15", "Command3D16", "Command3D20", "Command3D11"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_EQ(values().ResultGridMode, 1);

    // A client identified: no notice.
    box("Text10")->setText(QStringLiteral("1"));
    consult({}, QStringLiteral("AN"));
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(dialogs.boxes.size(), 3u);  // the two notices and the no-match

    // A pattern the engine cannot read lists nothing.
    dialogs.expectOk(NoDocuments);
    consult({}, QStringLiteral("[A"));
    EXPECT_FALSE(grid()->isVisible());
}

// Past 699 documents the listing ends with the grid full.
TEST_F(DocumentSearch, NameListingStopsWhenTheGridIsFull)
{
    addMany("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 702) "
            "INSERT INTO DOCUMENTOS (FILIAL, TIPO, NOMCLIENTE) SELECT 1, 'A', 'CLIENTE ' || i FROM n");
    open();
    box("Text10")->setText(QStringLiteral("1"));
    consult({}, QStringLiteral("CLIENTE"));
    EXPECT_EQ(grid()->Rows(), 701);
    EXPECT_EQ(grid()->TextMatrix(1, 0), "CLIENTE 702");
    EXPECT_EQ(grid()->TextMatrix(699, 0), "CLIENTE 4");
}

TEST_F(DocumentSearch, PolicyNumberSearches)
{
    const int policy = addDocument({{"APOLICE", "10.2030"}, {"NOMRAMO", "AUTO"}});
    const int endorsement = addDocument({{"APOLICE", "10.2030"}, {"TIPO", "E"}, {"ENDOSSO", "1"}});
    const int other = addDocument({{"APOLICE", "77 2030"}});
    const int quoted = addDocument({{"APOLICE", "X'1"}});
    open();
    struct Case {
        const char* what;
        const char* button;
        QString typed;
        std::vector<int> listed;
        int mode;
    } cases[] = {
        {"policies only", "Command3D18", "2030", {policy, other}, 2},
        {"every type", "Command3D27", "2030", {policy, endorsement, other}, 3},
        {"a leading blank is part of the text", "Command3D27", " 2030", {other}, 3},
        {"pattern characters act", "Command3D27", "10?2#3", {policy, endorsement}, 3},
        {"a set", "Command3D18", "[17]7", {other}, 2},
        {"an apostrophe", "Command3D27", "X'", {quoted}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box("Text2")->setText(c.typed);
        control("Frame1")->setVisible(true);
        test::click(button(c.button));
        ASSERT_TRUE(grid()->isVisible());
        EXPECT_EQ(values().ResultGridMode, c.mode);
        EXPECT_EQ(grid()->Cols(), 11);
        QStringList numbers;
        for (int n : c.listed)
            numbers << QString::number(n);
        EXPECT_EQ(column(3).mid(0, int(c.listed.size())), numbers);
        EXPECT_EQ(grid()->Rows(), c.listed.size() == 1 ? 2 : int(c.listed.size()) + 2);
        EXPECT_EQ(control("Frame1")->isHidden(), c.mode == 3);
    }
    EXPECT_EQ(row(0), (QStringList{"Cliente", "Apólice", "Endosso", "Docum.", "Vig.Inicial", "Vig.Final", "SIT",
                                   "Tipo", "Ramo", "Seguradora", "Anexos"}));

    dialogs.expectOk(EnterPolicy).expectOk(NoDocuments).expectOk(NoDocuments);
    box("Text2")->setText(QStringLiteral("  "));
    test::click(button("Command3D18"));
    EXPECT_TRUE(grid()->isVisible());  // untouched by the blank box
    box("Text2")->setText(QStringLiteral("999"));
    test::click(button("Command3D18"));
    EXPECT_FALSE(grid()->isVisible());
    box("Text2")->setText(QStringLiteral("[2"));
    test::click(button("Command3D27"));
    EXPECT_FALSE(grid()->isVisible());
}

// The 400th match has no row: 399 listed and the message.
TEST_F(DocumentSearch, PolicySearchEndsAtTheFourHundredthMatch)
{
    addMany("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 401) "
            "INSERT INTO DOCUMENTOS (FILIAL, TIPO, APOLICE) SELECT 1, 'A', 'P' || i FROM n");
    open();
    dialogs.expectOk(NoRegistered);
    box("Text2")->setText(QStringLiteral("P"));
    test::click(button("Command3D18"));
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(grid()->Rows(), 400);
    EXPECT_EQ(grid()->TextMatrix(399, 1), "P399");
}

TEST_F(DocumentSearch, PendingMattersNewestFirst)
{
    const int a = addDocument({{"PENDE", "FALTA CPF"}, {"INTERNO", "I1"}});
    addDocument({{"PENDE", "OK"}});
    const int b = addDocument({{"PENDE", "CPF ERRADO"}, {"TIPO", "E"}});
    open();
    box("Text34")->setText(QStringLiteral("CPF"));
    form().Command3D29_Click();
    ASSERT_TRUE(grid()->isVisible());
    EXPECT_EQ(values().ResultGridMode, 1);
    EXPECT_EQ(grid()->Cols(), 13);
    EXPECT_EQ(column(3).mid(0, 2), (QStringList{QString::number(b), QString::number(a)}));
    EXPECT_EQ(grid()->TextMatrix(2, 11), "FALTA CPF");
    EXPECT_EQ(grid()->TextMatrix(2, 12), "I1");
    EXPECT_EQ(grid()->ColWidth(11), 3600);
    EXPECT_EQ(grid()->TextMatrix(0, 8), "Ramo");

    dialogs.expectOk(EnterClient).expectOk(NoDocuments).expectOk(NoDocuments);
    box("Text34")->setText(QStringLiteral(" "));
    form().Command3D29_Click();
    box("Text34")->setText(QStringLiteral("[CPF"));  // unreadable: ends, lists nothing
    form().Command3D29_Click();
    EXPECT_FALSE(grid()->isVisible());
    box("Text34")->setText(QStringLiteral("'"));
    form().Command3D29_Click();
    EXPECT_FALSE(grid()->isVisible());
}

}  // namespace
}  // namespace vorna
