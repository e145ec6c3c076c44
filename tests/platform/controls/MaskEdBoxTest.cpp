#include "ControlsTest.h"

#include "platform/controls/ControlEvents.h"
#include "platform/controls/MaskEdBox.h"

using namespace vorna::ui;

namespace {

const QString DateMask = QStringLiteral("##/##/####");
const QString AmountFormat = QStringLiteral("$#,##0.00;($#,##0.00)");

class MaskEdBoxTest : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        window.resize(200, 80);
        date->setGeometry(10, 10, 80, 20);
        date->setMask(DateMask);
        date->setFormat(QStringLiteral("dd/mm/yyyy"));
        amount->setGeometry(10, 40, 80, 20);
        amount->setFormat(AmountFormat);
    }
    // Empties a date box the way the windows do.
    void empty(MaskEdBox* box)
    {
        box->setMask(QString());
        box->setText(QString());
        box->setMask(DateMask);
    }

    QWidget window;
    MaskEdBox* date = new MaskEdBox(&window);
    MaskEdBox* amount = new MaskEdBox(&window);
};

TEST_F(MaskEdBoxTest, DateBoxReadsItsPlainTextAndItsTypedContent)
{
    struct Case {
        const char* typed;
        const char* text;
        const char* clip;
    };
    const Case cases[] = {
        {"", "__/__/____", ""},
        {"3", "3_/__/____", "3"},
        {"3102", "31/02/____", "3102"},
        {"29022016", "29/02/2016", "29022016"},
        {"2902201677", "29/02/2016", "29022016"},  // no room for more
        {"2a9", "29/__/____", "29"},               // only digits go in
    };
    activate(&window);
    for (const Case& c : cases) {
        empty(date);
        date->setFocus();
        date->setCursorPosition(0);
        QTest::keyClicks(date, c.typed);
        EXPECT_EQ(date->Text(), c.text) << c.typed;
        EXPECT_EQ(date->ClipText(), c.clip) << c.typed;
    }
}

TEST_F(MaskEdBoxTest, BackspaceUntypesAndTheBoxIsEmptyAgain)
{
    activate(&window);
    date->setFocus();
    date->setCursorPosition(0);
    QTest::keyClicks(date, "31");
    QTest::keyClick(date, Qt::Key_Backspace);
    QTest::keyClick(date, Qt::Key_Backspace);
    EXPECT_EQ(date->Text(), "__/__/____");
    EXPECT_EQ(date->ClipText(), "");
}

TEST_F(MaskEdBoxTest, MaskOffTextMaskOnPutsADateOrEmptiesTheBox)
{
    date->setMask(QString());
    date->setText(QStringLiteral("12/03/2016"));
    EXPECT_EQ(date->Text(), "12/03/2016");
    date->setMask(DateMask);
    EXPECT_EQ(date->Text(), "12/03/2016");
    EXPECT_EQ(date->ClipText(), "12032016");

    date->setMask(QString());
    EXPECT_EQ(date->Text(), "12/03/2016");  // the text stays when the mask goes
    date->setText(QString());
    EXPECT_EQ(date->Text(), "");
    EXPECT_EQ(date->ClipText(), "");
    date->setMask(DateMask);
    EXPECT_EQ(date->Text(), "__/__/____");
}

TEST_F(MaskEdBoxTest, AmountBoxShowsTheFormatOnlyWhileItHasNotTheFocus)
{
    activate(&window);
    date->setFocus();
    amount->setText(QStringLiteral("1234,5"));
    EXPECT_EQ(amount->Text(), "1234,5");
    EXPECT_EQ(amount->displayText(), "$1.234,50");

    amount->setFocus();
    EXPECT_EQ(amount->displayText(), "1234,5");
    amount->selectAll();
    QTest::keyClicks(amount, "-3");
    date->setFocus();
    EXPECT_EQ(amount->Text(), "-3");
    EXPECT_EQ(amount->displayText(), "($3,00)");

    // Text that holds no number shows as it is.
    amount->setText(QStringLiteral("1,2,3"));
    EXPECT_EQ(amount->displayText(), "1,2,3");
    amount->setText(QString());
    EXPECT_EQ(amount->displayText(), "");
}

TEST_F(MaskEdBoxTest, ChangeRunsOncePerChangeOfTheTextAndNotForTheFormatting)
{
    int changes = 0;
    on(amount).Change([&] { ++changes; });
    amount->setText(QStringLiteral("10"));
    EXPECT_EQ(changes, 1);
    amount->setText(QStringLiteral("10"));
    EXPECT_EQ(changes, 1);
    activate(&window);
    amount->setFocus();
    date->setFocus();
    EXPECT_EQ(changes, 1);

    int dateChanges = 0;
    on(date).Change([&] { ++dateChanges; });
    date->setFocus();
    date->setCursorPosition(0);
    QTest::keyClicks(date, "12");
    EXPECT_EQ(dateChanges, 2);
}

TEST_F(MaskEdBoxTest, AmountBoxTakesAtMostSixtyFourCharacters)
{
    amount->setText(QString(70, u'1'));
    EXPECT_EQ(amount->Text().size(), 64);
}

TEST_F(MaskEdBoxTest, PasswordCharacterHidesTheText)
{
    TextBox box;
    box.setPasswordChar(QStringLiteral("#"));
    box.setText(QStringLiteral("abc"));
    EXPECT_EQ(box.text(), "abc");
    EXPECT_EQ(box.displayText(), "###");
    box.setPasswordChar(QString());
    EXPECT_EQ(box.displayText(), "abc");
}

}  // namespace
