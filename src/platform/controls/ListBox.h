#pragma once
#include <QListWidget>

namespace vorna::ui {

// A list box of text items, sorted (alphabetical, letter case ignored) or in
// the order of filling. Click runs when the chosen item changes, by the mouse,
// the keyboard or code (ListIndex), and when the user clicks the item already
// chosen; filling and emptying the list do not raise it. DblClick runs on a
// double click on an item.
class ListBox : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(bool sorted READ Sorted WRITE setSorted)
public:
    explicit ListBox(QWidget* parent = nullptr);

    bool Sorted() const { return sorted_; }
    void setSorted(bool sorted) { sorted_ = sorted; }

    int AddItem(const QString& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const;          // "" outside the list

    int ListIndex() const { return currentRow(); }
    void setListIndex(int index);           // -1 chooses none; outside the list: error 380
    QString Text() const;                   // the chosen item's text, "" when none

signals:
    void Click();
    void DblClick();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool sorted_ = false;
    int quiet_ = 0;
    int rowAtPress_ = -2;
};

}  // namespace vorna::ui
