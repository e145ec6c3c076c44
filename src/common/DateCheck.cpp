#include "common/DateCheck.h"

#include "common/MessageTexts.h"
#include "platform/controls/LeaveCheck.h"
#include "platform/controls/MaskEdBox.h"

#include <QDate>
#include <QStringList>

namespace vorna {

namespace {

bool allDigits(const QString& part)
{
    if (part.isEmpty())
        return false;
    for (QChar ch : part) {
        if (ch < u'0' || ch > u'9')
            return false;
    }
    return true;
}

}  // namespace

// Day and month are never exchanged: "05/13/2016" is not a date. Years before
// 100 lie outside the runtime's dates.
bool isTypedDate(const QString& text)
{
    const QStringList parts = text.split(u'/');
    if (parts.size() != 3)
        return false;
    const QString& day = parts[0];
    const QString& month = parts[1];
    const QString& year = parts[2];
    if (!allDigits(day) || !allDigits(month) || !allDigits(year))
        return false;
    if (day.size() > 2 || month.size() > 2 || year.size() != 4)
        return false;
    const int y = year.toInt();
    return y >= 100 && QDate::isValid(y, month.toInt(), day.toInt());
}

bool DateCheck(ui::MaskEdBox* box)
{
    if (box->ClipText().isEmpty())
        return true;
    return StrictDateCheck(box);
}

void attachDateCheck(ui::MaskEdBox* box)
{
    ui::LeaveCheck::attach(box, [box] { return DateCheck(box); });
}

bool StrictDateCheck(ui::MaskEdBox* box)
{
    if (isTypedDate(box->Text()))
        return true;
    msg::invalidDate();
    box->setFocus(Qt::OtherFocusReason);
    return false;
}

void attachStrictDateCheck(ui::MaskEdBox* box)
{
    ui::LeaveCheck::attach(box, [box] { return StrictDateCheck(box); });
}

}  // namespace vorna
