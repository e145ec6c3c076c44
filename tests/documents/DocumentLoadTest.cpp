#include "DocumentFixture.h"

#include <QApplication>
#include <sqlite3.h>

namespace vorna {
namespace {

using DocumentLoad = test::DocumentFixture;

TEST_F(DocumentLoad, OpensEmptyWithTheBranchOneAndTheFocusOnTheClientName)
{
    addDocument({{"APOLICE", "123"}});
    open();
    ASSERT_TRUE(opened());
    EXPECT_EQ(box("Text23")->text(), "1");
    EXPECT_EQ(box("Text1")->text(), "");
    EXPECT_FALSE(button("Command3D3")->isEnabled());
    EXPECT_EQ(list("Combo7")->Text(), "ANTECIPADA");
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == list("Combo5") || focus->parentWidget() == list("Combo5"));
    EXPECT_TRUE(form().recordsets().DOCUMENTOS.isOpen());
    EXPECT_TRUE(form().recordsets().COTACAO.isOpen());
}

TEST_F(DocumentLoad, HandsBackTheRecordAndResetsTheFlags)
{
    HandOver& handOver = state().handOver;
    handOver.ReturnFlag = 1;
    handOver.PassedRecordCode = Variant("77");
    handOver.PassedRecordName = "CLIENTE DEVOLVIDO";
    state().document.SourceDocumentNumber = 9;
    form().values().ClientBranch = 4;
    open();
    EXPECT_EQ(box("Text9")->text(), "77");
    EXPECT_EQ(list("Combo5")->Text(), "CLIENTE DEVOLVIDO");
    EXPECT_EQ(handOver.ReturnFlag, 0);
    EXPECT_EQ(state().document.SourceDocumentNumber, 0);
    EXPECT_EQ(values().ClientBranch, 0);
}

// Back from the client window: the document left there, found by number and
// branch; the caller code is spent whatever is found.
TEST_F(DocumentLoad, ReturnFromTheClientWindowShowsTheDocumentLeft)
{
    const int first = addDocument();
    const int second = addDocument({{"FILIAL", 2}});
    struct Case {
        const char* what;
        int number, branch;
        QString shown;
    } cases[] = {
        {"found", first, 1, QString::number(first)},
        {"found in its branch", second, 2, QString::number(second)},
        {"another branch", first, 2, ""},
        {"blank number", 0, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state().handOver.CallerCode = Variant(caller::ClientFromDocument);
        state().handOver.ReturnDocumentNumber = c.number;
        state().handOver.ReturnDocumentBranch = c.branch;
        open();
        EXPECT_EQ(box("Text1")->text(), c.shown);
        EXPECT_EQ(button("Command3D3")->isEnabled(), !c.shown.isEmpty());
        EXPECT_EQ(state().handOver.CallerCode, Variant(caller::Normal));
        test::click(button("Command3D5"));
    }
}

TEST_F(DocumentLoad, AnotherCallerCodeIsNeitherUsedNorCleared)
{
    const int number = addDocument();
    state().handOver.CallerCode = Variant(caller::Claims);
    state().handOver.ReturnDocumentNumber = number;
    state().handOver.ReturnDocumentBranch = 1;
    open();
    EXPECT_EQ(box("Text1")->text(), "");
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::Claims));
}

// "Sair" unloads the controls; the window's own values carry over to the next
// opening, but for the client branch that every opening resets.
TEST_F(DocumentLoad, WindowValuesOutliveClosingAndReopening)
{
    open();
    values().ResultGridMode = 2;
    values().ShownPolicyNumber = Variant("AP-9");
    values().PendingPasswordAction = 7;
    values().ClientBranch = 3;
    state().handOver.CallerCode = Variant(caller::Claims);
    test::click(button("Command3D5"));
    EXPECT_FALSE(form().isLoaded());
    EXPECT_EQ(state().handOver.CallerCode, Variant(caller::Normal));
    open();
    EXPECT_EQ(values().ResultGridMode, 2);
    EXPECT_EQ(values().ShownPolicyNumber, Variant("AP-9"));
    EXPECT_EQ(values().PendingPasswordAction, 7);
    EXPECT_EQ(values().ClientBranch, 0);
}

// The window opens whole or not at all.
TEST_F(DocumentLoad, ATableThatCannotBeOpenedIsNamedAndTheWindowStaysClosed)
{
    ASSERT_EQ(sqlite3_exec(mainDatabase().handle(), "DROP TABLE SINISTRO", nullptr, nullptr, nullptr), SQLITE_OK);
    dialogs.expectOk();
    open();
    EXPECT_FALSE(opened());
    EXPECT_FALSE(form().isLoaded());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith("NÃO FOI POSSÍVEL ABRIR A TABELA SINISTRO: ")) << dialogs.boxes[0].text.toStdString();
    EXPECT_TRUE(dialogs.boxes[0].text.endsWith("(3078)")) << dialogs.boxes[0].text.toStdString();
}

TEST_F(DocumentLoad, AClosedQuotationDatabaseIsNamedAndTheWindowStaysClosed)
{
    state().QuotationDatabase = db::Database();
    dialogs.expectOk();
    open();
    EXPECT_FALSE(opened());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QString("NÃO FOI POSSÍVEL ABRIR O BANCO DE DADOS ATIBERA.MDB (TABELA COTACAO)."));
    EXPECT_EQ(dialogs.boxes[0].title, msg::TitleAttention);
}

}  // namespace
}  // namespace vorna
