#pragma once
#include "common/RecordBinding.h"
#include "common/RecordButtons.h"

#include <optional>
#include <vector>

// A record window over one table declared in one struct: the binding of its
// boxes and its buttons together, for a window that has nothing else. A window
// with more (several recordsets, hooks on either half) declares a
// RecordBinding and RecordButtons of its own, as the registers do.
namespace vorna {

struct RecordTexts {
    QString newRecord;
    QString newRecordTitle = msg::TitleNewRecord;
    QString writeFailure = msg::RecordLocked;
    QString duplicateKey;
};

struct RecordHooks {
    std::function<bool()> mayShowValues;
    std::function<bool()> mayAlter;
    std::function<bool()> mayAdd;
    std::function<void()> beforeNewRow;
    std::function<void(db::Recordset&)> fillNewRow;
    std::function<bool()> mayDelete;
    std::function<void(const Variant& key)> added;
};

struct RecordWindowSpec {
    db::Database database;
    QString table;
    QString keyField;
    QString nameField = QStringLiteral("NOME");
    QWidget* codeBox = nullptr;
    QWidget* nameBox = nullptr;
    std::vector<record::Field> fields;
    std::vector<RecordRequired> required;

    QWidget* shownButton = nullptr;
    QWidget* clearButton = nullptr;

    SaveMode save = SaveMode::AlterOrAdd;
    bool validateAlteration = true;  // false: the required boxes only for a new record
    AfterAddition afterAddition = AfterAddition::KeepTypedValues;
    WriteFailures writeFailures = WriteFailures::Reported;
    Deletion deletion = Deletion::AskFirst;
    bool deletionDisablesClear = false;
    NavigationKind navigation = NavigationKind::WithMessage;

    QWidget* focusAfterAlteration = nullptr;
    QWidget* focusAfterAddition = nullptr;
    QWidget* focusAfterDeletion = nullptr;
    QWidget* focusAfterClear = nullptr;

    RecordTexts texts;
    NameFragmentSearchSpec search;
    std::optional<AuditPhrases> audit;
    RecordHooks hooks;
};

class RecordWindowPattern {
public:
    explicit RecordWindowPattern(RecordWindowSpec design);

    void Show() { buttons_.Show(); }
    void SaveClick() { buttons_.SaveClick(); }
    void ClearClick() { buttons_.ClearClick(); }
    void DeleteClick() { buttons_.DeleteClick(); }
    void AlterClick() { buttons_.AlterClick(); }
    void SearchClick() { buttons_.SearchClick(); }
    void PickClick() { buttons_.PickClick(); }
    void FirstClick() { buttons_.FirstClick(); }
    void PreviousClick() { buttons_.PreviousClick(); }
    void NextClick() { buttons_.NextClick(); }
    void LastClick() { buttons_.LastClick(); }

    bool isShown() const { return buttons_.isShown(); }
    void endShown() { buttons_.endShown(); }

    RecordBinding& binding() { return binding_; }
    RecordButtons& buttons() { return buttons_; }
    db::Recordset& recordset() { return binding_.recordset(); }

private:
    static RecordBindingDesign bindingOf(RecordWindowSpec& old, const RecordWindowPattern* window);

    RecordBinding binding_;
    RecordButtons buttons_;
};

}  // namespace vorna
