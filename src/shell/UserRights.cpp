#include "shell/UserRights.h"

#include "common/ProgramState.h"
#include "platform/database/CriteriaText.h"
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"
#include "platform/runtime/Runtime.h"

#include <exception>

namespace vorna::shell {

namespace {

// The rights in the order the look-up copies them.
constexpr Right CopyOrder[RightCount] = {
    Right::ICC, Right::ACC, Right::CCC, Right::ECC, Right::PCC, Right::ICN, Right::ACN, Right::CCN,
    Right::ECN, Right::PCN, Right::ICD, Right::ACD, Right::CCD, Right::ECD, Right::PCD, Right::ICS,
    Right::ACS, Right::CCS, Right::ECS, Right::PCS, Right::ICP, Right::ACP, Right::CCP, Right::ECP,
    Right::PCP, Right::ICU, Right::ACU, Right::CCU, Right::ECU, Right::ACW, Right::ACR, Right::CCR,
    Right::ECR, Right::ICR, Right::ICA, Right::ACA, Right::CCA, Right::PCA, Right::CGE, Right::PRM,
    Right::PEM, Right::PRA, Right::PRF, Right::OCU, Right::BXR};

}  // namespace

void ClearLoggedInUser()
{
    ProgramState& s = state();
    s.session.UserIdent = 0;
    s.session.UserIdentification = Variant();
    s.session.UserDisplayName.clear();
    for (Variant& r : s.session.UserRights)
        r = Variant();
}

UserLookup LookUpUser(const db::Database& mainDatabase, const QString& identification)
{
    // Whatever an earlier look-up found belongs to someone else.
    ClearLoggedInUser();
    ProgramState& s = state();
    try {
        if (!mainDatabase.isOpen())
            return UserLookup::NotFound;
        db::Recordset users = mainDatabase.openRecordset(QStringLiteral("USUARIOS"));
        users.FindFirst(db::equalsCriteria(QStringLiteral("NOME"), identification));
        if (users.NoMatch())
            return UserLookup::NotFound;

        const Variant ident = users.field(QStringLiteral("IDENT"));
        const Variant name = users.field(QStringLiteral("NOME"));
        const Variant displayName = users.field(QStringLiteral("USUA"));
        std::array<Variant, RightCount> rights;
        for (Right r : CopyOrder) {
            const Variant v = users.field(QLatin1String(RightFields[size_t(r)]));
            if (!v.isNull())
                rights[size_t(r)] = v;
        }
        if (rights[size_t(Right::BXR)].isEmpty())
            rights[size_t(Right::BXR)] = Variant("N");

        // Nothing is taken until the whole row has been read.
        const int32_t code = ident.isNull() ? 0 : rt::CLng(ident);
        const QString shownName = displayName.isNull() ? QString() : rt::CStr(displayName);
        s.session.UserIdent = code;
        s.session.UserIdentification = name.isNull() ? Variant() : name;
        s.session.UserDisplayName = shownName;
        s.session.UserRights = rights;
        return UserLookup::Found;
    } catch (const std::exception&) {
        // A look-up that cannot be made lets nobody in.
        ClearLoggedInUser();
        return UserLookup::NotFound;
    }
}

}  // namespace vorna::shell
