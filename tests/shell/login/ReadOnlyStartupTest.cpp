// A database the program cannot write ends the start-up with a box naming it.
#include "LoginFixture.h"

#include "support/ReadOnlyFiles.h"

namespace vorna::test {
namespace {

struct ReadOnlyCase {
    const char* name;
    bool wholeFolder;   // else the file alone
};

class ReadOnlyStartupTest : public LoginFixture, public ::testing::WithParamInterface<ReadOnlyCase> {};

// Reached through SQLite's file layer, so that it holds when the tests run as
// root too, whom file permissions do not stop.
TEST_P(ReadOnlyStartupTest, EndsTheProgramNamingTheFileAndWritesNothing)
{
    setSettings({{"PASSE1", Variant::null()}});   // the start-up would fill it in
    const QString file = pathOf(QStringLiteral("VORNA.MDB"));
    const QString message = QStringLiteral("O ARQUIVO ") + file
                            + QStringLiteral(" NÃO PODE SER GRAVADO! PEÇA AO ADMINISTRADOR QUE VERIFIQUE AS "
                                             "PERMISSÕES DE GRAVAÇÃO DO ARQUIVO E DA SUA PASTA.");
    state().MainDatabase = {};
    state().QuotationDatabase = {};
    {
        ReadOnlyFiles readOnly;
        if (GetParam().wholeFolder)
            readOnly.folder(folder());
        else
            readOnly.file(file);
        dialogs.expectOk(message);

        startProgram();
    }

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
    EXPECT_EQ(dialogs.boxes[0].icon, dlg::Icon::Exclamation);
    EXPECT_EQ(state().MessageText.toString(), message);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(login().state(), ui::Window::State::NotLoaded);
    EXPECT_FALSE(state().MainDatabase.isOpen());
    EXPECT_FALSE(state().QuotationDatabase.isOpen());
    EXPECT_TRUE(storedSetting("PASSE1").isNull());
}

INSTANTIATE_TEST_SUITE_P(Startup, ReadOnlyStartupTest,
                         ::testing::Values(ReadOnlyCase{"ReadOnlyFile", false}, ReadOnlyCase{"ReadOnlyFolder", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorna::test
