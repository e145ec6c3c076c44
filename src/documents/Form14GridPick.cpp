#include "documents/Form14.h"
#include "documents/HeaderLookups.h"

#include "common/GridSearch.h"
#include "common/ProgramState.h"
#include "platform/controls/FlexGrid.h"
#include "platform/runtime/Runtime.h"

#include <algorithm>
#include <optional>

namespace vorna::documents {

namespace {

// Column "Docum." of every listing: the document number.
constexpr int DocumentNumberColumn = 3;
// The columns every listing has.
constexpr int ListedColumns = 11;

enum class PickAction { None, Show, ShowListed, Prefill };

void closeGrid(ui::FlexGrid* grid)
{
    if (grid->Rows() > 1)
        for (int col = 0; col < std::min(ListedColumns, grid->Cols()); ++col)
            grid->setTextMatrix(1, col, QString());
    grid->setRows(1);
    grid->setCols(1);
    grid->setVisible(false);
}

}  // namespace

// The row picked is found again by its number: one deleted since it was
// listed gives the not-found box and leaves the grid as it was.
void Form14::MSFlexGrid1_Click()
{
    PickAction action = PickAction::None;
    switch (values_.ResultGridMode) {
    case 1:
    case 3: action = PickAction::Show; break;
    case 2: action = ui->Combo2->Text() == QLatin1String("APOLICE") ? PickAction::ShowListed : PickAction::Prefill; break;
    default: break;
    }
    ui::FlexGrid* grid = ui->MSFlexGrid1;
    if (action == PickAction::None) {
        if (!rt::Trim(grid->Text()).isEmpty())
            closeGrid(grid);
        return;
    }

    ProgramState& program = vorna::state();
    bool picked = false;
    GridSearchDesign design;
    design.grid = grid;
    design.keyColumn = DocumentNumberColumn;
    design.keyField = QStringLiteral("PROPOSTA");
    design.notFoundText = QStringLiteral("DOCUMENTO NAO ENCONTRADO");
    design.picked = [&] {
        picked = true;
        switch (action) {
        case PickAction::Show:
            ClearDocumentForm();
            program.handOver.ReturnDocumentBranch = 0;
            program.document.OperationMarker = Variant(QStringLiteral("2"));
            ShowDocument();
            break;
        case PickAction::ShowListed:
            ClearDocumentForm();
            ShowDocument();
            break;
        case PickAction::Prefill: {
            db::Recordset& documents = recordsets_->DOCUMENTOS;
            if (!ViewingRulesAllow(OwnerOfCurrentDocument()))
                break;
            for (QWidget* on : std::initializer_list<QWidget*>{ui->Command3D1, ui->Command3D4, ui->Command3D5,
                                                               ui->Command3D14})
                on->setEnabled(true);
            for (QWidget* off : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D15, ui->Command3D16})
                off->setEnabled(false);
            program.document.OperationMarker = Variant(QStringLiteral("2"));
            ui->Text23->setText(rt::CStr(documents.field(QStringLiteral("FILIAL"))));
            ui->Text2->setText(rt::CStr(documents.field(QStringLiteral("APOLICE"))));
            const int32_t source = rt::CLng(documents.field(QStringLiteral("PROPOSTA")));
            values_.PrefillPolicyNumber = source;
            program.document.SourceDocumentNumber = source;
            CopyPolicyTerms();
            break;
        }
        case PickAction::None: break;
        }
    };
    if (action == PickAction::Show)
        design.shownByPick = ui->Frame1;

    // An endorsement under entry is no shown document: the save and the
    // deletion keep standing on what was shown before.
    std::optional<KeepPosition> keep;
    if (action == PickAction::Prefill)
        keep.emplace(recordsets_->DOCUMENTOS);
    GridSearch pick(recordsets_->DOCUMENTOS, std::move(design));
    try {
        pick.pick();
    } catch (const EngineError&) {
        // A listed value that cannot be read ends the pick where it stood.
    }
    if (picked)
        closeGrid(grid);
}

}  // namespace vorna::documents
