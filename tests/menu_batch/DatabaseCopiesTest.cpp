#include "menu_batch/DatabaseCopies.h"
#include "platform/runtime/Runtime.h"
#include "shell/login/LoginFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vorna::test {
namespace {

// The login window with DEFINE.MDB delivered beside the executable, the main
// database file copied into a read folder "live" and a write folder "copies".
class DatabaseCopiesTest : public LoginFixture {
protected:
    void SetUp() override
    {
        LoginFixture::SetUp();
        ASSERT_TRUE(buildDatabaseFromSchema(QStringLiteral("DEFINE"), pathOf("DEFINE.MDB")));
        ASSERT_TRUE(QDir(folder()).mkpath(QStringLiteral("live")));
        ASSERT_TRUE(QDir(folder()).mkpath(QStringLiteral("copies")));
        ASSERT_TRUE(QFile::copy(pathOf("VORNA.MDB"), liveFile()));
        setMarker(liveFile(), 1);
    }

    menu_batch::DatabaseCopies& copies() { return login().Copies(); }

    QString liveFile() const { return folder() + QStringLiteral("/live/VORNA.MDB"); }
    QString copyFile() const { return folder() + QStringLiteral("/copies/VORNA.MDB"); }

    // The delivered settings; folders written with "\" as the windows write them.
    void deliver(const Variant& read, const Variant& write, const Variant& permits)
    {
        db::Database define = db::Database::open(pathOf("DEFINE.MDB"));
        db::Recordset rs = define.openRecordset(QStringLiteral("ORIENTE"));
        rs.MoveFirst();
        rs.Edit();
        rs.setField(QStringLiteral("LER"), read);
        rs.setField(QStringLiteral("GRAVAR"), write);
        rs.setField(QStringLiteral("PERMITE"), permits);
        rs.Update();
    }
    void deliverFolders(const char* permits = "S")
    {
        deliver(Variant(folder() + QStringLiteral("\\live")), Variant(folder() + QStringLiteral("\\copies")),
                Variant(permits));
    }

