#include "common/RecordWindowPattern.h"

#include "common/ProgramState.h"
#include "platform/runtime/Runtime.h"

#include <QWidget>

namespace vorna {

RecordWindowPattern::RecordWindowPattern(RecordWindowSpec design) : spec_(std::move(design))
{
    const db::Database& database = spec_.database.isOpen() ? spec_.database : state().MainDatabase;
    rs_ = database.openRecordset(spec_.table);
    if (spec_.audit)
        audit_ = AuditLog(database);
    if (spec_.search.list) {
        NameFragmentSearchSpec search = spec_.search;
        if (!search.codeBox) {
            search.codeBox = spec_.codeBox;
            search.codeField = spec_.keyField;
        }
        if (!search.nameBox) {
            search.nameBox = spec_.nameBox;
            search.nameField = spec_.nameField;
        }
        search_ = std::make_unique<NameFragmentSearch>(rs_, std::move(search), [this] { Show(); },
                                                       [this] { endShown(); });
    }
}

// ---- the four procedures ---------------------------------------------------

void RecordWindowPattern::Show()
{
    std::vector<Variant> values;
    values.reserve(spec_.fields.size());
    for (const record::Field& field : spec_.fields)
        values.push_back(field.read(rs_));
    const Variant row = rs_.bookmark();

    Clear();
    shownRow_ = row;
    shown_ = true;
    if (spec_.shownButton)
        spec_.shownButton->setEnabled(true);
    if (spec_.clearButton)
        spec_.clearButton->setEnabled(true);
    if (spec_.hooks.mayShowValues && !spec_.hooks.mayShowValues())
        return;
    for (size_t i = 0; i < spec_.fields.size(); ++i)
        spec_.fields[i].put(values[i]);
}

bool RecordWindowPattern::Validate()
{
    if (spec_.hooks.validate)
        return spec_.hooks.validate();
    for (const RecordRequired& required : spec_.required) {
        if (rt::Trim(record::boxText(required.box)).isEmpty()) {
            msg::requiredEntryMissing(required.message);
            focus(required.box);
            return false;
        }
    }
    return true;
}

bool RecordWindowPattern::Write()
{
    try {
        for (const record::Field& field : spec_.fields)
            field.prepareWrite();
        if (spec_.hooks.fillNewRow && rs_.editMode() == db::Recordset::EditMode::Add)
            spec_.hooks.fillNewRow(rs_);
        for (const record::Field& field : spec_.fields)
            field.write(rs_);
        rs_.Update();
        return true;
    } catch (const EngineError& failure) {
        rs_.CancelUpdate();
        if (spec_.writeFailures == WriteFailures::Unhandled)
            throw;
        const bool duplicate = failure.number() == err::DuplicateKey && !spec_.texts.duplicateKey.isEmpty();
        msg::writeFailure(failure.number(), duplicate ? spec_.texts.duplicateKey : spec_.texts.writeFailure);
        return false;
    }
}

void RecordWindowPattern::Clear()
{
    for (const record::Field& field : spec_.fields)
        field.clear();
}

// ---- building blocks ---------------------------------------------------------

std::optional<Variant> RecordWindowPattern::addRecord()
{
    if (spec_.hooks.beforeNewRow)
        spec_.hooks.beforeNewRow();
    rs_.AddNew();
    if (!Write())
        return std::nullopt;
    // The row just added is the last of this window's recordset.
    rs_.MoveLast();
    return rs_.field(spec_.keyField);
}

bool RecordWindowPattern::alterShownRecord()
{
    // A name search may have moved the position since the row was shown.
    rs_.setBookmark(shownRow_);
    rs_.Edit();
    return Write();
}

void RecordWindowPattern::deleteShownRecord()
{
    rs_.setBookmark(shownRow_);
    rs_.Delete();
}

void RecordWindowPattern::writeAudit(const Variant& code, const QString& remarks)
{
    audit_.write({code, nameText(), remarks, {}, {}});
}

// ---- the handlers --------------------------------------------------------------

void RecordWindowPattern::SaveClick()
{
    if (isShown()) {
        if (spec_.save == SaveMode::AddOnly) {
            // A stored row is never altered here: "Gravar" only lets go of it.
            Clear();
            focus(spec_.focusAfterAlteration);
            endShown();
            return;
        }
        if (spec_.hooks.mayAlter && !spec_.hooks.mayAlter())
            return;
        if (spec_.validateAlteration && !Validate())
            return;
        alterShown();
        return;
    }

    if (!Validate())
        return;
    if (spec_.hooks.mayAdd && !spec_.hooks.mayAdd())
        return;
    const std::optional<Variant> key = addRecord();
    if (key) {
        if (spec_.afterAddition == AfterAddition::ReportNewKey)
            msg::newRecordNumber(spec_.texts.newRecord, rt::CLng(*key), spec_.texts.newRecordTitle);
        if (spec_.hooks.added)
            spec_.hooks.added(*key);
        if (spec_.audit)
            writeAudit(*key, spec_.audit->added);
    }
    if (spec_.afterAddition == AfterAddition::KeepTypedValues) {
        // The other boxes keep what was typed, ready for a further record.
        focus(spec_.focusAfterAddition);
        record::clearBox(spec_.codeBox);
    } else {
        Clear();
        focus(spec_.focusAfterAddition);
    }
    endShown();
}

void RecordWindowPattern::AlterClick()
{
    if (isShown())
        alterShown();
}

void RecordWindowPattern::alterShown()
{
    // The audit code is read before the write, so a code box that cannot make
    // an audit row stops the alteration before anything is stored.
    const Variant code = spec_.audit ? auditCodeFromBox(codeText()) : Variant();
    if (alterShownRecord() && spec_.audit)
        writeAudit(code, spec_.audit->altered);
    Clear();
    focus(spec_.focusAfterAlteration);
    endShown();
}

void RecordWindowPattern::ClearClick()
{
    Clear();
    endShown();
    focus(spec_.focusAfterClear);
}

void RecordWindowPattern::DeleteClick()
{
    if (spec_.deletion == Deletion::None || !isShown())
        return;
    if (spec_.hooks.mayDelete && !spec_.hooks.mayDelete())
        return;
    if (spec_.deletion == Deletion::AskFirst && !msg::confirmDeletion()) {
        endShown();
        Clear();
        return;
    }
    // The audit row names what the boxes showed, and is written only once the
    // row is really gone.
    const Variant code = spec_.audit ? auditCodeFromBox(codeText()) : Variant();
    const QString name = nameText();
    deleteShownRecord();
    if (spec_.audit)
        audit_.write({code, name, spec_.audit->deleted, {}, {}});
    Clear();
    focus(spec_.focusAfterDeletion);
    endShown();
    if (spec_.deletionDisablesClear && spec_.clearButton)
        spec_.clearButton->setEnabled(false);
}

void RecordWindowPattern::SearchClick()
{
    if (search_)
        search_->search();
}

void RecordWindowPattern::PickClick()
{
    if (search_)
        search_->pick();
}

void RecordWindowPattern::FirstClick()
{
    navigate(rs_, NavigationMove::First, spec_.navigation, [this] { Show(); });
}

void RecordWindowPattern::PreviousClick()
{
    navigate(rs_, NavigationMove::Previous, spec_.navigation, [this] { Show(); });
}

void RecordWindowPattern::NextClick()
{
    navigate(rs_, NavigationMove::Next, spec_.navigation, [this] { Show(); });
}

void RecordWindowPattern::LastClick()
{
    navigate(rs_, NavigationMove::Last, spec_.navigation, [this] { Show(); });
}

// ---- state -------------------------------------------------------------------------

bool RecordWindowPattern::isShown() const
{
    // The button's own state: a window disabled as a whole still shows its record.
    if (spec_.shownButton)
        return !spec_.shownButton->testAttribute(Qt::WA_ForceDisabled);
    return shown_;
}

void RecordWindowPattern::endShown()
{
    shown_ = false;
    if (spec_.shownButton)
        spec_.shownButton->setEnabled(false);
}

void RecordWindowPattern::focus(QWidget* box)
{
    if (box)
        box->setFocus(Qt::OtherFocusReason);
}

QString RecordWindowPattern::codeText() const
{
    return spec_.codeBox ? record::boxText(spec_.codeBox) : QString();
}

QString RecordWindowPattern::nameText() const
{
    return spec_.nameBox ? record::boxText(spec_.nameBox) : QString();
}

}  // namespace vorna
