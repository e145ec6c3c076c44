#include "menu_batch/ProductionSummary.h"

#include "menu_batch/ClientWalk.h"
#include "platform/runtime/EngineError.h"

#include <limits>

namespace vorna::menu_batch {

void ClientProduction::add(const Variant& status, const Variant& premium, const Variant& commissionValue,
                           const Variant& passOnValue)
{
    if (!(status == Variant("V")))
        return;
    if (documents == std::numeric_limits<int16_t>::max())
        throw EngineError(err::Overflow, QStringLiteral("Overflow"));
    netPremium += premium.toDouble();
    commission += commissionValue.toDouble();
    passOn += passOnValue.toDouble();
    ++documents;
}

void BuildProductionSummary(MenuTables& t)
{
    BusyCursor busy;
    t.clearLabelTable();
    BatchedWrites writes(t.database);
    walkClients(t, writes, {}, [&](const Variant& client) {
        const QString criteria = codeCriteria(QStringLiteral("CODCLIENTE"), client);
        ClientProduction sums;
        for (t.documents.FindFirst(criteria); !t.documents.NoMatch(); t.documents.FindNext(criteria))
            sums.add(t.documents.field(QStringLiteral("VIGENTE")), t.documents.field(QStringLiteral("PREMIOLIQ")),
                     t.documents.field(QStringLiteral("VCOMISSAO")), t.documents.field(QStringLiteral("VREPASSE")));
        if (sums.documents == 0)
            return;
        writes.beforeWrite();
        t.labels.AddNew();
        t.labels.setField(QStringLiteral("CODIGO"), client);
        t.labels.setField(QStringLiteral("NOME"), t.clients.field(QStringLiteral("NOME")));
        t.labels.setField(QStringLiteral("PROD1"), t.clients.field(QStringLiteral("PRODUTOR")));
        t.labels.setField(QStringLiteral("PREMIO"), Variant(sums.netPremium));
        t.labels.setField(QStringLiteral("COMITOT"), Variant(sums.commission));
        t.labels.setField(QStringLiteral("COMIREC"), Variant(sums.passOn));
        t.labels.setField(QStringLiteral("PARCELAS"), t.clients.field(QStringLiteral("FILIAL")));
        t.labels.setField(QStringLiteral("CIA"), Variant::integer(sums.documents));
        t.labels.Update();
        writes.rowWritten();
    });
}

}  // namespace vorna::menu_batch
