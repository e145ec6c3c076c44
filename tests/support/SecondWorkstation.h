#pragma once
#include <QString>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace vorna::test {

// Another workstation in the middle of a write on a database file: every write
// of this one meets its lock until it goes.
class SecondWorkstationWriting {
public:
    explicit SecondWorkstationWriting(const QString& databaseFile)
    {
        EXPECT_EQ(sqlite3_open_v2(databaseFile.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr),
                  SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    ~SecondWorkstationWriting()
    {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    SecondWorkstationWriting(const SecondWorkstationWriting&) = delete;
    SecondWorkstationWriting& operator=(const SecondWorkstationWriting&) = delete;

private:
    sqlite3* db_ = nullptr;
};

}  // namespace vorna::test
