#pragma once
#include "platform/database/SchemaSteps.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace vorna::test {

// A fresh VORNA.MDB in a temporary folder, and the tools run on it as an
// administrator runs them.
class ToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        file_ = dir_.filePath(QStringLiteral("VORNA.MDB"));
        db::applySchemaSteps(QStringLiteral(VORNA_SOURCE_DIR "/schema/VORNA"), file_, false);
    }

    struct Run {
        int status = -1;
        QString output;   // standard output and error together
    };
    static Run run(const QString& program, const QStringList& arguments, const QByteArray& input = {})
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, arguments);
        if (!p.waitForStarted())
            return {-1, program + QStringLiteral(" did not start")};
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(120000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
    }
    // The sqlite3 shell on the file, the engine's extension loaded (or not), stopping at the first error.
    Run shell(const QByteArray& sql, bool withExtension = true) const
    {
        QStringList arguments{QStringLiteral("-bail")};
        if (withExtension)
            arguments << QStringLiteral("-cmd") << QStringLiteral(".load " VORNA_SQLITE_EXTENSION_FILE);
        return run(QStringLiteral("sqlite3"), arguments << file_, sql);
    }
    Run tool(const char* verb, const QString& file) const
    {
        return run(QStringLiteral(VORNA_SCHEMA_TOOL), {QString::fromLatin1(verb), file});
    }

    // A plain connection to the file with the extension loaded and nothing registered by hand.
    struct Loaded {
        sqlite3* db = nullptr;
        explicit Loaded(const QString& file)
        {
            EXPECT_EQ(sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
            sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 1, nullptr);
            char* error = nullptr;
            EXPECT_EQ(sqlite3_load_extension(db, VORNA_SQLITE_EXTENSION_FILE, nullptr, &error), SQLITE_OK)
                << (error ? error : "");
            sqlite3_free(error);
        }
        ~Loaded() { sqlite3_close(db); }
        Loaded(const Loaded&) = delete;
        Loaded& operator=(const Loaded&) = delete;
    };

    QTemporaryDir dir_;
    QString file_;
};

}  // namespace vorna::test
