#include "UsageLogFixture.h"

#include "common/ProgramState.h"

#include <QAction>

namespace vorna {
namespace {

const QString NoRecords = QStringLiteral("NAO HA REGISTROS CADASTRADOS");
const QString Withdrawal = QStringLiteral("RETIRADA DE DOCUMENTO POR:---------->>>  ");

class UsageLogEntries : public test::UsageLogFixture {
protected:
    // An audit row as the client window writes it.
    long addAuditRow(const QString& name = QStringLiteral("MARIA SILVA"))
    {
        return addEntry({{"CLIENTE", 12},
                         {"NOME", name},
                         {"REMARKS", QStringLiteral("DADOS DE CLIENTE ALTERADOS")},
                         {"USUARIO", 5},
                         {"DATALOGUI", QStringLiteral("01/02/2015")},
                         {"HORALOGUI", QStringLiteral("08:05")},
                         {"LIQUI", QStringLiteral("S")}});
    }
};

TEST_F(UsageLogEntries, OpensEmptyFromTheMainMenuWithNothingShown)
{
    addAuditRow();
    windows::Form2().control<QAction>("menu44")->trigger();
    ASSERT_EQ(window().state(), ui::Window::State::Shown);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Manutenção do LOG"));
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text9"})
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
    EXPECT_TRUE(remarks()->toPlainText().isEmpty());
    EXPECT_FALSE(check("Check1")->isChecked());
    EXPECT_FALSE(check("Check2")->isChecked());
    EXPECT_FALSE(entryShown());
    EXPECT_FALSE(names()->isVisible());
    EXPECT_FALSE(box("Text6")->isEnabled());
    EXPECT_FALSE(box("Text9")->isEnabled());
}

TEST_F(UsageLogEntries, ShowsAStoredEntryWithItsStampAndSettledFlag)
{
    const long audit = addAuditRow();
    addEntry({{"NOME", QStringLiteral("JOSE")}, {"LIQUI", QStringLiteral("N")}, {"DATALOGUI", QStringLiteral("03/02/2015")}});
    addEntry({{"NOME", QStringLiteral("ANA")}, {"LIQUI", QStringLiteral("X")}});
    open();
    check("Check2")->setValue(ui::CheckBox::Checked);

    click("Command3D8");
    EXPECT_EQ(box("Text1")->text(), QString::number(audit));
    EXPECT_EQ(box("Text2")->text(), "12");
    EXPECT_EQ(box("Text3")->text(), "MARIA SILVA");
    EXPECT_EQ(remarks()->toPlainText(), "DADOS DE CLIENTE ALTERADOS");
    EXPECT_EQ(box("Text9")->text(), "5");
    EXPECT_EQ(box("Text6")->text(), "01/02/2015");
    EXPECT_EQ(box("Text7")->text(), "08:05");
    EXPECT_TRUE(check("Check1")->isChecked());
    EXPECT_FALSE(check("Check2")->isChecked()) << "showing clears the withdrawal tick";
    EXPECT_TRUE(entryShown());

    click("Command3D6");  // Null fields leave their boxes empty
    EXPECT_EQ(box("Text3")->text(), "JOSE");
    EXPECT_TRUE(box("Text2")->text().isEmpty());
    EXPECT_TRUE(box("Text9")->text().isEmpty());
    EXPECT_TRUE(box("Text7")->text().isEmpty());
    EXPECT_FALSE(check("Check1")->isChecked());

    check("Check1")->setValue(ui::CheckBox::Checked);
    click("Command3D6");  // a flag other than S and N reads as pending
    EXPECT_EQ(box("Text3")->text(), "ANA");
    EXPECT_FALSE(check("Check1")->isChecked());
}

TEST_F(UsageLogEntries, AddsAnEntryStampedNowWithoutUserAndReportsItsNumber)
{
    addAuditRow();
    addAuditRow();
    open();
    box("Text3")->setText(QStringLiteral("MARIA SILVA"));
    box("Text2")->setText(QStringLiteral("12"));

    dialogs.expectOk(QStringLiteral("LOG Cadastrado com Índice3"));
    click("Command3D1");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Inclusao");

    EXPECT_EQ(stored(3, "CLIENTE"), "12");
    EXPECT_EQ(stored(3, "NOME"), "MARIA SILVA");
    EXPECT_EQ(stored(3, "DOCUMENTO"), "<null>");
    EXPECT_EQ(stored(3, "APOLICE"), "<null>");
    EXPECT_EQ(stored(3, "REMARKS"), "<null>");
    EXPECT_EQ(stored(3, "USUARIO"), "<null>");
    EXPECT_EQ(stored(3, "LIQUI"), "N");
    EXPECT_EQ(stored(3, "DATALOGUI"), "14/06/2016");
    EXPECT_EQ(stored(3, "HORALOGUI"), "09:41");

    EXPECT_TRUE(box("Text3")->text().isEmpty());
    EXPECT_TRUE(box("Text2")->text().isEmpty());
    EXPECT_EQ(focused(), box("Text1"));
    EXPECT_FALSE(entryShown());
}

TEST_F(UsageLogEntries, AddsEveryFilledBoxAndTheSettledTick)
{
    open();
    box("Text3")->setText(QStringLiteral("MARIA SILVA"));
    box("Text2")->setText(QStringLiteral("12"));
    box("Text4")->setText(QStringLiteral("345"));
    box("Text5")->setText(QStringLiteral("ABC-1"));
    remarks()->setPlainText(QStringLiteral("LIGAR NA SEGUNDA"));
    check("Check1")->setValue(ui::CheckBox::Checked);
    dialogs.expectOk(QStringLiteral("LOG Cadastrado com Índice1"));
    click("Command3D1");
    EXPECT_EQ(stored(1, "DOCUMENTO"), "345");
    EXPECT_EQ(stored(1, "APOLICE"), "ABC-1");
    EXPECT_EQ(stored(1, "REMARKS"), "LIGAR NA SEGUNDA");
    EXPECT_EQ(stored(1, "LIQUI"), "S");
    EXPECT_FALSE(check("Check1")->isChecked());
    EXPECT_TRUE(remarks()->toPlainText().isEmpty());
}

TEST_F(UsageLogEntries, RequiresTheNameFirstAndThenTheClientCode)
{
    struct Case {
        QString name, code, message;
        const char* focus;
    };
    const Case cases[] = {
        {"", "12", "PREENCHIMENTO OBRIGATORIO - NOME", "Text3"},
        {"   ", "", "PREENCHIMENTO OBRIGATORIO - NOME", "Text3"},
        {"MARIA", "  ", "PREENCHIMENTO OBRIGATORIO - CODIGO", "Text2"},
    };
    open();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.message.toStdString() + " / '" + k.name.toStdString() + "'");
        // Out of the boxes that look things up when left.
        remarks()->setFocus(Qt::TabFocusReason);
        box("Text3")->setText(k.name);
        box("Text2")->setText(k.code);
        dialogs.clear();
        dialogs.expectOk(k.message);
        click("Command3D1");
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO!");
        EXPECT_EQ(focused(), box(k.focus));
        EXPECT_EQ(box("Text3")->text(), k.name) << "the window keeps what was typed";
    }
    EXPECT_EQ(rowCount("LOGUI"), 0);
}

