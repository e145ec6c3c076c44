#include "LookupFixture.h"

#include "documents/DocumentRecord.h"
#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using test::LookupFixture;

class NameLists : public LookupFixture {};

// A chosen name gives the code of its own row: of namesakes the one chosen,
// of names holding one another the exact one, a name with pattern characters
// itself.
TEST_F(NameLists, ChosenNameGivesItsRowsCode)
{
    addRow("RAMOS", {{"CODIGO", 311}, {"NOME", "SAUDE TOTAL"}});
    addRow("RAMOS", {{"CODIGO", 312}, {"NOME", "SAUDE"}});
    addRow("CIAS", {{"CODIGO", 7}, {"NOME", "ALFA*"}});
    addRow("CIAS", {{"CODIGO", 8}, {"NOME", "ALFA"}});
    const int groupA = int(rt::CLng(addRow("GRUPO", {{"NOME", "GRUPO A"}}).field("CODIGO")));
    const int groupB = int(rt::CLng(addRow("GRUPO", {{"NOME", "GRUPO A"}}).field("CODIGO")));
    addProducer(5, 1, "JOSE DA SILVA");
    addProducer(6, 1, "JOSE");
    addProducer(9, 2, "JOSE");
    // The attendants' list is the last the opening fills; an empty one ends
    // the fill with its message.
    addRow("ATENDE", {{"XCONPG", 1}, {"XCONTA", "ATENDENTE"}});
    struct Case {
        const char* list;
        const char* codeBox;
        QString name;
        int occurrence;
        QString code;
    } cases[] = {
        {"Combo3", "Text4", "SAUDE", 0, "312"},        {"Combo3", "Text4", "SAUDE TOTAL", 0, "311"},
        {"Combo4", "Text7", "ALFA", 0, "8"},           {"Combo4", "Text7", "ALFA*", 0, "7"},
        {"Combo6", "Text11", "ALFA", 0, "8"},          {"Combo14", "Text8", "GRUPO A", 1, ""},
        {"Combo8", "Text18", "JOSE", 0, ""},          {"Combo9", "Text25", "JOSE DA SILVA", 0, "5"},
        {"Combo10", "Text26", "JOSE", 0, ""},         {"Combo18", "Text32", "JOSE", 1, ""},
        {"Combo19", "Text33", "JOSE DA SILVA", 0, "5"},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + c.name.toStdString());
        test::click(button("Command3D1"));
        choose(c.list, c.name, c.occurrence);
        EXPECT_EQ(list(c.list)->Text(), c.name);
        const QString code = box(c.codeBox)->text();
        if (!c.code.isEmpty()) {
            EXPECT_EQ(code, c.code);
            continue;
        }
        // Namesakes: the entry's own key, and for producers its branch.
        const int at = list(c.list)->ListIndex();
        EXPECT_EQ(code, list(c.list)->itemData(at, documents::Form14::KeyRole).toString());
        if (QString(c.list) == "Combo14")
            EXPECT_EQ(code, QString::number(groupB));
    }
    EXPECT_NE(groupA, groupB);
    // A producer chosen by name gets no share.
    EXPECT_EQ(masked("MaskEdBox75")->Text(), "0");

    // "Limpar" leaves every code box empty.
    test::click(button("Command3D1"));
    for (const char* codeBox : {"Text4", "Text7", "Text11", "Text8", "Text18", "Text25", "Text26", "Text32", "Text33"})
        EXPECT_EQ(box(codeBox)->text(), "") << codeBox;
}

// The client name list, which nothing fills, by call: the client's code and
// branch; a name no client holds gives the message.
TEST_F(NameLists, ClientNameByCall)
{
    const int client = addClient("MARIA", 3, 4);
    open();
    list("Combo5")->setText("MARIA");
    emit list("Combo5")->Click();
    EXPECT_EQ(box("Text9")->text(), QString::number(client));
    EXPECT_EQ(box("Text10")->text(), "4");
    EXPECT_EQ(values().ClientBranch, 4);
    EXPECT_EQ(state().handOver.ReturnDocumentBranch, 4);
    list("Combo5")->setText("MAR[I]A");
    dialogs.expectOk("CLIENTE NÃO ENCONTRADO");
    emit list("Combo5")->Click();
}

class GridPick : public LookupFixture {
protected:
    // The grid as a search leaves it: captions, then one row per document.
    void listed(int mode, const std::vector<int>& numbers)
    {
        values().ResultGridMode = int16_t(mode);
        grid()->setCols(11);
        grid()->setRows(int(numbers.size()) + 2);
        for (int col = 0; col < 11; ++col)
            grid()->setTextMatrix(0, col, QStringLiteral("C%1").arg(col));
        for (size_t i = 0; i < numbers.size(); ++i) {
            grid()->setTextMatrix(int(i) + 1, 0, "X");
            grid()->setTextMatrix(int(i) + 1, 3, QString::number(numbers[i]));
        }
        grid()->setVisible(true);
    }
    void clickCell(int row, int col)
    {
        grid()->setRow(row);
        grid()->setCol(col);
        emit grid()->Click();
    }
    bool gridClosed() { return grid()->isHidden() && grid()->Rows() == 1 && grid()->Cols() == 1; }
};

