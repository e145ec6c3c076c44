#include "common/GridSearch.h"

#include "common/RecordWindowPatternFields.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Twips.h"
#include "platform/database/CriteriaText.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

GridSearch::GridSearch(db::Recordset recordset, GridSearchSpec spec)
    : rs_(std::move(recordset)), spec_(std::move(spec))
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
    const QString typed = record::boxText(spec_.box);
    if (rt::Trim(typed).isEmpty()) {
        msg::notFound(spec_.blankText);
        return false;
    }
    if (spec_.started)
        spec_.started();
    ui::FlexGrid* grid = spec_.grid;
    try {
        grid->setCols(static_cast<int>(spec_.columns.size()));
        grid->setRows(spec_.rows);
        grid->setFixedCols(0);
        if (spec_.fixedRows)
            grid->setFixedRows(*spec_.fixedRows);
        grid->setVisible(true);
        return list(spec_.criteria(typed));
    } catch (const EngineError&) {
        if (spec_.errors == GridSearchSpec::Errors::SkipFailedSteps)
            return grid->isVisible();
        dlg::MsgBox(spec_.errorText, dlg::Buttons::Ok, spec_.errorTitle);
        return grid->isVisible();
    }
}

bool GridSearch::nothingFound()
{
    msg::notFound(spec_.noMatchText);
    spec_.grid->setVisible(false);
    if (spec_.noMatch)
        spec_.noMatch();
    return false;
}

bool GridSearch::list(const QString& criteria)
{
    ui::FlexGrid* grid = spec_.grid;
    try {
        if (spec_.backwards)
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
    if (spec_.place) {
        const QRect& r = *spec_.place;
        ui::placeTwips(grid, r.x(), r.y(), r.width(), r.height());
    }
    grid->raise();
    for (QWidget* frame : spec_.hiddenOnMatch)
        frame->setVisible(false);
    // Nothing an earlier search listed may stay in a cell this one leaves.
    grid->Clear();
    const int cols = grid->Cols();
    for (int c = 0; c < cols; ++c) {
        grid->setColWidth(c, spec_.columns[static_cast<size_t>(c)].width);
        grid->setTextMatrix(0, c, spec_.columns[static_cast<size_t>(c)].caption);
    }
    const bool skipping = spec_.errors == GridSearchSpec::Errors::SkipFailedSteps;
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
    if (spec_.backwards)
        rs_.FindPrevious(criteria);
    else
        rs_.FindNext(criteria);
}

void GridSearch::writeRow(int row)
{
    ui::FlexGrid* grid = spec_.grid;
    grid->setRow(row);
    for (size_t c = 0; c < spec_.columns.size(); ++c) {
        const GridColumn& column = spec_.columns[c];
        grid->setCol(static_cast<int>(c));
        try {
            const Variant value = rs_.field(column.field);
            if (value.isNull())
                grid->setText(column.nullText);
            else
                grid->setText(column.text ? column.text(value) : rt::CStr(value));
        } catch (const EngineError&) {
            if (spec_.errors != GridSearchSpec::Errors::SkipFailedSteps)
                throw;
        }
    }
}

void GridSearch::pick()
{
    ui::FlexGrid* grid = spec_.grid;
    if (rt::Trim(grid->Text()).isEmpty())
        return;
    const std::optional<QString> key = db::wholeNumber(grid->TextMatrix(grid->Row(), spec_.keyColumn));
    grid->setCol(spec_.keyColumn);
    if (key) {
        rs_.FindFirst(spec_.keyField + QStringLiteral(" = ") + *key);
        if (!rs_.NoMatch()) {
            if (spec_.picked)
                spec_.picked();
            grid->setVisible(false);
            if (spec_.shownByPick)
                spec_.shownByPick->setVisible(true);
            return;
        }
    }
    // Deleted by another workstation since it was listed.
    msg::notFound(spec_.notFoundText);
}

}  // namespace vorna
