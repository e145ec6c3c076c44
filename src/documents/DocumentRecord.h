#pragma once
#include "documents/DocumentWindowState.h"
#include "platform/database/Recordset.h"

#include <QString>

namespace vorna {
struct Session;
}

// The document row written from the document window's header, and the
// commission already received on the shown document's instalments.
namespace vorna::documents {

class DocumentFields;
class Form14;

// Whether the user sees commission figures, which the header writer requires:
// the OCU right ("Ocultar Comissões em Documentos") is exactly "N".
bool SeesCommissions(const Session& session);

// Copies the header controls into the pending row of `documents` (begun with
// AddNew or opened with Edit) and stores it, following the field table in its
// order. Only for a user who sees commissions; for any other user it returns
// false at once, writing nothing and leaving the row pending. A new row is
// stored as a policy in force of branch 1; an alteration keeps the stored
// branch, type and status. A value the database refuses raises its engine
// error with the row no longer pending, so nothing of it is stored. True when
// the row was stored.
bool WriteDocumentHeader(const DocumentFields& window, db::Recordset& documents, const DocumentWindowState& state);
bool WriteDocumentHeader(Form14& window, db::Recordset& documents, const DocumentWindowState& state);

// The commission received on the instalments of the document numbered as
// written: the instalment rows from the first of that number on, at most twelve
// and only while they follow one another, each counted when its receipt date
// is set. The rows after the first are read in one batch. Sets
// state.ReceivedCommission (0 without such rows) and returns it.
double SumReceivedCommission(const QString& documentNumber, db::Recordset& instalments, DocumentWindowState& state);

}  // namespace vorna::documents
