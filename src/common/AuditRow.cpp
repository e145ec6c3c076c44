#include "common/AuditRow.h"

#include "common/ProgramState.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

Variant auditCodeFromBox(const QString& codeBoxText)
{
    if (rt::Trim(codeBoxText).isEmpty())
        return Variant::null();
    return Variant(rt::CLng(Variant(codeBoxText)));
}

void writeAuditRow(db::Recordset& log, const AuditRow& row)
{
    log.AddNew();
    try {
        log.setField(QStringLiteral("CLIENTE"), row.code);
        log.setField(QStringLiteral("NOME"), Variant(row.name));
        if (!row.document.isEmpty())
            log.setField(QStringLiteral("DOCUMENTO"), row.document);
        if (!row.policy.isEmpty())
            log.setField(QStringLiteral("APOLICE"), row.policy);
        // A row may say nothing of what was done (a document's number changed).
        if (!row.remarks.isEmpty())
            log.setField(QStringLiteral("REMARKS"), Variant(row.remarks));
        // Each stamp reads the clock for itself.
        log.setField(QStringLiteral("HORALOGUI"), Variant(rt::Format(rt::Now(), QStringLiteral("hh:nn"))));
        log.setField(QStringLiteral("DATALOGUI"), Variant(rt::Format(rt::Date(), QStringLiteral("dd/mm/yyyy"))));
        log.setField(QStringLiteral("LIQUI"), Variant("S"));
        log.setField(QStringLiteral("USUARIO"), Variant(int(state().session.UserIdent)));
        log.Update();
    } catch (...) {
        log.CancelUpdate();
        throw;
    }
}

AuditLog::AuditLog(const db::Database& database) : log_(database.openRecordset(QStringLiteral("LOGUI"))) {}

}  // namespace vorna