    // Which database a file is: a number kept in its label table.
    static void setMarker(const QString& file, int marker)
    {
        db::Database d = db::Database::open(file);
        db::Recordset rs = d.openRecordset(QStringLiteral("TMPETI"));
        if (rs.RecordCount() == 0) {
            rs.AddNew();
        } else {
            rs.MoveFirst();
            rs.Edit();
        }
        rs.setField(QStringLiteral("CODIGO"), Variant(marker));
        rs.Update();
    }
    static int marker(const QString& file)
    {
        db::Database d = db::Database::open(file);
        db::Recordset rs = d.openRecordset(QStringLiteral("TMPETI"));
        rs.MoveFirst();
        return rt::CLng(rs.field(QStringLiteral("CODIGO")));
    }
    static void touch(const QString& file, const QDateTime& when)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    Variant copyTime()
    {
        db::Recordset rs = state().BackupSettingsDatabase.openRecordset(QStringLiteral("TEMPO"));
        rs.MoveFirst();
        return rs.field(QStringLiteral("QUANDO"));
    }
    static QString longDate(const QDate& d) { return rt::Format(Variant::date(d), QStringLiteral("Long Date")); }
    QStringList filesIn(const char* sub) const
    {
        return QDir(folder() + u'/' + QLatin1String(sub)).entryList(QDir::Files, QDir::Name);
    }
};

TEST_F(DatabaseCopiesTest, OpeningErrorsEndTheProgramOrAreKeptForTheRestore)
{
    struct Case {
        int number;
        bool message, recorded, ends;
    };
    const Case cases[] = {
        {7, true, false, true},      {57, true, false, true},     {3000, true, false, true},
        {3024, true, false, true},   {3026, true, false, true},   {3040, true, true, false},
        {3041, false, true, false},  {3043, false, true, false},  {3049, false, true, false},
        {3159, false, true, false},  {3260, false, false, false}, {13, false, false, false},
    };
    for (const Case& c : cases) {
        const menu_batch::OpenErrorRule rule = menu_batch::openErrorRule(c.number);
        EXPECT_EQ(!rule.message.isEmpty(), c.message) << c.number;
        EXPECT_EQ(rule.recorded, c.recorded) << c.number;
        EXPECT_EQ(rule.endsProgram, c.ends) << c.number;
    }
    EXPECT_EQ(menu_batch::openErrorRule(3024).message, QStringLiteral("ARQUIVO NÃO ENCONTRADO NO DIRETÓRIO! RESTAURE O BACKUP!"));
    EXPECT_EQ(menu_batch::openErrorRule(3040).message, QStringLiteral("UMA FALHA FOI DETECTADA EM SEU HD. VERIFIQUE-O!"));
}

TEST_F(DatabaseCopiesTest, OpenMainDatabaseOpensOrHandlesTheFailure)
{
    state().MainDatabase = {};
    login().OpenMainDatabase();
    EXPECT_TRUE(state().MainDatabase.isOpen());
    EXPECT_TRUE(dialogs.boxes.empty());

    // A damaged file: no message, the error kept, the connection as it was.
    const db::Database before = state().MainDatabase;
    state().MainDatabase = {};
    {
        QFile f(pathOf("VORNA.MDB"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
    }
    login().OpenMainDatabase();
    EXPECT_FALSE(state().MainDatabase.isOpen());
    EXPECT_EQ(copies().DatabaseOpenError, 3049);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(programEnds, 0);

    // A missing file ends the program after its message; the error kept stays.
    ASSERT_TRUE(QFile::remove(pathOf("VORNA.MDB")));
    dialogs.expectOk(QStringLiteral("ARQUIVO NÃO ENCONTRADO NO DIRETÓRIO! RESTAURE O BACKUP!"));
    login().OpenMainDatabase();
    EXPECT_EQ(programEnds, 1);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(dialogs.boxes[0].icon, dlg::Icon::Exclamation);
    EXPECT_EQ(state().MessageText.toString(), dialogs.boxes[0].text);
    EXPECT_EQ(copies().DatabaseOpenError, 3049);
}

TEST_F(DatabaseCopiesTest, SettingsAreReadFromAFreshCopyOfTheDeliveredFile)
{
    deliver(Variant("\\\\server\\vorna"), Variant("D:\\COPIAS"), Variant("S"));
    // An old working file is replaced whole.
    ASSERT_TRUE(QFile::copy(pathOf("VORNA.MDB"), pathOf("SALVA.MDB")));

    login().LoadBackupSettings();
    EXPECT_EQ(copies().CopyReadFolder, QStringLiteral("\\\\server\\vorna"));
    EXPECT_EQ(copies().CopyWriteFolder, QStringLiteral("D:\\COPIAS"));
    EXPECT_EQ(copies().CopyPermission, QStringLiteral("S"));
    EXPECT_TRUE(state().BackupSettingsDatabase.isOpen());
    EXPECT_TRUE(copyTime().isNull());
    EXPECT_EQ(copies().readPath(), QStringLiteral("//server/vorna/VORNA.MDB"));

    // Null fields and a letter other than S or N leave the values as they were.
    struct Case {
        Variant permits;
        QString expected;
    };
    const Case cases[] = {{Variant("N"), "N"}, {Variant("X"), "N"}, {Variant::null(), "N"}, {Variant("S"), "S"},
                          {Variant("s"), "S"}};
    for (const Case& c : cases) {
        deliver(Variant::null(), Variant::null(), c.permits);
        login().LoadBackupSettings();
        EXPECT_EQ(copies().CopyPermission, c.expected) << c.permits.toString().toStdString();
        EXPECT_EQ(copies().CopyReadFolder, QStringLiteral("\\\\server\\vorna"));
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DatabaseCopiesTest, SettingsThatCannotBeReadShowABoxAndAllowNoCopy)
{
    deliverFolders();
    login().LoadBackupSettings();
    ASSERT_EQ(copies().CopyPermission, QStringLiteral("S"));

    ASSERT_TRUE(QFile::remove(pathOf("DEFINE.MDB")));
    dialogs.expectOk();
    login().LoadBackupSettings();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.contains(QStringLiteral("ERRO 3024")));
    EXPECT_TRUE(copies().CopyPermission.isEmpty());

    login().CopyDatabaseDaily();
    EXPECT_FALSE(QFile::exists(copyFile()));
}

TEST_F(DatabaseCopiesTest, WithoutPermissionNothingIsCopiedOrRestored)
{
    for (const char* permits : {"N", ""}) {
        deliverFolders(permits);
        copies().CopyPermission.clear();
        login().LoadBackupSettings();
        for (int16_t error : {int16_t(0), int16_t(3049)}) {
            copies().DatabaseOpenError = error;
            login().CopyDatabaseDaily();
        }
    }
    EXPECT_TRUE(filesIn("copies").isEmpty());
    EXPECT_EQ(filesIn("live"), QStringList{QStringLiteral("VORNA.MDB")});
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DatabaseCopiesTest, TheFirstCopyIsMadeByTheRecoveryAndThenOnceMore)
{
    deliverFolders();
    login().LoadBackupSettings();
    for (int i = 0; i < 4; ++i)
        dialogs.expectOk();

    login().CopyDatabaseDaily();

    EXPECT_EQ(dialogs.texts(), (std::vector<QString>{QStringLiteral(" 0"), QStringLiteral("S"), QString(),
                                                      longDate(QDate(2024, 5, 10))}));
    for (const ShownBox& box : dialogs.boxes)
        EXPECT_TRUE(box.title.isEmpty());
    EXPECT_EQ(marker(copyFile()), 1);
    EXPECT_EQ(filesIn("copies"), QStringList{QStringLiteral("VORNA.MDB")});
    EXPECT_TRUE(copyTime().identical(Variant::date(QDateTime(QDate(2024, 5, 10), QTime(9, 30)))));
}

TEST_F(DatabaseCopiesTest, ACopyMadeTodayIsKeptAndAnOlderOneReplaced)
{
    deliverFolders();
    login().LoadBackupSettings();
    ASSERT_TRUE(QFile::copy(liveFile(), copyFile()));
    setMarker(copyFile(), 7);

    touch(copyFile(), QDateTime(QDate(2024, 5, 10), QTime(0, 1)));
    login().CopyDatabaseDaily();
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(marker(copyFile()), 7);
    EXPECT_TRUE(copyTime().isNull());

    touch(copyFile(), QDateTime(QDate(2024, 5, 9), QTime(23, 59)));
    for (int i = 0; i < 4; ++i)
        dialogs.expectOk();
    login().CopyDatabaseDaily();
    EXPECT_EQ(dialogs.texts()[2], longDate(QDate(2024, 5, 9)));
    EXPECT_EQ(dialogs.texts()[3], longDate(QDate(2024, 5, 10)));
    EXPECT_EQ(marker(copyFile()), 1);
    EXPECT_FALSE(copyTime().isNull());
}

TEST_F(DatabaseCopiesTest, ACopyThatCannotBeMadeShowsOneBoxAndStopsTheRun)
{
    // The read folder holds no main database: the copy and its recovery both fail.
    deliver(Variant(folder() + QStringLiteral("\\nowhere")), Variant(folder() + QStringLiteral("\\copies")),
            Variant("S"));
    login().LoadBackupSettings();
    dialogs.expectOk();
    login().CopyDatabaseDaily();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("NÃO FOI POSSÍVEL FAZER A CÓPIA")));
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_TRUE(filesIn("copies").isEmpty());
    EXPECT_TRUE(copyTime().isNull());
}

TEST_F(DatabaseCopiesTest, ARestoreKeepsTheReplacedFileAsideAndLeavesTheCopyAlone)
{
    deliverFolders();
    login().LoadBackupSettings();
    ASSERT_TRUE(QFile::copy(liveFile(), copyFile()));
    setMarker(copyFile(), 7);
    setMarker(liveFile(), 2);
    const QDateTime copyChanged = QFileInfo(copyFile()).lastModified();

    for (int16_t error : {int16_t(3040), int16_t(3041), int16_t(3043), int16_t(3049), int16_t(3159)}) {
        setMarker(liveFile(), error);
        copies().DatabaseOpenError = error;
        login().CopyDatabaseDaily();
        EXPECT_EQ(marker(liveFile()), 7) << error;
        EXPECT_EQ(QFileInfo(copyFile()).lastModified(), copyChanged);
    }
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(copyTime().isNull());
    EXPECT_EQ(copies().DatabaseOpenError, 3159);
    // Five replaced files kept, each under its own dated name.
    const QStringList live = filesIn("live");
    ASSERT_EQ(live.size(), 6);
    std::vector<int> kept;
    for (const QString& name : live) {
        if (name == u"VORNA.MDB")
            continue;
        EXPECT_TRUE(name.startsWith(QStringLiteral("VORNA-20240510-093000"))) << name.toStdString();
        kept.push_back(marker(folder() + QStringLiteral("/live/") + name));
    }
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<int>{3040, 3041, 3043, 3049, 3159}));
}

TEST_F(DatabaseCopiesTest, ARestoreWithoutACopyShowsABoxAndKeepsTheMainFile)
{
    deliverFolders();
    login().LoadBackupSettings();
    copies().DatabaseOpenError = 3043;
    dialogs.expectOk();
    login().CopyDatabaseDaily();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("NÃO FOI POSSÍVEL RESTAURAR")));
    EXPECT_EQ(filesIn("live"), QStringList{QStringLiteral("VORNA.MDB")});
    EXPECT_EQ(marker(liveFile()), 1);
    // The file that failed to open never becomes the copy.
    EXPECT_TRUE(filesIn("copies").isEmpty());
}

}  // namespace
}  // namespace vorna::test
