#include "InputTest.h"

#include "common/MessageTexts.h"

using namespace vorna;

namespace {

class DateCheckTest : public InputTest {};

TEST_F(DateCheckTest, LeavingADateBoxWithTab)
{
    struct Case {
        const char* typed;
        bool refused;
    };
    const Case cases[] = {
        {"", false},          // untouched
        {"3", true},          // incomplete
        {"31022016", true},   // no 31 February
        {"29022015", true},   // not a leap year
        {"29022016", false},
        {"00000000", true},
        {"31122016", false},
        {"05132016", true},   // day and month are never exchanged
    };
    for (const Case& c : cases) {
        dialogs.clear();
        emptyDate(w->MaskEdBox1);
        w->MaskEdBox1->setFocus();
        w->MaskEdBox1->setCursorPosition(0);
        QTest::keyClicks(w->MaskEdBox1, c.typed);
        const QString typed = w->MaskEdBox1->Text();
        if (c.refused)
            dialogs.expectOk(msg::InvalidDate);
        QTest::keyClick(w->MaskEdBox1, Qt::Key_Tab);

        if (c.refused) {
            ASSERT_EQ(dialogs.boxes.size(), 1u) << c.typed;
            EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO!");
            EXPECT_EQ(dialogs.boxes[0].buttons, dlg::Buttons::Ok);
            EXPECT_EQ(dialogs.boxes[0].icon, dlg::Icon::None);
            EXPECT_EQ(focused(), w->MaskEdBox1) << c.typed;
        } else {
            EXPECT_TRUE(dialogs.boxes.empty()) << c.typed;
            EXPECT_EQ(focused(), w->MaskEdBox2) << c.typed;
        }
        EXPECT_EQ(w->MaskEdBox1->Text(), typed) << c.typed;  // what was typed stays
        dialogs.verifyAllTaken();
    }
}

TEST_F(DateCheckTest, DeletingEveryTypedDigitLetsTheBoxBeLeftAgain)
{
    w->MaskEdBox1->setFocus();
    w->MaskEdBox1->setCursorPosition(0);
    QTest::keyClicks(w->MaskEdBox1, "3");
    dialogs.expectOk(msg::InvalidDate);
    QTest::keyClick(w->MaskEdBox1, Qt::Key_Tab);
    ASSERT_EQ(focused(), w->MaskEdBox1);

    w->MaskEdBox1->setCursorPosition(1);
    QTest::keyClick(w->MaskEdBox1, Qt::Key_Backspace);
    QTest::keyClick(w->MaskEdBox1, Qt::Key_Tab);
    EXPECT_EQ(focused(), w->MaskEdBox2);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST_F(DateCheckTest, AClickOnAButtonBehindAnInvalidDateDoesNotGoThrough)
{
    w->MaskEdBox1->setFocus();
    w->MaskEdBox1->setCursorPosition(0);
    QTest::keyClicks(w->MaskEdBox1, "31022016");
    dialogs.expectOk(msg::InvalidDate);
    QTest::mouseClick(w->Command3D1, Qt::LeftButton);
    EXPECT_EQ(dialogs.boxes.size(), 1u);  // shown once
    EXPECT_EQ(w->saves, 0);
    EXPECT_EQ(focused(), w->MaskEdBox1);
    EXPECT_EQ(w->MaskEdBox1->Text(), "31/02/2016");

    // Corrected, the box lets the same click through.
    emptyDate(w->MaskEdBox1);
    w->MaskEdBox1->setCursorPosition(0);
    QTest::keyClicks(w->MaskEdBox1, "28022016");
    QTest::mouseClick(w->Command3D1, Qt::LeftButton);
    EXPECT_EQ(w->saves, 1);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST_F(DateCheckTest, DateReading)
{
    EXPECT_TRUE(isTypedDate(QStringLiteral("29/02/2016")));
    EXPECT_TRUE(isTypedDate(QStringLiteral("31/12/9999")));
    EXPECT_TRUE(isTypedDate(QStringLiteral("01/01/0100")));
    EXPECT_FALSE(isTypedDate(QStringLiteral("31/12/0099")));
    EXPECT_FALSE(isTypedDate(QStringLiteral("29/02/1900")));
    EXPECT_FALSE(isTypedDate(QStringLiteral("12/__/2016")));
    EXPECT_FALSE(isTypedDate(QStringLiteral("12/03/16")));
    EXPECT_FALSE(isTypedDate(QStringLiteral("")));
}

}  // namespace
