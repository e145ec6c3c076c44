#include "RegisterFixture.h"

#include "common/MessageTexts.h"
#include "platform/runtime/EngineError.h"

namespace vorna::test {
namespace {

class AttendantTarget : public RegisterFixture {
protected:
    void SetUp() override
    {
        RegisterFixture::SetUp();
        reg = &attendants();
    }
};

TEST_F(AttendantTarget, IsStoredAsANumberOrLeftEmptyAndShownBack)
{
    open();
    struct Case {
        const char* name;
        const char* target;
        std::optional<double> stored;
    };
    const Case cases[] = {{"ANA", "1500,5", 1500.5}, {"BIA", "", std::nullopt}, {"CAIO", "1.234,56", 1234.56}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        type(nameBox(), c.name);
        type(targetBox(), c.target);
        dialogs.expectOk();
        click("Command3D1");
        EXPECT_EQ(targetBox()->Text(), "");
        const long key = long(storedNames().size());
        const Variant stored = storedField(key, "XMETA");
        if (c.stored)
            EXPECT_DOUBLE_EQ(stored.toDouble(), *c.stored);
        else
            EXPECT_TRUE(stored.isNull());
    }

    // Shown back as the stored number's text, displayed as an amount while
    // the box does not have the focus.
    click("Command3D8");
    EXPECT_EQ(targetBox()->Text(), "1500,5");
    EXPECT_TRUE(targetBox()->QLineEdit::text().contains("1.500,50")) << targetBox()->QLineEdit::text().toStdString();
    click("Command3D6");
    EXPECT_EQ(nameBox()->text(), "BIA");
    EXPECT_EQ(targetBox()->Text(), "");
}

TEST_F(AttendantTarget, ThatIsNotANumberIsAWriteFailureAndStoresNothing)
{
    const QString failure = msg::RecordLocked + QString::number(err::TypeMismatch);
    for (bool emptyTable : {true, false}) {
        SCOPED_TRACE(emptyTable ? "empty table" : "a row stored");
        ui::destroyAllWindows();
        if (!emptyTable)
            store("ZECA", 10);
        const std::vector<QString> before = storedNames();
        open();
        type(nameBox(), "ANA");
        type(targetBox(), "mil reais");
        dialogs.clear();
        dialogs.expectOk();
        click("Command3D1");
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        expectLastBox(failure, QString());
        EXPECT_EQ(storedNames(), before);
        EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
        EXPECT_EQ(targetBox()->Text(), "");
        EXPECT_EQ(focused(), nameBox());
        EXPECT_FALSE(shown());
    }

    // Nothing pending is left behind: the next addition stores only itself.
    type(nameBox(), "BIA");
    type(targetBox(), "7");
    dialogs.expectOk(QStringLiteral("Atendente Cadastrado com Codigo: 2"));
    click("Command3D1");
    EXPECT_EQ(storedNames(), (std::vector<QString>{"ZECA", "BIA"}));
    EXPECT_DOUBLE_EQ(storedField(2, "XMETA").toDouble(), 7.0);
}

}  // namespace
}  // namespace vorna::test
