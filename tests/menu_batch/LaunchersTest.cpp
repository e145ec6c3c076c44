#include "Batch1Fixture.h"

#include <QFile>

namespace vorna {
namespace {

using test::Batch1Fixture;

class LaunchersTest : public Batch1Fixture {};

TEST_F(LaunchersTest, TheQuotationProgramIsAlwaysReportedMissing)
{
    dialogs.expectOk();
    menu().OpenQuotationSpreadsheets();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral(
        "O PROGRAMA TIBERA PARA CONTROLE DE PLANILHAS DE COTAÇÕES, NÃO FOI ENCONTRADO EM SEU HD!")));
    EXPECT_TRUE(dialogs.boxes[0].text.endsWith(QStringLiteral("suporte@vornatec.com.br")));
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_TRUE(desktop.launches.empty());
}

TEST_F(LaunchersTest, TheSiblingProgramStartsFromTheFolderOrIsReportedMissing)
{
    const QString cannotStart = QStringLiteral("NÃO FOI POSSÍVEL INICIAR PLOVEN.EXE");
    // Not there: nothing is started.
    dialogs.expectOk(cannotStart);
    menu().StartSiblingProgram();
    EXPECT_TRUE(desktop.launches.empty());
    EXPECT_EQ(dialogs.boxes.at(0).title, QStringLiteral("ATENÇÃO"));

    QFile program(pathOf(QStringLiteral("PLOVEN.EXE")));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    dialogs.clear();
    menu().StartSiblingProgram();
    ASSERT_EQ(desktop.launches.size(), 1u);
    const desk::Launch& l = desktop.launches[0];
    EXPECT_EQ(l.asked, appFolder() + QStringLiteral("\\PLOVEN.EXE"));
    EXPECT_EQ(l.showMode, desk::NormalFocus);
    EXPECT_EQ(l.program, pathOf(QStringLiteral("PLOVEN.EXE")));
    EXPECT_TRUE(l.arguments.isEmpty());
    EXPECT_TRUE(dialogs.boxes.empty());

    // There, but the desktop cannot start it.
    desktop.succeed = false;
    dialogs.expectOk(cannotStart);
    menu().StartSiblingProgram();
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

}  // namespace
}  // namespace vorna
