#pragma once
#include "platform/database/Recordset.h"

#include <QString>
#include <optional>

namespace vorna::clients {

// Where the message on a postal-code database that cannot be opened sends the
// user for a fresh copy.
inline const QString PostalCodeDownloadSite = QStringLiteral("www.vornatec.com.br");

// The postal-code database's file, within the program's folder.
inline const QString PostalCodeFile = QStringLiteral("\\RERUDEVA.MDB");

// Opens RERUDEVA.MDB of the program's folder, shared and read-write, into the
// program-wide PostalCodeDatabase, and its table "SP" as a dynaset. Any failure
// shows the one "ATENÇÃO" box and gives nothing; a connection opened before the
// failure (the file is there, the table is not) stays open.
std::optional<db::Recordset> OpenPostalCodeDatabase();

}  // namespace vorna::clients
