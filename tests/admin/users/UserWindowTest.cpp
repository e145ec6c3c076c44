#include "UserWindowFixture.h"

#include <QCursor>
#include <QLabel>

namespace vorna::test {
namespace {

class UserWindowTest : public UserWindowFixture {};

TEST_F(UserWindowTest, OpensBlankWithTheFocusInTheIdentificationReadyToAdd)
{
    open();
    EXPECT_EQ(window().windowTitle(), "Cadastro de Usuários");
    EXPECT_EQ(window().size(), QSize(583, 516));
    expectBlank();
    EXPECT_EQ(focused(), w().Text2) << (focused() ? focused()->objectName().toStdString() : "none");
    EXPECT_FALSE(w().Text1->isEnabled());
    EXPECT_EQ(w().Text2->maxLength(), 6);
    EXPECT_EQ(w().Text3->maxLength(), 50);
    EXPECT_TRUE(w().Command3D1->isEnabled());
    EXPECT_FALSE(w().Command3D2->isEnabled());
    EXPECT_FALSE(w().Command3D3->isEnabled());
    for (QWidget* b : {w().Command3D5, w().Command3D8, w().Command3D9, w().Command3D6, w().Command3D7})
        EXPECT_TRUE(b->isEnabled());
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(UserWindowTest, AddingStoresTheUserAndReportsItsCode)
{
    open();
    type(w().Text2, "MARIA");
    type(w().Text3, "Maria Souza");
    tick({"ICC", "ACC", "CCD", "OCU"});
    dialogs.expectOk(newUserText(2));
    click(w().Command3D1);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Inclusao");
    db::Recordset rs = user(2);
    ASSERT_FALSE(rs.NoMatch());
    EXPECT_TRUE(rs.field("NOME").identical(Variant("MARIA")));
    EXPECT_TRUE(rs.field("USUA").identical(Variant("Maria Souza")));
    EXPECT_TRUE(rs.field("DTIDENT").identical(Variant::date(QDateTime(QDate(2024, 5, 10), QTime(9, 30, 15)))));
    EXPECT_EQ(storedRights(2), (std::vector<QString>{"ICC", "ACC", "CCD", "OCU"}));
    expectEveryRightWritten(2);
    expectBlank();
    EXPECT_EQ(focused(), w().Text2);
    EXPECT_FALSE(w().Command3D3->isEnabled()) << "the next Gravar adds again";
}

TEST_F(UserWindowTest, IdentificationIsStoredAsTypedAndNeedNotBeUnique)
{
    open();
    type(w().Text2, "ABCDEFG");
    EXPECT_EQ(w().Text2->text(), "ABCDEF") << "a seventh character cannot be typed";
    type(w().Text2, " ANA");
    type(w().Text3, " Ana ");
    dialogs.expectOk(newUserText(2));
    click(w().Command3D1);
    type(w().Text2, " ANA");
    type(w().Text3, "Outra Ana");
    dialogs.expectOk(newUserText(3));
    click(w().Command3D1);

    EXPECT_TRUE(user(2).field("NOME").identical(Variant(" ANA")));
    EXPECT_TRUE(user(2).field("USUA").identical(Variant(" Ana ")));
    EXPECT_TRUE(user(3).field("NOME").identical(Variant(" ANA")));
    EXPECT_EQ(rowCount("USUARIOS"), 3);
}

TEST_F(UserWindowTest, ShowingAndAlteringRewritesTheShownUser)
{
    open();
    click(w().Command3D8);
    expectShowing(1, "ADMIN", "Administrador");
    EXPECT_TRUE(w().Command3D2->isEnabled());
    EXPECT_EQ(tickedFields().size(), size_t(RightCount - 2));

    type(w().Text2, "CHEFE");
    type(w().Text3, "Chefe Geral");
    tick({"ACW", "BXR"});
    click(w().Command3D1);

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(rowCount("USUARIOS"), 1);
    db::Recordset rs = user(1);
    EXPECT_TRUE(rs.field("NOME").identical(Variant("CHEFE")));
    EXPECT_TRUE(rs.field("USUA").identical(Variant("Chefe Geral")));
    EXPECT_TRUE(rs.field("DTIDENT").identical(Variant::date(QDateTime(QDate(2024, 5, 10), QTime(9, 30, 15)))));
    EXPECT_EQ(storedRights(1), (std::vector<QString>{"ACW", "BXR"}));
    expectEveryRightWritten(1);
    expectBlank();
    EXPECT_EQ(focused(), w().Text2);
    EXPECT_FALSE(w().Command3D3->isEnabled());
    EXPECT_TRUE(w().Command3D2->isEnabled()) << "Limpar stays enabled once a display enabled it";
}

TEST_F(UserWindowTest, BlankBoxesAreRefusedInOrderWhetherAddingOrAltering)
{
    struct Case {
        const char* what;
        const char* identification;
        const char* name;
        const char* message;
        ui::TextBox* Ui::Form95::*focus;
    };
    const Case cases[] = {
        {"both blank: only the first", "", "", "PREENCHIMENTO OBRIGATORIO - SENHA", &Ui::Form95::Text2},
        {"identification of blanks", "   ", "Ana", "PREENCHIMENTO OBRIGATORIO - SENHA", &Ui::Form95::Text2},
        {"name of blanks", "ANA", "  ", "PREENCHIMENTO OBRIGATORIO - NOME DO USUÁRIO", &Ui::Form95::Text3},
    };
    open();
    for (bool altering : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (altering ? " (altering)" : " (adding)"));
            if (altering)
                click(w().Command3D8);
            type(w().Text2, c.identification);
            type(w().Text3, c.name);
            dialogs.clear();
            dialogs.expectOk(c.message);
            click(w().Command3D1);
            ASSERT_EQ(dialogs.boxes.size(), 1u);
            EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO!");
            EXPECT_EQ(focused(), (w().*c.focus));
            EXPECT_EQ(w().Text2->text(), c.identification) << "the boxes are not trimmed";
            EXPECT_EQ(w().Command3D3->isEnabled(), altering);
            EXPECT_EQ(rowCount("USUARIOS"), 1);
            EXPECT_TRUE(user(1).field("NOME").identical(Variant("ADMIN")));
        }
    }
}

TEST_F(UserWindowTest, ClearEmptiesTheWindowAndTheNextSaveAdds)
{
    open();
    click(w().Command3D7);
    expectShowing(1, "ADMIN", "Administrador");
    click(w().Command3D2);
    expectBlank();
    EXPECT_EQ(focused(), w().Text2);
    EXPECT_FALSE(w().Command3D3->isEnabled());
    EXPECT_TRUE(w().Command3D2->isEnabled());

    type(w().Text2, "NOVO");
    type(w().Text3, "Novo");
    dialogs.expectOk(newUserText(2));
    click(w().Command3D1);
    EXPECT_TRUE(user(1).field("NOME").identical(Variant("ADMIN")));
}

TEST_F(UserWindowTest, DeletionAsksFirstAndNoKeepsTheRow)
{
    const int second = addUser("BETO", "Beto");
    const int third = addUser("CARLA", "Carla");
    open();
    click(w().Command3D8);
    dialogs.expectNo(msg::ConfirmDeletion);
    click(w().Command3D3);
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes.back().buttons, dlg::Buttons::YesNo);
    EXPECT_EQ(rowCount("USUARIOS"), 3);
    expectBlank();
    EXPECT_FALSE(w().Command3D3->isEnabled());

