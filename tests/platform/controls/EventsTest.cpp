#include "ControlsTest.h"

#include "platform/controls/ControlEvents.h"
#include "platform/controls/LeaveCheck.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"
#include "platform/runtime/EngineError.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QTimer>

using namespace vorna::ui;

namespace {

// Two boxes and a picture button, laid out in code.
struct Form {
    QWidget window;
    TextBox* box = new TextBox(&window);
    TextBox* next = new TextBox(&window);
    PictureButton* button = new PictureButton(&window);
    QLabel* label = new QLabel(QStringLiteral("rótulo"), &window);

    Form()
    {
        window.resize(300, 120);
        box->setGeometry(10, 10, 100, 20);
        next->setGeometry(10, 40, 100, 20);
        button->setGeometry(150, 10, 32, 32);
        label->setGeometry(150, 60, 80, 20);
    }
};

class EventsTest : public ControlsTest {};

TEST_F(EventsTest, FocusHandlersRunOnlyWhenTheFocusMovesBetweenControls)
{
    Form f;
    int got = 0;
    int lost = 0;
    on(f.box).GotFocus([&] { ++got; }).LostFocus([&] { ++lost; });
    activate(&f.window);
    f.box->setFocus();
    ASSERT_EQ(got, 1);

    // Another window taking the activation (a message box, another program)
    // and giving it back is neither a leave nor an arrival.
    QWidget other;
    other.resize(50, 50);
    activate(&other);
    EXPECT_EQ(lost, 0);
    other.hide();
    activate(&f.window);
    EXPECT_EQ(focused(), f.box);
    EXPECT_EQ(got, 1);
    EXPECT_EQ(lost, 0);

    // A drop-down opening over the box is not a leave either.
    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    menu.popup(f.window.mapToGlobal(QPoint(20, 20)));
    QTest::qWait(1);
    menu.close();
    QTest::qWait(1);
    EXPECT_EQ(lost, 0);

    QTest::keyClick(f.box, Qt::Key_Tab);
    EXPECT_EQ(focused(), f.next);
    EXPECT_EQ(lost, 1);
    QTest::keyClick(f.next, Qt::Key_Backtab);
    EXPECT_EQ(got, 2);
}

TEST_F(EventsTest, LostFocusRunsAfterTheControlLetGoAndGotFocusAfterItTookIt)
{
    Form f;
    bool hadFocusWhenLeft = true;
    bool hadFocusWhenArrived = false;
    on(f.box).LostFocus([&] { hadFocusWhenLeft = f.box->hasFocus(); });
    on(f.next).GotFocus([&] { hadFocusWhenArrived = f.next->hasFocus(); });
    activate(&f.window);
    f.box->setFocus();
    QTest::keyClick(f.box, Qt::Key_Tab);
    EXPECT_FALSE(hadFocusWhenLeft);
    EXPECT_TRUE(hadFocusWhenArrived);
}

TEST_F(EventsTest, TabIntoAFilledTextBoxSelectsNothing)
{
    Form f;
    f.next->setText(QStringLiteral("JOAO"));
    activate(&f.window);
    f.box->setFocus();
    QTest::keyClick(f.box, Qt::Key_Tab);
    ASSERT_EQ(focused(), f.next);
    EXPECT_FALSE(f.next->hasSelectedText());
    QTest::keyClicks(f.next, "X");
    EXPECT_EQ(f.next->text(), "JOAOX");
}

TEST_F(EventsTest, MaximumLengthLimitsTypingAndPastingButNotTextSetByCode)
{
    Form f;
    f.box->setMaxLength(5);
    activate(&f.window);
    f.box->setFocus();
    QTest::keyClicks(f.box, "1234567");
    EXPECT_EQ(f.box->text(), "12345");

    // A stored value longer than the box takes is shown whole, and typing
    // past the limit still stops.
    f.box->setText(QStringLiteral("123456"));
    EXPECT_EQ(f.box->text(), "123456");
    f.box->end(false);
    QTest::keyClicks(f.box, "7");
    EXPECT_EQ(f.box->text(), "123456");

    // Typing over a selection makes room; a paste takes what fits.
    f.box->setText(QStringLiteral("123"));
    f.box->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("ABCDEFGH"));
    QTest::keyClick(f.box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.box->text(), "ABCDE");
}

