#include "documents/Form14.h"

#include "common/MessageTexts.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

// The branch is not asked: the first document with the number is shown.
void Form14::Text1_LostFocus()
{
    const QString typed = ui->Text1->text();
    if (rt::Trim(typed).isEmpty())
        return;
    db::Recordset& documents = recordsets_->DOCUMENTOS;
    const std::optional<QString> number = db::wholeNumber(typed);
    if (number)
        documents.FindFirst(QStringLiteral("PROPOSTA = ") + *number);
    if (number && !documents.NoMatch()) {
        ShowDocument();
        return;
    }
    // The window keeps what it showed; only what acts on a shown document goes.
    msg::notFound(QStringLiteral("DOCUMENTO NAO ENCONTRADO"));
    for (QWidget* button : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D15, ui->Command3D20,
                                                           ui->Command3D16})
        button->setEnabled(false);
    ui->Frame3D2->setEnabled(true);
}

void Form14::Text30_LostFocus()
{
    const std::optional<QString> original = db::wholeNumber(ui->Text30->text());
    const std::optional<QString> branch = db::wholeNumber(ui->Text23->text());
    if (rt::Trim(ui->Text30->text()).isEmpty() || rt::Trim(ui->Text23->text()).isEmpty())
        return;
    db::Recordset& documents = recordsets_->DOCUMENTOS;
    if (original && branch)
        documents.FindFirst(QStringLiteral("ORIGINAL = %1 AND FILIAL = %2").arg(*original, *branch));
    if (original && branch && !documents.NoMatch()) {
        ShowDocument();
        return;
    }
    msg::notFound(QStringLiteral("DOCUMENTO NÃO ENCONTRADO"));
}

// The branch a user would type here has no reader: the box only shows the
// document's branch, which the show, the clearing and the save keep.
void Form14::Text23_LostFocus() {}

}  // namespace vorna::documents