    click(w().Command3D6);
    expectShowing(second, "BETO", "Beto");
    dialogs.expectYes(msg::ConfirmDeletion);
    click(w().Command3D3);
    EXPECT_TRUE(user(second).NoMatch());
    EXPECT_EQ(rowCount("USUARIOS"), 2);
    expectBlank();
    EXPECT_FALSE(w().Command3D3->isEnabled());

    // From the deleted row's place the navigation moves on.
    click(w().Command3D6);
    expectShowing(third, "CARLA", "Carla");
}

TEST_F(UserWindowTest, NavigationStepsThroughTheUsersAndStopsAtEitherEnd)
{
    const int second = addUser("BETO", "Beto", {"PCC"});
    const int third = addUser("CARLA", "Carla", {"ECU"});
    open();
    click(w().Command3D8);
    expectShowing(1, "ADMIN", "Administrador");

    dialogs.expectOk(msg::NoRecords);
    click(w().Command3D9);
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
    expectShowing(1, "ADMIN", "Administrador");

    click(w().Command3D6);
    expectShowing(second, "BETO", "Beto");
    EXPECT_EQ(tickedFields(), std::vector<QString>{"PCC"});
    click(w().Command3D7);
    expectShowing(third, "CARLA", "Carla");
    EXPECT_EQ(tickedFields(), std::vector<QString>{"ECU"});

    dialogs.expectOk(msg::NoRecords);
    click(w().Command3D6);
    expectShowing(third, "CARLA", "Carla");
    click(w().Command3D9);
    expectShowing(second, "BETO", "Beto");
    EXPECT_EQ(dialogs.boxes.size(), 2u);
}

