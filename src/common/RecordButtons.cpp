#include "common/RecordButtons.h"

#include "platform/runtime/Runtime.h"

#include <QWidget>

namespace vorna {

RecordButtons::RecordButtons(RecordBinding& binding, RecordButtonsDesign design)
    : binding_(binding), design_(std::move(design))
{
    if (design_.audit)
        audit_ = AuditLog(binding_.database());
    if (design_.search.list) {
        NameFragmentSearchSpec search = design_.search;
        const RecordBindingDesign& bound = binding_.design();
        if (!search.codeBox) {
            search.codeBox = bound.codeBox;
            search.codeField = bound.keyField;
        }
        if (!search.nameBox) {
            search.nameBox = bound.nameBox;
            search.nameField = bound.nameField;
        }
        search_ = std::make_unique<NameFragmentSearch>(binding_.recordset(), std::move(search), [this] { Show(); },
                                                       [this] { endShown(); });
    }
}

void RecordButtons::Show()
{
    binding_.Show([this] {
        if (design_.hooks.mayShow && !design_.hooks.mayShow())
            return false;
        shown_ = true;
        if (design_.shownButton)
            design_.shownButton->setEnabled(true);
        if (design_.clearButton)
            design_.clearButton->setEnabled(true);
        for (QWidget* button : design_.shownWith)
            button->setEnabled(true);
        return !design_.hooks.mayShowValues || design_.hooks.mayShowValues();
    });
}

// ---- "Gravar" --------------------------------------------------------------------

void RecordButtons::SaveClick()
{
    if (isShown()) {
        if (design_.save == SaveMode::AddOnly) {
            // A stored row is never altered here: "Gravar" only lets go of it.
            binding_.Clear();
            focus(design_.focus.afterAlteration);
            endShown();
            return;
        }
        if (design_.hooks.mayAlter && !design_.hooks.mayAlter())
            return;
        if (!binding_.Validate())
            return;
        alterShown();
        return;
    }

    if (!binding_.Validate())
        return;
    if (design_.hooks.mayAdd && !design_.hooks.mayAdd())
        return;
    const std::optional<Variant> key = binding_.addRecord();
    if (key) {
        if (design_.afterAddition == AfterAddition::ReportNewKey)
            msg::newRecordNumber(design_.newRecord, rt::CLng(*key), design_.newRecordTitle);
        if (design_.hooks.added)
            design_.hooks.added(*key);
        if (design_.audit)
            writeAudit(*key, design_.audit->added);
    }
    if (design_.afterAddition == AfterAddition::KeepTypedValues) {
        // The other boxes keep what was typed, ready for a further record.
        focus(design_.focus.afterAddition);
        record::clearBox(binding_.design().codeBox);
    } else {
        binding_.Clear();
        focus(design_.focus.afterAddition);
    }
    endShown();
}

void RecordButtons::AlterClick()
{
    if (isShown())
        alterShown();
}

void RecordButtons::alterShown()
{
    // The audit code is read before the write, so a code box that cannot make
    // an audit row stops the alteration before anything is stored.
    const Variant code = design_.audit ? auditCodeFromBox(binding_.codeText()) : Variant();
    if (binding_.alterShownRecord() && design_.audit)
        writeAudit(code, design_.audit->altered);
    binding_.Clear();
    focus(design_.focus.afterAlteration);
    endShown();
}

// ---- "Limpar" and "Excluir" ---------------------------------------------------------

void RecordButtons::ClearClick()
{
    binding_.Clear();
    endShown();
    focus(design_.focus.afterClear);
}

void RecordButtons::DeleteClick()
{
    if (design_.deletion == Deletion::None || !isShown())
        return;
    if (design_.hooks.mayDelete && !design_.hooks.mayDelete())
        return;
    if (design_.deletion == Deletion::AskFirst && !msg::confirmDeletion()) {
        endShown();
        binding_.Clear();
        return;
    }
    // The audit row names what the boxes showed, and is written only once the
    // row is really gone.
    const Variant code = design_.audit ? auditCodeFromBox(binding_.codeText()) : Variant();
    const QString name = binding_.nameText();
    binding_.deleteShownRecord();
    if (design_.audit)
        audit_.write({code, name, design_.audit->deleted, {}, {}});
    binding_.Clear();
    focus(design_.focus.afterDeletion);
    endShown();
    if (design_.hooks.deleted)
        design_.hooks.deleted();
}

// ---- "Consultar" and navigation -------------------------------------------------------

void RecordButtons::SearchClick()
{
    if (search_)
        search_->search();
}

void RecordButtons::PickClick()
{
    if (search_)
        search_->pick();
}

void RecordButtons::FirstClick() { navigate(NavigationMove::First); }
void RecordButtons::PreviousClick() { navigate(NavigationMove::Previous); }
void RecordButtons::NextClick() { navigate(NavigationMove::Next); }
void RecordButtons::LastClick() { navigate(NavigationMove::Last); }

void RecordButtons::navigate(NavigationMove move)
{
    vorna::navigate(binding_.recordset(), move, design_.navigation, [this] { Show(); });
}

// ---- state ---------------------------------------------------------------------------

bool RecordButtons::isShown() const
{
    // The button's own state: a window disabled as a whole still shows its record.
    if (design_.shownButton)
        return !design_.shownButton->testAttribute(Qt::WA_ForceDisabled);
    return shown_;
}

void RecordButtons::endShown()
{
    shown_ = false;
    if (design_.shownButton)
        design_.shownButton->setEnabled(false);
    for (QWidget* button : design_.shownWith)
        button->setEnabled(false);
}

void RecordButtons::writeAudit(const Variant& code, const QString& remarks)
{
    audit_.write({code, binding_.nameText(), remarks, {}, {}});
}

std::optional<Variant> RecordButtons::storeWithAudit(bool altering,
                                                     const std::function<bool(db::Recordset&)>& write)
{
    db::Recordset& rs = binding_.recordset();
    const QString name = binding_.nameText();
    Variant code = altering ? auditCodeFromBox(binding_.codeText()) : Variant();
    try {
        auto t = binding_.database().transaction();
        // A refused write has shown its box; leaving the scope undoes it.
        if (!write(rs))
            return std::nullopt;
        if (!altering) {
            rs.MoveLast();
            code = rs.field(binding_.design().keyField);
        }
        if (design_.audit)
            audit_.write({code, name, altering ? design_.audit->altered : design_.audit->added, {}, {}});
        t.commit();
    } catch (const EngineError& failure) {
        if (rs.editMode() != db::Recordset::EditMode::None)
            rs.CancelUpdate();
        msg::writeFailure(failure.number());
        return std::nullopt;
    }
    return code;
}

bool RecordButtons::deleteWithAudit()
{
    const Variant code = design_.audit ? auditCodeFromBox(binding_.codeText()) : Variant();
    const QString name = binding_.nameText();
    try {
        auto t = binding_.database().transaction();
        binding_.recordset().Delete();
        if (design_.audit)
            audit_.write({code, name, design_.audit->deleted, {}, {}});
        t.commit();
    } catch (const EngineError& failure) {
        msg::writeFailure(failure.number());
        return false;
    }
    return true;
}

void RecordButtons::focus(QWidget* box)
{
    if (box)
        box->setFocus(Qt::OtherFocusReason);
}

}  // namespace vorna
