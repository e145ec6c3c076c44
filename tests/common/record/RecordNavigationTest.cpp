#include "RecordWindowFixture.h"

namespace vorna::test {
namespace {

struct Kind {
    const char* name;
    RecordTestWindow::Declaration declare;
    QString table;
    QString nameField;
    bool message;  // the ends and an empty table show "NAO HA REGISTROS CADASTRADOS"
};

const Kind Silent{"silent", declareInsurerLike, "CIAS", "NOME", false};
const Kind WithMessage{"with message", declareAttendantLike, "ATENDE", "XCONTA", true};

class RecordNavigationTest : public RecordWindowFixture, public ::testing::WithParamInterface<Kind> {
protected:
    void addNamed(const QString& name)
    {
        const Kind& k = GetParam();
        Fields fields{{k.nameField, Variant(name)}};
        if (k.table == "CIAS")
            fields.push_back({"CODIGO", Variant(int(rowCount("CIAS")) + 1)});
        addRow(k.table, fields);
    }
    // Clicks a button that meets an end (or an empty table): the window keeps
    // what it showed, with or without the message.
    void clickAtAnEnd(QWidget* button)
    {
        if (GetParam().message)
            dialogs.expectOk(msg::NoRecords);
        const size_t before = dialogs.boxes.size();
        click(button);
        if (GetParam().message) {
            ASSERT_EQ(dialogs.boxes.size(), before + 1);
            EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
        }
    }
};

TEST_P(RecordNavigationTest, TheFourButtonsOnAnEmptyTableShowNothing)
{
    auto& w = open(GetParam().declare);
    for (QWidget* button : std::initializer_list<QWidget*>{w.Command3D8, w.Command3D9, w.Command3D6, w.Command3D7})
        clickAtAnEnd(button);
    EXPECT_FALSE(shown());
}

TEST_P(RecordNavigationTest, MovesStepBackAtBothEndsKeepingTheRowShown)
{
    for (const char* name : {"ANA", "BIA", "CAIO"})
        addNamed(name);
    auto& w = open(GetParam().declare);

    // A window just opened stands on the first row without showing it.
    click(w.Command3D6);
    EXPECT_EQ(text(w.Text2), "BIA");

    click(w.Command3D8);
    EXPECT_EQ(text(w.Text2), "ANA");
    clickAtAnEnd(w.Command3D9);
    EXPECT_EQ(text(w.Text2), "ANA");
    EXPECT_TRUE(shown());
    click(w.Command3D6);
    EXPECT_EQ(text(w.Text2), "BIA");

    click(w.Command3D7);
    EXPECT_EQ(text(w.Text2), "CAIO");
    clickAtAnEnd(w.Command3D6);
    EXPECT_EQ(text(w.Text2), "CAIO");
    click(w.Command3D9);
    EXPECT_EQ(text(w.Text2), "BIA");
}

TEST_P(RecordNavigationTest, ADeletionLeavesThePositionAtTheDeletedRowsPlace)
{
    for (const char* name : {"ANA", "BIA", "CAIO"})
        addNamed(name);
    auto& w = open(GetParam().declare);
    click(w.Command3D8);
    click(w.Command3D6);
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.Command3D3);
    click(w.Command3D6);
    EXPECT_EQ(text(w.Text2), "CAIO");
    click(w.Command3D8);
    click(w.Command3D6);
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w.Command3D3);
    click(w.Command3D9);
    EXPECT_EQ(text(w.Text2), "ANA");
}

TEST_P(RecordNavigationTest, AfterAnAdditionTheNewRowIsTheLast)
{
    addNamed("ANA");
    auto& w = open(GetParam().declare);
    if (GetParam().table == "CIAS")
        type(w.Text1, "9");
    type(w.Text2, "ZECA");
    if (GetParam().message)
        dialogs.expectOk();  // the new key
    click(w.Command3D1);
    clickAtAnEnd(w.Command3D6);
    click(w.Command3D9);
    EXPECT_EQ(text(w.Text2), "ANA");
}

INSTANTIATE_TEST_SUITE_P(Kinds, RecordNavigationTest, ::testing::Values(Silent, WithMessage),
                         [](const auto& info) { return std::string(info.param.message ? "WithMessage" : "Silent"); });

}  // namespace
}  // namespace vorna::test
