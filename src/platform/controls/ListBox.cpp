#include "platform/controls/ListBox.h"
#include "platform/runtime/RegionalText.h"

#include "platform/controls/ListOrder.h"
#include "platform/runtime/EngineError.h"

namespace vorna::ui {

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (quiet_ == 0)
            emit Click();
    });
    // A click on the item already chosen changes no row but is still a pick.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (row(item) == rowAtPress_ && rowAtPress_ == currentRow() && quiet_ == 0)
            emit Click();
        rowAtPress_ = -2;
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit DblClick(); });
}

int ListBox::AddItem(const QString& item, int index)
{
    int position = count();
    if (sorted_)
        position = sortedInsertPosition(count(), [this](int i) { return this->item(i)->text(); }, item);
    else if (index >= 0 && index <= count())
        position = index;
    else if (index > count())
        regional::raise(err::InvalidProcedureCall);
    ++quiet_;
    insertItem(position, item);
    --quiet_;
    return position;
}

void ListBox::AddItems(const QStringList& items, const QVariantList& itemData)
{
    ++quiet_;
    for (qsizetype i = 0; i < items.size(); ++i) {
        // An item that gets its value before it joins the list tells no view
        // about the change.
        auto* item = new QListWidgetItem(items.at(i));
        if (i < itemData.size())
            item->setData(Qt::UserRole, itemData.at(i));
        const int position = sorted_ ? sortedInsertPosition(count(), [this](int r) { return this->item(r)->text(); },
                                                            item->text())
                                     : count();
        insertItem(position, item);
    }
    --quiet_;
}

void ListBox::RemoveItem(int index)
{
    if (index < 0 || index >= count())
        regional::raise(err::InvalidProcedureCall);
    ++quiet_;
    delete takeItem(index);
    --quiet_;
}

void ListBox::Clear()
{
    ++quiet_;
    clear();
    --quiet_;
}

QString ListBox::List(int index) const { return index >= 0 && index < count() ? item(index)->text() : QString(); }

QVariant ListBox::ItemData(int index) const
{
    return index >= 0 && index < count() ? item(index)->data(Qt::UserRole) : QVariant();
}

void ListBox::setItemData(int index, const QVariant& value)
{
    if (index < 0 || index >= count())
        regional::raise(err::InvalidPropertyArrayIndex);
    item(index)->setData(Qt::UserRole, value);
}

void ListBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        regional::raise(err::InvalidPropertyValue);
    setCurrentRow(index);
}

// A list view makes its first item current when it takes the focus with none
// chosen; a list box only shows where it is, without choosing.
void ListBox::focusInEvent(QFocusEvent* event)
{
    const int before = currentRow();
    ++quiet_;
    QListWidget::focusInEvent(event);
    if (before < 0 && currentRow() >= 0)
        setCurrentRow(-1);
    --quiet_;
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    rowAtPress_ = currentRow();
    QListWidget::mousePressEvent(event);
}

QString ListBox::Text() const
{
    const int row = currentRow();
    return row >= 0 ? item(row)->text() : QString();
}

}  // namespace vorna::ui
