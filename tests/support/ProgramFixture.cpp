#include "support/ProgramFixture.h"

#include "common/ReportLaunch.h"
#include "platform/controls/Window.h"

#include "platform/database/SchemaSteps.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Runtime.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QHash>
#include <sqlite3.h>

namespace vorna::test {

namespace {

QString schemaFolder(const QString& name)
{
    return QStringLiteral(VORNA_SOURCE_DIR) + "/schema/" + name;
}

bool hasSteps(const QString& stepsFolder)
{
    return !QDir(stepsFolder).entryList({"*.sql", "*.SQL"}, QDir::Files).isEmpty();
}

// Built databases, kept for the whole test program so each test only copies a file.
QTemporaryDir& templateFolder()
{
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

bool buildDatabaseFromSteps(const QString& stepsFolder, const QString& targetFile)
{
    if (!hasSteps(stepsFolder))
        return false;
    QFile::remove(targetFile);
    db::applySchemaSteps(stepsFolder, targetFile, false);
    return QFile::exists(targetFile);
}

bool buildDatabaseFromSchema(const QString& name, const QString& targetFile)
{
    static QHash<QString, QString> built;  // name -> template file, empty when no steps
    auto it = built.find(name);
    if (it == built.end()) {
        const QString templateFile = templateFolder().filePath(name + ".MDB");
        const bool ok = buildDatabaseFromSteps(schemaFolder(name), templateFile);
        it = built.insert(name, ok ? templateFile : QString());
    }
    if (it->isEmpty())
        return false;
    QFile::remove(targetFile);
    return QFile::copy(*it, targetFile)
           && QFile::setPermissions(targetFile, QFile::ReadOwner | QFile::WriteOwner);
}

void ProgramFixture::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    state().reset();
    setAppFolder(folder_.path());
    dlg::setDialogService(&dialogs);
    dlg::routeRuntimeBeep();
    desk::setDesktopService(&desktop);
    report::setReportSink(&reports);
    installReportFailureBox();
    // The report files live beside the executable, as scripts/run puts them.
    const QDir reportFiles(QStringLiteral(VORNA_SOURCE_DIR "/reports"));
    for (const QString& file : reportFiles.entryList({QStringLiteral("*.RPT")}, QDir::Files))
        QFile::copy(reportFiles.filePath(file), pathOf(file));

    for (const char* name : {"VORNA", "ATIBERA", "RERUDEVA"})
        buildDatabaseFromSchema(name, pathOf(QString(name) + ".MDB"));
    if (QFile::exists(pathOf("VORNA.MDB")))
        state().MainDatabase = db::Database::open(pathOf("VORNA.MDB"));
    if (QFile::exists(pathOf("ATIBERA.MDB")))
        state().QuotationDatabase = db::Database::open(pathOf("ATIBERA.MDB"));
}

void ProgramFixture::TearDown()
{
    dialogs.verifyAllTaken();
    ui::destroyAllWindows();  // the next test meets fresh windows
    report::setReportSink(nullptr);
    state().reset();  // closes the connections before the folder goes
    rt::Clock::reset();
    rt::setBeepHandler({});
    desk::setDesktopService(nullptr);
    dlg::setDialogService(nullptr);
    setAppFolder({});
}

db::Recordset ProgramFixture::addRow(const QString& table, const Fields& fields)
{
    return addRow(mainDatabase(), table, fields);
}

db::Recordset ProgramFixture::addRow(const db::Database& database, const QString& table,
                                     const Fields& fields)
{
    db::Recordset rs = database.openRecordset(table);
    rs.AddNew();
    for (const auto& [name, value] : fields)
        rs.setField(name, value);
    rs.Update();
    // A row added through a recordset stays after the others it holds.
    rs.MoveLast();
    return rs;
}

db::Recordset ProgramFixture::findRow(const QString& table, const QString& criteria)
{
    db::Recordset rs = mainDatabase().openRecordset(table);
    rs.FindFirst(criteria);
    return rs;
}

void ProgramFixture::setFirstRow(const QString& table, const Fields& fields)
{
    db::Recordset rs = mainDatabase().openRecordset(table);
    rs.MoveFirst();
    rs.Edit();
    for (const auto& [name, value] : fields)
        rs.setField(name, value);
    rs.Update();
}

Variant ProgramFixture::storedInFirstRow(const QString& table, const QString& field)
{
    db::Database other = db::Database::open(pathOf(QStringLiteral("VORNA.MDB")));
    db::Recordset rs = other.openRecordset(table);
    rs.MoveFirst();
    return rs.field(field);
}

long ProgramFixture::rowCount(const QString& table) { return rowCount(mainDatabase(), table); }

long ProgramFixture::rowCount(const db::Database& database, const QString& table)
{
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = "SELECT COUNT(*) FROM \"" + table.toUtf8().replace('"', "\"\"") + "\"";
    long count = -1;
    if (sqlite3_prepare_v2(database.handle(), sql.constData(), -1, &stmt, nullptr) == SQLITE_OK
        && sqlite3_step(stmt) == SQLITE_ROW)
        count = long(sqlite3_column_int64(stmt, 0));
    sqlite3_finalize(stmt);
    EXPECT_GE(count, 0) << "no table " << table.toStdString();
    return count;
}

void ProgramFixture::logIn(const QString& levelWord, const std::vector<Right>& rights)
{
    ProgramState& s = state();
    s.session.AccessLevelWord = levelWord;
    s.session.UserIdent = 1;
    s.session.UserIdentification = Variant("TESTE");
    s.session.UserDisplayName = QStringLiteral("Usuário de Teste");
    for (Variant& r : s.session.UserRights)
        r = Variant("N");
    for (Right r : rights)
        s.session.right(r) = Variant("S");
}

std::vector<Right> ProgramFixture::everyRight()
{
    std::vector<Right> all;
    for (int i = 0; i < RightCount; ++i)
        if (Right(i) != Right::OCU && Right(i) != Right::BXR)
            all.push_back(Right(i));
    return all;
}

void ProgramFixture::setNow(const QDateTime& moment) { rt::Clock::setNow(moment); }

QStringList shownWindowLabels(const QWidget& window)
{
    QStringList shown;
    for (const QLabel* label : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->isVisible())
            shown << label->text();
    }
    return shown;
}

}  // namespace vorna::test
