#include "platform/controls/PickList.h"
#include "platform/runtime/RegionalText.h"

#include "platform/controls/ListOrder.h"
#include "platform/runtime/EngineError.h"

#include <QLineEdit>

namespace vorna::ui {

PickList::PickList(QWidget* parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (quiet_ > 0)
            return;
        changedSinceActivation_ = true;
        emit Click();
    });
    connect(this, &QComboBox::activated, this, [this] {
        if (!changedSinceActivation_ && quiet_ == 0)
            emit Click();
        changedSinceActivation_ = false;
    });
}

template <class F>
void PickList::quietly(F&& change)
{
    ++quiet_;
    change();
    --quiet_;
}

bool PickList::event(QEvent* event)
{
    adoptLineEdit();
    return QComboBox::event(event);
}

// An editable list types exactly what is typed: no completion from the items,
// and typed text never becomes an item.
void PickList::adoptLineEdit()
{
    QLineEdit* edit = lineEdit();
    if (edit == adoptedEdit_)
        return;
    adoptedEdit_ = edit;
    if (!edit)
        return;
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(edit, &QLineEdit::textEdited, this, &PickList::Change);
}

void PickList::setSorted(bool sorted)
{
    sorted_ = sorted;
    if (!sorted || count() < 2)
        return;
    quietly([&] {
        const QString chosen = currentIndex() >= 0 ? itemText(currentIndex()) : QString();
        const int chosenIndex = currentIndex();
        QStringList items;
        for (int i = 0; i < count(); ++i)
            items << itemText(i);
        std::stable_sort(items.begin(), items.end(),
                         [](const QString& a, const QString& b) { return compareListItems(a, b) < 0; });
        for (int i = 0; i < count(); ++i)
            setItemText(i, items.at(i));
        if (chosenIndex >= 0)
            setCurrentIndex(static_cast<int>(items.indexOf(chosen)));
    });
}

int PickList::AddItem(const QString& item, int index)
{
    adoptLineEdit();
    int position = count();
    if (sorted_)
        position = sortedInsertPosition(count(), [this](int i) { return itemText(i); }, item);
    else if (index >= 0 && index <= count())
        position = index;
    else if (index > count())
        regional::raise(err::InvalidProcedureCall);
    quietly([&] {
        const int chosen = currentIndex();
        const QString typed = isEditable() ? currentText() : QString();
        insertItem(position, item);
        // The combo box chooses the first item put into an empty list.
        if (chosen < 0 && currentIndex() >= 0) {
            setCurrentIndex(-1);
            if (isEditable())
                setEditText(typed);
        }
    });
    return position;
}

void PickList::RemoveItem(int index)
{
    if (index < 0 || index >= count())
        regional::raise(err::InvalidProcedureCall);
    quietly([&] { removeItem(index); });
}

void PickList::Clear()
{
    quietly([&] {
        clear();
        if (isEditable())
            setEditText(QString());
    });
}

QString PickList::List(int index) const { return index >= 0 && index < count() ? itemText(index) : QString(); }

void PickList::setListIndex(int index)
{
    if (index < -1 || index >= count())
        regional::raise(err::InvalidPropertyValue);
    setCurrentIndex(index);
    changedSinceActivation_ = false;
}

QString PickList::Text() const
{
    if (isEditable())
        return currentText();
    return currentIndex() >= 0 ? itemText(currentIndex()) : QString();
}

void PickList::setText(const QString& text)
{
    adoptLineEdit();
    if (isEditable()) {
        const bool changed = currentText() != text;
        setEditText(text);
        if (changed)
            emit Change();
        return;
    }
    setListIndex(findText(text, Qt::MatchFixedString));
}

}  // namespace vorna::ui
