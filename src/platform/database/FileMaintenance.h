#pragma once
#include <QString>
#include <QStringList>

// The administrator's checks on a database file that no workstation has open
// (vorna-schema check / compact), through the engine's own collation.
namespace vorna::db {

// SQLite's integrity check, then each trigram table's own check against the
// table it indexes. Empty when the file is sound; otherwise what is wrong, one
// line each (a file that cannot be read says so).
QStringList checkFile(const QString& file);

// Rebuilds the file without its free pages (VACUUM). The file is first copied
// aside ("<file>.bak-compact") with SQLite's backup interface; the copy is
// removed after a compaction that succeeds and kept when anything fails, the
// error's text naming it. Raises EngineError: 3024 for a missing file, 3260
// when another workstation holds it.
void compactFile(const QString& file);

}  // namespace vorna::db
