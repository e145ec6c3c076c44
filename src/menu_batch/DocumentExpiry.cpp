#include "menu_batch/DocumentExpiry.h"

#include "common/MessageTexts.h"
#include "menu_batch/ClientWalk.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Runtime.h"

namespace vorna::menu_batch {

namespace {

// Transport, health, life and pension, in the order they are tested.
constexpr int KeptLines[] = {211, 212, 221, 241, 541, 914, 911, 912, 811, 871, 542};

const QString Warning = QStringLiteral(
    " Esta operação irá alterar o status de TODOS os documentos com mais de 396 dias de vencimento de VIGENTE "
    "para NÃO-RENOVADO desde que não sejam dos ramos de Tranporte, Saúde, Vida ou Previdência");
const QString Confirmation = QStringLiteral("Você tem certeza que deseja corrigir?");

// Every document with a positive number; the status term only narrows the walk
// to the rows the exact test below can change, through its index.
const QString Walk = QStringLiteral("PROPOSTA > 0 AND VIGENTE = 'V'");

}  // namespace

bool expiresToNotRenewed(const Variant& status, const Variant& termStart, const Variant& line, const QDate& today)
{
    if (!(status == Variant("V")))
        return false;
    if (termStart.isNull() || termStart.isEmpty())
        return false;
    if (rt::DateDiff(QStringLiteral("d"), termStart, Variant::date(today)) <= ExpiryAgeDays)
        return false;
    for (int kept : KeptLines)
        if (!(line != Variant(kept)))   // a missing line compares neither equal nor unequal
            return false;
    return true;
}

void ExpireOldDocuments(const db::Database& database, db::Recordset& documents)
{
    dlg::MsgBox(Warning, dlg::Buttons::Ok, msg::TitleAttention);
    if (dlg::MsgBox(Confirmation, dlg::Buttons::YesNo, msg::TitleAttention) != dlg::Answer::Yes)
        return;

    BusyCursor busy;
    BatchedWrites writes(database);
    Variant document;
    try {
        documents.FindFirst(Walk);
        while (!documents.NoMatch()) {
            document = documents.field(QStringLiteral("PROPOSTA"));
            if (expiresToNotRenewed(documents.field(QStringLiteral("VIGENTE")),
                                    documents.field(QStringLiteral("VIGENCIAINICIAL")),
                                    documents.field(QStringLiteral("RAMO")), rt::Clock::today())) {
                writes.beforeWrite();
                documents.Edit();
                documents.setField(QStringLiteral("VIGENTE"), Variant("N"));
                documents.Update();
                writes.rowWritten();
            }
            documents.FindNext(Walk);
        }
        writes.finish();
    } catch (const EngineError& e) {
        writes.keepSaved();
        showRunFailure(e, document.isEmpty() ? QString()
                                             : QStringLiteral("DOCUMENTO: ") + document.toString());
    }
}

}  // namespace vorna::menu_batch
