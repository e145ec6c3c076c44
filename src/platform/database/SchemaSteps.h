#pragma once
#include <QString>

namespace vorna::db {

// Brings a database file to the last numbered step of stepsDir ("001-....sql",
// "002-....sql", ... applied in number order). A missing file is created from all
// steps; an existing one gets the steps above the number it records in
// PRAGMA user_version. Each step runs in one transaction together with the new
// user_version, so a failing step leaves the file at the step before it. With
// backupFirst, an existing file about to change is first copied aside as
// "<dbFile>.bak-<version>". Steps must not hold BEGIN/COMMIT of their own.
// Returns the version the file is at afterwards; raises EngineError on failure.
int applySchemaSteps(const QString& stepsDir, const QString& dbFile, bool backupFirst);

}  // namespace vorna::db