TEST_F(UsageLogEntries, TheNewEntryButtonOnAShownEntryOnlyClearsAndTheNextClickAdds)
{
    addAuditRow();
    open();
    click("Command3D7");
    ASSERT_TRUE(entryShown());
    check("Check2")->setValue(ui::CheckBox::Checked);

    click("Command3D1");  // no box: nothing is validated or saved
    EXPECT_FALSE(entryShown());
    EXPECT_TRUE(box("Text3")->text().isEmpty());
    EXPECT_FALSE(check("Check1")->isChecked());
    EXPECT_FALSE(check("Check2")->isChecked());
    EXPECT_EQ(focused(), box("Text1"));
    EXPECT_EQ(rowCount("LOGUI"), 1);

    dialogs.expectOk(QStringLiteral("PREENCHIMENTO OBRIGATORIO - NOME"));
    click("Command3D1");
    EXPECT_EQ(rowCount("LOGUI"), 1);
}

TEST_F(UsageLogEntries, AlteringKeepsWhatWasBlankedAndTheUserAndRenewsTheStamp)
{
    const long audit = addAuditRow();
    open();
    click("Command3D8");
    box("Text3")->clear();
    remarks()->setPlainText(QStringLiteral("   "));
    box("Text5")->setText(QStringLiteral("ABC-1"));
    check("Check1")->setValue(ui::CheckBox::Unchecked);

    click("Command3D4");  // no validation, no message
    EXPECT_EQ(stored(audit, "NOME"), "MARIA SILVA");
    EXPECT_EQ(stored(audit, "REMARKS"), "DADOS DE CLIENTE ALTERADOS");
    EXPECT_EQ(stored(audit, "APOLICE"), "ABC-1");
    EXPECT_EQ(stored(audit, "CLIENTE"), "12");
    EXPECT_EQ(stored(audit, "USUARIO"), "5");
    EXPECT_EQ(stored(audit, "LIQUI"), "N");
    EXPECT_EQ(stored(audit, "DATALOGUI"), "14/06/2016");
    EXPECT_EQ(stored(audit, "HORALOGUI"), "09:41");
    EXPECT_EQ(rowCount("LOGUI"), 1);

    EXPECT_FALSE(entryShown());
    EXPECT_TRUE(box("Text2")->text().isEmpty());
    EXPECT_EQ(focused(), box("Text1"));
}

