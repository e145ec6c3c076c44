#include "common/RecordWindowPattern.h"

#include <QWidget>

namespace vorna {

RecordBindingDesign RecordWindowPattern::bindingOf(RecordWindowSpec& spec, const RecordWindowPattern* window)
{
    RecordBindingDesign design;
    design.database = spec.database;
    design.table = std::move(spec.table);
    design.keyField = std::move(spec.keyField);
    design.nameField = std::move(spec.nameField);
    design.codeBox = spec.codeBox;
    design.nameBox = spec.nameBox;
    design.fields = std::move(spec.fields);
    design.required = std::move(spec.required);
    if (!spec.validateAlteration) {
        for (RecordRequired& required : design.required)
            required.when = [window] { return !window->isShown(); };
    }
    design.writeFailures = spec.writeFailures;
    design.writeFailure = spec.texts.writeFailure;
    design.duplicateKey = spec.texts.duplicateKey;
    design.hooks.beforeNewRow = std::move(spec.hooks.beforeNewRow);
    design.hooks.fillNewRow = std::move(spec.hooks.fillNewRow);
    return design;
}

namespace {

RecordButtonsDesign buttonsOf(RecordWindowSpec& spec)
{
    RecordButtonsDesign design;
    design.shownButton = spec.shownButton;
    design.clearButton = spec.clearButton;
    design.save = spec.save;
    design.afterAddition = spec.afterAddition;
    design.deletion = spec.deletion;
    design.navigation = spec.navigation;
    design.focus = {spec.focusAfterAlteration, spec.focusAfterAddition, spec.focusAfterDeletion,
                    spec.focusAfterClear};
    design.newRecord = spec.texts.newRecord;
    design.newRecordTitle = spec.texts.newRecordTitle;
    design.search = std::move(spec.search);
    design.audit = spec.audit;
    design.hooks.mayShowValues = std::move(spec.hooks.mayShowValues);
    design.hooks.mayAlter = std::move(spec.hooks.mayAlter);
    design.hooks.mayAdd = std::move(spec.hooks.mayAdd);
    design.hooks.mayDelete = std::move(spec.hooks.mayDelete);
    design.hooks.added = std::move(spec.hooks.added);
    if (spec.deletionDisablesClear && spec.clearButton) {
        QWidget* clear = spec.clearButton;
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
