#include "RecordWindowFixture.h"

#include "platform/controls/ControlEvents.h"

namespace vorna::test {
namespace {

class WriteFailureTest : public RecordWindowFixture {
protected:
    QString lockedText(int number) { return msg::withNumber(msg::RecordLocked, number); }
    void expectUntitledBox(const QString& text)
    {
        ASSERT_FALSE(dialogs.boxes.empty());
        EXPECT_EQ(dialogs.boxes.back().text, text);
        EXPECT_EQ(dialogs.boxes.back().title, "");
    }
};

TEST_F(WriteFailureTest, ARefusedAdditionStoresNothingAndLeavesTheBoxesForAnotherCode)
{
    auto& w = open(declareInsurerLike);
    struct Case {
        const char* what;
        QString rate;
        bool locked;
        int number;
    };
    for (const Case& c : {Case{"a rate that is not a number", "12a", false, err::TypeMismatch},
                          Case{"a row locked by another workstation", "1", true, err::RecordLocked}}) {
        SCOPED_TRACE(c.what);
        type(w.Text1, "5");
        type(w.Text2, "ALFA");
        type(w.MaskEdBox4, c.rate);
        dialogs.expectOk(lockedText(c.number));
        {
            std::unique_ptr<SecondWorkstationLock> lock;
            if (c.locked)
                lock = std::make_unique<SecondWorkstationLock>(pathOf("VORNA.MDB"));
            click(w.Command3D1);
        }
        expectUntitledBox(lockedText(c.number));
        EXPECT_EQ(rowCount("CIAS"), 0);
        EXPECT_EQ(text(w.Text1), "");
        EXPECT_EQ(focused(), w.Text1);
        EXPECT_EQ(text(w.Text2), "ALFA");
        EXPECT_FALSE(shown());
    }
    // Nothing was left pending: the next addition stores exactly its own row.
    type(w.Text1, "6");
    type(w.MaskEdBox4, "2,5");
    click(w.Command3D1);
    EXPECT_EQ(rowCount("CIAS"), 1);
    EXPECT_DOUBLE_EQ(row("CIAS", "CODIGO = 6").field("JUR4").toDouble(), 2.5);
}

TEST_F(WriteFailureTest, ARefusedAlterationKeepsTheStoredRowAndClearsTheWindow)
{
    addRow("CIAS", {{"CODIGO", 1}, {"NOME", "ALFA"}});
    auto& w = open(declareInsurerLike);
    click(w.Command3D8);
    type(w.Text2, "OMEGA");
    dialogs.expectOk(lockedText(err::RecordLocked));
    {
        SecondWorkstationLock lock(pathOf("VORNA.MDB"));
        click(w.Command3D1);
    }
    EXPECT_EQ(row("CIAS", "CODIGO = 1").field("NOME").toString(), "ALFA");
    EXPECT_FALSE(shown());
    EXPECT_EQ(text(w.Text2), "");
}

TEST_F(WriteFailureTest, ADuplicateKeyMayHaveItsOwnText)
{
    addRow("CIAS", {{"CODIGO", 1}, {"NOME", "ALFA"}});
    auto& w = open([](RecordWindowSpec& design, RecordTestWindow& w) {
        declareInsurerLike(design, w);
        design.texts.duplicateKey = msg::DuplicateCode;
    });
    type(w.Text1, "1");
    type(w.Text2, "BETA");
    dialogs.expectOk("CODIGO JÁ EXISTENTE, TENTE NOVAMENTE!: 3022");
    click(w.Command3D1);
    EXPECT_EQ(rowCount("CIAS"), 1);
    EXPECT_EQ(row("CIAS", "CODIGO = 1").field("NOME").toString(), "ALFA");
}

TEST_F(WriteFailureTest, AFailedAdditionReportsNoNewKey)
{
    auto& w = open(declareAttendantLike);
    type(w.Text2, "ANA");
    type(w.MaskEdBox1, "mil");
    dialogs.expectOk(lockedText(err::TypeMismatch));
    click(w.Command3D1);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(rowCount("ATENDE"), 0);
    EXPECT_EQ(text(w.Text2), "");
    EXPECT_EQ(focused(), w.Text2);
}

TEST_F(WriteFailureTest, AnUnhandledWriteFailureLeavesTheWindowAsItWasAndStoresNothing)
{
    std::vector<int> reported;
    ui::setUnexpectedFailureReporter([&](const std::exception& e) {
        if (auto* engine = dynamic_cast<const EngineError*>(&e))
            reported.push_back(engine->number());
    });
    auto& w = open([](RecordWindowSpec& design, RecordTestWindow& w) {
        declareInsurerLike(design, w);
        design.writeFailures = WriteFailures::Unhandled;
    });
    type(w.Text1, "5");
    type(w.Text2, "ALFA");
    type(w.MaskEdBox5, "x");
    click(w.Command3D1);
    ui::setUnexpectedFailureReporter({});
    EXPECT_EQ(reported, std::vector<int>{err::TypeMismatch});
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(rowCount("CIAS"), 0);
    EXPECT_EQ(text(w.Text1), "5");
    type(w.MaskEdBox5, "");
    click(w.Command3D1);
    EXPECT_EQ(rowCount("CIAS"), 1);
}

}  // namespace
}  // namespace vorna::test
