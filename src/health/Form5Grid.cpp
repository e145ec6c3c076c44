// The window's grid searches: the documents of a stipulant, whose pick puts a
// policy number into the policy box, and the two address searches whose
// buttons lie outside the window.
#include "health/Form5.h"

#include "common/ClientAddressSearch.h"
#include "common/MessageTexts.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace health {

void Form5::connectGridSearches()
{
    GridSearchDesign policies;
    policies.grid = ui->MSFlexGrid1;
    policies.box = ui->Text34;
    policies.criteria = GridSearch::contains(QStringLiteral("NOMCLIENTE"));
    policies.columns = {
        {QStringLiteral("Estipulante"), QStringLiteral("NOMCLIENTE"), 3000},
        {QStringLiteral("Código"), QStringLiteral("PROPOSTA"), 1600},
        {QStringLiteral("Apólice"), QStringLiteral("APOLICE"), 1600},
        {QStringLiteral("Vigência Inicial"), QStringLiteral("VIGENCIAINICIAL"), 1600},
    };
    policies.rows = 1000;
    policies.place = QRect(15, 1680, 11680, 2145);
    policies.errorText = msg::NoMoreRecords;
    policies.blankText = msg::EnterStipulantFirst;
    policies.noMatchText = QStringLiteral("ESTIPULANTES NÃO ENCONTRADOS");
    policies.keyColumn = 1;
    policies.keyField = QStringLiteral("PROPOSTA");
    policies.notFoundText = QStringLiteral("DOCUMENTO NAO ENCONTRADO");
    policies.picked = [this] {
        const Variant policy = documents_->field(QStringLiteral("APOLICE"));
        if (!policy.isNull())
            ui->Text42->setText(rt::CStr(policy));
    };
    policies.shownByPick = ui->Frame3D2;
    ownUntilUnload(policySearch_, std::make_unique<GridSearch>(*documents_, std::move(policies)));

    // The client table's columns: the participant table has only NOME and
    // CODIGO of them, so these searches end on the engine's error.
    const auto address = [this](QWidget* box, const char* field) {
        GridSearchDesign design = clientAddressSearch(ui->MSFlexGrid1, box, QLatin1String(field));
        design.noMatchText = msg::ParticipantRowsNotFound;
        return std::make_unique<GridSearch>(participant_->recordset(), std::move(design));
    };
    ownUntilUnload(businessAddressSearch_, address(ui->Text9, "END-COMERCIAL"));
    ownUntilUnload(homeCitySearch_, address(ui->Text5, "CID-RESIDENCIA"));
}

void Form5::Command3D23_Click() { policySearch_->search(); }

// Every row of the grid is picked as a document, whichever search listed it.
void Form5::MSFlexGrid1_Click() { policySearch_->pick(); }

void Form5::Command3D15_Click() { businessAddressSearch_->search(); }
void Form5::Command3D22_Click() { homeCitySearch_->search(); }

}  // namespace health

}  // namespace vorna
