#include "menu_batch/ClientScoring.h"

#include "common/ProgramState.h"
#include "menu_batch/ClientWalk.h"
#include "platform/database/CriteriaText.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Runtime.h"

namespace vorna::menu_batch {

namespace {

bool isVehicleLine(const Variant& line)
{
    return line == Variant(311) || line == Variant(312) || line == Variant(313);
}

bool isOtherLine(const Variant& line)
{
    return line != Variant(311) && line != Variant(312) && line != Variant(313);
}

}  // namespace

void ScoreCounts::add(const Variant& line, const Variant& type, const Variant& status, const Variant& instalments,
                      const Variant& payment, const Variant& commission)
{
    // Read first: a document that stops the run adds nothing.
    const double count = instalments.toInteger();
    const double percentage = commission.toDouble();
    const bool policyInForce = type == Variant("A") && status == Variant("V");
    ++documents;
    if (policyInForce && isVehicleLine(line))
        ++vehiclePolicies;
    if (policyInForce && isOtherLine(line))
        ++otherPolicies;
    if (payment == Variant("S"))
        ++carnet;
    if (payment == Variant("N") || payment == Variant("C"))
        ++debitOrCheque;
    instalmentSum += count;
    commissionSum += percentage;
}

int policyScore(long vehicle, long other)
{
    if (other >= 1)
        return 37;
    if (vehicle == 1)
        return 13;
    if (vehicle >= 2)
        return 23;
    return 0;
}

int instalmentScore(double average)
{
    if (average <= 5)
        return 4;
    if (average <= 8)
        return 7;
    return 12;
}

int paymentScore(long carnet, long debitOrCheque) { return carnet < debitOrCheque ? 2 : 1; }

int commissionScore(double average)
{
    if (average <= 10)
        return 10;
    if (average <= 20)
        return 15;
    return 20;
}

int ageScore(int age)
{
    if (age <= 26)
        return 26;
    if (age <= 36)
        return 35;
    if (age <= 60)
        return 45;
    return 60;
}

int ageInYears(const Variant& birthDate, const QDate& today)
{
    if (birthDate.isNull() || birthDate.isEmpty())
        return 0;
    return today.year() - rt::Year(birthDate);
}

std::array<int, 10> clientScores(const ScoreCounts& c, int age, int claimFlag)
{
    return {0,
            0,
            0,
            0,
            policyScore(c.vehiclePolicies, c.otherPolicies),
            instalmentScore(c.instalmentSum / double(c.documents)),
            paymentScore(c.carnet, c.debitOrCheque),
            commissionScore(c.commissionSum / double(c.documents)),
            ageScore(age),
            claimFlag};
}

void ScoreClients(MenuTables& t)
{
    BusyCursor busy;
    BatchedWrites writes(t.database);
    db::Recordset claims;
    const auto openClaims = [&] { claims = t.database.openRecordset(ClaimsByClient); };
    const auto score = [&](const Variant& client) {
        std::array<int, 10> scores{};
        const QString criteria = codeCriteria(QStringLiteral("CODCLIENTE"), client);
        t.documents.FindFirst(criteria);
        if (!t.documents.NoMatch()) {
            ScoreCounts counts;
            const int age = ageInYears(t.clients.field(QStringLiteral("ANIV")), rt::Clock::today());
            claims.FindFirst(QStringLiteral("CLIENTE LIKE ") + db::quoted(QString::number(client.toLong())));
            const int claimFlag = claims.NoMatch() ? 2 : 1;
            for (; !t.documents.NoMatch(); t.documents.FindNext(criteria))
                counts.add(t.documents.field(QStringLiteral("RAMO")), t.documents.field(QStringLiteral("TIPO")),
                           t.documents.field(QStringLiteral("VIGENTE")), t.documents.field(QStringLiteral("PARCELAS")),
                           t.documents.field(QStringLiteral("CARNET")), t.documents.field(QStringLiteral("PCOMISSAO")));
            scores = clientScores(counts, age, claimFlag);
        }
        writes.beforeWrite();
        t.clients.Edit();
        for (int i = 0; i < 10; ++i)
            t.clients.setField(QStringLiteral("SCO%1").arg(i + 1), Variant(scores[size_t(i)]));
        t.clients.Update();
        writes.rowWritten();
    };
    if (!walkClients(t, writes, openClaims, score))
        return;
    dlg::MsgBox(QStringLiteral("TAREFA ENCERRADA!"));
}

}  // namespace vorna::menu_batch
