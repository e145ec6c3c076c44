#pragma once
#include "common/MessageTexts.h"
#include "platform/database/Recordset.h"
#include "platform/runtime/Variant.h"

#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace vorna::ui {
class FlexGrid;
}

// A search button beside a box (or a window's "Consultar") lists in the
// window's result grid every row whose field contains the box's text; a click
// on a listed row finds that row again by its key and acts on it.
//
// A search:
// - the box's text, trimmed, is empty: the blank-box text and nothing else;
// - the grid gets its columns and rows and shows where it stands; the criteria
//   are built from the text as typed (blanks kept) by the member's builder,
//   which puts the text in only as a literal pattern (CriteriaText.h);
// - nothing found: the no-match text, the grid hidden;
// - else the grid is placed, the member's frames hidden, and the grid shows
//   the captions and one row per match in the recordset's order (or the
//   reverse). Every cell it does not write is emptied, a Null field included,
//   so no row shows what an earlier search listed. One match leaves 2 rows, k
//   matches k + 2, the last one empty.
// - The grid holds one result fewer than the rows given. A member that stops
//   on errors ends there (and on any engine error) with its error text, the
//   rows listed staying; one that skips failed steps ends its listing quietly
//   when the grid is full or a find fails.
// - A criteria the engine cannot read (a pattern with an unclosed "[") lists
//   nothing: the no-match text, the grid hidden.
//
// The pick reads the member's key column on the clicked row, finds that row
// again by its key and hands it to the member; a key no longer found gives the
// member's not-found text and changes nothing. A click on an empty cell does
// nothing.
namespace vorna {

struct GridColumn {
    QString caption;
    QString field;
    int width = 0;  // twips
    // The cell's text for a value that is not Null; none: the value as text.
    std::function<QString(const Variant&)> text = {};
    // The cell's text for a Null value.
    QString nullText = {};
};

struct GridSearchDesign {
    ui::FlexGrid* grid = nullptr;
    // The box whose text is searched (a text box or a list read as text).
    QWidget* box = nullptr;

    // The criteria for the typed text, which it must put in through
    // db::containsCriteria or db::likeLiteral; `contains` below builds the
    // usual one.
    std::function<QString(const QString& typed)> criteria;
    std::vector<GridColumn> columns;
    int rows = 1000;  // rows given; the caption row takes one
    // Where a search that finds something puts the grid (twips within the
    // grid's parent); none leaves it where the window put it.
    std::optional<QRect> place;
    std::vector<QWidget*> hiddenOnMatch;
    // Set to the grid's fixed-row count at each search; none leaves it.
    std::optional<int> fixedRows;
    // From the last match backwards instead of from the first forwards.
    bool backwards = false;

    // Run after the blank test, before the grid is prepared (a search mode
    // recorded, buttons disabled for the listing); and after the no-match text.
    std::function<void()> started;
    std::function<void()> noMatch;

    enum class Errors { Stop, SkipFailedSteps };
    Errors errors = Errors::Stop;
    QString blankText;
    QString noMatchText;
    QString errorText;  // Stop: shown titled "ATENÇÃO"
    QString errorTitle = msg::TitleAttention;

    // The pick.
    int keyColumn = 1;
    QString keyField;
    QString notFoundText;  // the key is no longer found ("ATENÇÃO!")
    // What the pick does with the row found (the recordset stands on it).
    std::function<void()> picked;
    // Made visible when the pick hides the grid.
    QWidget* shownByPick = nullptr;
};

class GridSearch {
public:
    // `recordset` shares its position with the window's own; the finds move it.
    GridSearch(db::Recordset recordset, GridSearchDesign design);

    // The search button's Click. True when it listed something.
    bool search();
    // The grid's Click.
    void pick();

    // `[FIELD] LIKE '*typed*'`, the typed text matched literally.
    static std::function<QString(const QString&)> contains(const QString& field);
    // `FIELD LIKE '*typed*'[ AND more]` with the typed `*`, `?`, `#` and `[`
    // acting as pattern characters; an apostrophe is only a character.
    static std::function<QString(const QString&)> containsPattern(const QString& field, const QString& more = {});

    const GridSearchDesign& design() const { return design_; }
    db::Recordset& recordset() { return rs_; }

private:
    bool list(const QString& criteria);
    bool nothingFound();
    void writeRow(int row);
    void findNextMatch(const QString& criteria);

    db::Recordset rs_;
    GridSearchDesign design_;
};

}  // namespace vorna
