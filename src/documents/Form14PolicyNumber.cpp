#include "documents/DocumentFields.h"
#include "documents/Form14.h"
#include "documents/HeaderLookups.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

#include <array>

namespace vorna::documents {

namespace {

const QString DocumentTypePolicy = QStringLiteral("APOLICE");
const QString DocumentTypeEndorsement = QStringLiteral("ENDOSSO");

// Policies of these lines may share a number with another policy.
constexpr std::array<int, 9> LinesWithoutDuplicateCheck = {811, 812, 871, 872, 911, 912, 913, 914, 916};

bool exemptFromDuplicateCheck(const Variant& line)
{
    if (line.isNull() || line.isEmpty())
        return false;
    bool numeric = false;
    const int code = rt::Trim(rt::CStr(line)).toInt(&numeric);
    return numeric && std::find(LinesWithoutDuplicateCheck.begin(), LinesWithoutDuplicateCheck.end(), code) !=
                          LinesWithoutDuplicateCheck.end();
}

// Stored policy numbers are compared trimmed; the number given is matched as
// written, letter case aside, whatever characters it holds.
QString policyNumberCriteria(const QString& number)
{
    return QStringLiteral("TRIM(APOLICE) LIKE ") + db::quoted(db::likeLiteral(number));
}

// The policy's terms an endorsement starts from, each copied only when stored.
struct TermCopy {
    const char* field;
    const char* control;
    bool commission;  // "0" for a user who may not see commissions
};
constexpr TermCopy PolicyTerms[] = {
    {"CODCLIENTE", "Text9", false},    {"NOMCLIENTE", "Combo5", false}, {"RAMO", "Text4", false},
    {"NOMRAMO", "Combo3", false},      {"SEGURADORA", "Text7", false},  {"NOMSEGURADORA", "Combo4", false},
    {"PCOMISSAO", "MaskEdBox6", true}, {"PDESCONTO", "MaskEdBox10", true}, {"PROD1", "Text18", false},
    {"PROD2", "Text25", false},        {"PROD3", "Text26", false},      {"PROD4", "Text32", false},
    {"PROD5", "Text33", false},        {"PREP1", "MaskEdBox12", true},  {"PREP2", "MaskEdBox13", true},
    {"PREP3", "MaskEdBox14", true},    {"PREP4", "MaskEdBox75", true},  {"PREP5", "MaskEdBox77", true},
};

void putText(QWidget& window, const char* name, const QString& text)
{
    QWidget& target = control<QWidget>(window, name);
    if (auto* list = qobject_cast<ui::PickList*>(&target))
        list->setText(text);
    else if (auto* masked = qobject_cast<ui::MaskEdBox*>(&target))
        masked->setText(text);
    else
        control<ui::TextBox>(window, name).setText(text);
}

}  // namespace

void Form14::Text2_LostFocus()
{
    const QString typed = ui->Text2->text();
    const QString number = rt::Trim(typed);
    const QString type = ui->Combo2->Text();
    if (number.isEmpty()) {
        if (type == DocumentTypeEndorsement)
            msg::notFound(QStringLiteral("ENDOSSO SEM APÓLICE"));
        return;
    }
    db::Recordset& documents = recordsets_->DOCUMENTOS;
    KeepPosition keep(documents);
    ProgramState& program = vorna::state();
    try {
        if (type == DocumentTypePolicy && values_.ShownPolicyNumber == Variant(QStringLiteral(" "))) {
            documents.FindFirst(policyNumberCriteria(typed) + QStringLiteral(" AND TRIM(TIPO) = 'A'"));
            if (!documents.NoMatch() && !exemptFromDuplicateCheck(documents.field(QStringLiteral("RAMO")))) {
                msg::notFound(QStringLiteral(
                                  "JÁ EXISTE UM DOCUMENTO COM ESTE NÚMERO DE APÓLICE! O NÚMERO DO DOCUMENTO NO VORNA É: ") +
                              rt::CStr(documents.field(QStringLiteral("PROPOSTA"))));
                ui->Text2->setText(QStringLiteral(" "));
                return;
            }
        }
        if (type != DocumentTypeEndorsement)
            return;

        documents.FindFirst(policyNumberCriteria(number));
        if (documents.NoMatch()) {
            msg::notFound(QStringLiteral("APÓLICE NAO ENCONTRADA"));
            program.document.OperationMarker = Variant(QStringLiteral("5"));
            return;
        }
        if (!ViewingRulesAllow(OwnerOfCurrentDocument()))
            return;
        program.document.OperationMarker = Variant(QStringLiteral("2"));
        ui->Text2->setText(rt::CStr(documents.field(QStringLiteral("APOLICE"))));
        const Variant source = documents.field(QStringLiteral("PROPOSTA"));
        values_.PrefillPolicyNumber = rt::CLng(source);
        ui->Text15->setText(rt::CStr(source));
        program.document.SourceDocumentNumber = rt::CLng(source);
        ui->Text23->setText(rt::CStr(documents.field(QStringLiteral("FILIAL"))));
        CopyPolicyTerms();
    } catch (const EngineError&) {
        // A value that cannot be read ends the entry; what was copied stays.
    }
}

// Also formats the end date; the mask is off while the date goes in.
void Form14::CopyPolicyTerms()
{
    const db::Recordset& documents = recordsets_->DOCUMENTOS;
    const Session& session = vorna::state().session;
    const bool commissionsHidden = session.AccessLevelWord == level::Minimum || session.hasRight(Right::OCU);
    for (const TermCopy& term : PolicyTerms) {
        const Variant value = documents.field(QLatin1String(term.field));
        if (value.isNull())
            continue;
        putText(*this, term.control, term.commission && commissionsHidden ? QStringLiteral("0") : rt::CStr(value));
    }
    const Variant end = documents.field(QStringLiteral("VIGENCIAFINAL"));
    if (!end.isNull()) {
        ui->MaskEdBox7->setMask(QString());
        ui->MaskEdBox7->setText(rt::Format(end, QStringLiteral("dd/mm/yyyy")));
        ui->MaskEdBox7->setMask(QStringLiteral("##/##/####"));
    }
}

}  // namespace vorna::documents
