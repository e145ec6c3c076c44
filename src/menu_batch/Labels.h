#pragma once
#include "platform/database/Recordset.h"
#include "platform/runtime/Variant.h"

#include <QString>

// Mailing labels: one TMPETI row per selected client, with the name, the
// contact and the address the client chose for labels. The routines work on
// the main menu's recordsets over TMPETI, CLIENTES and DOCUMENTOS.
namespace vorna::menu_batch {

// The client field a code-selected generator searches, and its two codes.
enum class LabelSelection {
    MailingStatus,  // MALAS: 90 "A", 80 "I"
    PersonType,     // PESSOA: 910 "J", 810 "F"
    Sex,            // SEXO: 710 "F", 720 "M"
};

// The letter CallerCode chooses for the selection; empty for any other code.
QString labelLetter(LabelSelection by, const Variant& callerCode);
// The search on the clients: the field containing the letter ("MALAS LIKE '*A*'");
// with no letter, every client whose field holds a value.
QString labelCriteria(LabelSelection by, const QString& letter);

// Adds one label row for every client the letter selects whose TIPOETI is "R"
// or "C" (another run adds them again). Engine errors stop it and reach the
// caller; the rows saved before stay.
void addLabelsBySelection(LabelSelection by, const Variant& callerCode, db::Recordset& clients,
                          db::Recordset& labels);

// Empties the label table and adds one row (with code and producer) per
// client holding a policy in force. A first policy whose client is missing
// leaves a row with CODIGO 0 only.
void FillLabelsFromActivePolicies(db::Recordset& documents, db::Recordset& clients, db::Recordset& labels);

// Deletes every row of TMPETI through the main menu's recordset on it. An empty
// table is no failure. When a row cannot be deleted (another workstation holds
// it), the engine's box is shown, the rows before it stay deleted, and the
// result is false; otherwise true.
bool ClearLabelTable(db::Recordset& labels);

}  // namespace vorna::menu_batch
