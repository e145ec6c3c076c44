#include "platform/database/SchemaSteps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace vorna {
namespace {

// The step that makes the participant code a whole number, on rows an older
// installation stored as text.
TEST(EventSchema, ParticipantCodesBecomeNumbersOrNullAndNumberingGoesOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir source(QStringLiteral(VORNA_SOURCE_DIR "/schema/VORNA"));
    const QString steps = dir.filePath("steps");
    QDir().mkpath(steps);
    QString eventStep;
    for (const QString& file : source.entryList({"*.sql"}, QDir::Files)) {
        if (file.startsWith("013-"))
            eventStep = file;
        else if (file.left(3).toInt() < 13)
            QFile::copy(source.filePath(file), steps + "/" + file);
    }
    ASSERT_FALSE(eventStep.isEmpty());
    const QString file = dir.filePath("VORNA.MDB");
    db::applySchemaSteps(steps, file, false);

    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &raw), SQLITE_OK);
    const auto exec = [raw](const char* sql) {
        EXPECT_EQ(sqlite3_exec(raw, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql << sqlite3_errmsg(raw);
    };
    exec("INSERT INTO PROCEDE (NOME, CODVIDASAU) VALUES ('A', ''), ('B', ' 12 '), ('C', 'x9'), ('D', NULL), "
         "('E', '7'), ('F', '99')");
    exec("DELETE FROM PROCEDE WHERE NOME = 'F'");
    sqlite3_close(raw);

    QFile::copy(source.filePath(eventStep), steps + "/" + eventStep);
    EXPECT_EQ(db::applySchemaSteps(steps, file, false), 13);

    ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &raw), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(raw, "SELECT CODIGO, quote(CODVIDASAU) FROM PROCEDE ORDER BY CODIGO", -1, &st,
                                 nullptr),
              SQLITE_OK);
    QStringList rows;
    while (sqlite3_step(st) == SQLITE_ROW)
        rows << QString("%1:%2").arg(sqlite3_column_int(st, 0)).arg(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    sqlite3_finalize(st);
    EXPECT_EQ(rows, (QStringList{"1:NULL", "2:12", "3:NULL", "4:NULL", "5:7"}));

    ASSERT_EQ(sqlite3_prepare_v2(raw, "SELECT seq FROM sqlite_sequence WHERE name = 'PROCEDE'", -1, &st, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(st, 0), 6);
    sqlite3_finalize(st);

    ASSERT_EQ(sqlite3_prepare_v2(raw, "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND tbl_name = 'PROCEDE'",
                                 -1, &st, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(st, 0), 7);
    sqlite3_finalize(st);
    sqlite3_close(raw);
}

}  // namespace
}  // namespace vorna