TEST_F(UsageLogEntries, ARefusedWriteIsReportedAndKeepsTheTypedEntry)
{
    const long audit = addAuditRow();
    open();
    // The client code is a number; letters cannot be stored in it.
    box("Text3")->setText(QStringLiteral("MARIA"));
    box("Text2")->setText(QStringLiteral("12a"));
    dialogs.expectOk(QStringLiteral("REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 13"));
    click("Command3D1");
    EXPECT_EQ(rowCount("LOGUI"), 1) << "no report of a number for a row that was not stored";
    EXPECT_EQ(box("Text2")->text(), "12a");
    EXPECT_EQ(box("Text3")->text(), "MARIA");

    click("Command3D8");
    box("Text2")->setText(QStringLiteral("x"));
    dialogs.expectOk(QStringLiteral("REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 13"));
    click("Command3D4");
    EXPECT_EQ(stored(audit, "CLIENTE"), "12");
    EXPECT_EQ(stored(audit, "DATALOGUI"), "01/02/2015");
    EXPECT_TRUE(entryShown()) << "the entry stays shown, to be corrected and saved again";
    EXPECT_EQ(box("Text2")->text(), "x");
}

TEST_F(UsageLogEntries, NavigationStepsThroughTheLogAndSaysWhereItEnds)
{
    for (const char* name : {"UM", "DOIS", "TRES"})
        addEntry({{"NOME", QString::fromLatin1(name)}});
    open();

    click("Command3D6");  // the log stands on its first row, not shown
    EXPECT_EQ(box("Text3")->text(), "DOIS");
    click("Command3D9");
    EXPECT_EQ(box("Text3")->text(), "UM");
    dialogs.expectOk(NoRecords);
    click("Command3D9");
    EXPECT_EQ(dialogs.boxes.back().title, "ATENÇÃO");
    EXPECT_EQ(box("Text3")->text(), "UM");
    click("Command3D6");
    EXPECT_EQ(box("Text3")->text(), "DOIS");

    click("Command3D7");
    EXPECT_EQ(box("Text3")->text(), "TRES");
    dialogs.expectOk(NoRecords);
    click("Command3D6");
    EXPECT_EQ(box("Text3")->text(), "TRES");
    click("Command3D8");
    EXPECT_EQ(box("Text3")->text(), "UM");
}

