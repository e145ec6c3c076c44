#include "support/ProgramFixture.h"

#include "platform/runtime/Clock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

namespace vorna {
namespace {

using test::ProgramFixture;

class Fixture : public ProgramFixture {};

TEST_F(Fixture, TheExecutablesFolderIsAFreshFolderOfTheTest)
{
    EXPECT_EQ(appFolder(), folder());
    EXPECT_EQ(appFilePath("\\RELSEG.RPT"), QDir(folder()).filePath("RELSEG.RPT"));
    // The report files stand beside the databases, as scripts/run puts them.
    EXPECT_EQ(QDir(folder()).entryList({"*.RPT"}),
              QDir(QStringLiteral(VORNA_SOURCE_DIR "/reports")).entryList({"*.RPT"}));
}

TEST_F(Fixture, BuildsTheMainDatabasesFromTheSchema)
{
    ASSERT_FALSE(QDir(QStringLiteral(VORNA_SOURCE_DIR "/schema/VORNA")).entryList({"*.sql"}).isEmpty())
        << "no schema steps in " VORNA_SOURCE_DIR "/schema/VORNA";
    EXPECT_TRUE(QFile::exists(pathOf("VORNA.MDB")));
    ASSERT_TRUE(mainDatabase().isOpen());
    EXPECT_EQ(QFileInfo(mainDatabase().path()).absolutePath(), QFileInfo(folder()).absoluteFilePath());
    const long before = rowCount("REGISTRO");
    addRow("REGISTRO", {{"NOME", "CORRETORA TESTE"}, {"FILIAL", 987}});
    EXPECT_EQ(rowCount("REGISTRO"), before + 1);
    EXPECT_EQ(findRow("REGISTRO", "FILIAL = 987").field("NOME").toString(), "CORRETORA TESTE");
    EXPECT_TRUE(findRow("REGISTRO", "FILIAL = 988").NoMatch());
}

TEST_F(Fixture, AddsTheRowsATestNames)
{
    QTemporaryDir steps;
    ASSERT_TRUE(steps.isValid());
    QFile step(steps.filePath("001-cias.sql"));
    ASSERT_TRUE(step.open(QIODevice::WriteOnly));
    step.write("CREATE TABLE CIAS (CODIGO INTEGER PRIMARY KEY AUTOINCREMENT, NOME TEXT(50), TAXA DOUBLE);\n");
    step.close();
    ASSERT_TRUE(test::buildDatabaseFromSteps(steps.path(), pathOf("TESTE.MDB")));
    const db::Database database = db::Database::open(pathOf("TESTE.MDB"));

    addRow(database, "CIAS", {{"NOME", "SEGURADORA UM"}, {"TAXA", 1.5}});
    db::Recordset second = addRow(database, "cias", {{"NOME", "SEGURADORA DOIS"}});
    EXPECT_EQ(second.field("NOME").toString(), "SEGURADORA DOIS");
    EXPECT_EQ(second.field("CODIGO").toLong(), 2);
    EXPECT_EQ(rowCount(database, "CIAS"), 2);
}

TEST_F(Fixture, LogsAUserInWithTheChosenLevelAndRights)
{
    logIn(level::Minimum, {Right::CCD, Right::ECC});
    const ProgramState& s = state();
    EXPECT_EQ(s.session.AccessLevelWord, "VEXA");
    EXPECT_TRUE(s.session.hasRight(Right::CCD));
    EXPECT_TRUE(s.session.right(u"ecc") == Variant("S"));
    EXPECT_FALSE(s.session.hasRight(Right::ACC));
    EXPECT_TRUE(s.session.right(u"OCU") == Variant("N"));
    EXPECT_THROW(s.session.right(u"XYZ"), std::invalid_argument);

    logIn(level::Total, everyRight());
    EXPECT_TRUE(s.session.hasRight(Right::ACW));
    EXPECT_TRUE(s.session.hasRight(Right::PRF));
    EXPECT_FALSE(s.session.hasRight(Right::OCU)) << "commissions shown";
    EXPECT_FALSE(s.session.hasRight(Right::BXR));
}

TEST(Rights, NamesAndOrderAgree)
{
    for (int i = 0; i < RightCount; ++i)
        EXPECT_EQ(rightIndex(QString::fromLatin1(RightFields[size_t(i)])), i) << RightFields[size_t(i)];
    EXPECT_EQ(rightIndex(u"ACW"), 29);
    EXPECT_EQ(rightIndex(u"ICR"), 30);
    EXPECT_EQ(rightIndex(u"BXR"), 44);
    EXPECT_EQ(rightIndex(u"NOME"), -1);
}

TEST_F(Fixture, ClockAndStateStartFreshAndCanBeSet)
{
    EXPECT_TRUE(state().handOver.CallerCode.isEmpty());
    EXPECT_FALSE(state().session.hasRight(Right::ICC));
    setNow(QDateTime(QDate(2016, 2, 29), QTime(23, 59, 58)));
    EXPECT_EQ(rt::Clock::today(), QDate(2016, 2, 29));
}

}  // namespace
}  // namespace vorna
