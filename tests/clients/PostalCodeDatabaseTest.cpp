#include "clients/PostalCodeDatabase.h"

#include "support/ProgramFixture.h"

#include <QFile>

namespace vorna::clients {
namespace {

using PostalCodeDatabaseOpener = test::ProgramFixture;

const QString ProblemMessage = QStringLiteral(
    "SEU BANCO DE CEPs ESTÁ COM PROBLEMAS OU NÃO ESTÁ NO DIRETÓRIO VIDIVUVA. "
    "EFETUE O DOWNLOAD NA ÁREA DOWNLOADS DO SITE ") + PostalCodeDownloadSite;

TEST_F(PostalCodeDatabaseOpener, OpensTheDatabaseAndTheTableOfSaoPauloWithoutAMessage)
{
    addRow(db::Database::open(pathOf("\\RERUDEVA.MDB")), "SP",
           {{"CEP", Variant(1310100)}, {"ENDEREÇO", Variant("AV. PAULISTA")},
            {"Localidade", Variant("SAO PAULO")}, {"BAI_INI", Variant("BELA VISTA")}});

    std::optional<db::Recordset> sp = OpenPostalCodeDatabase();

    ASSERT_TRUE(sp.has_value());
    EXPECT_TRUE(state().PostalCodeDatabase.isOpen());
    sp->FindFirst("CEP = 1310100");
    ASSERT_FALSE(sp->NoMatch());
    EXPECT_EQ(sp->field("Localidade").toString(), "SAO PAULO");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(PostalCodeDatabaseOpener, MissingFileShowsTheMessageOnceAndOpensNothing)
{
    ASSERT_TRUE(QFile::remove(pathOf("\\RERUDEVA.MDB")));
    dialogs.expectOk(ProblemMessage);

    EXPECT_FALSE(OpenPostalCodeDatabase().has_value());

    EXPECT_FALSE(state().PostalCodeDatabase.isOpen());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO");
}

TEST_F(PostalCodeDatabaseOpener, FileWithoutTheTableKeepsTheConnectionAndShowsTheMessage)
{
    ASSERT_TRUE(QFile::remove(pathOf("\\RERUDEVA.MDB")));
    ASSERT_TRUE(QFile::copy(pathOf("\\ATIBERA.MDB"), pathOf("\\RERUDEVA.MDB")));
    dialogs.expectOk(ProblemMessage);

    EXPECT_FALSE(OpenPostalCodeDatabase().has_value());

    EXPECT_TRUE(state().PostalCodeDatabase.isOpen());
}

}  // namespace
}  // namespace vorna::clients
