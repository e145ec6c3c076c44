#pragma once
#include <QComboBox>

class QLineEdit;

namespace vorna::ui {

// A drop-down pick list: list-only (only its items can be chosen) or editable
// (text can also be typed), sorted (items always in alphabetical order, letter
// case ignored, whatever the order of filling) or in the order of filling.
// Adding items never chooses one; a list starts with no item chosen.
//
// Click runs when the chosen item changes, by the user or by code (ListIndex,
// also to -1), and when the user picks the item already chosen; filling and
// emptying the list do not raise it. Change runs when the typed text of an
// editable list changes, by typing or by setText.
class PickList : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(bool sorted READ Sorted WRITE setSorted)
public:
    explicit PickList(QWidget* parent = nullptr);

    bool Sorted() const { return sorted_; }
    void setSorted(bool sorted);
    bool ListOnly() const { return !isEditable(); }
    void setListOnly(bool listOnly) { setEditable(!listOnly); }

    // Adds an item at `index` (the end when -1; a sorted list ignores it) and
    // returns where it went.
    int AddItem(const QString& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const;          // "" outside the list

    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);           // -1 chooses none; outside the list: error 380

    // The chosen item's text ("" when none) or, in an editable list, the text
    // in its box. Setting it in a list-only list chooses the item with that
    // text (letter case ignored), or none when no item has it.
    QString Text() const;
    void setText(const QString& text);

signals:
    void Click();
    void Change();

protected:
    bool event(QEvent* event) override;

private:
    void adoptLineEdit();
    template <class F>
    void quietly(F&& change);

    bool sorted_ = false;
    int quiet_ = 0;
    bool changedSinceActivation_ = false;
    QLineEdit* adoptedEdit_ = nullptr;
};

}  // namespace vorna::ui
