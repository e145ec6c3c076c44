#include "documents/Form14.h"

#include "common/DateCheck.h"
#include "common/MessageTexts.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

bool blank(const QString& text) { return rt::Trim(text).isEmpty(); }

// A check's message, and the focus on its box when that box can take it (a
// disabled box leaves the focus where it was).
bool refuse(const QString& text, const QString& title, QWidget* focusTo = nullptr)
{
    dlg::MsgBox(text, dlg::Buttons::Ok, title);
    if (focusTo && focusTo->isEnabled() && focusTo->isVisible())
        focusTo->setFocus(Qt::OtherFocusReason);
    return false;
}

}  // namespace

bool Form14::ValidateDocumentHeader()
{
    using msg::TitleAttention;
    using msg::TitleAttentionExclaimed;
    if (blank(ui->Combo5->Text()))
        return refuse(QStringLiteral("NOME DE CLIENTE NÃO PREENCHIDO!"), TitleAttention, ui->Combo5);
    if (blank(ui->Text9->text()))
        return refuse(QStringLiteral("CÓDIGO DE CLIENTE NÃO PREENCHIDO!"), TitleAttention, ui->Text9);
    if (blank(ui->Combo3->Text()))
        return refuse(QStringLiteral("RAMO DE SEGURO NÃO PREENCHIDO!"), TitleAttention, ui->Combo3);
    // The whole text, mask characters included: an untouched box is no date.
    if (!isTypedDate(ui->MaskEdBox8->Text()))
        return refuse(QStringLiteral("PREENCHIMENTO OBRIGATORIO - VIGÊNCIA INICIAL"), TitleAttentionExclaimed,
                      ui->MaskEdBox8);
    if (!isTypedDate(ui->MaskEdBox7->Text()))
        return refuse(QStringLiteral("PREENCHIMENTO OBRIGATORIO - VIGÊNCIA FINAL"), TitleAttentionExclaimed,
                      ui->MaskEdBox7);
    if (blank(ui->Combo4->Text()))
        return refuse(QStringLiteral("SEGURADORA NÃO DEFINIDA!"), TitleAttention, ui->Combo4);
    if (blank(ui->Text4->text()))
        return refuse(QStringLiteral("PREENCHIMENTO OBRIGATORIO - RAMO"), TitleAttentionExclaimed);
    if (blank(ui->Text7->text()))
        return refuse(QStringLiteral("PREENCHIMENTO OBRIGATORIO -  OPERADORA"), TitleAttentionExclaimed);
    const Variant start = rt::CDate(Variant(ui->MaskEdBox8->Text()));
    const Variant end = rt::CDate(Variant(ui->MaskEdBox7->Text()));
    if (rt::DateDiff(QStringLiteral("d"), start, end) <= 0)
        return refuse(QStringLiteral("VIGÊNCIA FINAL MENOR QUE INICIAL!!"), TitleAttentionExclaimed);
    return true;
}

}  // namespace vorna::documents
