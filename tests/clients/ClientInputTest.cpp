#include "ClientFixture.h"

#include "common/MessageTexts.h"
#include "platform/runtime/Clock.h"

#include <QTest>

namespace vorna::test {
namespace {

class ClientInputTest : public ClientFixture {
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        addProducer(1, 1, "ANA");
    }
};

TEST_F(ClientInputTest, EachFilteredBoxLetsOnlyItsOwnKeysThroughAndBeepsAtTheRest)
{
    open();
    struct Case {
        const char* box;
        QString key;
        bool passes;
    };
    const Case cases[] = {
        {"Text2", "Ç", false},  {"Text2", "ã", false},  {"Text2", "/", false},  {"Text2", ".", true},
        {"Text2", "A", true},   {"Text2", QString(QChar(22)), false},  // Ctrl+V
        {"Text4", "/", true},   {"Text4", "é", false},  {"Text5", "/", true},   {"Text10", "/", true},
        {"Text17", ".", false}, {"Text17", "-", true},  {"Text17", "a", true},  {"Text17", " ", true},
        {"Text16", "@", true},  {"Text16", "A", true},  {"Text16", " ", false}, {"Text16", ",", false},
        {"Text16", "_", true},  {"Text47", "@", true},  {"Text46", "A", false}, {"Text46", "-", false},
        {"Text46", "/", false}, {"Text46", ":", false}, {"Text46", "a", true},  {"Text46", ".", true},
        {"Text1", "a", false},  {"Text1", "5", true},   {"Text18", "-", false}, {"Text7", "-", false},
        {"Text12", "1", true},  {"Text57", ".", false}, {"Text57", "7", true},  {"Text66", "0", true},
        {"Text33", ".", false}, {"Text33", "9", true},  {"Text56", "x", false}, {"Text3", "/", true},
        {"Text3", "ç", false},  {"Text13", "/", true},
        // Boxes without a filter take any character.
        {"Text8", "ã", true},
    };
    for (const Case& k : cases) {
        const int beeps = dialogs.beeps;
        EXPECT_EQ(typedInto(k.box, k.key), k.passes ? k.key : QString()) << k.box << " " << k.key.toStdString();
        EXPECT_EQ(dialogs.beeps - beeps, k.passes ? 0 : 1) << k.box << " " << k.key.toStdString();
    }
}

TEST_F(ClientInputTest, BackspaceWorksInAFilteredBoxAndTheMaximumStopsTyping)
{
    open();
    typedInto("Text1", "12");
    QTest::keyClick(box("Text1"), Qt::Key_Backspace);
    EXPECT_EQ(box("Text1")->text(), "1");
    EXPECT_EQ(dialogs.beeps, 0);

    EXPECT_EQ(typedInto("Text18", "123456"), "1234");
    EXPECT_EQ(typedInto("Text57", "123"), "12");
}

TEST_F(ClientInputTest, AScoreCodeOutsideItsBoxsListKeepsTheUserThereWithTheBoxsMessage)
{
    open();
    struct Case {
        const char* box;
        QString value;
        bool accepted;
    };
    const Case cases[] = {
        {"Text57", "", true},    {"Text57", "7", true},   {"Text57", "5", false},  {"Text57", "07", false},
        {"Text58", "51", false}, {"Text60", "51", true},  {"Text60", "53", true},  {"Text60", "54", false},
        {"Text61", "37", true},  {"Text61", "3", false},  {"Text62", "12", true},  {"Text63", "3", false},
        {"Text64", "15", true},  {"Text65", "65", true},  {"Text65", "70", false}, {"Text66", "2", true},
    };
    for (const Case& k : cases) {
        type(box(k.box), k.value);
        if (!k.accepted)
            dialogs.expectOk();
        leave(box(k.box));
        EXPECT_EQ(dialogs.pendingScript(), 0) << k.box << " " << k.value.toStdString();
        EXPECT_EQ(focused() == box(k.box), !k.accepted) << k.box << " " << k.value.toStdString();
        EXPECT_EQ(box(k.box)->text(), k.value) << k.box;
        if (!k.accepted) {
            EXPECT_EQ(dialogs.boxes.back().title, msg::TitleAttention);
            EXPECT_EQ(dialogs.boxes.back().icon, dlg::Icon::None);
            box(k.box)->clear();
            leave(box(k.box));
        }
    }
    for (const char* name : {"Text57", "Text58", "Text59", "Text60", "Text61", "Text62", "Text63", "Text64",
                             "Text65", "Text66"}) {
        for (const QString value : {"0", "00", "07"}) {
            type(box(name), value);
            if (value != "0")
                dialogs.expectOk();
            leave(box(name));
            EXPECT_EQ(dialogs.pendingScript(), 0) << name << " " << value.toStdString();
            box(name)->clear();
            leave(box(name));
        }
    }
}

TEST_F(ClientInputTest, TheScoreMessagesAreTheBoxsOwnAndTabRunsThroughTheScoresRightToLeft)
{
    open();
    type(box("Text57"), "5");
    dialogs.expectOk("DIGITE 7 PARA INDICADOR, 1 PARA NÃO INDICADOR OU 0 SE NÃO FOR HABITUAL");
    leave(box("Text57"));
    box("Text57")->clear();
    type(box("Text65"), "70");
    dialogs.expectOk("DIGITE 26 PARA ATÉ 26 ANOS - 35 PARA ATÉ 35 ANOS - 45 PARA ATÉ 45 ANOS - 60 PARA ATÉ 60 ANOS "
                     "- 65 PARA DE 65 EM DIANTE - 0 SE NÃO FOR HABITUAL ");
    leave(box("Text65"));
    box("Text65")->clear();
    leave(box("Text65"));

    QStringList order;
    for (QWidget* w = box("Text27")->nextInFocusChain(); order.size() < 11; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    }
    EXPECT_EQ(order, QStringList({"Text66", "Text65", "Text64", "Text63", "Text62", "Text61", "Text60", "Text59",
                                  "Text58", "Text57", "Combo9"}));
}

TEST_F(ClientInputTest, ADateBoxMayBeLeftEmptyOrWithARealDateAndKeepsWhatWasTypedOtherwise)
{
    open();
    struct Case {
        QString keys;
        QString shown;  // the box's text once refused
        bool accepted;
    };
    const Case cases[] = {
        {"", "", true},
        {"29022024", "", true},
        {"29022023", "29/02/2023", false},
        {"31042020", "31/04/2020", false},
        {"00052020", "00/05/2020", false},
        {"290220", "29/02/20__", false},
    };
    for (const Case& k : cases) {
        for (const char* name : {"MaskEdBox1", "MaskEdBox16"}) {
            ui::MaskEdBox* date = masked(name);
            typeDate(date, k.keys);
            if (!k.accepted)
                dialogs.expectOk(msg::InvalidDate);
            leave(date);
            EXPECT_EQ(dialogs.pendingScript(), 0) << name << " " << k.keys.toStdString();
            EXPECT_EQ(focused() == date, !k.accepted) << name << " " << k.keys.toStdString();
            if (!k.accepted) {
                EXPECT_EQ(date->Text(), k.shown) << name;
                typeDate(date, "");
                leave(date);
            }
        }
    }
}

TEST_F(ClientInputTest, EnteringTheRegistrationDateShowsTodayEveryTime)
{
    setNow(QDateTime(QDate(2026, 3, 5), QTime(10, 0)));
    open();
    ui::MaskEdBox* date = masked("MaskEdBox2");
    date->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(date->Text(), "05/03/2026");

    typeDate(date, "01012020");
    leave(date);
    EXPECT_EQ(date->Text(), "01/01/2020");
    date->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(date->Text(), "05/03/2026");

    // A refused date brings the user back to today's.
    setNow(QDateTime(QDate(2026, 3, 6), QTime(10, 0)));
    typeDate(date, "310420");
    dialogs.expectOk(msg::InvalidDate);
    leave(date);
    EXPECT_EQ(focused(), date);
    EXPECT_EQ(date->Text(), "06/03/2026");
}

}  // namespace
}  // namespace vorna::test
