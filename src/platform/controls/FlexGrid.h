#pragma once
#include <QTableView>
#include <QString>
#include <vector>

namespace vorna::ui {

class FlexGridModel;

// A grid of text cells addressed by row and column from 0, fixed rows and
// columns included: with one fixed row, row 0 holds the column captions and the
// results start at row 1. One fixed row shows as the column header, one fixed
// column as the row header (the grids of the program use no more than one of
// each). The current cell (Row, Col) is where Text reads and writes; moving it
// by code does not scroll the grid; a click on a cell makes it current and then
// raises Click. A row or column outside the grid is a run-time error (30009,
// 30010, 381), as a search that runs past the rows it was given expects. Changing the row or column
// count keeps the cells that remain.
class FlexGrid : public QTableView {
    Q_OBJECT
    Q_PROPERTY(int rows READ Rows WRITE setRows)
    Q_PROPERTY(int cols READ Cols WRITE setCols)
    Q_PROPERTY(int fixedRows READ FixedRows WRITE setFixedRows)
    Q_PROPERTY(int fixedCols READ FixedCols WRITE setFixedCols)
public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    int Rows() const { return rows_; }
    void setRows(int rows);
    int Cols() const { return cols_; }
    void setCols(int cols);
    int FixedRows() const { return fixedRows_; }
    void setFixedRows(int fixedRows);
    int FixedCols() const { return fixedCols_; }
    void setFixedCols(int fixedCols);

    // Column widths in twips.
    int ColWidth(int col) const;
    void setColWidth(int col, int widthTwips);

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    int Row() const { return row_; }
    void setRow(int row);
    int Col() const { return col_; }
    void setCol(int col);
    // The current cell's text.
    QString Text() const { return TextMatrix(row_, col_); }
    void setText(const QString& text) { setTextMatrix(row_, col_, text); }

    // Empties every cell; rows and columns stay.
    void Clear();

signals:
    void Click();
    void DblClick();

private:
    friend class FlexGridModel;
    void resize(int rows, int cols);
    void structureChanged();
    void cellActivated(const QModelIndex& index);
    bool inRange(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }

    FlexGridModel* model_;
    int rows_ = 2;
    int cols_ = 2;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1;
    int col_ = 1;
    std::vector<QString> cells_;      // rows_ x cols_, row by row
    std::vector<int> widthsTwips_;    // per column; -1 the default width
    bool syncing_ = false;
};

}  // namespace vorna::ui
