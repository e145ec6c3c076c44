#include "UserWindowFixture.h"

#include "shell/ProgramEnd.h"
#include "shell/UserRights.h"

#include <QLabel>
#include <QPushButton>

namespace vorna::test {
namespace {

class RightsTest : public UserWindowFixture {
protected:
    // A label of the rights panel by its text.
    QLabel* panelLabel(const QString& text)
    {
        for (QLabel* label : w().Frame3D2->findChildren<QLabel*>())
            if (label->text() == text)
                return label;
        return nullptr;
    }
};

TEST_F(RightsTest, EachBoxSitsInItsRowAndColumn)
{
    open();
    for (const RightPlace& place : RightPlaces) {
        SCOPED_TRACE(place.field);
        QCheckBox* check = box(place);
        QLabel* row = panelLabel(QString::fromUtf8(place.row));
        QLabel* column = panelLabel(QString::fromUtf8(place.column));
        ASSERT_TRUE(check && row && column);
        const QPoint centre = check->geometry().center();
        EXPECT_GE(centre.y(), row->geometry().top());
        EXPECT_LE(centre.y(), row->geometry().bottom());
        EXPECT_GE(centre.x(), column->geometry().left());
        EXPECT_LE(centre.x(), column->geometry().right());
        EXPECT_TRUE(check->isVisibleTo(&window()));
    }
}

TEST_F(RightsTest, EachBoxShowsExactlyItsOwnField)
{
    execSql("DELETE FROM USUARIOS");
    for (const RightPlace& place : RightPlaces)
        addUser(QLatin1String(place.field), QStringLiteral("Só ") + place.field, {QLatin1String(place.field)});
    open();
    click(w().Command3D8);
    for (const RightPlace& place : RightPlaces) {
        SCOPED_TRACE(place.field);
        ASSERT_EQ(w().Text2->text(), QLatin1String(place.field));
        EXPECT_EQ(tickedFields(), std::vector<QString>{QLatin1String(place.field)});
        if (&place != &RightPlaces[RightCount - 1])
            click(w().Command3D6);
    }
}

TEST_F(RightsTest, EachBoxStoresExactlyItsOwnField)
{
    open();
    int expectedCode = 2;
    for (const RightPlace& place : RightPlaces) {
        SCOPED_TRACE(place.field);
        type(w().Text2, QLatin1String(place.field));
        type(w().Text3, QStringLiteral("Só ") + place.field);
        click(box(place));
        dialogs.expectOk(newUserText(expectedCode));
        click(w().Command3D1);
        EXPECT_EQ(storedRights(expectedCode), std::vector<QString>{QLatin1String(place.field)});
        expectEveryRightWritten(expectedCode);
        expectBlank();
        ++expectedCode;
    }
}

// A stored right that is neither "S" nor "N" shows unticked and is rewritten as "N".
TEST_F(RightsTest, OnlyAnSShowsTickedAndASaveLeavesEveryFieldSOrN)
{
    execSql("UPDATE USUARIOS SET CGE = NULL, PRF = 's', ICC = 'X', DTIDENT = NULL");
    open();
    click(w().Command3D8);
    const std::vector<QString> ticked = tickedFields();
    for (const char* field : {"CGE", "PRF", "ICC", "OCU", "BXR"})
        EXPECT_EQ(std::count(ticked.begin(), ticked.end(), QLatin1String(field)), 0) << field;
    EXPECT_EQ(ticked.size(), size_t(RightCount - 5));

    click(w().Command3D1);  // saved unchanged
    EXPECT_TRUE(dialogs.boxes.empty());
    expectEveryRightWritten(1);
    EXPECT_EQ(storedRights(1), ticked);
    db::Recordset admin = user(1);
    EXPECT_TRUE(admin.field("DTIDENT").identical(Variant::date(QDateTime(QDate(2024, 5, 10), QTime(9, 30, 15)))));
    EXPECT_TRUE(admin.field("NOME").identical(Variant("ADMIN")));
    EXPECT_TRUE(admin.field("USUA").identical(Variant("Administrador")));
}

// ---- a user added here logs in with exactly the rights ticked ----------------

struct RightsChoice {
    const char* what;
    std::vector<QString> fields;
};

std::vector<QString> allFields()
{
    std::vector<QString> all;
    for (const RightPlace& place : RightPlaces)
        all.push_back(QLatin1String(place.field));
    return all;
}

const RightsChoice Choices[] = {
    {"Scattered", {"ICC", "CCC", "PCN", "ACD", "ECS", "ICP", "CCU", "ACW", "ECR", "PCA", "PEM", "PRF", "OCU"}},
    {"OnlyTheRestrictions", {"OCU", "BXR"}},
    {"None", {}},
    {"Every", allFields()},
};

class AddedUserLogsInTest : public RightsTest, public ::testing::WithParamInterface<RightsChoice> {
protected:
    void SetUp() override
    {
        RightsTest::SetUp();
        shell::setEndProgramHandler([this] { ++programEnds; });
    }
    void TearDown() override
    {
        RightsTest::TearDown();
        shell::setEndProgramHandler({});
    }
    int programEnds = 0;
};

TEST_P(AddedUserLogsInTest, WithExactlyTheRightsTicked)
{
    const RightsChoice& choice = GetParam();
    open();
    type(w().Text2, "JOAO");
    type(w().Text3, "João da Silva");
    tick(choice.fields);
    dialogs.expectOk(newUserText(2));
    click(w().Command3D1);
    click(w().Command3D5);
    ASSERT_EQ(window().state(), ui::Window::State::NotLoaded);

    // The next run of the program: nobody logged in yet.
    shell::ClearLoggedInUser();
    state().session.AccessLevelWord.clear();
    ui::Window& login = windows::Form1();
    login.Show();
    login.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&login));
    type(login.control<QLineEdit>("Text1"), "MASTER");
    type(login.control<QLineEdit>("Text2"), "JOAO");
    click(login.control<QPushButton>("Command1"));

    ASSERT_EQ(windows::Form2().state(), ui::Window::State::Shown) << "logged in";
    EXPECT_EQ(programEnds, 0);
    const ProgramState& s = state();
    EXPECT_EQ(s.session.AccessLevelWord, level::Total);
    EXPECT_EQ(s.session.UserIdent, 2);
    EXPECT_TRUE(s.session.UserIdentification.identical(Variant("JOAO")));
    EXPECT_EQ(s.session.UserDisplayName, "João da Silva");
    for (const RightPlace& place : RightPlaces) {
        const bool chosen = std::count(choice.fields.begin(), choice.fields.end(), QLatin1String(place.field)) > 0;
        EXPECT_TRUE(s.session.right(QString::fromLatin1(place.field)).identical(Variant(chosen ? "S" : "N"))) << place.field;
    }
}

INSTANTIATE_TEST_SUITE_P(Rights, AddedUserLogsInTest, ::testing::ValuesIn(Choices),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace vorna::test
