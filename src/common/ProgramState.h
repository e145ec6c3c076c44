#pragma once
#include "platform/database/Database.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

namespace vorna {

// The 45 rights of a user, in the order the users window lays them out; each is
// also the name of its field in USUARIOS.
enum class Right : int {
    ICC, ACC, CCC, ECC, PCC,   // Cadastro de Clientes
    ICN, ACN, CCN, ECN, PCN,   // Cadastro de Não-Clientes
    ICD, ACD, CCD, ECD, PCD,   // Cadastro de Documentos
    ICS, ACS, CCS, ECS, PCS,   // Cadastro de Sinistros
    ICP, ACP, CCP, ECP, PCP,   // Cadastro de Contas a Pagar
    ICU, ACU, CCU, ECU,        // Cadastro de Usuários
    ACW,                       // Cadastro de Senhas
    ICR, ACR, CCR, ECR,        // Cadastro de Ramos
    ICA, ACA, CCA, PCA,        // Cadastro de Agendamentos
    CGE, PRM, PEM, PRA, PRF,   // graphs and reports
    OCU,                       // "S" hides commissions and forbids altering documents
    BXR,                       // stored only
};
inline constexpr int RightCount = 45;
inline constexpr std::array<const char*, RightCount> RightFields = {
    "ICC", "ACC", "CCC", "ECC", "PCC", "ICN", "ACN", "CCN", "ECN", "PCN", "ICD", "ACD",
    "CCD", "ECD", "PCD", "ICS", "ACS", "CCS", "ECS", "PCS", "ICP", "ACP", "CCP", "ECP",
    "PCP", "ICU", "ACU", "CCU", "ECU", "ACW", "ICR", "ACR", "CCR", "ECR", "ICA", "ACA",
    "CCA", "PCA", "CGE", "PRM", "PEM", "PRA", "PRF", "OCU", "BXR"};
static_assert(int(Right::BXR) + 1 == RightCount);

// The position of a right by its field name (any letter case); -1 when none.
int rightIndex(QStringView field);

// The words of the three access levels.
namespace level {
inline const QString Total = QStringLiteral("TOLVEN");    // level 1, "Prioridade Total"
inline const QString Medium = QStringLiteral("PIRUSK");   // level 2, "Prioridade Média"
inline const QString Minimum = QStringLiteral("VEXA");    // level 3, "Prioridade Mínima"
}  // namespace level

// Why a window is opened (`CallerCode`). Codes not listed mean a normal opening.
namespace caller {
inline constexpr int Normal = 0;
// Owner kind of the attachments window.
inline constexpr int AttachmentsOfDocument = 1;
inline constexpr int AttachmentsOfClient = 2;
inline constexpr int AttachmentsOfEvent = 3;
// Period report dialog selectors.
inline constexpr int PendingPaymentsReport = 2;
inline constexpr int PaidProceduresReport = 3;
inline constexpr int IncludedEventsReport = 4;
inline constexpr int DeniedEventsReport = 5;
inline constexpr int EventsByPolicyReport = 6;
inline constexpr int EventsByCardReport = 7;
// From a document to its client (participant, event) and back to the same document.
inline constexpr int ClientFromDocument = 555;
// Register a record and hand it back to the document window; nothing a user does sets it.
inline constexpr int RegisterForDocument = 1414;
// Set before showing windows this system does not have; nothing reads them.
inline constexpr int ContactHistory = 48;
inline constexpr int Claims = 444;
inline constexpr int UsageLogScreen = 445;
// Compared by the record windows, set by nothing.
inline constexpr int Unreached23 = 23;
inline constexpr int Unreached142 = 142;
inline constexpr int Unreached222 = 222;
inline constexpr int Unreached223 = 223;
inline constexpr int Unreached777 = 777;
inline constexpr int Unreached999 = 999;
inline constexpr int Unreached1514 = 1514;
inline constexpr int Unreached1614 = 1614;
inline constexpr int Unreached1814 = 1814;
}  // namespace caller

// The logged-in user: level, identification and rights, set at login.
struct Session {
    QString AccessLevelWord;              // level::Total, Medium, Minimum; empty until a code matched
    int32_t UserIdent = 0;
    Variant UserIdentification;
    QString UserDisplayName;
    std::array<Variant, RightCount> UserRights;
    Variant DocumentOwner;

