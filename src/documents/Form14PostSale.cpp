// The post-sale panel: the follow-up contact's date and the client's two
// answers, stored in the document the panel was opened on.
#include "documents/Form14.h"

#include "common/MessageTexts.h"
#include "platform/controls/ControlEvents.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

const QString DocumentNotFound = QStringLiteral("DOCUMENTO NAO ENCONTRADO");
const QString DateMask = QStringLiteral("##/##/####");

// The current row as a bookmark, Empty when there is none to come back to.
Variant currentRow(const db::Recordset& rs)
{
    try {
        return rs.EOF() || rs.BOF() ? Variant() : rs.bookmark();
    } catch (const EngineError&) {
        return Variant();
    }
}

// Back to a row kept before a search; one deleted meanwhile stays left.
void returnTo(db::Recordset& rs, const Variant& row)
{
    if (row.isEmpty())
        return;
    try {
        rs.setBookmark(row);
    } catch (const EngineError&) {
    }
}

void emptyDateBox(ui::MaskEdBox* box)
{
    box->setMask(QString());
    box->setText(QString());
    box->setMask(DateMask);
}

}  // namespace

void Form14::connectPostSale()
{
    ui::on(ui->MaskEdBox74).LostFocus(this, &Form14::MaskEdBox74_LostFocus);
    ui::on(ui->Command4).Click(this, &Form14::Command4_Click);
}

// Whatever the box held, leaving it stamps today.
void Form14::MaskEdBox74_LostFocus()
{
    ui->MaskEdBox74->setText(rt::Format(rt::Date(), QStringLiteral("dd/mm/yyyy")));
}

// The values go into the document they were loaded from, even when the window
// has moved to another one since; the window's current row is left where it
// was. When that document is gone or the write is refused, the panel stays
// open with what was typed.
void Form14::Command4_Click()
{
    db::Recordset& documents = recordsets_->DOCUMENTOS;
    bool found = false;
    try {
        const Variant shownRow = currentRow(documents);
        if (postSaleDocument_) {
            documents.FindFirst(QStringLiteral("PROPOSTA = ") + QString::number(*postSaleDocument_));
            found = !documents.NoMatch();
        }
        if (found) {
            try {
                documents.Edit();
                const QString date = ui->MaskEdBox74->Text();
                if (!ui->MaskEdBox74->ClipText().isEmpty() && rt::IsDate(Variant(date)))
                    documents.setField(QStringLiteral("DTPOS"), rt::CDate(Variant(date)));
                documents.setField(QStringLiteral("POS1"), Variant(ui->Text16->text()));
                documents.setField(QStringLiteral("POS5"), Variant(ui->Text22->text()));
                documents.Update();
            } catch (...) {
                documents.CancelUpdate();
                returnTo(documents, shownRow);
                throw;
            }
        }
        returnTo(documents, shownRow);
    } catch (const EngineError& failure) {
        msg::writeFailure(failure.number());
        return;
    }
    if (!found) {
        msg::notFound(DocumentNotFound);
        return;
    }
    ui->Text16->setText(QString());
    ui->Text22->setText(QString());
    emptyDateBox(ui->MaskEdBox74);
    ui->Frame3D15->setVisible(false);
    postSaleDocument_.reset();
}

}  // namespace vorna::documents
