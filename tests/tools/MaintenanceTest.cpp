// vorna-schema check and compact.
#include "ToolsFixture.h"

#include "platform/database/FileMaintenance.h"
#include "platform/runtime/EngineError.h"
#include "support/ReadOnlyFiles.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace vorna::test {
namespace {

class MaintenanceTest : public ToolsTest {
protected:
    QByteArray bytes() const
    {
        QFile f(file_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Overwrites a page (numbered from 1; by default the one in the middle) with garbage.
    void damagePage(qint64 page = 0) const
    {
        const qint64 pageSize = shell("PRAGMA page_size;").output.toLongLong();
        const qint64 pages = shell("PRAGMA page_count;").output.toLongLong();
        ASSERT_GT(pages, 8);
        QFile f(file_);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(((page > 0 ? page : pages / 2) - 1) * pageSize);
        f.write(QByteArray(pageSize, '\xff'));
    }
    QStringList copiesAside() const
    {
        return QDir(dir_.path()).entryList({QStringLiteral("VORNA.MDB.bak-*")}, QDir::Files);
    }
};

TEST_F(MaintenanceTest, CheckSaysOkForASoundFileAndWhatIsWrongOtherwise)
{
    const Run sound = tool("check", file_);
    EXPECT_EQ(sound.status, 0);
    EXPECT_EQ(sound.output.toStdString(), "ok\n");

    // A trigram index out of step with its table is wrong, though SQLite's own check passes it.
    ASSERT_EQ(shell("INSERT INTO CLIENTES (NOME) VALUES ('ANA');"
                    "INSERT INTO CLIENTES_NOME_TRIGRAMAS (rowid, NOME) VALUES (99, 'FANTASMA');")
                  .status,
              0);
    EXPECT_EQ(shell("PRAGMA integrity_check;").output.toStdString(), "ok\n");
    const Run outOfStep = tool("check", file_);
    EXPECT_EQ(outOfStep.status, 1);
    EXPECT_TRUE(outOfStep.output.startsWith("CLIENTES_NOME_TRIGRAMAS: ")) << outOfStep.output.toStdString();

    damagePage();
    const Run damaged = tool("check", file_);
    EXPECT_EQ(damaged.status, 1);
    EXPECT_FALSE(damaged.output.isEmpty());
    EXPECT_NE(damaged.output.toStdString(), "ok\n");

    const Run missing = tool("check", dir_.filePath(QStringLiteral("NENHUM.MDB")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("NENHUM.MDB"))));
}

TEST_F(MaintenanceTest, CompactKeepsEveryRowAndDropsTheFreePages)
{
    const char* const everyRow = "SELECT group_concat(CODIGO || ':' || NOME, '|') FROM CLIENTES;";
    ASSERT_EQ(shell("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                    " INSERT INTO CLIENTES (NOME) SELECT printf('CLIENTE %d %.200c', i, 'x') FROM n;"
                    "DELETE FROM CLIENTES WHERE CODIGO % 3 <> 0;")
                  .status,
              0);
    const Run before = shell(everyRow);
    const QString freeBefore = shell("PRAGMA freelist_count;").output;
    ASSERT_NE(freeBefore.toStdString(), "0\n");

    const Run compacted = tool("compact", file_);
    EXPECT_EQ(compacted.status, 0) << compacted.output.toStdString();

    EXPECT_EQ(shell(everyRow).output, before.output);
    EXPECT_EQ(shell("PRAGMA freelist_count;").output.toStdString(), "0\n");
    EXPECT_EQ(tool("check", file_).status, 0);
    EXPECT_TRUE(copiesAside().isEmpty()) << "the copy goes after a compaction that succeeds";
}

TEST_F(MaintenanceTest, CompactOnAReadOnlyFolderFailsAndLeavesTheFileAsItWas)
{
    const QByteArray original = bytes();
    {
        ReadOnlyFiles readOnly;
        readOnly.folder(dir_.path());
        try {
            db::compactFile(file_);
            ADD_FAILURE() << "compacted in a read-only folder";
        } catch (const EngineError&) {
        }
    }
    EXPECT_EQ(bytes(), original);
    EXPECT_TRUE(copiesAside().isEmpty());

    // The same through the tool, where file permissions bind (not for root).
    if (geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner));
        const Run refused = tool("compact", file_);
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(bytes(), original);
        EXPECT_TRUE(copiesAside().isEmpty());
    }
}

TEST_F(MaintenanceTest, CompactThatFailsKeepsTheCopy)
{
    // The clients' table itself, which the compaction must read.
    damagePage(shell("SELECT rootpage FROM sqlite_schema WHERE name = 'CLIENTES';").output.toLongLong());
    const QByteArray damaged = bytes();

    const Run failed = tool("compact", file_);

    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.output.contains("VORNA.MDB.bak-compact")) << failed.output.toStdString();
    ASSERT_EQ(copiesAside(), QStringList{QStringLiteral("VORNA.MDB.bak-compact")});
    EXPECT_EQ(bytes(), damaged);
    QFile copy(file_ + QStringLiteral(".bak-compact"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    // Page for page, but for the header's change counters.
    EXPECT_EQ(copy.readAll().mid(100), damaged.mid(100));
}

}  // namespace
}  // namespace vorna::test
