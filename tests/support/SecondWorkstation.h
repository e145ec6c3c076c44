#pragma once
#include "platform/database/TextRules.h"

#include <QString>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace vorna::test {

// A second workstation on the same database file, with its own connection;
// whatever it leaves pending is rolled back when it goes.
class SecondWorkstation {
public:
    explicit SecondWorkstation(const QString& databaseFile)
    {
        EXPECT_EQ(sqlite3_open_v2(databaseFile.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr),
                  SQLITE_OK);
        // The schema's text indexes use the engine's collation: without it this
        // workstation could not write the tables that carry them.
        db::text::registerOn(db_);
    }
    ~SecondWorkstation()
    {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    SecondWorkstation(const SecondWorkstation&) = delete;
    SecondWorkstation& operator=(const SecondWorkstation&) = delete;

    // Runs SQL on this workstation's connection; fails the test on an error.
    void exec(const char* sql)
    {
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, &error), SQLITE_OK) << sql << ": " << (error ? error : "");
        sqlite3_free(error);
    }

private:
    sqlite3* db_ = nullptr;
};

// Another workstation in the middle of a write on a database file: every write
// of this one meets its lock until it goes.
class SecondWorkstationWriting : public SecondWorkstation {
public:
    explicit SecondWorkstationWriting(const QString& databaseFile) : SecondWorkstation(databaseFile)
    {
        exec("BEGIN IMMEDIATE");
    }
};

}  // namespace vorna::test