    Variant& right(Right r) { return UserRights[size_t(r)]; }
    const Variant& right(Right r) const { return UserRights[size_t(r)]; }
    // A right by its field name; throws std::invalid_argument for a name that is no right.
    Variant& right(QStringView field);
    const Variant& right(QStringView field) const;
    // The right's copy holds exactly "S". For OCU and BXR "S" is the restrictive reading.
    bool hasRight(Right r) const;
};

// Copies of the settings record and the operation passwords, read at start-up.
struct SettingsCopies {
    QString CompanyName;
    int32_t BranchNumber = 0;
    Variant CostOption;
    Variant MailProgramOption;
    Variant WindowsLanguageOption;
    double IofRateLife = 0;
    double IofRateHealth = 0;
    double IofRateProperty = 0;
    Variant DeletionPassword;
    Variant CommissionChangePassword;
    Variant SettlementPassword;
    Variant ProducerChangePassword;
};

// Values one window leaves for the next it opens; `CallerCode` holds a `caller::` code.
struct HandOver {
    Variant CallerCode;
    Variant SecondCallerCode;
    Variant ThirdCallerCode;
    Variant PassedRecordCode;
    QString PassedRecordName;
    int32_t ReturnFlag = 0;
    int32_t AttachmentOwnerKey = 0;
    int32_t ReturnDocumentNumber = 0;
    int32_t ReturnDocumentBranch = 0;
    int32_t SettlementDocumentNumber = 0;

    // The client the client window hands to the contact-history window, with
    // `CallerCode` 48; no window of this program reads them.
    int32_t ContactHistoryClientCode = 0;
    QString ContactHistoryClientName;

    // The document an insured-item window would take over from the document
    // window's "Finaliza Gravação"; no window of this program reads them.
    // Kind "1": the items of the document in PassedRecordCode; "2": of the
    // endorsement in HandOverDocumentNumber, of the policy in PassedRecordCode.
    QString HandOverDocumentKind;
    Variant HandOverDocumentNumber;
    QString HandOverLineName;
    // The line of business from "Finaliza Gravação"; 45 from the label routines.
    Variant HandOverCode;
};

// Values of the document window kept program-wide.
struct DocumentValues {
    int32_t SourceDocumentNumber = 0;
    Variant OperationMarker;
    int32_t NewDocumentNumber = 0;
    int32_t LastDocumentNumber = 0;
    int32_t ClaimProcessNumber = 0;
    int32_t LastProducerCode = 0;

    // The line of business of the document whose proposal the client window
    // prints, as the document window's line-of-business box held it.
    Variant EmissionLineOfBusiness;

    // Handed over by "Emissões e Certificados" for a certificates window this
    // system does not have: the document's first twelve instalments (due date,
    // value as text; empty text where none) and its identification.
    std::array<Variant, 12> CertificateDueDates{};
    std::array<Variant, 12> CertificateInstalmentValues{};
    QString CertificateDocumentKind;
    QString PassedProductLine;
    QString CertificateDocumentNumber;
    QString CertificateOriginalText;
    int32_t CertificateBranch = 0;
};

// Everything the windows share while the program runs. Every window reads and
// sets these directly; a later subsystem adds its own values to its group.
// Every value starts empty (a variant Empty, a text empty, a number 0, a
// connection unset).
struct ProgramState {
    // Database connections.
    db::Database MainDatabase;            // VORNA.MDB of the executable's folder
    db::Database QuotationDatabase;       // ATIBERA.MDB
    db::Database PostalCodeDatabase;      // RERUDEVA.MDB
    db::Database BackupSettingsDatabase;  // SALVA.MDB

    Session session;
    SettingsCopies settings;
    HandOver handOver;
    DocumentValues document;

    // Counts for the backup reminder.
    Variant ClientCount;
    Variant DocumentCount;

    // The start-up error message.
    Variant MessageText;

    // Back to the state of a program that just started (tests).
    void reset();
};

// The one program-wide state.
ProgramState& state();

}  // namespace vorna
