#include "RegisterFixture.h"

#include <QDir>

namespace vorna::test {
namespace {

// Pictures of the two windows for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
class Screens : public RegisterFixture {};

TEST_F(Screens, SavesTheWindowsWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    for (const Register* r : {&attendants(), &groups()}) {
        reg = r;
        store(QStringLiteral("MARIA DAS DORES"), 12500.75);
        open();
        click("Command3D8");
        window().move(windows::Form2().frameGeometry().right() + 50, 0);
        QTest::mouseMove(button("Command3D6"), QPoint(4, 4));
        EXPECT_TRUE(window().grab().save(target + "/" + r->name + ".png"));
    }
}

}  // namespace
}  // namespace vorna::test
