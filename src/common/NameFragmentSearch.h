#pragma once
#include "common/MessageTexts.h"
#include "platform/database/Recordset.h"
#include "platform/runtime/Variant.h"

#include <QMetaType>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The list's items keep their rows' bookmarks as item data; a window that
// reads a pick itself takes the bookmark back through this.
Q_DECLARE_METATYPE(vorna::Variant)

namespace vorna::ui {
class ListBox;
}

// "Consultar" of a record window, and the pick from its list of names.
//
// - The code box holds a code (trimmed): find the first row whose key equals
//   it and show it; none: the not-found box, the shown state ends and the list
//   is hidden, the boxes keep what they hold.
// - Else the name box holds text (untrimmed): show the list and add the name
//   of every row whose name contains the text, in table order, to what the list
//   already holds; none: the not-found box, the shown state ends, the list is
//   hidden with its names kept. The window goes on showing what it showed (or,
//   with showLastFound, shows the last row found).
// - Else the box asking for a code or pieces of the name.
//
// Each name in the list keeps the identity of its row, so a pick shows the row
// that was picked, also among namesakes. The pick hides and empties the list.
namespace vorna {

struct NameFragmentSearchSpec {
    ui::ListBox* list = nullptr;
    // Where the search places the list, in twips within the list's parent;
    // none leaves it where the layout put it.
    std::optional<QRect> listPlace;
    // The name search ends by showing the last row it found.
    bool showLastFound = false;

    QString codeNotFound;
    QString nameNotFound;  // empty: codeNotFound
    QString enterCodeOrName = msg::EnterCodeOrNameAccented;

    QString codeField = QStringLiteral("CODIGO");
    QString nameField = QStringLiteral("NOME");
    QWidget* codeBox = nullptr;
    QWidget* nameBox = nullptr;
};

class NameFragmentSearch {
public:
    // `recordset` shares its position with the window's own. `show` is the
    // window's Show of the current row; `endShown` ends the shown state after a
    // search that found nothing.
    NameFragmentSearch(db::Recordset recordset, NameFragmentSearchSpec design, std::function<void()> show,
                       std::function<void()> endShown);

    // The whole "Consultar": code, else name, else the request for either.
    void search();
    // The code look-up alone; false after its not-found box.
    bool findByCode();
    // The name list alone; false after its not-found box.
    bool listByName();
    // A click on the list: shows the picked row, hides and empties the list.
    // Nothing happens while no name is chosen.
    void pick();

    const NameFragmentSearchSpec& design() const { return design_; }


private:
    void notFound(const QString& text);

    db::Recordset rs_;
    NameFragmentSearchSpec design_;
    std::function<void()> show_;
    std::function<void()> endShown_;
};

}  // namespace vorna
