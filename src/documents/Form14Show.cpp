#include "documents/Form14.h"

#include "platform/runtime/Runtime.h"

namespace vorna::documents {

// For now the document's number and branch only; the fields, the viewing
// rules and the status colours follow with the document record.
void Form14::ShowDocument()
{
    ClearDocumentForm();
    db::Recordset& documents = recordsets_->DOCUMENTOS;
    ui->Text1->setText(rt::CStr(documents.field(QStringLiteral("PROPOSTA"))));
    ui->Text23->setText(rt::CStr(documents.field(QStringLiteral("FILIAL"))));
    ui->Command3D3->setEnabled(true);
    ui->Command3D13->setEnabled(true);
}

}  // namespace vorna::documents
