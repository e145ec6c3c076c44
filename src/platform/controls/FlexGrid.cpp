#include "platform/controls/FlexGrid.h"
#include "platform/runtime/RegionalText.h"

#include "platform/controls/Twips.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/RegionalText.h"

#include <QAbstractTableModel>
#include <QHeaderView>

namespace vorna::ui {

// Error numbers the grid control reports.
namespace {
}  // namespace

// Shows the grid's cells: the scrolling ones as the table, the fixed row and
// column as the headers.
class FlexGridModel final : public QAbstractTableModel {
public:
    explicit FlexGridModel(FlexGrid* grid) : QAbstractTableModel(grid), grid_(grid) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(0, grid_->rows_ - grid_->fixedRows_);
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(0, grid_->cols_ - grid_->fixedCols_);
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return grid_->TextMatrix(index.row() + grid_->fixedRows_, index.column() + grid_->fixedCols_);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Horizontal)
            return grid_->fixedRows_ > 0 ? grid_->TextMatrix(0, section + grid_->fixedCols_) : QString();
        return grid_->fixedCols_ > 0 ? grid_->TextMatrix(section + grid_->fixedRows_, 0) : QString();
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void reset()
    {
        beginResetModel();
        endResetModel();
    }
    void cellChanged(int row, int col)
    {
        const int r = row - grid_->fixedRows_;
        const int c = col - grid_->fixedCols_;
        if (r < 0 && c >= 0)
            emit headerDataChanged(Qt::Horizontal, c, c);
        else if (c < 0 && r >= 0)
            emit headerDataChanged(Qt::Vertical, r, r);
        else if (r >= 0 && c >= 0)
            emit dataChanged(index(r, c), index(r, c));
    }

private:
    FlexGrid* grid_;
};

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), model_(new FlexGridModel(this))
{
    cells_.resize(static_cast<size_t>(rows_ * cols_));
    widthsTwips_.assign(static_cast<size_t>(cols_), -1);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        cellActivated(index);
        emit Click();
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        cellActivated(index);
        emit DblClick();
    });
    // Keyboard moves in the grid move the current cell too.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid()) {
                    row_ = current.row() + fixedRows_;
                    col_ = current.column() + fixedCols_;
                }
            });
    structureChanged();
}

FlexGrid::~FlexGrid() = default;

void FlexGrid::resize(int rows, int cols)
{
    rows = std::max(0, rows);
    cols = std::max(0, cols);
    std::vector<QString> cells(static_cast<size_t>(rows * cols));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[static_cast<size_t>(r * cols + c)] = std::move(cells_[static_cast<size_t>(r * cols_ + c)]);
    cells_ = std::move(cells);
    widthsTwips_.resize(static_cast<size_t>(cols), -1);
    rows_ = rows;
    cols_ = cols;
    fixedRows_ = std::min(fixedRows_, rows_);
    fixedCols_ = std::min(fixedCols_, cols_);
    row_ = std::clamp(row_, 0, std::max(0, rows_ - 1));
    col_ = std::clamp(col_, 0, std::max(0, cols_ - 1));
    structureChanged();
}

void FlexGrid::setRows(int rows) { resize(rows, cols_); }
void FlexGrid::setCols(int cols) { resize(rows_, cols); }

// More than one fixed row or column is not used by the program's grids; the
// first one shows as the header and the count stays at most one.
void FlexGrid::setFixedRows(int fixedRows)
{
    fixedRows_ = std::clamp(fixedRows, 0, std::min(1, rows_));
    structureChanged();
}

void FlexGrid::setFixedCols(int fixedCols)
{
    fixedCols_ = std::clamp(fixedCols, 0, std::min(1, cols_));
    structureChanged();
}

void FlexGrid::structureChanged()
{
    syncing_ = true;
    model_->reset();
    horizontalHeader()->setVisible(fixedRows_ > 0);
    verticalHeader()->setVisible(fixedCols_ > 0);
    for (int c = 0; c < cols_; ++c) {
        const int width = widthsTwips_[static_cast<size_t>(c)];
        if (width < 0)
            continue;
        if (c < fixedCols_)
            verticalHeader()->setFixedWidth(twips(width));
        else
            horizontalHeader()->resizeSection(c - fixedCols_, twips(width));
    }
    syncing_ = false;
}

int FlexGrid::ColWidth(int col) const
{
    if (col < 0 || col >= cols_)
        regional::raise(err::InvalidPropertyArrayIndex);
    const int width = widthsTwips_[static_cast<size_t>(col)];
    if (width >= 0)
        return width;
    if (col < fixedCols_)
        return pixelsToTwips(verticalHeader()->width());
    return pixelsToTwips(horizontalHeader()->sectionSize(col - fixedCols_));
}

void FlexGrid::setColWidth(int col, int widthTwips)
{
    if (col < 0 || col >= cols_)
        regional::raise(err::InvalidPropertyArrayIndex);
    widthsTwips_[static_cast<size_t>(col)] = widthTwips;
    if (col < fixedCols_)
        verticalHeader()->setFixedWidth(twips(widthTwips));
    else
        horizontalHeader()->resizeSection(col - fixedCols_, twips(widthTwips));
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    if (!inRange(row, col))
        regional::raise(err::InvalidPropertyArrayIndex);
    return cells_[static_cast<size_t>(row * cols_ + col)];
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (!inRange(row, col))
        regional::raise(err::InvalidPropertyArrayIndex);
    cells_[static_cast<size_t>(row * cols_ + col)] = text;
    model_->cellChanged(row, col);
}

void FlexGrid::setRow(int row)
{
    if (row < 0 || row >= rows_)
        regional::raise(err::InvalidRowValue);
    row_ = row;
}

void FlexGrid::setCol(int col)
{
    if (col < 0 || col >= cols_)
        regional::raise(err::InvalidColValue);
    col_ = col;
}

void FlexGrid::Clear()
{
    for (QString& cell : cells_)
        cell.clear();
    model_->reset();
}

void FlexGrid::cellActivated(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    row_ = index.row() + fixedRows_;
    col_ = index.column() + fixedCols_;
}

}  // namespace vorna::ui
