#include "MenuFixture.h"

#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TextBox.h"

#include <QDir>
#include <QLabel>
#include <QTest>

namespace vorna {
namespace {

// Pictures of the three windows for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
class Screens : public test::MenuFixture {};

TEST_F(Screens, SavesTheWindowsWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    setNow(QDateTime(QDate(2016, 6, 14), QTime(9, 41, 27)));
    state().session.UserDisplayName = QStringLiteral("Joana Prado");

    for (int i = 0; i < 1200; ++i)
        addRow("CLIENTES", {{"NOME", QStringLiteral("CLIENTE")}});
    for (int i = 0; i < 45; ++i)
        addRow("DOCUMENTOS", {{"APOLICE", QStringLiteral("1")}});
    showMainMenu();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !mainMenu().control<QLabel>("Label1")->text().isEmpty(); }, 3000));
    EXPECT_TRUE(mainMenu().grab().save(target + "/main-menu.png"));

    choose("menuapor");
    periodControl<ui::MaskEdBox>("MaskEdBox1")->setText(QStringLiteral("01/06/2016"));
    periodControl<ui::MaskEdBox>("MaskEdBox2")->setText(QStringLiteral("14/06/2016"));
    periodControl<ui::TextBox>("Text1")->setText(QStringLiteral("1234"));
    EXPECT_TRUE(windows::Form70().grab().save(target + "/period-dialog.png"));
    QTest::mouseClick(periodControl<QWidget>("Command3D1"), Qt::LeftButton);

    choose("menu0");
    EXPECT_TRUE(windows::Form79().grab().save(target + "/backup-reminder.png"));
}

}  // namespace
}  // namespace vorna
