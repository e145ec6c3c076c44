#include "ClientFixture.h"

#include "common/WindowRefs.h"

#include <QSet>
#include <QTest>

namespace vorna::test {
namespace {

class ClientSearchTest : public ClientFixture {
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA", Variant("TESTE"));
    }
    ui::ListBox* names() { return c<ui::ListBox>("List1"); }
    QStringList items()
    {
        QStringList all;
        for (int i = 0; i < names()->ListCount(); ++i)
            all << names()->List(i);
        return all;
    }
};

TEST_F(ClientSearchTest, ACodeTypedWithLeadingZerosFindsItsClientAndAMissingOneIsReported)
{
    addClient("PRIMEIRO");
    const int second = addClient("SEGUNDO");
    open();
    type(box("Text1"), "0000" + QString::number(second));
    leave(box("Text1"));
    EXPECT_EQ(text(box("Text2")), "SEGUNDO");
    EXPECT_TRUE(shown());

    click(button("Command3D2"));
    // Leaving the code box looks the code up, and so does "Consultar".
    dialogs.expectOk(msg::ClientNotFound).expectOk(msg::ClientNotFound);
    type(box("Text1"), "99");
    click(button("Command3D4"));
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(shown());
}

TEST_F(ClientSearchTest, ThePickShowsTheNamesakePickedAndTypedTextIsMatchedAsTyped)
{
    const int first = addClient("MARIA", {{"CPF", "11111111111"}});
    addClient("50% DESCONTO");
    addClient("500 LOJAS");
    const int third = addClient("MARIA", {{"CPF", "22222222222"}});
    open();

    type(box("Text2"), "ari");
    click(button("Command3D4"));
    ASSERT_EQ(items(), QStringList({"MARIA", "MARIA"}));
    QSet<QString> codes;
    for (int row : {0, 1}) {
        if (row == 1) {
            click(button("Command3D2"));
            type(box("Text2"), "MARIA");
            click(c<QWidget>("Command3D21"));
        }
        pickRow(names(), row);
        codes << text(box("Text1"));
        EXPECT_FALSE(names()->isVisible());
    }
    EXPECT_EQ(codes, QSet<QString>({QString::number(first), QString::number(third)}));

    click(button("Command3D2"));
    // Pasted: the name box's filter refuses "%" and "'" when typed.
    box("Text2")->setText("50%");
    click(button("Command3D4"));
    EXPECT_EQ(items(), QStringList({"50% DESCONTO"}));
    pickRow(names(), 0);

    click(button("Command3D2"));
    box("Text2")->setText("O'BRIEN");
    dialogs.expectOk("CLIENTE NÃO ENCONTRADO");
    click(button("Command3D4"));

    click(button("Command3D2"));
    type(box("Text2"), "  ");
    dialogs.expectOk("DIGITE PELO MENOS ALGUM PEDAÇO DO NOME");
    click(c<QWidget>("Command3D21"));
}

TEST_F(ClientSearchTest, AFailedSearchEndsTheShownClientButEachButtonKeepsWhatItKeeps)
{
    const int code = addClient("MARIA");
    open();
    type(box("Text1"), QString::number(code));
    leave(box("Text1"));
    ASSERT_TRUE(shown());
    // The small button lists by name whatever is shown; "Anexos" stays as it was.
    type(box("Text2"), "JOAO");
    dialogs.expectOk("CLIENTE NÃO ENCONTRADO");
    click(c<QWidget>("Command3D21"));
    EXPECT_FALSE(shown());
    EXPECT_TRUE(button("Command3D24")->isEnabled());
    EXPECT_EQ(text(box("Text1")), QString::number(code));

    // A code not found on leaving the code box leaves the list of names open.
    click(button("Command3D2"));
    type(box("Text2"), "MAR");
    click(c<QWidget>("Command3D21"));
    ASSERT_TRUE(names()->isVisible());
    dialogs.expectOk(msg::ClientNotFound);
    type(box("Text1"), "77");
    leave(box("Text1"));
    EXPECT_TRUE(names()->isVisible());
    EXPECT_FALSE(button("Command3D24")->isEnabled());
}

TEST_F(ClientSearchTest, NavigationShowsEachClientAndReportsBothEnds)
{
    addClient("A");
    addClient("B");
    addClient("C");
    open();
    struct Step {
        const char* button;
        const char* shows;
        bool endReported;
    };
    const Step steps[] = {
        {"Command3D6", "B", false},  // "Próximo" from the first row, current when nothing is shown
        {"Command3D8", "A", false},  // "Primeiro"
        {"Command3D9", "A", true},   // "Anterior" at the start
        {"Command3D7", "C", false},  // "Último"
        {"Command3D6", "C", true},   // "Próximo" at the end
        {"Command3D9", "B", false},
    };
    for (const Step& s : steps) {
        if (s.endReported)
            dialogs.expectOk(msg::NoRecords);
        click(button(s.button));
        EXPECT_EQ(text(box("Text2")), s.shows) << s.button;
        if (s.endReported)
            EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
    }
}

TEST_F(ClientSearchTest, AnEmptyTableReportsNoRecordsOnEveryMove)
{
    open();
    for (const char* b : {"Command3D8", "Command3D9", "Command3D6", "Command3D7"}) {
        dialogs.expectOk(msg::NoRecords);
        click(button(b));
    }
    EXPECT_FALSE(shown());
}

TEST_F(ClientSearchTest, EachProducerEntryGivesItsOwnCode)
{
    addProducer(5, 1, "JOSE");
    addProducer(7, 2, "JOSE");
    open();
    ui::PickList* producers = list("Combo8");
    ASSERT_EQ(producers->ListCount(), 3);
    QSet<QString> codes;
    for (int i = 0; i < producers->ListCount(); ++i) {
        producers->setListIndex(i);
        codes << text(box("Text18"));
    }
    EXPECT_EQ(codes, QSet<QString>({"1", "5", "7"}));
}

class EmptyProducersTest : public ClientFixture {};

TEST_F(EmptyProducersTest, AnEmptyProducerTableIsReportedWhileLoading)
{
    dialogs.expectOk(QStringLiteral("VERIFIQUE SEU CADASTRO DE PRODUTOR POIS O MESMO ESTÁ VAZIO!"));
    open();
    EXPECT_EQ(list("Combo8")->ListCount(), 0);
}

TEST_F(ClientSearchTest, TheDocumentWindowOpensItOnItsClient)
{
    const int code = addClient("DO DOCUMENTO");
    state().handOver.CallerCode = Variant(caller::ClientFromDocument);
    state().handOver.PassedRecordCode = Variant(QString::number(code));
    open();
    EXPECT_EQ(text(box("Text2")), "DO DOCUMENTO");
    EXPECT_EQ(label("Label36")->text(), "Retornar");
    form().Unload();

    state().handOver.PassedRecordCode = Variant("404");
    dialogs.expectOk(msg::ClientNotFound);
    open();
    EXPECT_FALSE(shown());
}

TEST_F(ClientSearchTest, HoverOverANavigationButtonShowsTheSharedCaption)
{
    open();
    QTest::mouseMove(button("Command3D6"));
    EXPECT_TRUE(label("Label51")->isVisible());
    EXPECT_EQ(label("Label51")->text(), "Primeiro Anterior Proximo Último");
    QTest::mouseMove(button("Command3D4"));
    EXPECT_FALSE(label("Label51")->isVisible());
    EXPECT_TRUE(label("Label39")->isVisible());
}

TEST_F(ClientSearchTest, SairUnloadsAndEnablesTheMainMenu)
{
    windows::Form2().Disable();
    open();
    click(button("Command3D5"));
    EXPECT_FALSE(form().isLoaded());
    EXPECT_TRUE(windows::Form2().isEnabled());
}

}  // namespace
}  // namespace vorna::test
