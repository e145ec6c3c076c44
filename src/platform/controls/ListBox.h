#pragma once
#include <QListWidget>

namespace vorna::ui {

// A list box of text items, sorted (alphabetical, letter case ignored) or in
// the order of filling. Click runs when the chosen item changes, by the mouse,
// the keyboard or code (ListIndex), and when the user clicks the item already
// chosen; filling and emptying the list do not raise it. DblClick runs on a
// double click on an item.
//
// Every item has the height of the first, so a list of a hundred thousand
// names is laid out without measuring each one.
class ListBox : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(bool sorted READ Sorted WRITE setSorted)
public:
    explicit ListBox(QWidget* parent = nullptr);

    bool Sorted() const { return sorted_; }
    void setSorted(bool sorted) { sorted_ = sorted; }

    int AddItem(const QString& item, int index = -1);
    // Adds the items in one go, the n-th with the n-th value of `itemData` (when
    // there is one) as its ItemData: at the end, or each at its place in a
    // sorted list. Much quicker than one AddItem per item for long lists.
    void AddItems(const QStringList& items, const QVariantList& itemData = {});
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const;          // "" outside the list
    // The value kept with an item (the row it stands for, a path, ...): empty
    // outside the list; setting it outside the list: error 381.
    QVariant ItemData(int index) const;
    void setItemData(int index, const QVariant& value);

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
