#include "menu_batch/ClientTotals.h"

namespace vorna::menu_batch {

namespace {

double amount(const Variant& v) { return v.isNull() || v.isEmpty() ? 0.0 : v.toDouble(); }

void add(Variant& figure, double value) { figure = Variant(amount(figure) + value); }
void count(Variant& figure) { figure = Variant(figure.toLong() + 1); }

}  // namespace

void addDocumentToTotals(ClientPolicyTotals& totals, const Variant& type, const Variant& status,
                         const Variant& netPremium, const Variant& commission)
{
    count(totals.ClientDocumentCount);
    if (!(type == Variant("A")))
        return;
    add(totals.ClientPolicyPremium, amount(netPremium));
    add(totals.ClientPolicyCommission, amount(commission));
    if (!(status == Variant("V")))
        return;
    count(totals.ClientInForceCount);
    add(totals.ClientInForcePremium, amount(netPremium));
    totals.ClientInForceCommission += commission.toDouble();
}

void ComputeClientPolicyTotals(int32_t clientCode, db::Recordset& documents, ClientPolicyTotals& totals)
{
    totals = ClientPolicyTotals{Variant(0), Variant(0), Variant(0), Variant(0), Variant(0), 0.0};
    const QString criteria = QStringLiteral("CODCLIENTE = ") + QString::number(clientCode);
    for (documents.FindFirst(criteria); !documents.NoMatch(); documents.FindNext(criteria)) {
        addDocumentToTotals(totals, documents.field(QStringLiteral("TIPO")), documents.field(QStringLiteral("VIGENTE")),
                            documents.field(QStringLiteral("PREMIOLIQ")), documents.field(QStringLiteral("VCOMISSAO")));
    }
}

}  // namespace vorna::menu_batch