TEST_F(EventsTest, KeyPressSeesTypedCharactersAndMayCancelOrReplaceThem)
{
    Form f;
    std::vector<int> codes;
    on(f.box).KeyPress([&](int& k) {
        codes.push_back(k);
        if (k == 'x')
            k = 0;
        else if (k == 'a')
            k = 'B';
    });
    activate(&f.window);
    f.box->setFocus();
    QTest::keyClicks(f.box, "xa");
    typeChar(f.box, u'ç');
    EXPECT_EQ(f.box->text(), "Bç");

    codes.clear();
    QTest::keyClick(f.box, Qt::Key_Return);
    QTest::keyClick(f.box, Qt::Key_Escape);
    QTest::keyClick(f.box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(f.box, Qt::Key_Backspace);
    QTest::keyClick(f.box, Qt::Key_Left);
    QTest::keyClick(f.box, Qt::Key_Delete);
    EXPECT_EQ(codes, (std::vector<int>{13, 27, 22, 8}));
}

TEST_F(EventsTest, ClickOnALabelAndMouseMoveOnlyOverTheControlsOwnSurface)
{
    Form f;
    int clicks = 0;
    int surfaceMoves = 0;
    on(f.label).Click([&] { ++clicks; });
    on(&f.window).MouseMove([&] { ++surfaceMoves; });
    activate(&f.window);
    QTest::mouseClick(f.label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);

    QTest::mouseMove(&f.window, QPoint(250, 100));
    EXPECT_EQ(surfaceMoves, 1);
    QTest::mouseMove(f.label, QPoint(5, 5));
    EXPECT_EQ(surfaceMoves, 1);
}

TEST_F(EventsTest, ChangeRunsForTypingAndForCode)
{
    Form f;
    int changes = 0;
    on(f.box).Change([&] { ++changes; });
    f.box->setText(QStringLiteral("a"));
    activate(&f.window);
    f.box->setFocus();
    QTest::keyClicks(f.box, "bc");
    EXPECT_EQ(changes, 3);
}

TEST_F(EventsTest, PictureButtonIsPressedByTheMouseOnly)
{
    Form f;
    int clicks = 0;
    on(f.button).Click([&] { ++clicks; });
    activate(&f.window);
    f.button->setFocus();
    QTest::keyClick(f.button, Qt::Key_Space);
    QTest::keyClick(f.button, Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(f.button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(EventsTest, AFailureInAHandlerIsReportedAndTheProgramGoesOn)
{
    Form f;
    std::vector<int> reported;
    setUnexpectedFailureReporter([&](const std::exception& e) {
        if (auto* engine = dynamic_cast<const vorna::EngineError*>(&e))
            reported.push_back(engine->number());
    });
    on(f.button).Click([] { throw vorna::EngineError(3021, QStringLiteral("No current record.")); });
    activate(&f.window);
    QTest::mouseClick(f.button, Qt::LeftButton);
    setUnexpectedFailureReporter(nullptr);
    EXPECT_EQ(reported, std::vector<int>{3021});
}

// The box refuses to be left while `valid` is false.
struct HeldForm : Form {
    int checks = 0;
    int buttonClicks = 0;
    int buttonFocusEvents = 0;
    bool valid = false;
    std::function<void()> duringCheck;

    HeldForm()
    {
        LeaveCheck::attach(box, [this] {
            ++checks;
            if (duringCheck)
                duringCheck();
            return valid;
        });
        on(button).Click([this] { ++buttonClicks; })
            .GotFocus([this] { ++buttonFocusEvents; })
            .LostFocus([this] { ++buttonFocusEvents; });
    }
};

TEST_F(EventsTest, ACheckThatKeepsTheUserSwallowsTheClickOnAButton)
{
    HeldForm f;
    activate(&f.window);
    f.box->setFocus();

    QTest::mouseClick(f.button, Qt::LeftButton);
    EXPECT_EQ(f.checks, 1);
    EXPECT_EQ(f.buttonClicks, 0);
    EXPECT_EQ(f.buttonFocusEvents, 0);
    EXPECT_EQ(focused(), f.box);
    EXPECT_FALSE(f.button->isDown());

    // Once the box may be left, the same click goes through.
    f.valid = true;
    QTest::mouseClick(f.button, Qt::LeftButton);
    EXPECT_EQ(f.checks, 2);
    EXPECT_EQ(f.buttonClicks, 1);
    EXPECT_EQ(focused(), f.button);
}

TEST_F(EventsTest, ACheckThatKeepsTheUserHoldsTheBoxAgainstTab)
{
    HeldForm f;
    activate(&f.window);
    f.box->setFocus();
    QTest::keyClick(f.box, Qt::Key_Tab);
    EXPECT_EQ(f.checks, 1);
    EXPECT_EQ(focused(), f.box);
    QTest::keyClick(f.box, Qt::Key_Tab);
    EXPECT_EQ(f.checks, 2);
    f.valid = true;
    QTest::keyClick(f.box, Qt::Key_Tab);
    EXPECT_EQ(f.checks, 3);
    EXPECT_EQ(focused(), f.next);
}

TEST_F(EventsTest, ACheckWhoseMessageTakesTheActivationStillRunsOnceAndKeepsTheClickAway)
{
    HeldForm f;
    QWidget messageBox;
    messageBox.resize(80, 40);
    // What a real message box does: another window is active while it shows.
    f.duringCheck = [&] {
        messageBox.show();
        messageBox.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&messageBox));
        messageBox.hide();
        f.window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f.window));
    };
    activate(&f.window);
    f.box->setFocus();
    QTest::mouseClick(f.button, Qt::LeftButton);
    QTest::qWait(1);
    EXPECT_EQ(f.checks, 1);
    EXPECT_EQ(f.buttonClicks, 0);
    EXPECT_EQ(f.buttonFocusEvents, 0);  // the button never had the focus
    EXPECT_EQ(focused(), f.box);
}

}  // namespace
