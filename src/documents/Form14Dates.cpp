// The start, request and exclusion dates of the header.
#include "documents/Form14.h"

#include "common/DateCheck.h"
#include "common/ProgramState.h"
#include "common/RecordWindowPatternFields.h"
#include "platform/runtime/Runtime.h"

#include <QDate>

namespace vorna::documents {

namespace {

const QDate CostRuleStart(2013, 1, 1);

QDate typedDate(const ui::MaskEdBox* box) { return QDate::fromString(box->Text(), QStringLiteral("dd/MM/yyyy")); }

QString dateText(const QDate& date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }

}  // namespace

// A policy's start fills its end (a year later) and its production date; from
// 2013 on, where the settings say so, a policy has no policy cost.
void Form14::MaskEdBox8_LostFocus()
{
    if (!DateCheck(ui->MaskEdBox8) || ui->MaskEdBox8->ClipText().isEmpty())
        return;
    // An endorsement's period comes from its policy.
    if (ui->Combo2->Text() == u"ENDOSSO")
        return;
    const QDate start = typedDate(ui->MaskEdBox8);
    if (!start.isValid())
        return;
    const Variant& costOption = vorna::state().settings.CostOption;
    if (start >= CostRuleStart && costOption.isString() && costOption.stringValue() == u"S") {
        ui->Label18->hide();
        record::setBoxText(ui->MaskEdBox3, QStringLiteral("0"));
        ui->MaskEdBox3->hide();
    }
    const QDate end = start.addYears(1);
    if (end.year() <= 9999)
        record::setBoxText(ui->MaskEdBox7, dateText(end));
    record::setBoxText(ui->MaskEdBox58, dateText(start));
}

void Form14::MaskEdBox9_LostFocus()
{
    if (!DateCheck(ui->MaskEdBox9) || ui->MaskEdBox9->ClipText().isEmpty())
        return;
    if (ui->MaskEdBox8->ClipText().isEmpty())
        record::setBoxText(ui->MaskEdBox8, ui->MaskEdBox9->Text());
}

void Form14::MaskEdBox61_LostFocus() { DateCheck(ui->MaskEdBox61); }

}  // namespace vorna::documents
