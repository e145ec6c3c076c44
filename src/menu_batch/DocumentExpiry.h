#pragma once
#include "platform/database/Recordset.h"
#include "platform/runtime/Variant.h"

#include <QDate>

namespace vorna::menu_batch {

// Documents in force whose term started more than this many days ago become
// not renewed.
inline constexpr int ExpiryAgeDays = 396;

// Whether a document with this status, term start and line of business moves
// from in force to not renewed on today: status exactly "V", more than 396 days
// since the start, and a line outside the transport, health, life and pension
// ones. A missing value (no start date, no line) keeps the document as it is.
bool expiresToNotRenewed(const Variant& status, const Variant& termStart, const Variant& line, const QDate& today);

// After the warning and the confirmation, moves every such document to "N"
// through the main menu's documents recordset.
void ExpireOldDocuments(const db::Database& database, db::Recordset& documents);

}  // namespace vorna::menu_batch
