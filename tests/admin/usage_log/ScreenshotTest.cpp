#include "UsageLogFixture.h"

#include <QDir>

namespace vorna {
namespace {

// Pictures of the window for a person to look at; only when VORNA_SCREENSHOTS
// names a folder.
class UsageLogScreens : public test::UsageLogFixture {};

TEST_F(UsageLogScreens, SavesTheWindowWhenAsked)
{
    const QString target = qEnvironmentVariable("VORNA_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "VORNA_SCREENSHOTS not set";
    QDir().mkpath(target);
    addClient({{"NOME", QStringLiteral("MARIA SILVA")}});
    addClient({{"NOME", QStringLiteral("MARIANA COSTA")}});
    addEntry({{"CLIENTE", 1}, {"NOME", QStringLiteral("MARIA SILVA")}, {"DOCUMENTO", 345},
              {"APOLICE", QStringLiteral("AB-12345")}, {"REMARKS", QStringLiteral("DADOS DE CLIENTE ALTERADOS")},
              {"USUARIO", 5}, {"DATALOGUI", QStringLiteral("14/06/2016")}, {"HORALOGUI", QStringLiteral("09:41")},
              {"LIQUI", QStringLiteral("S")}});
    open();
    click("Command3D8");
    EXPECT_TRUE(window().grab().save(target + "/usage-log.png"));
    typeAndLeave("Text3", QStringLiteral("MARIA"));
    EXPECT_TRUE(window().grab().save(target + "/usage-log-names.png"));
}

}  // namespace
}  // namespace vorna
