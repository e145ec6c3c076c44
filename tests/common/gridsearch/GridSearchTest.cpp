#include "common/GridSearch.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Twips.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"
#include "support/ProgramFixture.h"

#include <QFrame>
#include <QWidget>
#include <memory>

namespace vorna {
namespace {

const QString Blank = QStringLiteral("DIGITE PRIMEIRO O ENDEREÇO A SER PESQUISADO!");
const QString NoMatch = QStringLiteral("CLIENTES NÃO ENCONTRADOS");
const QString Failed = QStringLiteral("NÃO HÁ MAIS REGISTROS CADASTRADOS");
const QString Gone = QStringLiteral("CLIENTE NAO ENCONTRADO");

// A window with a search box, a result grid beyond its right edge and two
// frames the search hides, searching the client table by residential address.
class GridSearchTest : public test::ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        window.resize(ui::twips(11700), ui::twips(6090));
        box = new ui::TextBox(&window);
        grid = new ui::FlexGrid(&window);
        ui::placeTwips(grid, 11715, 3735, 855, 2340);
        frameA = new QFrame(&window);
        frameB = new QFrame(&window);
        shownByPick = new QFrame(&window);
        shownByPick->hide();
        window.show();
    }

    GridSearchDesign design(int rows = 1000)
    {
        GridSearchDesign s;
        s.grid = grid;
        s.box = box;
        s.criteria = GridSearch::contains(QStringLiteral("END-RESIDENCIA"));
        s.columns = {{QStringLiteral("Cliente"), QStringLiteral("NOME"), 3000},
                     {QStringLiteral("Código"), QStringLiteral("CODIGO"), 600},
                     {QStringLiteral("Celular"), QStringLiteral("CELULAR"), 1200}};
        s.rows = rows;
        s.place = QRect(30, 6195, 11640, 2445);
        s.hiddenOnMatch = {frameA, frameB};
        s.blankText = Blank;
        s.noMatchText = NoMatch;
        s.errorText = Failed;
        s.keyField = QStringLiteral("CODIGO");
        s.notFoundText = Gone;
        s.picked = [this] { picked << rt::CStr(search->recordset().field(QStringLiteral("NOME"))); };
        s.shownByPick = shownByPick;
        return s;
    }
    GridSearch& make(GridSearchDesign s)
    {
        search = std::make_unique<GridSearch>(mainDatabase().openRecordset(QStringLiteral("CLIENTES")), std::move(s));
        return *search;
    }
    int client(const QString& name, const QString& address, const Variant& mobile = Variant::null())
    {
        return rt::CLng(addRow(QStringLiteral("CLIENTES"), {{"NOME", name}, {"END-RESIDENCIA", address},
                                                             {"CELULAR", mobile}})
                            .field(QStringLiteral("CODIGO")));
    }
    QStringList row(int r)
    {
        QStringList cells;
        for (int c = 0; c < grid->Cols(); ++c)
            cells << grid->TextMatrix(r, c);
        return cells;
    }
    void clickCell(int r, int c)
    {
        grid->setRow(r);
        grid->setCol(c);
        search->pick();
    }

    QWidget window;
    ui::TextBox* box = nullptr;
    ui::FlexGrid* grid = nullptr;
    QFrame* frameA = nullptr;
    QFrame* frameB = nullptr;
    QFrame* shownByPick = nullptr;
    std::unique_ptr<GridSearch> search;
    QStringList picked;
};

TEST_F(GridSearchTest, ListsEveryMatchAndLeavesNoCellOfAnEarlierSearch)
{
    const int a = client("ANA", "RUA DAS FLORES 10", "9999-1");
    const int b = client("BETO", "AV FLOR 2", Variant::null());
    const int c = client("CAIO", "RUA FLORES 3", "9999-3");
    const int d = client("DIVA", "AV FLOR 7", Variant::null());
    client("EVA", "PRACA CENTRAL");
    GridSearch& s = make(design());

    box->setText("FLOR");
    ASSERT_TRUE(s.search());
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(grid->geometry(), QRect(ui::twips(30), ui::twips(6195), ui::twips(11640), ui::twips(2445)));
    EXPECT_FALSE(frameA->isVisible());
    EXPECT_FALSE(frameB->isVisible());
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->ColWidth(1), 600);
    EXPECT_EQ(grid->Rows(), 6);
    EXPECT_EQ(row(0), QStringList({"Cliente", "Código", "Celular"}));
    EXPECT_EQ(row(1), QStringList({"ANA", QString::number(a), "9999-1"}));
    EXPECT_EQ(row(2), QStringList({"BETO", QString::number(b), ""}));
    EXPECT_EQ(row(3), QStringList({"CAIO", QString::number(c), "9999-3"}));
    EXPECT_EQ(row(5), QStringList({"", "", ""}));

    // A shorter search: a Null field and the row below the last match do not
    // show what the longer one listed there.
    box->setText("AV FLOR");
    ASSERT_TRUE(s.search());
    EXPECT_EQ(grid->Rows(), 4);
    EXPECT_EQ(row(1), QStringList({"BETO", QString::number(b), ""}));
    EXPECT_EQ(row(2), QStringList({"DIVA", QString::number(d), ""}));
    EXPECT_EQ(row(3), QStringList({"", "", ""}));

    box->setText("RUA FLORES");
    ASSERT_TRUE(s.search());
    EXPECT_EQ(grid->Rows(), 2);
    EXPECT_EQ(row(1), QStringList({"CAIO", QString::number(c), "9999-3"}));
}

