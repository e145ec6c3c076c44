#include "common/PasswordPanel.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Twips.h"
#include "platform/controls/Window.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>

namespace vorna {
namespace {

// A record window with two panels that the password panel covers, a box
// outside them, and a panel guarding two operations with their own passwords
// and places, as the document window does.
class GuardedWindow : public ui::Window {
public:
    GuardedWindow() { setFixedWithoutCloseBox(); }

    QFrame* Frame3D2 = nullptr;
    QFrame* Frame3D5 = nullptr;
    ui::TextBox* Text1 = nullptr;   // outside the covered panels
    ui::TextBox* Text4 = nullptr;   // inside Frame3D2
    QFrame* Frame3D6 = nullptr;
    ui::TextBox* Text29 = nullptr;
    PasswordPanel* panel = nullptr;
    QString deletionPassword = QStringLiteral("Sesamo");
    QString changePassword = QStringLiteral("MUDA");
    QStringList outcomes;

protected:
    void buildControls() override
    {
        resize(ui::twips(9000), ui::twips(6000));
        Text1 = new ui::TextBox(this);
        ui::placeTwips(Text1, 150, 150, 1500, 300);
        Frame3D2 = frame(600);
        Text4 = new ui::TextBox(Frame3D2);
        ui::placeTwips(Text4, 150, 150, 1500, 300);
        Frame3D5 = frame(3000);
        Frame3D6 = new QFrame(this);
        ui::placeTwips(Frame3D6, 4845, 6150, 1590, 630);
        new QLabel(QStringLiteral("Senha"), Frame3D6);
        Text29 = new ui::TextBox(Frame3D6);
        ui::placeTwips(Text29, 60, 250, 1470, 300);
        Text29->setPasswordChar(QStringLiteral("*"));
        Text29->setMaxLength(30);
        Frame3D6->hide();

        panel = new PasswordPanel(Frame3D6, Text29);
        panel->add({.code = 1,
                    .password = [this] { return deletionPassword; },
                    .wrongPassword = QStringLiteral("SENHA INCORRETA! CLIENTE NÃO SERÁ EXCLUÍDO!"),
                    .covered = {Frame3D2, Frame3D5},
                    .left = 4650,
                    .top = 3630,
                    .accepted = [this] { outcomes << "accepted 1"; },
                    .refused = [this] { outcomes << "refused 1"; },
                    .cancelled = [this] { outcomes << "cancelled 1"; }});
        panel->add({.code = 2,
                    .password = [this] { return changePassword; },
                    .wrongPassword = QStringLiteral("SENHA INCORRETA!DOCUMENTO NÃO SERÁ ALTERADO!"),
                    .top = 4740,
                    .accepted = [this] { outcomes << "accepted 2"; },
                    .refused = [this] { outcomes << "refused 2"; }});
        ui::on(Text29).LostFocus([this] { panel->Check(); });
    }

private:
    QFrame* frame(int top)
    {
        auto* f = new QFrame(this);
        ui::placeTwips(f, 150, top, 8000, 2000);
        return f;
    }
};

class PasswordPanelRules : public test::ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        window.Show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // Opens the panel for an operation, types the entry and leaves the box by Tab.
    void enter(const QString& entry, int code = 1)
    {
        window.panel->Open(code);
        ASSERT_EQ(QApplication::focusWidget(), window.Text29);
        QTest::keyClicks(window.Text29, entry);
        window.Text1->setFocus(Qt::TabFocusReason);
    }

    GuardedWindow window;
};

TEST_F(PasswordPanelRules, OpeningHidesTheCoveredPanelsAndPlacesThePanel)
{
    window.panel->Open(1);

    EXPECT_TRUE(window.Frame3D6->isVisible());
    EXPECT_EQ(window.Frame3D6->pos(), QPoint(ui::twips(4650), ui::twips(3630)));
    EXPECT_FALSE(window.Frame3D2->isVisible());
    EXPECT_FALSE(window.Frame3D5->isVisible());
    EXPECT_TRUE(window.panel->isOpen());
    EXPECT_EQ(window.panel->pendingCode(), 1);
}

TEST_F(PasswordPanelRules, EachEntryLeadsToItsOutcomeAndTheCoveredPanelsComeBack)
{
    struct Case {
        QString entry;
        QString outcome;
        bool message;
    };
    const Case cases[] = {
        {"", "cancelled 1", false},          {"   ", "cancelled 1", false},
        {"Sesamo", "accepted 1", false},  {"  Sesamo  ", "accepted 1", false},
        {"sesamo", "refused 1", true},       {"SESAMO", "refused 1", true},
        {"Sesam", "refused 1", true},        {"Sesamo2", "refused 1", true},
    };
    for (const Case& c : cases) {
        window.outcomes.clear();
        dialogs.clear();
        if (c.message)
            dialogs.expectOk("SENHA INCORRETA! CLIENTE NÃO SERÁ EXCLUÍDO!");
        enter(c.entry);

        EXPECT_EQ(window.outcomes, QStringList{c.outcome}) << c.entry.toStdString();
        EXPECT_EQ(dialogs.boxes.size(), c.message ? 1u : 0u) << c.entry.toStdString();
        if (c.message)
            EXPECT_TRUE(dialogs.boxes[0].title.isEmpty());
        EXPECT_FALSE(window.Frame3D6->isVisible());
        EXPECT_TRUE(window.Frame3D2->isVisible());
        EXPECT_TRUE(window.Frame3D5->isVisible());
        EXPECT_FALSE(window.panel->isOpen());
        dialogs.verifyAllTaken();
    }
}

// A right entry left in the box must not let the next protected action
// through without the password being typed again.
TEST_F(PasswordPanelRules, EveryOpeningStartsWithAnEmptyBox)
{
    enter("Sesamo");
    ASSERT_EQ(window.outcomes, QStringList{"accepted 1"});

    window.panel->Open(1);
    EXPECT_TRUE(window.Text29->text().isEmpty());
    window.Text1->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window.outcomes, (QStringList{"accepted 1", "cancelled 1"}));
}

TEST_F(PasswordPanelRules, EachOperationComparesItsOwnPasswordAtItsOwnPlace)
{
    window.panel->Open(2);
    EXPECT_EQ(window.Frame3D6->pos(), QPoint(ui::twips(4845), ui::twips(4740)));
    EXPECT_TRUE(window.Frame3D2->isVisible());  // covers nothing
    window.Text1->setFocus(Qt::TabFocusReason);

    dialogs.expectOk("SENHA INCORRETA!DOCUMENTO NÃO SERÁ ALTERADO!");
    enter("Sesamo", 2);
    enter("MUDA", 2);
    // A code no operation has stands for the first one.
    enter("Sesamo", 7);
    EXPECT_EQ(window.outcomes, (QStringList{"refused 2", "accepted 2", "accepted 1"}));
}

TEST_F(PasswordPanelRules, AnEmptyOperationPasswordMatchesNoEntry)
{
    window.deletionPassword = QStringLiteral("  ");
    dialogs.expectOk("SENHA INCORRETA! CLIENTE NÃO SERÁ EXCLUÍDO!");
    enter("x");
    EXPECT_EQ(window.outcomes, QStringList{"refused 1"});
}

TEST_F(PasswordPanelRules, LeavingTheBoxWhileThePanelIsClosedDoesNothing)
{
    window.Text29->setFocus(Qt::TabFocusReason);
    window.Text1->setFocus(Qt::TabFocusReason);
    window.panel->Check();
    EXPECT_TRUE(window.outcomes.isEmpty());
}

}  // namespace
}  // namespace vorna
