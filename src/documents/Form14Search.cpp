// "Consultar" and the window's grid searches: documents by number, by client
// name, by part of the policy number and by pending matters. The grid pick
// reads ResultGridMode and the document number of column 3.
#include "documents/Form14.h"

#include "common/GridSearch.h"
#include "common/MessageTexts.h"
#include "platform/controls/FlexGrid.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

const QString EnterPolicy = QStringLiteral("DIGITE PRIMEIRO A APÓLICE A SER PESQUISADA!");
const QString EnterClient = QStringLiteral("ENCONTRE PRIMEIRO O CLIENTE A SER PESQUISADO!");
const QString NoDocuments = QStringLiteral("DOCUMENTOS NÃO ENCONTRADOS");
const QString NoRegisteredRows = QStringLiteral("NÃO HÁ REGISTROS CADASTRADOS");
const QString DocumentNotFound = QStringLiteral("DOCUMENTO NAO ENCONTRADO");
const QString BranchOnlyNotice =
    QStringLiteral("NESTE TIPO DE CONSULTA SÓ SERÃO IDENTIFICADOS OS DOCUMENTOS DESTA FILIAL");

// The columns every listing shows; the name listing calls the line of business
// "Plano" and the insurer "Operadora", the policy searches "Ramo" and "Seguradora".
std::vector<GridColumn> documentColumns(const char* lineCaption, const char* insurerCaption)
{
    return {
        {QStringLiteral("Cliente"), QStringLiteral("NOMCLIENTE"), 3000},
        {QStringLiteral("Apólice"), QStringLiteral("APOLICE"), 1600},
        {QStringLiteral("Endosso"), QStringLiteral("ENDOSSO"), 800},
        {QStringLiteral("Docum."), QStringLiteral("PROPOSTA"), 800},
        {QStringLiteral("Vig.Inicial"), QStringLiteral("VIGENCIAINICIAL"), 1000},
        {QStringLiteral("Vig.Final"), QStringLiteral("VIGENCIAFINAL"), 1000},
        {QStringLiteral("SIT"), QStringLiteral("VIGENTE"), 400},
        {QStringLiteral("Tipo"), QStringLiteral("TIPO"), 400},
        {QString::fromUtf8(lineCaption), QStringLiteral("NOMRAMO"), 1600},
        {QString::fromUtf8(insurerCaption), QStringLiteral("NOMSEGURADORA"), 1200},
        {QStringLiteral("Anexos"), QStringLiteral("ANEXO1"), 600,
         [](const Variant&) { return QStringLiteral("SIM"); }, QStringLiteral("NÃO")},
    };
}

std::vector<GridColumn> withPendingMatters(std::vector<GridColumn> columns, int pendingWidth)
{
    columns.push_back({QStringLiteral("Pendências"), QStringLiteral("PENDE"), pendingWidth});
    columns.push_back({QStringLiteral("Interno"), QStringLiteral("INTERNO"), 800});
    return columns;
}

}  // namespace

// Every listing keeps the grid where the window put it, with one caption row,
// and leaves the document number in column 3 for the pick.
bool Form14::listDocuments(GridSearchDesign design)
{
    design.grid = ui->MSFlexGrid1;
    design.fixedRows = 1;
    design.keyColumn = 3;
    design.keyField = QStringLiteral("PROPOSTA");
    design.noMatchText = NoDocuments;
    return GridSearch(recordsets_->DOCUMENTOS, std::move(design)).search();
}

void Form14::Command3D4_Click()
{
    ui->Frame1->setVisible(false);
    if (!rt::Trim(ui->Text1->text()).isEmpty()) {
        // By number, in any branch: the first row with it.
        db::Recordset& documents = recordsets_->DOCUMENTOS;
        const std::optional<QString> number = db::wholeNumber(ui->Text1->text());
        if (number) {
            documents.FindFirst(QStringLiteral("PROPOSTA = ") + *number);
            if (!documents.NoMatch()) {
                ShowDocument();
                return;
            }
        }
        msg::notFound(DocumentNotFound);
        for (QWidget* button : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D15, ui->Command3D20,
                                                               ui->Command3D16, ui->Command3D22, ui->Command3D11})
            button->setEnabled(false);
        ui->Frame3D2->setEnabled(true);
        return;
    }

    GridSearchDesign design;
    design.box = ui->Combo5;
    design.criteria = GridSearch::containsPattern(QStringLiteral("NOMCLIENTE"));
    design.columns = withPendingMatters(documentColumns("Plano", "Operadora"), 1600);
    design.rows = 700;
    design.backwards = true;
    design.errors = GridSearchDesign::Errors::SkipFailedSteps;
    design.blankText = EnterClient;
    design.started = [this] {
        // No client identified: the listing still takes every branch.
        if (rt::Trim(ui->Text10->text()).isEmpty())
            msg::notice(BranchOnlyNotice);
        for (QWidget* button : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D14, ui->Command3D15,
                                                               ui->Command3D16, ui->Command3D20, ui->Command3D11})
            button->setEnabled(false);
        values_.ResultGridMode = 1;
    };
    design.noMatch = [this] {
        ui->Command3D4->setEnabled(true);
        ui->Command3D14->setEnabled(true);
    };
    listDocuments(std::move(design));
}

void Form14::Command3D18_Click()
{
    GridSearchDesign design;
    design.box = ui->Text2;
    design.criteria = GridSearch::containsPattern(QStringLiteral("APOLICE"), QStringLiteral("TIPO = 'A'"));
    design.columns = documentColumns("Ramo", "Seguradora");
    design.rows = 400;
    design.blankText = EnterPolicy;
    design.errorText = NoRegisteredRows;
    design.started = [this] { values_.ResultGridMode = 2; };
    listDocuments(std::move(design));
}

void Form14::Command3D27_Click()
{
    GridSearchDesign design;
    design.box = ui->Text2;
    design.criteria = GridSearch::containsPattern(QStringLiteral("APOLICE"));
    design.columns = documentColumns("Ramo", "Seguradora");
    design.rows = 400;
    design.blankText = EnterPolicy;
    design.errorText = NoRegisteredRows;
    design.started = [this] {
        values_.ResultGridMode = 3;
        ui->Frame1->setVisible(false);
    };
    listDocuments(std::move(design));
}

// Newest first: from the last match backwards.
void Form14::Command3D29_Click()
{
    GridSearchDesign design;
    design.box = ui->Text34;
    design.criteria = GridSearch::containsPattern(QStringLiteral("PENDE"));
    design.columns = withPendingMatters(documentColumns("Ramo", "Seguradora"), 3600);
    design.rows = 600;
    design.backwards = true;
    design.errors = GridSearchDesign::Errors::SkipFailedSteps;
    design.blankText = EnterClient;
    design.started = [this] { values_.ResultGridMode = 1; };
    listDocuments(std::move(design));
}

}  // namespace vorna::documents
