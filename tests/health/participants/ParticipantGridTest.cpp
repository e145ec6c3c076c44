#include "ParticipantFixture.h"

#include "platform/controls/Twips.h"
#include "platform/runtime/Runtime.h"

#include <QDate>
#include <QTest>

namespace vorna::test {
namespace {

const QString NoMoreRecords = QStringLiteral("NÃO HÁ MAIS REGISTROS CADASTRADOS");

class ParticipantGridTest : public ParticipantFixture {
protected:
    void search(const QString& stipulant)
    {
        box("Text34")->setText(stipulant);
        click(button("Command3D23"));
    }
    QStringList row(int r)
    {
        QStringList cells;
        for (int c = 0; c < grid()->Cols(); ++c)
            cells << grid()->TextMatrix(r, c);
        return cells;
    }
    // A user's click on a result cell (row 1 is the first result).
    void clickCell(int r, int c)
    {
        ui::FlexGrid* g = grid();
        const QModelIndex index = g->model()->index(r - g->FixedRows(), c - g->FixedCols());
        g->scrollTo(index);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(index).center());
    }
};

TEST_F(ParticipantGridTest, ListsTheDocumentsOfAStipulantAndPicksAPolicyNumber)
{
    addDocument(10, "100-1", "ALVORADA LTDA", {{"VIGENCIAINICIAL", Variant::date(QDate(2026, 2, 1))}});
    addDocument(11, "100-1", "ALVORADA LTDA", {{"TIPO", "E"}, {"FILIAL", 2}});
    addDocument(12, "300", "ESTRELA SA");
    addDocument(13, "400", "CONSTRUTORA ALVORADA");
    open();
    search("alvorada");
    ASSERT_TRUE(grid()->isVisible());
    EXPECT_EQ(grid()->geometry(), QRect(ui::twips(15), ui::twips(1680), ui::twips(11680), ui::twips(2145)));
    EXPECT_EQ(grid()->Cols(), 4);
    EXPECT_EQ(grid()->Rows(), 5);
    EXPECT_EQ(row(0), (QStringList{"Estipulante", "Código", "Apólice", "Vigência Inicial"}));
    for (const auto& [col, width] : {std::pair{0, 3000}, std::pair{1, 1600}, std::pair{3, 1600}})
        EXPECT_EQ(grid()->ColWidth(col), width);
    EXPECT_EQ(row(1), (QStringList{"ALVORADA LTDA", "10", "100-1", "01/02/2026"}));
    EXPECT_EQ(row(2).value(1), "11");
    EXPECT_EQ(row(3).value(0), "CONSTRUTORA ALVORADA");
    EXPECT_EQ(row(4), (QStringList{"", "", "", ""}));

    clickCell(3, 0);
    EXPECT_EQ(text(box("Text42")), "400");
    EXPECT_EQ(text(box("Text34")), "alvorada");
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_TRUE(control("Frame3D2")->isVisible());
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ParticipantGridTest, BlankAndUnmatchedStipulants)
{
    addDocument(10, "100", "ALVORADA");
    open();
    const QRect atLoad = grid()->geometry();
    dialogs.expectOk("DIGITE PRIMEIRO O ESTIPULANTE A SER PESQUISADO!");
    search("   ");
    EXPECT_EQ(grid()->geometry(), atLoad);

    search("ALVORADA");
    EXPECT_EQ(grid()->Rows(), 2);
    // Typed text is matched as itself: blanks around it count, patterns and
    // apostrophes find only themselves.
    for (const char* typed : {" ALVORADA", "*", "AL?ORADA", "O'B", "[A"}) {
        dialogs.expectOk("ESTIPULANTES NÃO ENCONTRADOS");
        search(typed);
        EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttentionExclaimed);
        EXPECT_FALSE(grid()->isVisible()) << typed;
    }
    search("ALVORADA");
    EXPECT_TRUE(grid()->isVisible());
}

TEST_F(ParticipantGridTest, NoCellOfAnEarlierSearchStaysToBePicked)
{
    addDocument(10, "A-1", "ALFA UM");
    addDocument(11, "A-2", "ALFA DOIS");
    addDocument(12, "A-3", "ALFA TRES");
    addDocument(13, "B-1", "BETA UM");
    addDocument(14, "B-2", "BETA DOIS");
    open();
    search("ALFA");
    ASSERT_EQ(grid()->Rows(), 5);
    search("BETA");
    ASSERT_EQ(grid()->Rows(), 4);
    EXPECT_EQ(row(3), (QStringList{"", "", "", ""}));
    clickCell(3, 1);
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(text(box("Text42")), "");
}

TEST_F(ParticipantGridTest, EmptyCellsNullPoliciesAndDeletedDocuments)
{
    addDocument(10, "", "GAMA", {{"APOLICE", Variant::null()}});
    addDocument(11, "G-2", "GAMA DOIS");
    open();
    box("Text6")->setFocus(Qt::TabFocusReason);
    box("Text42")->setText("kept");  // not entered: no policy look-up
    search("GAMA");
    EXPECT_EQ(row(1).value(2), "");
    clickCell(1, 2);  // the empty policy cell
    EXPECT_TRUE(grid()->isVisible());
    clickCell(1, 0);  // same row, another cell: no policy to copy
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_EQ(text(box("Text42")), "kept");

    search("GAMA");
    findRow("DOCUMENTOS", "PROPOSTA = 11").Delete();
    dialogs.expectOk("DOCUMENTO NAO ENCONTRADO");
    clickCell(2, 0);
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(text(box("Text42")), "kept");
}

TEST_F(ParticipantGridTest, TheThousandthMatchStopsWithTheRowsListed)
{
    {
        auto t = mainDatabase().transaction();
        for (int n = 1; n <= 1000; ++n)
            addDocument(n, QString::number(n), "DELTA");
        t.commit();
    }
    open();
    dialogs.expectOk(NoMoreRecords);
    search("DELTA");
    EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(grid()->Rows(), 1000);
    EXPECT_EQ(row(999).value(1), "999");
    EXPECT_EQ(rowCount("VIDASAU"), 0);
}

// Their buttons lie outside the window, where no click reaches them: their
// Click is raised as a program would. They name
// client fields the participant table lacks.
TEST_F(ParticipantGridTest, TheAddressSearchesOutsideTheWindowEndOnTheEnginesError)
{
    addHolder("JOAO", {{"AGENCIA", "123"}, {"CIDADE", "SANTOS"}});
    open();
    for (const auto& [boxName, buttonName] : {std::pair{"Text9", "Command3D15"}, std::pair{"Text5", "Command3D22"}}) {
        box(boxName)->setText(" ");
        dialogs.expectOk("DIGITE PRIMEIRO O ENDEREÇO A SER PESQUISADO!");
        emit button(buttonName)->Click();
        box(boxName)->setText("1");
        dialogs.expectOk(NoMoreRecords);
        emit button(buttonName)->Click();
        EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
        EXPECT_EQ(grid()->Cols(), 11);
        EXPECT_EQ(grid()->Rows(), 1000);
    }
    EXPECT_EQ(rowCount("VIDASAU"), 1);
}

}  // namespace
}  // namespace vorna::test