TEST_F(UserWindowTest, ACodeOfManyDigitsIsShownWhole)
{
    addRow(QStringLiteral("USUARIOS"), {{"IDENT", Variant(1234567)}, {"NOME", Variant("LONGO")}, {"USUA", Variant("Longo")}});
    open();
    click(w().Command3D7);
    expectShowing(1234567, "LONGO", "Longo");
}

TEST_F(UserWindowTest, AnEmptyTableHasNoFirstNorLastUser)
{
    execSql("DELETE FROM USUARIOS");
    open();
    for (QWidget* button : {w().Command3D8, w().Command3D7, w().Command3D6, w().Command3D9}) {
        SCOPED_TRACE(button->objectName().toStdString());
        dialogs.expectOk(msg::NoRecords);
        click(button);
        expectBlank();
        EXPECT_FALSE(w().Command3D2->isEnabled());
        EXPECT_FALSE(w().Command3D3->isEnabled());
    }
}

TEST_F(UserWindowTest, LeavingUnloadsAndTheNextOpeningStartsBlankOnAFreshTable)
{
    open();
    click(w().Command3D8);
    click(w().Command3D5);
    EXPECT_EQ(window().state(), ui::Window::State::NotLoaded);

    const int added = addUser("OUTRO", "De outra estação");
    open();
    expectBlank();
    EXPECT_FALSE(w().Command3D3->isEnabled());
    click(w().Command3D7);
    expectShowing(added, "OUTRO", "De outra estação");
}

TEST_F(UserWindowTest, EachButtonShowsItsOwnCaption)
{
    open();
    QCursor::setPos(QPoint(5000, 5000));
    const std::vector<std::pair<QWidget*, QString>> buttons = {
        {w().Command3D1, "Gravar"},   {w().Command3D2, "Limpar"},   {w().Command3D3, "Excluir"},
        {w().Command3D5, "Sair"},     {w().Command3D8, "Primeiro"}, {w().Command3D9, "Anterior"},
        {w().Command3D6, "Próximo"},  {w().Command3D7, "Último"}};
    const QLabel* captions[] = {w().Label24, w().Label25, w().Label26, w().Label27,
                                w().Label28, w().Label29, w().Label30, w().Label31};
    auto visibleCaptions = [&] {
        QStringList shown;
        for (const QLabel* caption : captions)
            if (caption->isVisible())
                shown << caption->text();
        return shown;
    };
    EXPECT_TRUE(visibleCaptions().isEmpty());
    // A disabled button shows no caption: let every button be pointed at.
    w().Command3D2->setEnabled(true);
    w().Command3D3->setEnabled(true);
    expectEachButtonsCaption(buttons, &window(), QPoint(200, 3), visibleCaptions, QPoint(3, 3));
}

// ---- the user's own rights --------------------------------------------------------

std::vector<Right> everyRightBut(Right missing)
{
    std::vector<Right> rights;
    for (int i = 0; i < RightCount; ++i)
        if (Right(i) != missing && Right(i) != Right::OCU && Right(i) != Right::BXR)
            rights.push_back(Right(i));
    return rights;
}

