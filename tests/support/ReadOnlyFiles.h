#pragma once
#include <QFileInfo>
#include <QSet>
#include <QString>
#include <sqlite3.h>

namespace vorna::test {

// Files and folders that SQLite meets as a user without write permission meets
// them, whoever runs the test (root writes anywhere): a read-only file opens
// read-only, as SQLite silently falls back to; a read-only folder takes no new
// file (journals, copies) and says it cannot be written. A file layer of SQLite
// over its default one, made the default while the object lives; one at a time.
class ReadOnlyFiles {
public:
    ReadOnlyFiles()
    {
        base_ = sqlite3_vfs_find(nullptr);
        vfs_ = *base_;
        vfs_.pNext = nullptr;
        vfs_.zName = "vorna-test-read-only";
        vfs_.pAppData = this;
        vfs_.xOpen = &ReadOnlyFiles::open;
        vfs_.xAccess = &ReadOnlyFiles::access;
        vfs_.xDelete = &ReadOnlyFiles::remove;
        vfs_.xFullPathname = &ReadOnlyFiles::fullPathname;
        sqlite3_vfs_register(&vfs_, 1);
    }
    ~ReadOnlyFiles()
    {
        sqlite3_vfs_unregister(&vfs_);
        sqlite3_vfs_register(base_, 1);
    }
    ReadOnlyFiles(const ReadOnlyFiles&) = delete;
    ReadOnlyFiles& operator=(const ReadOnlyFiles&) = delete;

    void file(const QString& path) { files_.insert(canonical(path)); }
    void folder(const QString& path) { folders_.insert(canonical(path)); }

private:
    static QString canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }
    static ReadOnlyFiles& self(sqlite3_vfs* vfs) { return *static_cast<ReadOnlyFiles*>(vfs->pAppData); }
    bool isFile(const char* path) const { return path && files_.contains(canonical(QString::fromUtf8(path))); }
    bool inFolder(const char* path) const
    {
        return path && folders_.contains(canonical(QFileInfo(QString::fromUtf8(path)).absolutePath()));
    }

    static int open(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags, int* outFlags)
    {
        ReadOnlyFiles& s = self(vfs);
        if ((flags & SQLITE_OPEN_MAIN_DB) && s.isFile(name))
            flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
        else if ((flags & SQLITE_OPEN_CREATE) && s.inFolder(name) && !QFileInfo::exists(QString::fromUtf8(name)))
            return SQLITE_CANTOPEN;
        return s.base_->xOpen(s.base_, name, file, flags, outFlags);
    }
    static int access(sqlite3_vfs* vfs, const char* name, int flags, int* result)
    {
        ReadOnlyFiles& s = self(vfs);
        if (flags == SQLITE_ACCESS_READWRITE
            && (s.isFile(name) || s.folders_.contains(canonical(QString::fromUtf8(name))))) {
            *result = 0;
            return SQLITE_OK;
        }
        return s.base_->xAccess(s.base_, name, flags, result);
    }
    static int remove(sqlite3_vfs* vfs, const char* name, int syncDir)
    {
        ReadOnlyFiles& s = self(vfs);
        if (s.inFolder(name))
            return SQLITE_IOERR_DELETE;
        return s.base_->xDelete(s.base_, name, syncDir);
    }
    static int fullPathname(sqlite3_vfs* vfs, const char* name, int size, char* out)
    {
        ReadOnlyFiles& s = self(vfs);
        return s.base_->xFullPathname(s.base_, name, size, out);
    }

    sqlite3_vfs* base_ = nullptr;
    sqlite3_vfs vfs_{};
    QSet<QString> files_;
    QSet<QString> folders_;
};

}  // namespace vorna::test
