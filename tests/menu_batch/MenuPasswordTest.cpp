#include "LeftoverMenuFixture.h"

#include "platform/controls/TextBox.h"

#include <QApplication>
#include <QTest>

namespace vorna::test {
namespace {

class MenuPasswordTest : public LeftoverMenuFixture {
protected:
    void SetUp() override
    {
        LeftoverMenuFixture::SetUp();
        state().settings.SettlementPassword = Variant("QUABRO");
    }
    QWidget* panel() { return menuControls().Frame3D1; }
    ui::TextBox* box() { return menuControls().Text12; }
    void enter(const QString& text)
    {
        box()->setText(text);
        menu().Text12_LostFocus();
    }
};

TEST_F(MenuPasswordTest, LevelsTwoAndThreeAreRefusedBeforeThePanelOpens)
{
    for (const QString& word : {level::Medium, level::Minimum}) {
        logIn(word);
        menu().setMenuPasswordAction(1);
        dialogs.expectOk(QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE ACESSAR ESTE MÓDULO"));
        menu().OpenArchivingPasswordPanel();
        EXPECT_EQ(dialogs.boxes.back().title, QStringLiteral("ATENÇÃO!"));
        EXPECT_FALSE(panel()->isVisible());
        EXPECT_EQ(menu().MenuPasswordAction(), 1);
    }
}

TEST_F(MenuPasswordTest, TheOpenerShowsAnEmptyBoxWithTheFocus)
{
    menu().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu()));
    box()->setText(QStringLiteral("OLD"));
    EXPECT_EQ(menu().MenuPasswordAction(), 0);

    menu().OpenArchivingPasswordPanel();

    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(menu().MenuPasswordAction(), 2);
    EXPECT_TRUE(box()->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), box());
    EXPECT_EQ(box()->echoMode(), QLineEdit::Password);
}

TEST_F(MenuPasswordTest, EntriesAreComparedForTheWaitingAction)
{
    struct Case {
        int16_t action;
        const char* entry;
        const char* refusal;  // nullptr: accepted, nothing opens
    };
    const Case cases[] = {
        {2, "JUSTAP", nullptr},
        {2, " JUSTAP", "ARQUIVAMENTO NÃO DISPONÍVEL!"},
        {2, "JUSTAP ", "ARQUIVAMENTO NÃO DISPONÍVEL!"},
        {2, "justap", "ARQUIVAMENTO NÃO DISPONÍVEL!"},
        {1, "  QUABRO ", nullptr},
        {1, "quabro", "AS BAIXAS NÃO SERÃO EXIBIDAS!"},
        {1, "JUSTAP", "AS BAIXAS NÃO SERÃO EXIBIDAS!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        dialogs.clear();
        menu().OpenArchivingPasswordPanel();
        menu().setMenuPasswordAction(c.action);
        if (c.refusal)
            dialogs.expectOk(QString::fromUtf8(c.refusal));
        enter(QString::fromUtf8(c.entry));
        EXPECT_EQ(dialogs.boxes.size(), c.refusal ? 1u : 0u);
        if (c.refusal)
            EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_FALSE(panel()->isVisible());
        EXPECT_TRUE(box()->text().isEmpty());
        EXPECT_EQ(menu().MenuPasswordAction(), 0);
    }
}

TEST_F(MenuPasswordTest, ABlankEntryClosesThePanelAndKeepsTheAction)
{
    menu().OpenArchivingPasswordPanel();
    enter(QStringLiteral("   "));
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(box()->text(), QStringLiteral("   "));
    EXPECT_EQ(menu().MenuPasswordAction(), 2);

    // The blanks are gone when the panel opens again; the action still waits.
    menu().OpenArchivingPasswordPanel();
    EXPECT_TRUE(box()->text().isEmpty());
    enter(QStringLiteral("JUSTAP"));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(menu().MenuPasswordAction(), 0);

    // With no action waiting an entry changes nothing.
    menu().OpenArchivingPasswordPanel();
    menu().setMenuPasswordAction(0);
    enter(QStringLiteral("X"));
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(box()->text(), QStringLiteral("X"));
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace vorna::test
