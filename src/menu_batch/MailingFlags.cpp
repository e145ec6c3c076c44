#include "menu_batch/MailingFlags.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "menu_batch/ClientWalk.h"
#include "platform/dialogs/Dialogs.h"

#include <unordered_set>

namespace vorna::menu_batch {

namespace {

const QString NoPrinting = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE IMPRESSÃO DESTE RELATÓRIO");
const QString TakesMinutes = QStringLiteral("Esta rotina poderá levar alguns minutos, aguarde o término por favor.");
const QString Done = QStringLiteral("TAREFA ENCERRADA!");
const QString PoliciesInForce = QStringLiteral("TIPO = 'A' and VIGENTE = 'V'");

void addCode(MenuTables& t, BatchedWrites& writes, const Variant& code)
{
    writes.beforeWrite();
    t.labels.AddNew();
    t.labels.setField(QStringLiteral("CODIGO"), code);
    t.labels.Update();
    writes.rowWritten();
}

// Step one: the code-0 row, then each client code of a policy in force once.
// A policy without a client names no one and is passed over.
void listClientsWithPolicies(MenuTables& t, BatchedWrites& writes)
{
    addCode(t, writes, Variant(0));
    bool first = true;
    t.documents.FindFirst(PoliciesInForce);
    while (!t.documents.NoMatch()) {
        const Variant client = t.documents.field(QStringLiteral("CODCLIENTE"));
        if (!client.isNull()) {
            bool listed = false;
            if (!first) {
                t.labels.FindFirst(codeCriteria(QStringLiteral("CODIGO"), client));
                listed = !t.labels.NoMatch();
            }
            if (!listed)
                addCode(t, writes, client);
            first = false;
        }
        t.documents.FindNext(PoliciesInForce);
    }
}

// The codes of the label table after its first row (the code-0 row).
std::unordered_set<qint64> listedCodes(db::Recordset& labels)
{
    std::unordered_set<qint64> codes;
    if (labels.RecordCount() == 0)
        return codes;
    labels.MoveFirst();
    if (!labels.EOF())
        labels.MoveNext();
    while (!labels.EOF()) {
        const Variant code = labels.field(QStringLiteral("CODIGO"));
        if (!code.isNull())
            codes.insert(qint64(code.toLong()));
        labels.MoveNext();
    }
    return codes;
}

}  // namespace

void SetClientMailingFlags(MenuTables& t)
{
    if (state().session.AccessLevelWord == level::Medium) {
        msg::refusedByLevel(NoPrinting);
        return;
    }
    dlg::MsgBox(TakesMinutes, dlg::Buttons::Ok, QString(), dlg::Icon::Exclamation);

    BusyCursor busy;
    t.clearLabelTable();
    BatchedWrites writes(t.database);
    std::unordered_set<qint64> active;
    const auto list = [&] {
        listClientsWithPolicies(t, writes);
        writes.finish();
        active = listedCodes(t.labels);
    };
    const auto flag = [&](const Variant& client) {
        const Variant letter(active.count(qint64(client.toLong())) ? "A" : "I");
        if (t.clients.field(QStringLiteral("MALAS")).identical(letter))
            return;
        writes.beforeWrite();
        t.clients.Edit();
        t.clients.setField(QStringLiteral("MALAS"), letter);
        t.clients.Update();
        writes.rowWritten();
    };
    if (!walkClients(t, writes, list, flag))
        return;
    msg::notice(Done);
}

}  // namespace vorna::menu_batch
