#include "common/RecordBinding.h"

#include "common/ProgramState.h"
#include "platform/runtime/Runtime.h"

#include <QWidget>

namespace vorna {

RecordBinding::RecordBinding(RecordBindingDesign design)
    : design_(std::move(design)),
      database_(design_.database.isOpen() ? design_.database : state().MainDatabase),
      rs_(database_.openRecordset(design_.table))
{
}

void RecordBinding::Show(const std::function<bool()>& between)
{
    std::vector<Variant> values;
    values.reserve(design_.fields.size());
    for (const record::Field& field : design_.fields)
        values.push_back(field.read(rs_));
    const Variant row = rs_.bookmark();

    Clear();
    shownRow_ = row;
    if (between && !between())
        return;
    for (size_t i = 0; i < design_.fields.size(); ++i)
        design_.fields[i].put(values[i]);
    if (design_.hooks.filled)
        design_.hooks.filled();
}

bool RecordBinding::Validate()
{
    for (const RecordRequired& required : design_.required) {
        if (required.when && !required.when())
            continue;
        if (rt::Trim(record::boxText(required.box)).isEmpty()) {
            msg::requiredEntryMissing(required.message);
            required.box->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

bool RecordBinding::Write()
{
    try {
        for (const record::Field& field : design_.fields)
            field.prepareWrite();
        if (design_.hooks.fillNewRow && rs_.editMode() == db::Recordset::EditMode::Add)
            design_.hooks.fillNewRow(rs_);
        for (const record::Field& field : design_.fields)
            field.write(rs_);
        rs_.Update();
        return true;
    } catch (const EngineError& failure) {
        rs_.CancelUpdate();
        if (design_.writeFailures == WriteFailures::Unhandled)
            throw;
        const bool duplicate = failure.number() == err::DuplicateKey && !design_.duplicateKey.isEmpty();
        msg::writeFailure(failure.number(), duplicate ? design_.duplicateKey : design_.writeFailure);
        return false;
    }
}

void RecordBinding::Clear()
{
    for (const record::Field& field : design_.fields)
        field.clear();
    if (design_.hooks.cleared)
        design_.hooks.cleared();
}

std::optional<Variant> RecordBinding::addRecord()
{
    if (design_.hooks.beforeNewRow)
        design_.hooks.beforeNewRow();
    rs_.AddNew();
    if (!Write())
        return std::nullopt;
    // The row just added is the last of this recordset.
    rs_.MoveLast();
    return rs_.field(design_.keyField);
}

bool RecordBinding::alterShownRecord()
{
    // A name search may have moved the position since the row was shown.
    rs_.setBookmark(shownRow_);
    rs_.Edit();
    return Write();
}

void RecordBinding::deleteShownRecord()
{
    rs_.setBookmark(shownRow_);
    rs_.Delete();
}

QString RecordBinding::codeText() const
{
    return design_.codeBox ? record::boxText(design_.codeBox) : QString();
}

QString RecordBinding::nameText() const
{
    return design_.nameBox ? record::boxText(design_.nameBox) : QString();
}

}  // namespace vorna
