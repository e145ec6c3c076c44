#pragma once
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"
#include "platform/runtime/Variant.h"

#include <QString>

// The audit row: one LOGUI row per record a window adds, alters or deletes,
// settled ("S") from the start, stamped with the workstation's date and time
// and the logged-in user. The acting handler writes it; the rows are never
// altered or deleted by their writers.
//
// When each writer writes it, relative to the record's own write:
//   addition    after the record row is stored and the message with its new
//               code is closed; CLIENTE is that new code
//   alteration  after the record row is stored; CLIENTE is the code box's text
//   deletion    after the record row is deleted; CLIENTE is the code box's text
//   a refused or cancelled action, or a record write that failed: no row
namespace vorna {

struct AuditRow {
    Variant code;        // CLIENTE: the record's code
    QString name;        // NOME: the text of the window's name box
    QString remarks;     // REMARKS: the fixed phrase of the window and action
    Variant document;    // DOCUMENTO: document rows only
    Variant policy;      // APOLICE: document rows only
};

// The code of a record as its window's code box shows it: blank is no code
// (CLIENTE stays empty); any other text must read as a whole number (13 when
// not). Converted before the action, so a code box that cannot make an audit
// row stops the action before anything is stored.
Variant auditCodeFromBox(const QString& codeBoxText);

// Appends one row through a LOGUI recordset. A failure is thrown as the
// engine's error with nothing stored.
void writeAuditRow(db::Recordset& log, const AuditRow& row);

// A window's LOGUI recordset, opened by its load step beside its own table.
class AuditLog {
public:
    AuditLog() = default;
    explicit AuditLog(const db::Database& database);

    bool isOpen() const { return log_.isOpen(); }
    void write(const AuditRow& row) { writeAuditRow(log_, row); }
    db::Recordset& recordset() { return log_; }

private:
    db::Recordset log_;
};

// The REMARKS of one window's three actions.
struct AuditPhrases {
    QString added;
    QString altered;
    QString deleted;
};

namespace audit {
inline const AuditPhrases Producer{QStringLiteral("INCLUSAO DE PRODUTOR"),
                                   QStringLiteral("ALTERAÇAO DE DADOS DO PRODUTOR"),
                                   QStringLiteral("EXCLUSAO DE PRODUTOR")};
inline const AuditPhrases Client{QStringLiteral("INCLUSÂO DE CLIENTE"),
                                 QStringLiteral("DADOS DE CLIENTE ALTERADOS"),
                                 QStringLiteral("EXCLUSAO DE ESTIPULANTE")};
inline const AuditPhrases Participant{QStringLiteral("INCLUSÂO DE PARTICIPANTE"),
                                      QStringLiteral("DADOS DE PARTICIPANTE ALTERADOS"),
                                      QStringLiteral("EXCLUSAO DE PARTICIPANTE")};
inline const AuditPhrases Event{QStringLiteral("INCLUSÂO DE EVENTO"),
                                QStringLiteral("DADOS DE EVENTO ALTERADOS"),
                                QStringLiteral("EXCLUSAO DE EVENTO")};
}  // namespace audit

}  // namespace vorna
