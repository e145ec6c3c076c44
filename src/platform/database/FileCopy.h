#pragma once
#include <QString>

namespace vorna::db {

// Copies a whole database file over another through SQLite's backup interface,
// which reads a consistent image even while other workstations use the source.
// The copy is built beside the target and then put in its place in one rename,
// so a copy that fails half-way leaves the target as it was. The source must
// exist (3024 otherwise); a source that is no database raises 3049.
void copyDatabaseFile(const QString& source, const QString& target);

}  // namespace vorna::db
