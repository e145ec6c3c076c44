#include "ParticipantFixture.h"

#include "platform/runtime/Runtime.h"

namespace vorna {
namespace {

using namespace test;
using ParticipantDeletionTest = ParticipantFixture;

// Types into the password box and leaves it.
void enterPassword(ui::TextBox* box, ui::TextBox* next, const QString& password)
{
    type(box, password);
    next->setFocus(Qt::TabFocusReason);
}

TEST_F(ParticipantDeletionTest, TheRightPasswordAndYesDeleteOnlyTheShownParticipant)
{
    const int holder = addHolder("JOAO");
    const int dependant = addDependant("MARIA", holder);
    const int other = addDependant("PEDRO", holder);
    addRow("PROCEDE", {{"NOME", "JOAO"}, {"CODVIDASAU", QString::number(holder)}});
    open();
    showByCode(dependant);
    // The holder look-up moves the recordset onto the holder first.
    type(box("Text44"), QString::number(holder));
    leave(box("Text44"));

    click(button("Command3D3"));
    EXPECT_TRUE(control("Frame3D6")->isVisible());
    EXPECT_FALSE(control("Frame3D2")->isVisible());
    EXPECT_EQ(focused(), box("Text29"));
    dialogs.expectYes(msg::ConfirmDeletion);
    enterPassword(box("Text29"), box("Text2"), "  Apagar ");
    EXPECT_FALSE(control("Frame3D6")->isVisible());
    EXPECT_TRUE(control("Frame3D2")->isVisible());
    EXPECT_TRUE(participant(dependant).NoMatch());
    EXPECT_FALSE(participant(holder).NoMatch());
    ASSERT_EQ(auditRows().size(), 1u);
    EXPECT_EQ(rt::CLng(auditRows()[0].code), dependant);
    EXPECT_EQ(auditRows()[0].name, "MARIA");
    EXPECT_EQ(auditRows()[0].remarks, "EXCLUSAO DE PARTICIPANTE");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(box("Text2")), "");
    EXPECT_EQ(focused(), box("Text1"));

    // A holder goes alone: its dependants and events stay.
    showByCode(holder);
    click(button("Command3D3"));
    dialogs.expectYes(msg::ConfirmDeletion);
    enterPassword(box("Text29"), box("Text2"), "Apagar");
    EXPECT_TRUE(participant(holder).NoMatch());
    EXPECT_EQ(rt::CStr(stored(other, "CODTIT")), QString::number(holder));
    EXPECT_EQ(rowCount("PROCEDE"), 1);
    EXPECT_EQ(auditRows().size(), 2u);
}

struct PasswordCase {
    const char* typed;
    bool refused;
};

class PasswordTest : public ParticipantDeletionTest, public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(PasswordTest, AnEmptyOrWrongPasswordDeletesNothing)
{
    const int code = addHolder("JOAO");
    open();
    showByCode(code);
    click(button("Command3D3"));
    if (GetParam().refused)
        dialogs.expectOk(WrongPassword);
    enterPassword(box("Text29"), box("Text2"), GetParam().typed);
    if (GetParam().refused)
        EXPECT_EQ(dialogs.boxes.back().title, "");
    EXPECT_FALSE(control("Frame3D6")->isVisible());
    EXPECT_TRUE(control("Frame3D2")->isVisible());
    EXPECT_FALSE(participant(code).NoMatch());
    EXPECT_TRUE(auditRows().empty());
    EXPECT_TRUE(shown());
}

INSTANTIATE_TEST_SUITE_P(Passwords, PasswordTest,
                         ::testing::Values(PasswordCase{"", false}, PasswordCase{"   ", false},
                                           PasswordCase{"apagar", true}, PasswordCase{"Apagar1", true}));

TEST_F(ParticipantDeletionTest, NoEmptiesTheWindowAndDeletesNothing)
{
    const int code = addHolder("JOAO");
    open();
    showByCode(code);
    click(button("Command3D3"));
    dialogs.expectNo(msg::ConfirmDeletion);
    enterPassword(box("Text29"), box("Text2"), "Apagar");
    EXPECT_FALSE(participant(code).NoMatch());
    EXPECT_TRUE(auditRows().empty());
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(box("Text2")), "");
}

// One right entry used to let every later deletion through unasked.
TEST_F(ParticipantDeletionTest, EachOpeningAsksForThePasswordAnew)
{
    const int first = addHolder("JOAO");
    const int second = addHolder("PEDRO");
    open();
    showByCode(first);
    click(button("Command3D3"));
    dialogs.expectNo(msg::ConfirmDeletion);
    enterPassword(box("Text29"), box("Text2"), "Apagar");
    showByCode(second);
    click(button("Command3D3"));
    EXPECT_EQ(text(box("Text29")), "");
    box("Text2")->setFocus(Qt::TabFocusReason);  // left without typing
    EXPECT_FALSE(participant(second).NoMatch());
    EXPECT_TRUE(shown());
}

TEST_F(ParticipantDeletionTest, AParticipantDeletedMeanwhileIsReportedAndNothingElseGoes)
{
    const int code = addHolder("JOAO");
    addHolder("PEDRO");
    open();
    showByCode(code);
    participant(code).Delete();
    click(button("Command3D3"));
    dialogs.expectYes(msg::ConfirmDeletion).expectOk(NotFound);
    enterPassword(box("Text29"), box("Text2"), "Apagar");
    EXPECT_EQ(rowCount("VIDASAU"), 1);
    EXPECT_TRUE(auditRows().empty());
}

struct DeletionRefusal {
    const char* what;
    QString level;
    bool withEcc;
    QString message;
};

class DeletionRefusalTest : public ParticipantDeletionTest, public ::testing::WithParamInterface<DeletionRefusal> {};

TEST_P(DeletionRefusalTest, TheRightIsTestedBeforeTheLevel)
{
    const DeletionRefusal& c = GetParam();
    const int code = addHolder("JOAO");
    std::vector<Right> rights{Right::ICC, Right::ACC};
    if (c.withEcc)
        rights.push_back(Right::ECC);
    logIn(c.level, rights);
    open();
    showByCode(code);
    dialogs.expectOk(c.message);
    click(button("Command3D3"));
    EXPECT_FALSE(control("Frame3D6")->isVisible());
    EXPECT_FALSE(participant(code).NoMatch());
}

INSTANTIATE_TEST_SUITE_P(Refusals, DeletionRefusalTest,
                         ::testing::Values(DeletionRefusal{"no ECC", level::Total, false, msg::NoAccessToModule},
                                           DeletionRefusal{"no ECC, second level", level::Medium, false,
                                                           msg::NoAccessToModule},
                                           DeletionRefusal{"second level", level::Medium, true,
                                                           msg::OnlyConsultation}));

}  // namespace
}  // namespace vorna
