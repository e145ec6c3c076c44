#include "RegisterFixture.h"

#include "common/MessageTexts.h"
#include "platform/controls/ControlEvents.h"
#include "platform/database/Recordset.h"
#include "platform/runtime/EngineError.h"

#include <QCursor>
#include <QLabel>

namespace vorna::test {
namespace {

const QString NoRecords = QStringLiteral("NAO HA REGISTROS CADASTRADOS");

TEST_P(RegisterWindowTest, OpensWithNothingShownAndTheFocusInTheNameBox)
{
    store("PRIMEIRO");
    open();
    EXPECT_FALSE(codeBox()->isEnabled());
    EXPECT_FALSE(shown());
    EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
    EXPECT_EQ(focused(), nameBox());
    for (const char* caption : {"Label8", "Label9", "Label10", "Label11", "Label12", "Label14", "Label15"})
        EXPECT_FALSE(control<QLabel>(caption)->isVisible()) << caption;

    // Tab goes round the window in its own order; the disabled code box and
    // "Excluir" are passed over.
    std::vector<QString> chain{QString::fromLatin1(reg->tabChain.front())};
    for (size_t i = 1; i < reg->tabChain.size(); ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        chain.push_back(focused() ? focused()->objectName() : QString());
    }
    EXPECT_EQ(chain, std::vector<QString>(reg->tabChain.begin(), reg->tabChain.end()));

    // The name box takes no more than the field holds.
    type(nameBox(), QString(reg->nameLimit + 5, u'A'));
    EXPECT_EQ(nameBox()->text().size(), reg->nameLimit);
}

TEST_P(RegisterWindowTest, AddingReportsTheDatabasesNumberAndClearsTheWindow)
{
    const long existing = store("ZECA");
    open();
    click("Command3D8");
    click("Command3D1");  // lets go of the shown row
    ASSERT_FALSE(shown());

    // A leading blank is stored as typed.
    for (const QString& name : {QStringLiteral(" ANA"), QStringLiteral("BIA")}) {
        SCOPED_TRACE(name.toStdString());
        type(nameBox(), name);
        const size_t before = dialogs.boxes.size();
        dialogs.expectOk();
        click("Command3D1");
        ASSERT_EQ(dialogs.boxes.size(), before + 1);
        const long key = existing + long(storedNames().size()) - 1;
        expectLastBox(QString::fromLatin1(reg->newRecordText) + QString::number(key), QStringLiteral("Inclusao"));
        EXPECT_EQ(storedField(key, reg->nameField).toString(), name);
        EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
        EXPECT_EQ(focused(), nameBox());
        EXPECT_FALSE(shown());
    }
    EXPECT_EQ(storedNames(), (std::vector<QString>{"ZECA", " ANA", "BIA"}));

    // The window stands on the row just added: nothing after it, the row
    // before it before it.
    dialogs.expectOk(NoRecords);
    click("Command3D6");
    EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
    click("Command3D9");
    EXPECT_EQ(showing(), std::make_pair(QString::number(existing + 1), QStringLiteral(" ANA")));
    EXPECT_TRUE(shown());
}

TEST_P(RegisterWindowTest, GravarWithARowShownOnlyClearsTheWindow)
{
    store("ANA");
    open();
    click("Command3D8");
    ASSERT_TRUE(shown());
    type(nameBox(), "OUTRO NOME");
    click("Command3D1");
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(storedNames(), std::vector<QString>{"ANA"});
    EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
    EXPECT_EQ(focused(), nameBox());
    EXPECT_FALSE(shown());
}

TEST_P(RegisterWindowTest, ANameOfNothingButBlanksIsRefused)
{
    open();
    for (const QString& name : {QString(), QStringLiteral("   ")}) {
        SCOPED_TRACE(name.size());
        type(nameBox(), name);
        control<QWidget>("Command3D5")->setFocus();
        dialogs.expectOk();
        click("Command3D1");
        expectLastBox(QStringLiteral("PREENCHIMENTO OBRIGATORIO - CONTA"), QStringLiteral("ATENÇÃO!"));
        EXPECT_EQ(focused(), nameBox());
        EXPECT_EQ(nameBox()->text(), name);
    }
    EXPECT_TRUE(storedNames().empty());
}

TEST_P(RegisterWindowTest, NavigationStepsThroughTheRowsAndStopsAtBothEndsWithItsMessage)
{
    const long first = store("ANA");
    store("BIA");
    store("CAIO");
    auto row = [&](int i, const char* name) { return std::make_pair(QString::number(first + i), QString(name)); };

    // A window just opened stands on the first row without showing it.
    open();
    dialogs.expectOk(NoRecords);
    click("Command3D9");
    expectLastBox(NoRecords, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
    EXPECT_FALSE(shown());

    click("Command3D6");
    EXPECT_EQ(showing(), row(1, "BIA"));
    EXPECT_TRUE(shown());
    click("Command3D7");
    EXPECT_EQ(showing(), row(2, "CAIO"));
    dialogs.expectOk(NoRecords);
    click("Command3D6");
    EXPECT_EQ(showing(), row(2, "CAIO"));
    EXPECT_TRUE(shown());
    click("Command3D8");
    EXPECT_EQ(showing(), row(0, "ANA"));
    dialogs.expectOk(NoRecords);
    click("Command3D9");
    EXPECT_EQ(showing(), row(0, "ANA"));
    click("Command3D6");
    EXPECT_EQ(showing(), row(1, "BIA"));
    EXPECT_EQ(dialogs.boxes.size(), 3u);
}

TEST_P(RegisterWindowTest, EveryNavigationButtonOnAnEmptyTableShowsTheMessage)
{
    open();
    for (const char* b : {"Command3D8", "Command3D9", "Command3D6", "Command3D7"}) {
        SCOPED_TRACE(b);
        dialogs.expectOk(NoRecords);
        click(b);
        expectLastBox(NoRecords, QStringLiteral("ATENÇÃO"));
        EXPECT_FALSE(shown());
    }
    EXPECT_EQ(dialogs.boxes.size(), 4u);
}

TEST_P(RegisterWindowTest, DeletionAsksFirstAndLeavesThePositionAtTheDeletedRowsPlace)
{
    for (const char* name : {"ANA", "BIA", "CAIO", "DUDA", "EVA"})
        store(name);
    open();
    click("Command3D6");
    ASSERT_EQ(nameBox()->text(), "BIA");

    // No: nothing deleted, the row no longer shown.
    dialogs.expectNo(QStringLiteral("Você tem certeza que deseja excluir?"));
    click("Command3D3");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes.back().buttons, dlg::Buttons::YesNo);
    EXPECT_FALSE(shown());
    EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
    EXPECT_EQ(storedNames(), (std::vector<QString>{"ANA", "BIA", "CAIO", "DUDA", "EVA"}));

    // Yes: gone; "Próximo" from its place reaches the row that followed it...
    click("Command3D8");
    click("Command3D6");
    dialogs.expectYes();
    click("Command3D3");
    EXPECT_EQ(storedNames(), (std::vector<QString>{"ANA", "CAIO", "DUDA", "EVA"}));
    EXPECT_FALSE(shown());
    EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
    click("Command3D6");
    EXPECT_EQ(nameBox()->text(), "CAIO");

    // ... and "Anterior" the row that preceded it.
    click("Command3D6");
    ASSERT_EQ(nameBox()->text(), "DUDA");
    dialogs.expectYes();
    click("Command3D3");
    EXPECT_EQ(storedNames(), (std::vector<QString>{"ANA", "CAIO", "EVA"}));
    click("Command3D9");
    EXPECT_EQ(nameBox()->text(), "CAIO");
}

TEST_P(RegisterWindowTest, DeletingARowAnotherWorkstationDeletedMeanwhileLeavesTheWindowUsable)
{
    std::vector<int> reported;
    ui::setUnexpectedFailureReporter([&](const std::exception& e) {
        if (auto* engine = dynamic_cast<const EngineError*>(&e))
            reported.push_back(engine->number());
    });
    const long ana = store("ANA");
    store("BIA");
    open();
    click("Command3D8");
    ASSERT_EQ(nameBox()->text(), "ANA");
    {
        db::Database other = db::Database::open(pathOf(QStringLiteral("VORNA.MDB")));
        db::Recordset rs = other.openRecordset(QString::fromLatin1(reg->table));
        rs.FindFirst(QString::fromLatin1(reg->keyField) + " = " + QString::number(ana));
        ASSERT_FALSE(rs.NoMatch());
        rs.Delete();
    }
    dialogs.expectYes();
    click("Command3D3");
    ui::setUnexpectedFailureReporter({});
    EXPECT_EQ(reported.size(), 1u);
    EXPECT_EQ(storedNames(), std::vector<QString>{"BIA"});
    click("Command3D7");
    EXPECT_EQ(nameBox()->text(), "BIA");
}

TEST_P(RegisterWindowTest, AnAdditionRefusedByAnotherWorkstationsLockStoresNothingAndClearsTheWindow)
{
    store("ANA");
    open();
    type(nameBox(), "BIA");
    dialogs.expectOk();
    {
        SecondWorkstationWriting lock(pathOf(QStringLiteral("VORNA.MDB")));
        click("Command3D1");
    }
    // The write-failure box alone: no number is reported for a row not stored.
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    expectLastBox(msg::RecordLocked + QString::number(err::RecordLocked), QString());
    EXPECT_EQ(storedNames(), std::vector<QString>{"ANA"});
    EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
    EXPECT_EQ(focused(), nameBox());
    EXPECT_FALSE(shown());

    // Nothing was left pending: the next addition stores its own row only,
    // and the number reported is the one it got.
    type(nameBox(), "CAIO");
    dialogs.expectOk();
    click("Command3D1");
    EXPECT_EQ(storedNames(), (std::vector<QString>{"ANA", "CAIO"}));
    const long key = findRow(reg->table, QString::fromLatin1(reg->nameField) + " = 'CAIO'")
                         .field(reg->keyField)
                         .toLong();
    expectLastBox(QString::fromLatin1(reg->newRecordText) + QString::number(key), QStringLiteral("Inclusao"));
}

TEST_P(RegisterWindowTest, SairGivesTheMainMenuBackAndTheNextOpeningStartsEmpty)
{
    store("ANA");
    open();
    click("Command3D7");
    windows::Form2().Disable();
    click("Command3D5");
    EXPECT_TRUE(windows::Form2().isEnabled());
    EXPECT_EQ(window().state(), ui::Window::State::NotLoaded);

    open();
    EXPECT_FALSE(shown());
    EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
    // The new opening stands on the first row again, which is the last.
    dialogs.expectOk(NoRecords);
    click("Command3D6");
    EXPECT_EQ(showing(), std::make_pair(QString(), QString()));
}

TEST_P(RegisterWindowTest, HoverCaptionsFollowThePointer)
{
    open();
    auto captionsShown = [&] {
        std::vector<QString> names;
        for (const char* c : {"Label8", "Label9", "Label10", "Label11", "Label12", "Label14", "Label15"})
            if (control<QLabel>(c)->isVisible())
                names.push_back(control<QLabel>(c)->text());
        return names;
    };
    // The pointer reaches the top window under it; keep the main menu from under this one.
    window().move(windows::Form2().frameGeometry().right() + 50, 0);
    // Away from every window first: a move to where the pointer already is moves nothing.
    QCursor::setPos(QPoint(5000, 5000));
    QCoreApplication::processEvents();
    QTest::mouseMove(button("Command3D1"), QPoint(4, 4));
    EXPECT_EQ(captionsShown(), std::vector<QString>{"Gravar"});
    QTest::mouseMove(button("Command3D7"), QPoint(4, 4));
    EXPECT_EQ(captionsShown(), std::vector<QString>{"Último"});
    QTest::mouseMove(nameBox(), QPoint(4, 4));
    EXPECT_EQ(captionsShown(), std::vector<QString>{"Último"});
    QTest::mouseMove(&window(), QPoint(window().width() / 2, 2));
    EXPECT_TRUE(captionsShown().empty());
}

TEST_P(RegisterWindowTest, TheNameBoxLetsOnlyItsKeysThrough)
{
    open();
    nameBox()->setFocus(Qt::MouseFocusReason);
    for (QChar ch : QStringLiteral("Ana ç/ã-1")) {
        // Sent as the character it types, accented letters included.
        const auto key = static_cast<Qt::Key>(ch.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, nameBox(), key, QString(ch), Qt::NoModifier);
    }
    QTest::keyClick(nameBox(), Qt::Key_Return);
    EXPECT_EQ(nameBox()->text(), "Ana /-1");
    EXPECT_EQ(dialogs.beeps, 3);
    EXPECT_TRUE(storedNames().empty());
}

INSTANTIATE_TEST_SUITE_P(Registers, RegisterWindowTest, ::testing::Values(attendants(), groups()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorna::test
