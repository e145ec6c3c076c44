#include "clients/ClientNumbers.h"

#include "platform/controls/PickList.h"

#include <array>

namespace vorna::clients {

QString digitsOf(const QString& text)
{
    QString digits;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

QString digitsPadded(const QString& digits, int count)
{
    return digits.left(count).leftJustified(count, u'0');
}

QString taxNumberDigits(const QString& text)
{
    const QString digits = digitsOf(text);
    return digitsPadded(digits, digits.size() > 11 ? 14 : 11);
}

QString taxNumberShown(const QString& stored)
{
    const QString digits = digitsOf(stored);
    if (digits.size() >= 14) {
        const QString d = digits.left(14);
        return d.left(2) + u'.' + d.mid(2, 3) + u'.' + d.mid(5, 3) + u'/' + d.mid(8, 4) + u'-' + d.mid(12, 2);
    }
    const QString d = digitsPadded(digits, 11);
    return d.left(3) + u'.' + d.mid(3, 3) + u'.' + d.mid(6, 3) + u'-' + d.mid(9, 2);
}

QString taxNumberChecked(const QString& text, bool company)
{
    const int count = company ? 14 : 11;
    QString number(count, u'0');
    for (int i = 0; i < count && i < text.size(); ++i) {
        if (text[i] >= u'0' && text[i] <= u'9')
            number[i] = text[i];
    }
    return number;
}

std::optional<QString> postalCodeStored(const QString& text)
{
    QString code = text;
    code.remove(u'-');
    if (code.size() != 8 || digitsOf(code).size() != 8)
        return std::nullopt;
    return code;
}

QString postalCodeShown(const QString& stored)
{
    const QString digits = digitsOf(stored);
    if (digits.size() < 8)
        return stored;
    return digits.left(5) + u'-' + digits.mid(5, 3);
}

namespace {

struct PrefixRange {
    int from;
    int to;
    const char* state;
};

const std::array<PrefixRange, 27> PrefixRanges = {{
    {1000, 19999, "SP"},  {20000, 28999, "RJ"}, {29000, 29999, "ES"}, {30000, 39999, "MG"},
    {40000, 48999, "BA"}, {49000, 49999, "SE"}, {50000, 56999, "PE"}, {57000, 57999, "AL"},
    {58000, 58999, "PB"}, {59000, 59999, "RN"}, {60000, 63999, "CE"}, {64000, 64999, "PI"},
    {65000, 65999, "MA"}, {66000, 68899, "PA"}, {68900, 68999, "AP"}, {69000, 69299, "AM"},
    {69300, 69399, "RR"}, {69900, 69999, "AC"}, {70000, 72799, "DF"}, {72800, 76999, "GO"},
    {77000, 77999, "TO"}, {78000, 78899, "MT"}, {78900, 78999, "RO"}, {79000, 79999, "MS"},
    {80000, 87999, "PR"}, {88000, 89999, "SC"}, {90000, 99999, "RS"},
}};

}  // namespace

QString stateForPostalPrefix(int prefix)
{
    for (const PrefixRange& range : PrefixRanges) {
        if (prefix >= range.from && prefix <= range.to)
            return QString::fromLatin1(range.state);
    }
    return {};
}

void chooseExactly(ui::PickList* list, const QString& text)
{
    for (int i = 0; i < list->ListCount(); ++i) {
        if (list->List(i) == text) {
            list->setListIndex(i);
            return;
        }
    }
}

}  // namespace vorna::clients
