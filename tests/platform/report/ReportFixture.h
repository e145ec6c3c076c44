#pragma once
#include "platform/report/ReportControl.h"
#include "platform/report/ReportEngine.h"
#include "support/FakeDialogs.h"
#include "support/Printers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorna::test {

// A folder standing for the program's folder, with a database the test fills
// by SQL, report definitions, the dialogs replaced by the fake, launches
// recorded by a sink, a fixed clock and a fixed company name.
class ReportFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString folder() const { return folder_.path(); }
    QString pathOf(const QString& name) const { return folder_.filePath(name); }
    // The path as the windows build it: the folder, a backslash, the file name.
    QString windowsStylePath(const QString& name) const { return folder() + u'\\' + name; }

    // Creates (or adds to) a database of the folder with raw SQL.
    void runSql(const QString& sql, const QString& database = QStringLiteral("VORNA.MDB"));
    // The insurer and producer tables as the registries keep them, with rows.
    void createRegistryTables();
    // The tables the launches of the whole program select on, with rows.
    void createSelectionTables();

    void writeFile(const QString& name, const QString& text);
    // A definition file of reports/ copied into the folder.
    void copyReport(const QString& name);

    // The first column of every row a selection keeps, from a list report
    // over `table` written for the purpose.
    QStringList selectedKeys(const QString& table, const QString& key, const QString& selection,
                             const QString& joins = QString());

    FakeDialogs dialogs;
    report::RecordingReportSink sink;

private:
    QTemporaryDir folder_;
};

}  // namespace vorna::test
