#include "ControlsTest.h"

#include "platform/controls/CheckBox.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PickList.h"
#include "platform/runtime/EngineError.h"

#include <QHeaderView>
#include <QLineEdit>

using namespace vorna::ui;

namespace {

class ListControlsTest : public ControlsTest {};

int errorNumberOf(const std::function<void()>& code)
{
    try {
        code();
    } catch (const vorna::EngineError& e) {
        return e.number();
    }
    return 0;
}

// A search result as the grid searches write it: captions in row 0, results from row 1.
void fill(FlexGrid& grid)
{
    grid.setCols(3);
    grid.setRows(10);
    grid.setFixedRows(1);
    grid.setFixedCols(0);
    const char* captions[] = {"Cliente", "Código", "Cidade"};
    for (int c = 0; c < 3; ++c)
        grid.setTextMatrix(0, c, QString::fromUtf8(captions[c]));
    grid.setRow(1);
    for (int r = 1; r <= 3; ++r) {
        grid.setRow(r);
        for (int c = 0; c < 3; ++c) {
            grid.setCol(c);
            grid.setText(QStringLiteral("r%1c%2").arg(r).arg(c));
        }
    }
}

TEST_F(ListControlsTest, GridCellsByRowAndColumnWithTheFixedRowAsCaptions)
{
    FlexGrid grid;
    fill(grid);
    EXPECT_EQ(grid.TextMatrix(2, 1), "r2c1");
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), "Código");
    EXPECT_EQ(grid.model()->rowCount(), 9);
    EXPECT_EQ(grid.model()->index(1, 1).data().toString(), "r2c1");

    // Fewer rows keep the cells that remain; more rows come empty.
    grid.setRows(3);
    EXPECT_EQ(grid.TextMatrix(2, 2), "r2c2");
    grid.setRows(5);
    EXPECT_EQ(grid.TextMatrix(3, 0), "");
    grid.setCols(1);
    grid.setRows(1);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Cliente");

    grid.Clear();
    EXPECT_EQ(grid.TextMatrix(0, 0), "");
    EXPECT_EQ(grid.Rows(), 1);
}

TEST_F(ListControlsTest, GridRowPastTheLastIsARunTimeError)
{
    FlexGrid grid;
    fill(grid);
    EXPECT_EQ(errorNumberOf([&] { grid.setRow(10); }), 30009);
    EXPECT_EQ(errorNumberOf([&] { grid.setCol(3); }), 30010);
    EXPECT_EQ(errorNumberOf([&] { grid.TextMatrix(10, 0); }), 381);
    EXPECT_EQ(grid.Row(), 3);  // unchanged by the failed move
}

TEST_F(ListControlsTest, GridColumnWidthsAreInTwips)
{
    FlexGrid grid;
    fill(grid);
    grid.setColWidth(0, 3000);
    grid.setColWidth(1, 600);
    EXPECT_EQ(grid.ColWidth(0), 3000);
    EXPECT_EQ(grid.horizontalHeader()->sectionSize(0), 200);
    EXPECT_EQ(grid.horizontalHeader()->sectionSize(1), 40);
}

TEST_F(ListControlsTest, ClickOnAGridCellMakesItCurrentThenRaisesClick)
{
    QWidget window;
    window.resize(400, 300);
    auto* grid = new FlexGrid(&window);
    grid->setGeometry(0, 0, 400, 300);
    fill(*grid);
    QString clickedText;
    on(grid).Click([&] { clickedText = grid->Text(); });
    activate(&window);

    const QRect cell = grid->visualRect(grid->model()->index(1, 2));  // row 2, column 2
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(clickedText, "r2c2");
}

