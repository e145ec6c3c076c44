#include "platform/controls/ListOrder.h"

#include <QCollator>
#include <QLocale>

namespace vorna::ui {

int compareListItems(const QString& a, const QString& b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Portuguese, QLocale::Brazil));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b);
}

int sortedInsertPosition(int count, const std::function<QString(int)>& itemAt, const QString& text)
{
    int low = 0;
    int high = count;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (compareListItems(itemAt(mid), text) <= 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

}  // namespace vorna::ui
