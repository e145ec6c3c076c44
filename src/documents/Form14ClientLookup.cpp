#include "documents/Form14.h"
#include "documents/HeaderLookups.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/Twips.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

const QString& ClientNotFound = msg::ClientNotFoundAccented;

// The branch handed to the client window when the branch box holds no number.
constexpr int32_t HeadOfficeBranch = 1;

// A whole number of up to nine digits, which every 32-bit field holds.
std::optional<int32_t> smallNumber(const QString& text)
{
    const std::optional<QString> digits = db::wholeNumber(text);
    if (!digits || digits->size() > 9)
        return std::nullopt;
    return digits->toInt();
}

}  // namespace

// The client's branch reaches the branch box and both branch values; a client
// without producer or branch leaves those boxes as they were.
void Form14::PutClientBranch()
{
    const db::Recordset& clients = recordsets_->CLIENTES;
    const Variant branch = clients.field(QStringLiteral("FILIAL"));
    if (branch.isNull() || branch.isEmpty())
        return;
    ui->Text10->setText(rt::CStr(branch));
    const int32_t number = rt::CLng(branch);
    vorna::state().handOver.ReturnDocumentBranch = number;
    values_.ClientBranch = number;
}

namespace {

void putProducer(ui::TextBox* box, const db::Recordset& clients)
{
    const Variant producer = clients.field(QStringLiteral("PRODUTOR"));
    if (!producer.isNull() && !producer.isEmpty())
        box->setText(rt::CStr(producer));
}

}  // namespace

void Form14::Text9_LostFocus()
{
    const QString code = rt::Trim(ui->Text9->text());
    if (code.isEmpty())
        return;
    db::Recordset& clients = recordsets_->CLIENTES;
    const std::optional<QString> number = db::wholeNumber(code);
    if (number)
        clients.FindFirst(QStringLiteral("CODIGO = ") + *number);
    if (!number || clients.NoMatch()) {
        msg::notFound(ClientNotFound);
        return;
    }
    const Variant name = clients.field(QStringLiteral("NOME"));
    if (name.isNull())
        return;
    ui->Combo5->setText(rt::CStr(name));
    // A stored document keeps its producer.
    if (rt::Trim(ui->Text1->text()).isEmpty())
        putProducer(ui->Text18, clients);
    PutClientBranch();
}

// Each line keeps its client's code, so of two namesakes the one picked is
// the one taken. Lines of a search that found nothing more stay listed.
void Form14::Command5_Click()
{
    const QString typed = ui->Combo5->Text();
    if (rt::Trim(typed).isEmpty())
        return;
    ui::placeTwips(ui->List9, 3465, 1380, 4470, 3180);
    ui->List9->setVisible(true);
    ui->List9->raise();
    db::Recordset& clients = recordsets_->CLIENTES;
    const QString criteria = db::containsCriteria(QStringLiteral("NOME"), typed);
    clients.FindFirst(criteria);
    if (clients.NoMatch()) {
        msg::notFound(ClientNotFound);
        ui->List9->setVisible(false);
        return;
    }
    for (; !clients.NoMatch(); clients.FindNext(criteria)) {
        const int at = ui->List9->AddItem(rt::CStr(clients.field(QStringLiteral("NOME"))));
        ui->List9->setItemData(at, rt::CLng(clients.field(QStringLiteral("CODIGO"))));
    }
}

void Form14::List9_Click()
{
    const int at = ui->List9->ListIndex();
    if (at < 0)
        return;
    db::Recordset& clients = recordsets_->CLIENTES;
    clients.FindFirst(QStringLiteral("CODIGO = ") + QString::number(ui->List9->ItemData(at).toLongLong()));
    if (clients.NoMatch()) {
        // Deleted by another workstation since it was listed.
        msg::notFound(ClientNotFound);
        return;
    }
    ui->Text9->setText(rt::CStr(clients.field(QStringLiteral("CODIGO"))));
    const Variant name = clients.field(QStringLiteral("NOME"));
    if (!name.isNull())
        ui->Combo5->setText(rt::CStr(name));
    putProducer(ui->Text18, clients);
    PutClientBranch();
    ui->List9->setVisible(false);
    ui->List9->Clear();
}

// "Consultar Cliente": what is typed and not saved is dropped; the client
// window's "Retornar" opens this window again on the document handed over.
void Form14::Command6_Click()
{
    const QString client = ui->Text9->text();
    if (rt::Trim(client).isEmpty())
        return;
    HandOver& handOver = vorna::state().handOver;
    handOver.CallerCode = Variant(caller::ClientFromDocument);
    handOver.ReturnDocumentNumber = 0;
    handOver.PassedRecordCode = Variant(client);
    handOver.ReturnDocumentBranch = smallNumber(ui->Text10->text()).value_or(HeadOfficeBranch);
    if (!rt::Trim(ui->Text1->text()).isEmpty())
        handOver.ReturnDocumentNumber = smallNumber(ui->Text1->text()).value_or(0);
    Unload();
    windows::Form4().Show();
}

}  // namespace vorna::documents