TEST_F(UserWindowTest, WithoutConsultingAUserIsMovedToButNotShownAndMayStillBeAltered)
{
    logIn(level::Total, everyRightBut(Right::CCU));
    const int second = addUser("BETO", "Beto", {"PCC"});
    open();
    dialogs.expectOk(msg::NoAccessToModule);
    click(w().Command3D7);
    EXPECT_EQ(dialogs.boxes.back().title, "");
    expectBlank();
    EXPECT_TRUE(w().Command3D3->isEnabled());
    EXPECT_TRUE(w().Command3D2->isEnabled());

    // "Gravar" alters the row moved to, which the user does not see.
    type(w().Text2, "NOVO");
    type(w().Text3, "Novo nome");
    click(w().Command3D1);
    EXPECT_EQ(rowCount("USUARIOS"), 2);
    EXPECT_TRUE(user(second).field("NOME").identical(Variant("NOVO")));
    EXPECT_TRUE(storedRights(second).empty());
}

TEST_F(UserWindowTest, WithoutAlteringTheRefusalComesBeforeTheChecks)
{
    logIn(level::Total, everyRightBut(Right::ACU));
    open();
    click(w().Command3D8);
    type(w().Text2, "");
    dialogs.expectOk(msg::NoAccessToModule);
    click(w().Command3D1);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(user(1).field("NOME").identical(Variant("ADMIN")));
    EXPECT_TRUE(w().Command3D3->isEnabled()) << "the operation stops as it was";
}

TEST_F(UserWindowTest, WithoutAddingTheChecksComeBeforeTheRefusal)
{
    logIn(level::Total, everyRightBut(Right::ICU));
    open();
    dialogs.expectOk("PREENCHIMENTO OBRIGATORIO - SENHA");
    click(w().Command3D1);
    type(w().Text2, "NOVO");
    type(w().Text3, "Novo");
    dialogs.expectOk(msg::NoAccessToModule);
    click(w().Command3D1);
    EXPECT_EQ(dialogs.boxes.back().title, "");
    EXPECT_EQ(rowCount("USUARIOS"), 1);
    EXPECT_EQ(w().Text2->text(), "NOVO");
}

TEST_F(UserWindowTest, WithoutDeletingNothingIsAskedNorDeleted)
{
    logIn(level::Total, everyRightBut(Right::ECU));
    open();
    click(w().Command3D8);
    dialogs.expectOk(msg::NoAccessToModule);
    click(w().Command3D3);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(rowCount("USUARIOS"), 1);
    expectShowing(1, "ADMIN", "Administrador");
}

// ---- writes that fail ---------------------------------------------------------------

// A failed addition says so and nothing else: no code is read back (the last
// row would be another user's) and nothing stays pending.
TEST_F(UserWindowTest, AFailedAdditionReportsTheFailureOnly)
{
    open();
    type(w().Text2, "MARIA");
    type(w().Text3, "Maria");
    tick({"ICC"});
    dialogs.expectOk(lockedText(err::RecordLocked));
    {
        SecondWorkstationWriting lock(pathOf("VORNA.MDB"));
        click(w().Command3D1);
    }
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "");
    EXPECT_EQ(rowCount("USUARIOS"), 1);
    EXPECT_FALSE(w().Command3D3->isEnabled());

    type(w().Text2, "MARIA");
    type(w().Text3, "Maria");
    dialogs.expectOk(newUserText(2));
    click(w().Command3D1);
    EXPECT_EQ(rowCount("USUARIOS"), 2);
    EXPECT_TRUE(user(2).field("NOME").identical(Variant("MARIA")));
}

TEST_F(UserWindowTest, AFailedAlterationKeepsTheStoredUser)
{
    open();
    click(w().Command3D8);
    type(w().Text3, "Outro nome");
    tick({});
    dialogs.expectOk(lockedText(err::RecordLocked));
    {
        SecondWorkstationWriting lock(pathOf("VORNA.MDB"));
        click(w().Command3D1);
    }
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(user(1).field("USUA").identical(Variant("Administrador")));
    EXPECT_EQ(storedRights(1).size(), size_t(RightCount - 2));
    expectBlank();
    EXPECT_FALSE(w().Command3D3->isEnabled());

    // Nothing was left in edit mode: the next alteration stores only its own values.
    click(w().Command3D8);
    type(w().Text3, "Admin");
    click(w().Command3D1);
    EXPECT_TRUE(user(1).field("USUA").identical(Variant("Admin")));
    EXPECT_EQ(storedRights(1).size(), size_t(RightCount - 2));
}

}  // namespace
}  // namespace vorna::test
