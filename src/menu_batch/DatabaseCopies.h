#pragma once
#include "platform/database/Recordset.h"

#include <QString>
#include <cstdint>

// The daily copy of the main database file, kept in a second folder, and its
// restore after the main database failed to open with a disk or database error.
namespace vorna::menu_batch {

// What an error met opening the main database does: the message shown (none
// when empty), whether the error is kept for the restore, whether the program ends.
struct OpenErrorRule {
    QString message;
    bool recorded = false;
    bool endsProgram = false;
};
OpenErrorRule openErrorRule(int errorNumber);

// A folder text of the copy settings followed by "\" and the file name, as a
// path of this system ("\" read as the separator; an empty folder is the root).
QString pathInFolder(const QString& folderText, const QString& fileName);

// The name the replaced main database file is kept under when a restore brings
// the copy back: beside it, with the moment of the restore in its name.
QString keptAsidePath(const QString& path);

// The copy settings and the state the copy routines share while the login
// window is loaded. Every field may be set directly.
struct DatabaseCopies {
    int16_t DatabaseOpenError = 0;
    QString CopyReadFolder;
    QString CopyWriteFolder;
    QString CopyPermission;
    db::Recordset CopyOrders;  // ORIENTE of SALVA.MDB
    db::Recordset CopyTimes;   // TEMPO of SALVA.MDB

    // SALVA.MDB made again from DEFINE.MDB, opened into the program-wide
    // `BackupSettingsDatabase`, and the settings read from its first rows.
    void LoadBackupSettings();
    // Once a day, copies the main database file into the write folder; after
    // one of the restore errors, brings the copy back instead.
    void CopyDatabaseDaily();

    QString readPath() const;
    QString writePath() const;

private:
    void dailyCopy();
    void restore();
    bool recover();
    void stampCopyTime();
};

}  // namespace vorna::menu_batch
