#include "common/GridSearch.h"

#include "common/RecordWindowPatternFields.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Twips.h"
#include "platform/database/CriteriaText.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

GridSearch::GridSearch(db::Recordset recordset, GridSearchDesign design)
    : rs_(std::move(recordset)), design_(std::move(design))
{
}

std::function<QString(const QString&)> GridSearch::contains(const QString& field)
{
    const QString bracketed = u'[' + field + u']';
    return [bracketed](const QString& typed) { return db::containsCriteria(bracketed, typed); };
}

std::function<QString(const QString&)> GridSearch::containsPattern(const QString& field, const QString& more)
{
    return [field, more](const QString& typed) {
        QString criteria = field + QStringLiteral(" LIKE ") + db::quoted(u'*' + typed + u'*');
        if (!more.isEmpty())
            criteria += QStringLiteral(" AND ") + more;
        return criteria;
    };
}

bool GridSearch::search()
{
    const QString typed = record::boxText(design_.box);
    if (rt::Trim(typed).isEmpty()) {
        msg::notFound(design_.blankText);
        return false;
    }
    if (design_.started)
        design_.started();
    ui::FlexGrid* grid = design_.grid;
    try {
        grid->setCols(static_cast<int>(design_.columns.size()));
        grid->setRows(design_.rows);
        grid->setFixedCols(0);
        if (design_.fixedRows)
            grid->setFixedRows(*design_.fixedRows);
        grid->setVisible(true);
        return list(design_.criteria(typed));
    } catch (const EngineError&) {
        if (design_.errors == GridSearchDesign::Errors::SkipFailedSteps)
            return grid->isVisible();
        dlg::MsgBox(design_.errorText, dlg::Buttons::Ok, design_.errorTitle);
        return grid->isVisible();
    }
}

bool GridSearch::nothingFound()
{
    msg::notFound(design_.noMatchText);
    design_.grid->setVisible(false);
    if (design_.noMatch)
        design_.noMatch();
    return false;
}

bool GridSearch::list(const QString& criteria)
{
    ui::FlexGrid* grid = design_.grid;
    try {
        if (design_.backwards)
            rs_.FindLast(criteria);
        else
            rs_.FindFirst(criteria);
    } catch (const EngineError& e) {
        if (e.number() != err::SyntaxError)
            throw;
        return nothingFound();
    }
    if (rs_.NoMatch())
        return nothingFound();
    grid->setVisible(true);
    if (design_.place) {
        const QRect& r = *design_.place;
        ui::placeTwips(grid, r.x(), r.y(), r.width(), r.height());
    }
    grid->raise();
    for (QWidget* frame : design_.hiddenOnMatch)
        frame->setVisible(false);
    // Nothing an earlier search listed may stay in a cell this one leaves.
    grid->Clear();
    const int cols = grid->Cols();
    for (int c = 0; c < cols; ++c) {
        grid->setColWidth(c, design_.columns[static_cast<size_t>(c)].width);
        grid->setTextMatrix(0, c, design_.columns[static_cast<size_t>(c)].caption);
    }
    const bool skipping = design_.errors == GridSearchDesign::Errors::SkipFailedSteps;
    const int lastRow = grid->Rows() - 1;
    int row = 1;
    writeRow(row);
    for (;;) {
        try {
            findNextMatch(criteria);
        } catch (const EngineError&) {
            if (!skipping)
                throw;
            break;
        }
        if (rs_.NoMatch())
            break;
        // Past the last row the grid refuses the move; a member that skips
        // failed steps ends there with what it listed.
        if (row == lastRow && skipping)
            break;
        ++row;
        writeRow(row);
    }
    // The caption row, the matches, and one empty row after two or more.
    grid->setRows(row == 1 ? 2 : row + 2);
    return true;
}

void GridSearch::findNextMatch(const QString& criteria)
{
    if (design_.backwards)
        rs_.FindPrevious(criteria);
    else
        rs_.FindNext(criteria);
}

void GridSearch::writeRow(int row)
{
    ui::FlexGrid* grid = design_.grid;
    grid->setRow(row);
    for (size_t c = 0; c < design_.columns.size(); ++c) {
        const GridColumn& column = design_.columns[c];
        grid->setCol(static_cast<int>(c));
        try {
            const Variant value = rs_.field(column.field);
            if (value.isNull())
                grid->setText(column.nullText);
            else
                grid->setText(column.text ? column.text(value) : rt::CStr(value));
        } catch (const EngineError&) {
            if (design_.errors != GridSearchDesign::Errors::SkipFailedSteps)
                throw;
        }
    }
}

void GridSearch::pick()
{
    ui::FlexGrid* grid = design_.grid;
    if (rt::Trim(grid->Text()).isEmpty())
        return;
    const std::optional<QString> key = db::wholeNumber(grid->TextMatrix(grid->Row(), design_.keyColumn));
    grid->setCol(design_.keyColumn);
    if (key) {
        rs_.FindFirst(design_.keyField + QStringLiteral(" = ") + *key);
        if (!rs_.NoMatch()) {
            if (design_.picked)
                design_.picked();
            grid->setVisible(false);
            if (design_.shownByPick)
                design_.shownByPick->setVisible(true);
            return;
        }
    }
    // Deleted by another workstation since it was listed.
    msg::notFound(design_.notFoundText);
}

}  // namespace vorna