TEST_F(ListControlsTest, SortedPickListOrdersItsItemsAndChoosesNone)
{
    PickList list;
    list.setSorted(true);
    int clicks = 0;
    on(&list).Click([&] { ++clicks; });
    for (const char* item : {"VIUVO", "casado", "Divorciado", "Estagiário(a)", "Estudante"})
        list.AddItem(QString::fromUtf8(item));
    QStringList order;
    for (int i = 0; i < list.ListCount(); ++i)
        order << list.List(i);
    EXPECT_EQ(order, (QStringList{"casado", "Divorciado", "Estagiário(a)", "Estudante", "VIUVO"}));
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.List(9), "");
}

TEST_F(ListControlsTest, UnsortedPickListKeepsTheOrderOfFilling)
{
    PickList list;
    for (const char* item : {"F", "J", "A"})
        list.AddItem(QString::fromUtf8(item));
    EXPECT_EQ(list.List(0), "F");
    EXPECT_EQ(list.List(2), "A");
    EXPECT_EQ(list.AddItem(QStringLiteral("X"), 1), 1);
    EXPECT_EQ(list.List(1), "X");
}

TEST_F(ListControlsTest, PickListClickRunsWhenCodeChangesTheChoiceButNotWhenFilling)
{
    PickList list;
    int clicks = 0;
    on(&list).Click([&] { ++clicks; });
    list.AddItem(QStringLiteral("VIGENTE"));
    list.AddItem(QStringLiteral("CANCELADO"));
    list.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.Text(), "CANCELADO");
    list.setListIndex(-1);  // clearing the choice is a change too
    EXPECT_EQ(clicks, 2);
    list.setText(QStringLiteral("vigente"));  // a list-only list chooses the item
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(clicks, 3);
    list.Clear();
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(errorNumberOf([&] { list.setListIndex(0); }), 380);
}

TEST_F(ListControlsTest, EditablePickListKeepsWhatIsTypedWithoutCompletingIt)
{
    QWidget window;
    auto* list = new PickList(&window);
    list->setListOnly(false);
    list->setSorted(true);
    list->AddItem(QStringLiteral("Engenheiro(a)"));
    list->AddItem(QStringLiteral("Economista"));
    int changes = 0;
    on(list).Change([&] { ++changes; });
    activate(&window);
    list->setFocus();
    QTest::keyClicks(list, "Eng");
    EXPECT_EQ(list->Text(), "Eng");
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(changes, 3);
    list->setText(QString());
    EXPECT_EQ(list->Text(), "");
}

TEST_F(ListControlsTest, ListBoxTakesTheFocusWithoutChoosingAndAClickChooses)
{
    QWidget window;
    window.resize(200, 200);
    auto* first = new QLineEdit(&window);
    first->setGeometry(0, 0, 100, 20);
    auto* list = new ListBox(&window);
    list->setGeometry(0, 30, 150, 150);
    list->setSorted(true);
    list->AddItem(QStringLiteral("SILVA"));
    list->AddItem(QStringLiteral("ALMEIDA"));
    int clicks = 0;
    on(list).Click([&] { ++clicks; });
    activate(&window);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_EQ(focused(), list);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(clicks, 0);

    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list->Text(), "SILVA");
    // The item already chosen, clicked again, is picked again.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ListControlsTest, OptionButtonsOfAGroupCanAllBeClearedByCode)
{
    QWidget frame;
    auto* first = new OptionButton(QStringLiteral("Física"), &frame);
    auto* second = new OptionButton(QStringLiteral("Jurídica"), &frame);
    int clicks = 0;
    on(first).Click([&] { ++clicks; });
    first->setValue(true);
    EXPECT_EQ(clicks, 1);
    second->setValue(true);
    EXPECT_FALSE(first->Value());
    second->setValue(false);
    EXPECT_FALSE(first->Value());
    EXPECT_FALSE(second->Value());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ListControlsTest, CheckBoxClickRunsWhenTheValueChanges)
{
    CheckBox box;
    int clicks = 0;
    on(&box).Click([&] { ++clicks; });
    box.setValue(CheckBox::Checked);
    box.setValue(CheckBox::Checked);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(box.Value(), 1);
    box.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(box.Value(), 0);
}

}  // namespace
