#include "menu_batch/BatchWrites.h"

#include "common/MessageTexts.h"
#include "platform/dialogs/Dialogs.h"

#include <QCursor>
#include <QGuiApplication>

namespace vorna::batch {

BusyCursor::BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

BusyCursor::~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }

BatchedWrites::BatchedWrites(db::Database db, int rowsPerTransaction)
    : db_(std::move(db)), perTransaction_(rowsPerTransaction > 0 ? rowsPerTransaction : 1)
{
}

void BatchedWrites::beforeWrite()
{
    if (!open_)
        open_.emplace(db_);
}

void BatchedWrites::afterWrite()
{
    if (++rows_ >= perTransaction_)
        commit();
}

void BatchedWrites::commit()
{
    if (!open_)
        return;
    rows_ = 0;
    try {
        open_->commit();
    } catch (...) {
        open_.reset();   // a failed commit has undone the group: none stays open
        throw;
    }
    open_.reset();
}

void BatchedWrites::keepWrittenRows() noexcept
{
    try {
        commit();
    } catch (const EngineError&) {
        // The group was already undone by the failure; nothing more to keep.
    }
}

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
        writes.commit();
    } catch (const EngineError& e) {
        writes.keepWrittenRows();
        showRunFailure(e, client.isEmpty() ? QString() : QStringLiteral("CLIENTE: ") + client.toString());
        return false;
    }
    return true;
}

}  // namespace vorna::batch
