#include "MenuFixture.h"

#include "platform/controls/MaskEdBox.h"
#include "platform/controls/PictureButton.h"
#include "platform/controls/TextBox.h"
#include "shell/ProgramEnd.h"

#include <QApplication>
#include <QFile>
#include <QTest>

namespace vorna::test {

namespace {

// Definitions standing in for the event reports: they declare the formulas the
// launches assign, so a launch that passes a wrong one fails visibly.
const char* const PeriodDefinition =
    "TITLE \"PERIODO\"\n"
    "FROM CLIENTES\n"
    "FORMULA D1 = 0\nFORMULA M1 = 0\nFORMULA A1 = 0\n"
    "FORMULA D2 = 0\nFORMULA M2 = 0\nFORMULA A2 = 0\n"
    "FORMULA APOL = ''\n"
    "COLUMN {CLIENTES.CODIGO} \"Código\" WIDTH 6\n";
const char* const InsuredDefinition =
    "TITLE \"SEGURADOS E BENEFICIÁRIOS\"\n"
    "FROM CLIENTES\n"
    "COLUMN {CLIENTES.CODIGO} \"Código\" WIDTH 6\n";

}  // namespace

void MenuFixture::SetUp()
{
    ProgramFixture::SetUp();
    auto write = [this](const QString& name, const char* text) {
        QFile file(pathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    for (const char* name : {"RELPEN.RPT", "RELPAG.RPT", "RELEVE.RPT", "RELNEG.RPT", "RELAPO.RPT", "RELCAR.RPT"})
        write(QString::fromLatin1(name), PeriodDefinition);
    write(QStringLiteral("RELSEG.RPT"), InsuredDefinition);

    report::setReportSink(&sink);
    shell::setEndProgramHandler([this] { ++programEnds; });
    state().settings.CompanyName = QStringLiteral("CORRETORA MODELO LTDA");
    // The client window warns about an empty producer register when it opens.
    addRow(QStringLiteral("PRODUTOR"), {{"CODIGO", 1}, {"FILIAL", 1}, {"NOME", "PRODUTOR"}});
    logIn(level::Total, everyRight());
}

void MenuFixture::TearDown()
{
    ui::destroyAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    report::setReportSink(nullptr);
    shell::setEndProgramHandler({});
    ProgramFixture::TearDown();
}

void MenuFixture::restart(const QString& levelWord, const std::vector<Right>& rights)
{
    ui::destroyAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state().handOver.CallerCode = Variant();
    logIn(levelWord, rights);
    dialogs.clear();
    sink.launches.clear();
}

ui::Window& MenuFixture::showMainMenu()
{
    mainMenu().Show();
    return mainMenu();
}

void MenuFixture::choose(const char* item)
{
    auto* action = mainMenu().control<QAction>(item);
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
}

void MenuFixture::activatePeriodDialog()
{
    ui::Window& dialog = windows::Form70();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

void MenuFixture::runPeriodReport(const QString& start, const QString& end, const QString& number)
{
    // As a person does: the dialog opens in the start date; Tab goes on to the
    // end date, past the two buttons, to the number box.
    activatePeriodDialog();
    auto* startBox = periodControl<ui::MaskEdBox>("MaskEdBox1");
    ASSERT_EQ(QApplication::focusWidget(), startBox);
    QTest::keyClicks(startBox, start);
    QTest::keyClick(startBox, Qt::Key_Tab);
    auto* endBox = periodControl<ui::MaskEdBox>("MaskEdBox2");
    ASSERT_EQ(QApplication::focusWidget(), endBox);
    QTest::keyClicks(endBox, end);
    if (!number.isEmpty()) {
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* numberBox = periodControl<ui::TextBox>("Text1");
        ASSERT_EQ(QApplication::focusWidget(), numberBox);
        QTest::keyClicks(numberBox, number);
    }
    QTest::mouseClick(periodControl<ui::PictureButton>("Command3D2"), Qt::LeftButton);
}

QString MenuFixture::reportPath(const char* file) { return appFolder() + u'\\' + QString::fromLatin1(file); }

}  // namespace vorna::test