TEST_F(GridSearchTest, BlankTextAndNoMatchGiveTheirTexts)
{
    client("ANA", "RUA A");
    GridSearch& s = make(design());

    box->setText("   ");
    dialogs.expectOk(Blank);
    EXPECT_FALSE(s.search());
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_EQ(grid->Rows(), 2);
    EXPECT_EQ(grid->Cols(), 2);
    EXPECT_EQ(grid->pos(), QPoint(ui::twips(11715), ui::twips(3735)));

    box->setText("RUA");
    ASSERT_TRUE(s.search());
    // Blanks around the text belong to the pattern.
    box->setText(" RUA");
    dialogs.expectOk(NoMatch);
    EXPECT_FALSE(s.search());
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_FALSE(grid->isVisible());
    EXPECT_FALSE(frameA->isVisible());
}

TEST_F(GridSearchTest, TypedTextStandsForItself)
{
    client("APOSTROFO", "RUA D'AJUDA");
    client("ASTERISCO", "LOJA *1");
    client("COLCHETE", "BLOCO [B]");
    client("INTERROGA", "CASA ?");
    client("CERQUILHA", "SALA #5");
    client("OUTRO", "RUA DA AJUDA 1 LOJA X1 BLOCO B CASA A SALA 55");
    GridSearch& s = make(design());

    const struct {
        QString typed;
        QString found;
    } cases[] = {{"D'AJ", "APOSTROFO"}, {"*1", "ASTERISCO"}, {"[B]", "COLCHETE"}, {"?", "INTERROGA"}, {"#5", "CERQUILHA"}};
    for (const auto& c : cases) {
        box->setText(c.typed);
        ASSERT_TRUE(s.search()) << c.typed.toStdString();
        EXPECT_EQ(grid->Rows(), 2) << c.typed.toStdString();
        EXPECT_EQ(grid->TextMatrix(1, 0), c.found);
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(GridSearchTest, RowsGivenLimitTheListing)
{
    for (int i = 1; i <= 5; ++i)
        client(QStringLiteral("C%1").arg(i), "RUA X");
    GridSearchDesign stopping = design(4);
    GridSearch& s = make(stopping);
    box->setText("RUA");
    dialogs.expectOk(Failed);
    s.search();
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(grid->Rows(), 4);
    EXPECT_EQ(grid->TextMatrix(3, 0), "C3");

    // Skipping failed steps ends the listing quietly once the grid is full:
    // no later match is written over the last row.
    GridSearchDesign skipping = design(4);
    skipping.errors = GridSearchDesign::Errors::SkipFailedSteps;
    make(skipping).search();
    EXPECT_EQ(grid->TextMatrix(3, 0), "C3");
    EXPECT_EQ(grid->Rows(), 5);

    GridSearchDesign backwards = design(1000);
    backwards.backwards = true;
    make(backwards).search();
    EXPECT_EQ(grid->TextMatrix(1, 0), "C5");
    EXPECT_EQ(grid->TextMatrix(5, 0), "C1");
}

TEST_F(GridSearchTest, ThePickFindsTheListedRowAgainByItsKey)
{
    client("ANA", "RUA A", "1");
    const int b = client("BETO", "RUA B");
    GridSearch& s = make(design());
    box->setText("RUA");
    ASSERT_TRUE(s.search());
    frameB->setVisible(false);

    // An empty cell: nothing.
    clickCell(2, 2);
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_TRUE(grid->isVisible());

    clickCell(2, 0);
    EXPECT_EQ(picked, QStringList({"BETO"}));
    EXPECT_FALSE(grid->isVisible());
    EXPECT_TRUE(shownByPick->isVisible());
    EXPECT_FALSE(frameA->isVisible());

    // Deleted since it was listed: the not-found text, and nothing changes.
    ASSERT_TRUE(s.search());
    shownByPick->hide();
    db::Recordset gone = findRow(QStringLiteral("CLIENTES"), QStringLiteral("CODIGO = ") + QString::number(b));
    gone.Delete();
    dialogs.expectOk(Gone);
    clickCell(2, 0);
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO!");
    EXPECT_EQ(picked.size(), 1);
    EXPECT_TRUE(grid->isVisible());
    EXPECT_FALSE(shownByPick->isVisible());
}

}  // namespace
}  // namespace vorna
