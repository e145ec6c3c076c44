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
    // Keys sent straight to the box, so no box is entered or left meanwhile.
    QString typedInto(const char* name, const QString& keys)
    {
        box(name)->clear();
        typeKeys(box(name), keys);
        return box(name)->text();
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

}  // namespace
}  // namespace vorna::test
