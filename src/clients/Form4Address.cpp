// The postal-code boxes of the two addresses: the state from the code, the
// code's display form, and the address completed from the postal-code
// database when it is installed.
#include "clients/Form4.h"

#include "clients/ClientNumbers.h"
#include "clients/PostalCodeDatabase.h"
#include "common/AppFolder.h"
#include "common/MessageTexts.h"
#include "platform/runtime/Runtime.h"

#include <QFileInfo>

namespace vorna::clients {

namespace {

const QString PostalCodeNotFound = QStringLiteral("CEP NÃO ENCONTRADO");

// Every state of the prefix table is searched but PB and RO.
bool searched(const QString& state)
{
    return !state.isEmpty() && state != QLatin1String("PB") && state != QLatin1String("RO");
}

// A field of the postal row; one that holds no value reads as empty.
QString upperField(const db::Recordset& row, const QString& name)
{
    const Variant value = row.field(name);
    return value.isNull() ? QString() : rt::UCase(rt::CStr(value));
}

}  // namespace

// The postal-code database is the brokerage's own file: without it the codes
// are formatted and give their state, and no search runs.
void Form4::OpenPostalCodes()
{
    if (!QFileInfo::exists(appFilePath(PostalCodeFile)))
        return;
    if (std::optional<db::Recordset> table = OpenPostalCodeDatabase())
        ownUntilUnload(postalCodesSP_, std::make_unique<db::Recordset>(std::move(*table)));
}

db::Recordset* Form4::postalCodeTable(const QString& state) const
{
    if (state == QLatin1String("SP"))
        return postalCodesSP_.get();
    return nullptr;
}

// A formatted code loses its hyphen, so the eight digits can be edited.
void Form4::PostalCodeGotFocus(ui::TextBox* box)
{
    if (box->text().size() >= 9)
        box->setText(digitsOf(box->text()));
}

void Form4::PostalCodeLostFocus(const AddressBoxes& boxes)
{
    const QString digits = digitsOf(boxes.code->text());
    if (digits.size() != 8)
        return;
    const QString state = stateForPostalPrefix(digits.left(5).toInt());
    if (!state.isEmpty())
        chooseExactly(boxes.state, state);
    boxes.code->setText(digits.left(5) + u'-' + digits.mid(5));

    db::Recordset* table = searched(state) ? postalCodeTable(state) : nullptr;
    if (!table)
        return;
    try {
        table->FindFirst(QStringLiteral("CEP = ") + digits);
        if (table->NoMatch()) {
            msg::notice(PostalCodeNotFound);
            return;
        }
        if (!rt::Trim(boxes.address->text()).isEmpty())
            return;
        // Read whole before any box changes: address, city and district come
        // from one row or not at all.
        const QString address = upperField(*table, QStringLiteral("ENDEREÇO"));
        const QString city = upperField(*table, QStringLiteral("Localidade"));
        const QString district = upperField(*table, QStringLiteral("BAI_INI"));
        boxes.address->setText(address);
        boxes.city->setText(city);
        boxes.district->setText(district);
    } catch (const EngineError&) {
        // A damaged table ends the step quietly; the state and the format stay.
    }
}

}  // namespace vorna::clients
