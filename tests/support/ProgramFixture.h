#pragma once
#include "common/AppFolder.h"
#include "common/ProgramState.h"
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"
#include "platform/report/ReportControl.h"
#include "support/FakeDesktop.h"
#include "support/FakeDialogs.h"
#include "support/Printers.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace vorna::test {

// Field values of a row a test adds, by field name.
using Fields = std::vector<std::pair<QString, Variant>>;

// A fixture's defaults followed by a test's own fields (the later value of a
// field is the one stored).
inline Fields joined(Fields defaults, const Fields& more)
{
    defaults.insert(defaults.end(), more.begin(), more.end());
    return defaults;
}

// The program as a window test meets it: a fresh folder standing for the
// executable's folder, with VORNA.MDB, ATIBERA.MDB and RERUDEVA.MDB built from
// schema/ (the main and quotation databases open, as after start-up), a clean
// program-wide state, the dialogs and the desktop replaced by fakes, and every
// beep counted by the dialogs fake. Scripted boxes that were never shown fail
// the test at its end.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder standing for the executable's folder, and a file in it.
    QString folder() const { return folder_.path(); }
    QString pathOf(const QString& fileName) const { return appFilePath(fileName); }

    db::Database& mainDatabase() { return state().MainDatabase; }
    // Adds one row and returns a recordset standing on it (to read the code the
    // database gave it, say).
    db::Recordset addRow(const QString& table, const Fields& fields);
    db::Recordset addRow(const db::Database& database, const QString& table, const Fields& fields);
    // A recordset of the main database on the first row meeting the criteria;
    // NoMatch() tells that none does.
    db::Recordset findRow(const QString& table, const QString& criteria);
    // Writes fields of the first row of a table of the main database (a
    // settings row, say).
    void setFirstRow(const QString& table, const Fields& fields);
    // A field of the first row of a table as another workstation reads it now.
    Variant storedInFirstRow(const QString& table, const QString& field);
    // The number of rows a table of the main database holds now.
    long rowCount(const QString& table);
    long rowCount(const db::Database& database, const QString& table);
    // Every row of a table of the main database, each as `read` makes it of the
    // recordset standing on it.
    template <class Row, class Read>
    std::vector<Row> readRows(const QString& table, Read read)
    {
        std::vector<Row> rows;
        db::Recordset rs = mainDatabase().openRecordset(table);
        if (rs.RecordCount() == 0)
            return rows;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
            rows.push_back(read(std::as_const(rs)));
        return rows;
    }

    // Logs a user in at a level (level::Total, Medium or Minimum) holding the
    // named rights as "S" and every other right as "N".
    void logIn(const QString& levelWord, const std::vector<Right>& rights = {});
    // Every right granted, with OCU and BXR "N" (commissions shown).
    static std::vector<Right> everyRight();

    // Fixes the workstation's clock.
    void setNow(const QDateTime& moment);

    FakeDialogs dialogs;
    FakeDesktop desktop;
    // Every report launch, with what the run produced; no preview opens.
    report::RecordingReportSink reports;

private:
    QTemporaryDir folder_;
};

// The texts of the labels lying straight on the window that show now: the
// toolbar's hover captions, when the window keeps its other labels in frames.
QStringList shownWindowLabels(const QWidget& window);

// Builds a database file from the numbered steps of schema/<name> (once per test
// program; later calls copy that file). False when the schema has no steps.
bool buildDatabaseFromSchema(const QString& name, const QString& targetFile);
// The same from any folder of steps.
bool buildDatabaseFromSteps(const QString& stepsFolder, const QString& targetFile);

}  // namespace vorna::test
