#include "EventFixture.h"

#include "common/WindowRefs.h"
#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using test::click;
using test::type;
using EventSearch = test::EventFixture;

const QString NoRecords = QStringLiteral("NAO HA REGISTROS CADASTRADOS");

QStringList gridRow(ui::FlexGrid* grid, int row)
{
    QStringList cells;
    for (int c = 0; c < grid->Cols(); ++c)
        cells << grid->TextMatrix(row, c);
    return cells;
}

void clickCell(ui::FlexGrid* grid, int row, int col)
{
    grid->setRow(row);
    grid->setCol(col);
    emit grid->Click();
}

TEST_F(EventSearch, ConsultarListsTheEventsOfEveryMatchingName)
{
    const int a = addEvent("ANA SILVA", {{"APOLICE", "P1"}, {"TIPEVENTO", "Exame"}, {"EVENTO", "RX"}});
    addEvent("PEDRO COSTA");
    const int b = addEvent("JOSE SILVA", {{"DTEVENTO", day(5, 4, 2016)}});
    const int c = addEvent("ANA SILVA");
    open();

    type(box("Text2"), "  ");
    dialogs.expectOk("DIGITE PRIMEIRO O ESTIPULANTE A SER PESQUISADO!");
    click(button("Command3D4"));
    EXPECT_EQ(grid()->Rows(), 2);

    type(box("Text2"), "SILVA");
    click(button("Command3D4"));
    ASSERT_TRUE(grid()->isVisible());
    EXPECT_EQ(grid()->Rows(), 5);
    EXPECT_EQ(gridRow(grid(), 0),
              (QStringList{"Participante", "Evento", "Apólice", "Data do Evento", "Tipo", "Procedimento"}));
    EXPECT_EQ(gridRow(grid(), 1), (QStringList{"ANA SILVA", QString::number(a), "P1", "", "Exame", "RX"}));
    EXPECT_EQ(gridRow(grid(), 2)[1], QString::number(b));
    EXPECT_EQ(gridRow(grid(), 2)[3], "05/04/2016");
    EXPECT_EQ(gridRow(grid(), 3)[1], QString::number(c));
    EXPECT_EQ(grid()->ColWidth(0), 3000);

    // A shorter result leaves nothing of the longer one after its events.
    type(box("Text2"), "JOSE");
    click(button("Command3D4"));
    EXPECT_EQ(grid()->Rows(), 2);
    type(box("Text2"), "ANA SILVA");
    click(button("Command3D4"));
    EXPECT_EQ(grid()->Rows(), 4);
    EXPECT_EQ(gridRow(grid(), 3), QStringList(6, QString()));

    type(box("Text2"), "XAVIER");
    dialogs.expectOk("PARTICIPANTES NÃO ENCONTRADOS");
    click(button("Command3D4"));
    EXPECT_FALSE(grid()->isVisible());
}

TEST_F(EventSearch, ThePickShowsTheEventAndChecksItsFind)
{
    addEvent("ANA SILVA");
    const int b = addEvent("ANA SILVA", {{"EVENTO", "CIRURGIA X"}});
    open();
    type(box("Text2"), "ANA");
    click(button("Command3D4"));

    clickCell(grid(), 1, 2);  // an empty cell: nothing
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_FALSE(shown());

    {
        db::Recordset rs = findRow("PROCEDE", QStringLiteral("CODIGO = %1").arg(b));
        rs.Delete();
    }
    dialogs.expectOk(NotFound);
    clickCell(grid(), 2, 0);
    EXPECT_TRUE(grid()->isVisible());

    clickCell(grid(), 1, 0);
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_TRUE(shown());
    EXPECT_EQ(box("Text2")->text(), "ANA SILVA");
}

TEST_F(EventSearch, NavigationGoesOnFromTheLastEventFound)
{
    const int first = addEvent("ANA");
    addEvent("BRUNO");
    const int third = addEvent("ANA CAROLINA");
    const int fourth = addEvent("DAVI");
    open();
    click(button("Command3D8"));
    EXPECT_EQ(box("Text1")->text(), QString::number(first));
    type(box("Text2"), "ANA");
    click(button("Command3D4"));
    click(button("Command3D6"));
    EXPECT_EQ(box("Text1")->text(), QString::number(fourth));
    dialogs.expectOk(NoRecords);
    click(button("Command3D6"));
    EXPECT_EQ(box("Text1")->text(), QString::number(fourth));
    click(button("Command3D9"));
    EXPECT_EQ(box("Text1")->text(), QString::number(third));
    click(button("Command3D7"));
    EXPECT_EQ(box("Text1")->text(), QString::number(fourth));
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
}

TEST_F(EventSearch, NavigationOnAnEmptyTable)
{
    open();
    dialogs.expectOk(NoRecords).expectOk(NoRecords);
    click(button("Command3D8"));
    click(button("Command3D7"));
    EXPECT_FALSE(shown());
}

TEST_F(EventSearch, SairWithAndWithoutTheDocumentHandOver)
{
    open();
    click(button("Command3D5"));
    EXPECT_FALSE(form().isLoaded());
    EXPECT_FALSE(windows::Form14().isVisible());

    const int ana = addParticipant("ANA");
    const int code = addEvent("PRIMEIRO EVENTO", {{"TIPEVENTO", "Exame"}});
    state().handOver.CallerCode = Variant(caller::ClientFromDocument);
    state().handOver.PassedRecordCode = Variant(ana);
    open();
    EXPECT_EQ(label("Label36")->text(), "Retornar");
    EXPECT_EQ(box("Text1")->text(), QString::number(code));
    click(button("Command3D5"));
    EXPECT_FALSE(form().isLoaded());
    EXPECT_TRUE(windows::Form14().isVisible());
    windows::Form14().Unload();
}

TEST_F(EventSearch, TheHandOverWithAnUnknownParticipant)
{
    addEvent("PRIMEIRO EVENTO");
    state().handOver.CallerCode = Variant(caller::ClientFromDocument);
    state().handOver.PassedRecordCode = Variant(999);
    dialogs.expectOk("PARTICPANTE NAO ENCONTRADO");
    open();
    EXPECT_FALSE(shown());
    EXPECT_EQ(box("Text1")->text(), "");
    EXPECT_EQ(label("Label36")->text(), "Retornar");
}

TEST_F(EventSearch, TheTwoSearchesOutsideTheWindowEndWithTheirMessage)
{
    open();
    dialogs.expectOk("NÃO HÁ MAIS REGISTROS CADASTRADOS");
    click(button("Command3D15"));
    dialogs.expectOk("DIGITE PRIMEIRO O ENDEREÇO A SER PESQUISADO!");
    click(button("Command3D22"));
    type(box("Text5"), "santos");
    dialogs.expectOk("NÃO HÁ MAIS REGISTROS CADASTRADOS");
    click(button("Command3D22"));
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
}

}  // namespace
}  // namespace vorna
