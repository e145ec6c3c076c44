#include "common/RecordWindowPattern.h"

#include <QWidget>

namespace vorna {

RecordBindingDesign RecordWindowPattern::bindingOf(RecordWindowSpec& old, const RecordWindowPattern* window)
{
    RecordBindingDesign design;
    design.database = old.database;
    design.table = std::move(old.table);
    design.keyField = std::move(old.keyField);
    design.nameField = std::move(old.nameField);
    design.codeBox = old.codeBox;
    design.nameBox = old.nameBox;
    design.fields = std::move(old.fields);
    design.required = std::move(old.required);
    if (!old.validateAlteration) {
        for (RecordRequired& required : design.required)
            required.when = [window] { return !window->isShown(); };
    }
    design.writeFailures = old.writeFailures;
    design.writeFailure = old.texts.writeFailure;
    design.duplicateKey = old.texts.duplicateKey;
    design.hooks.beforeNewRow = std::move(old.hooks.beforeNewRow);
    design.hooks.fillNewRow = std::move(old.hooks.fillNewRow);
    return design;
}

namespace {

RecordButtonsDesign buttonsOf(RecordWindowSpec& old)
{
    RecordButtonsDesign design;
    design.shownButton = old.shownButton;
    design.clearButton = old.clearButton;
    design.save = old.save;
    design.afterAddition = old.afterAddition;
    design.deletion = old.deletion;
    design.navigation = old.navigation;
    design.focus = {old.focusAfterAlteration, old.focusAfterAddition, old.focusAfterDeletion,
                    old.focusAfterClear};
    design.newRecord = old.texts.newRecord;
    design.newRecordTitle = old.texts.newRecordTitle;
    design.search = std::move(old.search);
    design.audit = old.audit;
    design.hooks.mayShowValues = std::move(old.hooks.mayShowValues);
    design.hooks.mayAlter = std::move(old.hooks.mayAlter);
    design.hooks.mayAdd = std::move(old.hooks.mayAdd);
    design.hooks.mayDelete = std::move(old.hooks.mayDelete);
    design.hooks.added = std::move(old.hooks.added);
    if (old.deletionDisablesClear && old.clearButton) {
        QWidget* clear = old.clearButton;
        design.hooks.deleted = [clear] { clear->setEnabled(false); };
    }
    return design;
}

}  // namespace

RecordWindowPattern::RecordWindowPattern(RecordWindowSpec design)
    : binding_(bindingOf(design, this)), buttons_(binding_, buttonsOf(design))
{
}

}  // namespace vorna