// Modes 1 and 3 show the picked document; mode 2 shows it under "APOLICE"
// and prefills an endorsement otherwise; the grid closes after each pick.
TEST_F(GridPick, ShowOrPrefillByMode)
{
    const int policy = addDocument({{"APOLICE", "P-1"}, {"CODCLIENTE", 21}, {"FILIAL", 3}, {"PROD3", Variant::null()},
                                    {"PROD2", 4}, {"VIGENCIAFINAL", Variant::null()}});
    struct Case {
        int mode;
        QString type;  // chosen before the pick
        bool shown;
    } cases[] = {{1, "", true}, {3, "", true}, {2, "APOLICE", true}, {2, "", false}, {2, "ENDOSSO", false}};
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        test::click(button("Command3D1"));
        state().document.OperationMarker = Variant("9");
        state().handOver.ReturnDocumentBranch = 5;
        chooseType(c.type);
        box("Text26")->setText("66");
        masked("MaskEdBox7")->setText("01/01/2020");
        listed(c.mode, {policy});
        clickCell(1, 0);
        EXPECT_TRUE(gridClosed());
        EXPECT_EQ(box("Text9")->text(), "21");
        EXPECT_EQ(box("Text25")->text(), "4");
        EXPECT_EQ(box("Text23")->text(), "3");
        EXPECT_EQ(box("Text1")->text(), c.shown ? QString::number(policy) : QString());
        EXPECT_EQ(button("Command3D3")->isEnabled(), c.shown);
        if (c.shown) {
            const bool marked = c.mode != 2;
            EXPECT_EQ(operationMarker(), marked ? "2" : "9");
            EXPECT_EQ(state().handOver.ReturnDocumentBranch, marked ? 0 : 5);
            EXPECT_EQ(control("Frame1")->isHidden(), !marked);
        } else {
            EXPECT_EQ(operationMarker(), "2");
            EXPECT_EQ(values().PrefillPolicyNumber, policy);
            EXPECT_EQ(state().document.SourceDocumentNumber, policy);
            EXPECT_EQ(box("Text2")->text(), "P-1");
            EXPECT_EQ(box("Text26")->text(), "66");
            EXPECT_EQ(masked("MaskEdBox7")->Text(), "01/01/2020");
        }
    }
}

// An empty cell does nothing; a document deleted since the listing gives the
// message and leaves the grid as it was.
TEST_F(GridPick, EmptyCellAndDeletedDocument)
{
    const int kept = addDocument({{"CODCLIENTE", 21}});
    const int gone = addDocument({{"CODCLIENTE", 22}});
    open();
    listed(1, {kept, gone});
    findRow("DOCUMENTOS", QStringLiteral("PROPOSTA = %1").arg(gone)).Delete();
    clickCell(1, 5);
    EXPECT_TRUE(grid()->isVisible());
    dialogs.expectOk("DOCUMENTO NAO ENCONTRADO");
    clickCell(2, 0);
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(grid()->Rows(), 4);
    EXPECT_EQ(box("Text1")->text(), "");
    clickCell(1, 3);
    EXPECT_TRUE(gridClosed());
    EXPECT_EQ(box("Text9")->text(), "21");
}

class Coinsurers : public LookupFixture {};

