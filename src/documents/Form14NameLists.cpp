#include "documents/Form14.h"
#include "documents/HeaderLookups.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

bool findNamedRow(db::Recordset& rs, const ui::PickList& list)
{
    const QString text = list.Text();
    const int at = list.ListIndex();
    const QVariant key = at >= 0 && list.List(at) == text ? list.itemData(at, Form14::KeyRole) : QVariant();
    if (key.isValid()) {
        QString criteria = QStringLiteral("CODIGO = ") + QString::number(key.toLongLong());
        const QVariant branch = list.itemData(at, Form14::BranchRole);
        if (branch.isValid())
            criteria += QStringLiteral(" AND FILIAL = ") + QString::number(branch.toLongLong());
        rs.FindFirst(criteria);
    } else {
        rs.FindFirst(db::containsCriteria(QStringLiteral("NOME"), text));
    }
    return !rs.NoMatch();
}

namespace {

const QString InsurerNotFound = QStringLiteral("CIA NÃO ENCONTRADA");

// The code of the name chosen into the list's code box; false when nothing was
// put there. A list left without text (the clearing step empties each one)
// names no row, so its code box stays empty.
bool putCodeOfName(db::Recordset& rs, ui::PickList* list, ui::TextBox* codeBox, const QString& notFound)
{
    if (rt::Trim(list->Text()).isEmpty())
        return false;
    if (!findNamedRow(rs, *list)) {
        msg::notFound(notFound);
        return false;
    }
    codeBox->setText(rt::CStr(rs.field(QStringLiteral("CODIGO"))));
    return true;
}

}  // namespace

void Form14::Combo3_Click()
{
    putCodeOfName(recordsets_->RAMOS, ui->Combo3, ui->Text4, QStringLiteral("RAMO NÃO ENCONTRADO"));
}

void Form14::Combo4_Click() { putCodeOfName(recordsets_->CIAS, ui->Combo4, ui->Text7, InsurerNotFound); }
void Form14::Combo6_Click() { putCodeOfName(recordsets_->CIAS, ui->Combo6, ui->Text11, InsurerNotFound); }

void Form14::Combo14_Click()
{
    putCodeOfName(recordsets_->GRUPO, ui->Combo14, ui->Text8, QStringLiteral("GRUPO NÃO ENCONTRADO"));
}

// A producer chosen by name gets its code only; its share comes from leaving
// the code box.
void Form14::Combo8_Click()
{
    putCodeOfName(recordsets_->PRODUTOR, ui->Combo8, ui->Text18, msg::ProducerNotFoundAccented);
}
void Form14::Combo9_Click()
{
    putCodeOfName(recordsets_->PRODUTOR, ui->Combo9, ui->Text25, msg::ProducerNotFoundAccented);
}
void Form14::Combo10_Click()
{
    putCodeOfName(recordsets_->PRODUTOR, ui->Combo10, ui->Text26, msg::ProducerNotFoundAccented);
}
void Form14::Combo18_Click()
{
    putCodeOfName(recordsets_->PRODUTOR, ui->Combo18, ui->Text32, msg::ProducerNotFoundAccented);
}
void Form14::Combo19_Click()
{
    putCodeOfName(recordsets_->PRODUTOR, ui->Combo19, ui->Text33, msg::ProducerNotFoundAccented);
}

// The client name list has no entries; it is a text box for the name search.
void Form14::Combo5_Click()
{
    if (putCodeOfName(recordsets_->CLIENTES, ui->Combo5, ui->Text9, msg::ClientNotFoundAccented))
        PutClientBranch();
}

void Form14::Combo5_GotFocus() {}

}  // namespace vorna::documents
