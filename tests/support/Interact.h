#pragma once
// A user's hands on the windows under test: clicks, keys, list rows and the
// pointer over the toolbar.
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class QLineEdit;
class QWidget;

namespace vorna::ui {
class ListBox;
}

namespace vorna::test {

void click(QWidget* control);

// The keys of `text` one by one, accented letters as their own key.
void typeKeys(QWidget* box, const QString& text);
// Into the box as a user who tabs into it: emptied first, then key by key.
void type(QWidget* box, const QString& text);
// Into the box as a user who clicks into it: what it holds is selected and
// typed over (pressing Delete for an empty text).
void typeOver(QLineEdit* box, const QString& text);

QString text(const QWidget* box);
QStringList items(const ui::ListBox* list);
// A click (or a double click) on the list's item at that row.
void pickRow(ui::ListBox* list, int row, bool doubleClick = false);

// Points at each button in turn, expecting `shownCaptions` to give its caption
// alone, then at a bare spot of `surface`, expecting no caption at all.
void expectEachButtonsCaption(const std::vector<std::pair<QWidget*, QString>>& captions,
                              QWidget* surface, QPoint bareSpot,
                              const std::function<QStringList()>& shownCaptions,
                              QPoint onButton = QPoint(4, 4));

}  // namespace vorna::test
