#include "menu_batch/ClientWalk.h"

#include "common/MessageTexts.h"
#include "platform/dialogs/Dialogs.h"

namespace vorna::menu_batch {

void showRunFailure(const EngineError& error, const QString& where)
{
    QString text = QStringLiteral("ERRO %1: %2").arg(error.number()).arg(error.text());
    if (!where.isEmpty())
        text += QStringLiteral("\n") + where;
    dlg::MsgBox(text, dlg::Buttons::Ok, msg::TitleAttention);
}

bool walkClients(MenuTables& t, BatchedWrites& writes, const std::function<void()>& first,
                 const std::function<void(const Variant& client)>& visit)
{
    Variant client;
    try {
        if (first)
            first();
        if (t.clients.RecordCount() > 0) {
            for (t.clients.MoveFirst(); !t.clients.EOF(); t.clients.MoveNext()) {
                client = t.clients.field(QStringLiteral("CODIGO"));
                visit(client);
            }
        }
        writes.finish();
    } catch (const EngineError& e) {
        writes.keepSaved();
        showRunFailure(e, client.isEmpty() ? QString() : QStringLiteral("CLIENTE: ") + client.toString());
        return false;
    }
    return true;
}

}  // namespace vorna::menu_batch