// "Retornar" checks the names, then the total, then names given twice, and
// closes only when all pass; the codes found are what the next save stores.
TEST_F(Coinsurers, ChecksInTheirOrder)
{
    addRow("CIAS", {{"CODIGO", 10}, {"NOME", "ALFA SEGUROS"}});
    addRow("CIAS", {{"CODIGO", 20}, {"NOME", "BETA"}});
    addRow("CIAS", {{"CODIGO", 30}, {"NOME", "GAMA"}});
    const QString tooHigh = "PERCENTUAL TOTAL ACIMA DE 100%";
    struct Case {
        const char* what;
        QString names[3], percents[3];
        QString message;
        std::array<int32_t, 3> codes;
    } cases[] = {
        {"all empty", {"", "", ""}, {"", "", ""}, "", {0, 0, 0}},
        {"exactly 100", {"ALFA SEGUROS", "BETA", "GAMA"}, {"50", "30", "20"}, "", {10, 20, 30}},
        {"above 100", {"ALFA SEGUROS", "BETA", "GAMA"}, {"50", "30", "20,5"}, tooHigh, {10, 20, 30}},
        {"unknown before the sum", {"BETA", "OMEGA", ""}, {"300", "", ""}, "CIA NÃO ENCONTRADA", {20, 0, 0}},
        {"pattern is literal", {"ALF*", "", ""}, {"", "", ""}, "CIA NÃO ENCONTRADA", {0, 0, 0}},
        {"fragment", {"ALF", "", ""}, {"10", "", ""}, "", {10, 0, 0}},
        {"1 and 2 equal", {"BETA", "BETA", ""}, {"", "", ""}, "A 1ª E 2ª COSSEGURADORAS SÃO AS MESMAS!", {20, 20, 0}},
        {"1 and 3 equal", {"BETA", "", "BETA"}, {"", "", ""}, "A 1ª E 3ª COSSEGURADORAS SÃO AS MESMAS!", {20, 0, 20}},
        {"2 and 3 equal", {"", "GAMA", "GAMA"}, {"", "", ""}, "A 2ª E 3ª COSSEGURADORAS SÃO AS MESMAS!", {0, 30, 30}},
        {"trailing blank differs", {"ALFA", "ALFA ", ""}, {"", "", ""}, "", {10, 10, 0}},
        {"above 100 and equal", {"BETA", "BETA", ""}, {"60", "50", ""}, tooHigh, {20, 20, 0}},
        {"no number", {"", "", ""}, {"1,2,3", "", ""}, tooHigh, {0, 0, 0}},
    };
    const char* lists[] = {"Combo15", "Combo16", "Combo17"};
    const char* boxes[] = {"MaskEdBox81", "MaskEdBox57", "MaskEdBox80"};
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::click(control("Command1"));
        EXPECT_TRUE(control("Frame3D1")->isVisible());
        for (int n = 0; n < 3; ++n) {
            list(lists[n])->setText(c.names[n]);
            masked(boxes[n])->setText(c.percents[n]);
        }
        if (!c.message.isEmpty())
            dialogs.expectOk(c.message);
        test::click(control("Command2"));
        EXPECT_EQ(control("Frame3D1")->isVisible(), !c.message.isEmpty());
        EXPECT_EQ(values().CoinsurerCodes, c.codes);
        if (c.message.isEmpty())
            for (int n = 0; n < 3; ++n)
                EXPECT_EQ(masked(boxes[n])->Text(), c.percents[n].isEmpty() ? "0" : c.percents[n]);
    }
    // The last duplicate message is titled without the exclamation mark.
    dialogs.expectOk();
    list("Combo15")->setText("GAMA");
    list("Combo16")->setText("GAMA");
    masked("MaskEdBox81")->setText("0");
    masked("MaskEdBox57")->setText("0");
    test::click(control("Command2"));
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
}

// A name chosen from a slot's list gives its own insurer, also of namesakes.
TEST_F(Coinsurers, ChosenNamesakeGivesItsOwnCode)
{
    addRow("CIAS", {{"CODIGO", 20}, {"NOME", "BETA"}});
    addRow("CIAS", {{"CODIGO", 21}, {"NOME", "BETA"}});
    // A row for each list the opening fills, so that the fill runs through.
    addRow("GRUPO", {{"CODIGO", 1}, {"NOME", "GRUPO"}});
    addRow("RAMOS", {{"CODIGO", 1}, {"NOME", "RAMO"}});
    addProducer(1, 1, "PRODUTOR");
    addRow("ATENDE", {{"XCONPG", 1}, {"XCONTA", "ATENDENTE"}});
    open();
    test::click(control("Command1"));
    for (int occurrence : {0, 1}) {
        SCOPED_TRACE(occurrence);
        choose("Combo17", "BETA", occurrence);
        test::click(control("Command2"));
        const int at = list("Combo17")->ListIndex();
        EXPECT_EQ(values().CoinsurerCodes[2], list("Combo17")->itemData(at, documents::Form14::KeyRole).toInt());
    }
    EXPECT_NE(list("Combo17")->itemData(0, documents::Form14::KeyRole),
              list("Combo17")->itemData(1, documents::Form14::KeyRole));
}

// The codes "Retornar" recorded reach the stored document.
TEST_F(Coinsurers, CodesStoredWithTheHeader)
{
    addRow("CIAS", {{"CODIGO", 20}, {"NOME", "BETA"}});
    const int document = addDocument();
    open();
    showByNumber(document);
    test::click(control("Command1"));
    list("Combo16")->setText("BET");
    test::click(control("Command2"));
    db::Recordset documents = findRow("DOCUMENTOS", QStringLiteral("PROPOSTA = %1").arg(document));
    documents.Edit();
    ASSERT_TRUE(documents::WriteDocumentHeader(form(), documents, values()));
    EXPECT_EQ(findRow("DOCUMENTOS", QStringLiteral("PROPOSTA = %1").arg(document)).field("CCO2"), Variant(20));
}

}  // namespace
}  // namespace vorna