TEST_F(UsageLogEntries, RightAfterOpeningThePreviousButtonIsAtTheStart)
{
    addEntry({{"NOME", QStringLiteral("UM")}});
    addEntry({{"NOME", QStringLiteral("DOIS")}});
    open();
    dialogs.expectOk(NoRecords);
    click("Command3D9");
    EXPECT_FALSE(entryShown());
}

TEST_F(UsageLogEntries, AfterAnAdditionTheLogStandsOnTheNewEntry)
{
    addEntry({{"NOME", QStringLiteral("UM")}});
    addEntry({{"NOME", QStringLiteral("DOIS")}});
    open();
    box("Text3")->setText(QStringLiteral("NOVO"));
    box("Text2")->setText(QStringLiteral("1"));
    dialogs.expectOk(QStringLiteral("LOG Cadastrado com Índice3"));
    click("Command3D1");

    dialogs.expectOk(NoRecords);
    click("Command3D6");
    click("Command3D9");
    EXPECT_EQ(box("Text3")->text(), "DOIS");
}

TEST_F(UsageLogEntries, EveryNavigationButtonOnAnEmptyLogSaysSo)
{
    open();
    for (const char* button : {"Command3D8", "Command3D9", "Command3D6", "Command3D7"}) {
        SCOPED_TRACE(button);
        dialogs.expectOk(NoRecords);
        click(button);
        EXPECT_FALSE(entryShown());
    }
}

TEST_F(UsageLogEntries, EachPassThroughTheTickedWithdrawalBoxMarksTheRemarks)
{
    open();
    remarks()->setPlainText(QStringLiteral("JOAO"));

    c("Check2")->setFocus(Qt::TabFocusReason);
    tab();  // unticked: nothing
    EXPECT_EQ(remarks()->toPlainText(), "JOAO");

    c("Check2")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c("Check2"), Qt::Key_Space);
    ASSERT_TRUE(check("Check2")->isChecked());
    tab();
    EXPECT_EQ(focused(), remarks());
    QTest::keyClick(focused(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), c("Check2"));
    tab();
    EXPECT_EQ(remarks()->toPlainText(), Withdrawal + Withdrawal + "JOAO");

    box("Text3")->setText(QStringLiteral("MARIA"));
    box("Text2")->setText(QStringLiteral("7"));
    dialogs.expectOk(QStringLiteral("LOG Cadastrado com Índice1"));
    click("Command3D1");
    EXPECT_EQ(stored(1, "REMARKS"), Withdrawal + Withdrawal + "JOAO");
    EXPECT_FALSE(check("Check2")->isChecked()) << "the tick is not kept";
}

TEST_F(UsageLogEntries, RemarksTakeAtMost250TypedCharacters)
{
    open();
    remarks()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(remarks(), QString(260, u'A'));
    EXPECT_EQ(remarks()->toPlainText().size(), 250);
    QTest::keyClick(remarks(), Qt::Key_Backspace);
    QTest::keyClicks(remarks(), QStringLiteral("BC"));
    EXPECT_EQ(remarks()->toPlainText(), QString(249, u'A') + "B");
}

TEST_F(UsageLogEntries, TheTwoScreensTheSystemLacksOnlySetTheCallerCode)
{
    open();
    click("Command3D10");
    EXPECT_EQ(state().handOver.CallerCode.toLong(), 445);
    click("Command3D11");
    EXPECT_EQ(state().handOver.CallerCode.toLong(), 444);
    EXPECT_EQ(window().state(), ui::Window::State::Shown);
    EXPECT_TRUE(window().isEnabled());
}

TEST_F(UsageLogEntries, LeavingUnloadsAndTheNextOpeningStartsEmpty)
{
    addAuditRow();
    open();
    click("Command3D8");
    click("Command3D5");
    EXPECT_EQ(window().state(), ui::Window::State::NotLoaded);
    open();
    EXPECT_TRUE(box("Text3")->text().isEmpty());
    EXPECT_FALSE(entryShown());
    click("Command3D8");
    EXPECT_EQ(box("Text3")->text(), "MARIA SILVA");
}

}  // namespace
}  // namespace vorna
