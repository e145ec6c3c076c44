#include "AdminFixture.h"

#include "admin/Form42.h"
#include "admin/Form53.h"

#include <QDir>

namespace vorna::test {
namespace {

// Pictures of the two windows for a person to look at; only when
// VORNA_SCREENSHOTS names a folder.
using AdminScreens = AdminFixture;

TEST_F(AdminScreens, SavesTheWindowsWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    windows::Form2().Hide();

    auto& codes = ui::windowRef<admin::Form53>();
    open(codes);
    typeInto(codes.controls().Text1, "ALPHA");
    QTest::mouseMove(codes.controls().Command3D1, QPoint(3, 3));
    EXPECT_TRUE(codes.grab().save(target + "/level-codes.png"));
    codes.Unload();

    setFirstRow("REGISTRO", {{"ENDERECO", Variant("RUA DAS FLORES, 100")}, {"UF", Variant("SP")},
                             {"CEP", Variant("11010000")}, {"I9", Variant(0.38)}, {"I8", Variant(2.38)},
                             {"I3", Variant(7.38)}, {"PASSE1", Variant("VASKO")}, {"EMAIL", Variant("O")},
                             {"CUSTO", Variant("S")}});
    auto& settings = ui::windowRef<admin::Form42>();
    open(settings);
    QTest::mouseMove(settings.controls().Command3D5, QPoint(3, 3));
    EXPECT_TRUE(settings.grab().save(target + "/settings.png"));
}

}  // namespace
}  // namespace vorna::test
