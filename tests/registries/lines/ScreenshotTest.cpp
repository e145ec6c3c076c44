#include "LinesFixture.h"

#include <QDir>
#include <QTest>

namespace vorna {
namespace {

// A picture of the window for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
using LinesScreens = test::LinesFixture;

TEST_F(LinesScreens, SavesTheWindowWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    addLine(10, "SAUDE EMPRESARIAL", {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100});
    addLine(11, "SAUDE ADESAO", {5.5});
    open();
    click("Command3D8");
    QTest::mouseMove(control("Command3D7"), QPoint(4, 4));
    EXPECT_TRUE(window().grab().save(target + "/lines.png"));
    type("Text1", "");
    type("Text2", "SAUDE");
    click("Command3D4");
    EXPECT_TRUE(window().grab().save(target + "/lines-search.png"));
}

}  // namespace
}  // namespace vorna
