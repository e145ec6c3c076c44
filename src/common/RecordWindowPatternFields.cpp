#include "common/RecordWindowPatternFields.h"

#include "platform/controls/MaskEdBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PickList.h"
#include "platform/runtime/Runtime.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vorna::record {

QString boxText(const QWidget* box)
{
    if (auto* masked = qobject_cast<const ui::MaskEdBox*>(box))
        return masked->Text();
    if (auto* pick = qobject_cast<const ui::PickList*>(box))
        return pick->Text();
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(box))
        return plain->toPlainText();
    if (auto* rich = qobject_cast<const QTextEdit*>(box))
        return rich->toPlainText();
    if (auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    return {};
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* masked = qobject_cast<ui::MaskEdBox*>(box))
        masked->setText(text);
    else if (auto* pick = qobject_cast<ui::PickList*>(box))
        pick->setText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(box))
        rich->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(box))
        combo->setCurrentText(text);
}

void clearBox(QWidget* box)
{
    auto* masked = qobject_cast<ui::MaskEdBox*>(box);
    if (masked && !masked->Mask().isEmpty()) {
        const QString mask = masked->Mask();
        masked->setMask(QString());
        masked->setText(QString());
        masked->setMask(mask);
        return;
    }
    setBoxText(box, QString());
}

bool boxIsEmpty(const QWidget* box)
{
    auto* masked = qobject_cast<const ui::MaskEdBox*>(box);
    if (masked && !masked->Mask().isEmpty())
        return masked->ClipText().isEmpty();
    return boxText(box).isEmpty();
}

Field Field::box(QString field, QWidget* box, Written written)
{
    Field f;
    f.kind_ = Kind::Box;
    f.field_ = std::move(field);
    f.box_ = box;
    f.written_ = written;
    return f;
}

Field Field::options(QString field, std::vector<std::pair<ui::OptionButton*, QString>> choices)
{
    Field f;
    f.kind_ = Kind::Options;
    f.field_ = std::move(field);
    f.choices_ = std::move(choices);
    return f;
}

Field Field::flag(QString field, QAbstractButton* check, QString ticked, QString unticked)
{
    Field f;
    f.kind_ = Kind::Flag;
    f.field_ = std::move(field);
    f.box_ = check;
    f.ticked_ = std::move(ticked);
    f.unticked_ = std::move(unticked);
    return f;
}

Field Field::computed(QString field, std::function<Variant()> value)
{
    Field f;
    f.kind_ = Kind::Computed;
    f.field_ = std::move(field);
    f.computed_ = std::move(value);
    return f;
}

Field& Field::shownThrough(QString format)
{
    format_ = std::move(format);
    return *this;
}

Variant Field::read(const db::Recordset& rs) const
{
    if (kind_ == Kind::Computed)
        return {};
    return rs.field(field_);
}

void Field::put(const Variant& value) const
{
    if (value.isNull() || value.isEmpty())
        return;
    switch (kind_) {
    case Kind::Box:
        setBoxText(box_, format_.isEmpty() ? rt::CStr(value) : rt::Format(value, format_));
        break;
    case Kind::Options: {
        // Codes are compared exactly; an unknown code chooses nothing.
        const QString code = rt::CStr(value);
        for (const auto& [button, choice] : choices_) {
            if (choice == code) {
                button->setValue(true);
                break;
            }
        }
        break;
    }
    case Kind::Flag: {
        auto* check = static_cast<QAbstractButton*>(box_);
        check->setChecked(value.isString() && value.stringValue() == ticked_);
        break;
    }
    case Kind::Computed:
        break;
    }
}

void Field::clear() const
{
    switch (kind_) {
    case Kind::Box:
        clearBox(box_);
        break;
    case Kind::Options:
        for (const auto& choice : choices_)
            choice.first->setValue(false);
        break;
    case Kind::Flag:
        static_cast<QAbstractButton*>(box_)->setChecked(false);
        break;
    case Kind::Computed:
        break;
    }
}

void Field::prepareWrite() const
{
    if (kind_ == Kind::Box && written_ == Written::Rate && boxText(box_).isEmpty())
        setBoxText(box_, QStringLiteral("0"));
}

void Field::write(db::Recordset& rs) const
{
    switch (kind_) {
    case Kind::Box: {
        const QString text = boxText(box_);
        switch (written_) {
        case Written::Always:
            rs.setField(field_, Variant(text));
            break;
        case Written::WhenNotBlank:
            if (!rt::Trim(text).isEmpty())
                rs.setField(field_, Variant(text));
            break;
        case Written::WhenNotEmpty:
            if (!boxIsEmpty(box_))
                rs.setField(field_, Variant(text));
            break;
        case Written::NumberWhenNotEmpty:
            if (!boxIsEmpty(box_))
                rs.setField(field_, Variant(rt::CDbl(Variant(text))));
            break;
        case Written::Rate:
            rs.setField(field_, Variant(rt::CDbl(Variant(text))));
            break;
        case Written::Never:
            break;
        }
        break;
    }
    case Kind::Options:
        for (const auto& [button, code] : choices_) {
            if (button->Value()) {
                rs.setField(field_, Variant(code));
                break;
            }
        }
        break;
    case Kind::Flag:
        rs.setField(field_, Variant(static_cast<QAbstractButton*>(box_)->isChecked() ? ticked_ : unticked_));
        break;
    case Kind::Computed:
        rs.setField(field_, computed_());
        break;
    }
}

}  // namespace vorna::record
