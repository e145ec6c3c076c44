// The instalment rows a document lacks, added from its header alone.
#include "documents/Form14.h"
#include "documents/instalments/MonthChains.h"

#include "common/ProgramState.h"
#include "platform/runtime/Runtime.h"

#include <vector>

namespace vorna::documents {

namespace {

constexpr int kInstalments = instalments::InstalmentValues::kInstalments;
constexpr int kProducers = instalments::InstalmentValues::kProducers;

QString numbered(const char* field, int j) { return QString::fromLatin1(field) + QString::number(j); }

}  // namespace

// Each instalment number is looked up with an exact find of that document's
// row, so a row stored out of order still counts as present. The numbers found
// missing are looked up again inside the transaction, which holds the write
// lock, so a row another workstation added meanwhile is not added twice.
void Form14::RegenerateMissingInstalments()
{
    const db::Recordset& document = recordsets_->DOCUMENTOS;
    db::Recordset& rows = recordsets_->PARCELAS;
    const int32_t number = rt::CLng(document.field(QStringLiteral("PROPOSTA")));
    const QString criteria = QStringLiteral("PROPOSTA = %1 AND NUMERO = ").arg(number);
    const auto lacks = [&](int k) {
        rows.FindFirst(criteria + QString::number(k));
        return rows.NoMatch();
    };

    std::vector<int> missing;
    for (int k = 1; k <= kInstalments; ++k)
        if (lacks(k))
            missing.push_back(k);
    if (missing.empty())
        return;

    const Variant requestDate = document.field(QStringLiteral("SOLICITACAO"));
    const bool dated = !requestDate.isNull() && !requestDate.isEmpty();
    auto transaction = vorna::state().MainDatabase.transaction();
    for (int k : missing)
        if (lacks(k))
            AddMissingInstalment(k, dated ? instalments::monthsFrom(requestDate, k) : Variant::null());
    transaction.commit();
}

// Within the count the instalment is written as due, received and passed on,
// one n-th of each header total; above it with zero amounts and no dates.
void Form14::AddMissingInstalment(int32_t number, const Variant& dueDate)
{
    const db::Recordset& document = recordsets_->DOCUMENTOS;
    const auto header = [&](const QString& field) { return document.field(field); };
    const int32_t count = rt::CLng(header(QStringLiteral("PARCELAS")));
    const bool withinCount = count >= number;

    // Read in full before the row is begun, so a value that does not convert
    // leaves nothing pending.
    double commission = 0.0, passOn = 0.0, premium = 0.0;
    std::array<double, kProducers> producerPassOns{};
    std::array<Variant, kProducers> producers{};
    if (withinCount) {
        commission = rt::CDbl(header(QStringLiteral("VCOMISSAO"))) / count;
        passOn = rt::CDbl(header(QStringLiteral("VREPASSE"))) / count;
        for (int j = 1; j <= kProducers; ++j) {
            producers[j - 1] = header(numbered("PROD", j));
            producerPassOns[j - 1] = rt::CDbl(header(numbered("VREP", j))) / count;
        }
        premium = rt::CDbl(header(QStringLiteral("PREMIOBRUTO"))) / count;
    }

    db::Recordset& rows = recordsets_->PARCELAS;
    rows.AddNew();
    rows[QStringLiteral("FILIAL")] = Variant(1);
    rows[QStringLiteral("PROPOSTA")] = header(QStringLiteral("PROPOSTA"));
    rows[QStringLiteral("NUMERO")] = Variant(number);
    if (withinCount && !dueDate.isNull()) {
        rows[QStringLiteral("DV1")] = dueDate;
        rows[QStringLiteral("DP1")] = dueDate;
        rows[QStringLiteral("DR1")] = dueDate;
    }
    rows[QStringLiteral("VV1")] = Variant(commission);
    rows[QStringLiteral("VP1")] = Variant(commission);
    rows[QStringLiteral("VR1")] = Variant(passOn);
    if (withinCount)
        for (int j = 1; j <= kProducers; ++j)
            rows[numbered("P", j)] = producers[j - 1];
    for (int j = 1; j <= kProducers; ++j)
        rows[numbered("R", j)] = Variant(producerPassOns[j - 1]);
    rows[QStringLiteral("VALOR")] = Variant(premium);
    rows.Update();
}

}  // namespace vorna::documents
