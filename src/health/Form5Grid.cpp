// The window's grid searches: the documents of a stipulant, whose pick puts a
// policy number into the policy box, and the two address searches whose
// buttons lie outside the window.
#include "health/Form5.h"

#include "platform/runtime/Runtime.h"

namespace vorna {

namespace {

const QString NoMoreRecords = QStringLiteral("NÃO HÁ MAIS REGISTROS CADASTRADOS");
// The client table's columns: the participant table has only NOME and CODIGO of
// them, so these searches end on the engine's error.
const std::vector<GridColumn> ClientColumns = {
    {QStringLiteral("Cliente"), QStringLiteral("NOME"), 3000},
    {QStringLiteral("Código"), QStringLiteral("CODIGO"), 600},
    {QStringLiteral("End.Residencial"), QStringLiteral("END-RESIDENCIA"), 3000},
    {QStringLiteral("Cidade Resid."), QStringLiteral("CID-RESIDENCIA"), 1400},
    {QStringLiteral("End.Comercial"), QStringLiteral("END-COMERCIAL"), 3000},
    {QStringLiteral("Cidade Comerc."), QStringLiteral("CID-COMERCIAL"), 1400},
    {QStringLiteral("Tel.Residencial"), QStringLiteral("TEL-RESIDENCIA"), 1200},
    {QStringLiteral("Tel.Comercial"), QStringLiteral("TEL-COMERCIAL"), 1200},
    {QStringLiteral("Fax"), QStringLiteral("TEL-COMERCIAL2"), 1200},
    {QStringLiteral("Celular"), QStringLiteral("CELULAR"), 1200},
    {QStringLiteral("Tel.Comercial2"), QStringLiteral("TELCOMERCIAL3"), 1200},
};

}  // namespace

namespace health {

void Form5::connectGridSearches()
{
    GridSearchSpec policies;
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
    policies.errorText = NoMoreRecords;
    policies.blankText = QStringLiteral("DIGITE PRIMEIRO O ESTIPULANTE A SER PESQUISADO!");
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

    const auto address = [this](QWidget* box, const char* field) {
        GridSearchSpec spec;
        spec.grid = ui->MSFlexGrid1;
        spec.box = box;
        spec.criteria = GridSearch::contains(QLatin1String(field));
        spec.columns = ClientColumns;
        spec.rows = 1000;
        spec.place = QRect(30, 6195, 11640, 2445);
        spec.errorText = NoMoreRecords;
        spec.blankText = QStringLiteral("DIGITE PRIMEIRO O ENDEREÇO A SER PESQUISADO!");
        spec.noMatchText = QStringLiteral("VIDASAU NÃO ENCONTRADOS");
        return std::make_unique<GridSearch>(participant_->recordset(), std::move(spec));
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
