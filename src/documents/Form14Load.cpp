#include "documents/Form14.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

struct TableToOpen {
    db::Recordset DocumentRecordsets::*slot;
    const char* table;
    bool quotation;  // on the quotation database, else on the main one
};

// In the order the window has always opened them.
const TableToOpen Tables[] = {
    {&DocumentRecordsets::COTACAO, "COTACAO", true},
    {&DocumentRecordsets::COTEXTO, "COTEXTO", true},
    {&DocumentRecordsets::AUTOMOVEL, "AUTOMOVEL", false},
    {&DocumentRecordsets::MULTIRISCO, "MULTIRISCO", false},
    {&DocumentRecordsets::DOCUMENTOS, "DOCUMENTOS", false},
    {&DocumentRecordsets::DOCUMORTOS, "DOCUMORTOS", false},
    {&DocumentRecordsets::CLIENTES, "CLIENTES", false},
    {&DocumentRecordsets::NAOCLIENTES, "NAOCLIENTES", false},
    {&DocumentRecordsets::OUTROS, "OUTROS", false},
    {&DocumentRecordsets::GRUPO, "GRUPO", false},
    {&DocumentRecordsets::SINISTRO, "SINISTRO", false},
    {&DocumentRecordsets::RAMOS, "RAMOS", false},
    {&DocumentRecordsets::LOGUI, "LOGUI", false},
    {&DocumentRecordsets::TMP, "TMP", false},
    {&DocumentRecordsets::CIAS, "CIAS", false},
    {&DocumentRecordsets::ATENDE, "ATENDE", false},
    {&DocumentRecordsets::PRODUTOR, "PRODUTOR", false},
    {&DocumentRecordsets::PARCELAS, "PARCELAS", false},
};

const QString MainDatabaseFile = QStringLiteral("VORNA.MDB");
const QString QuotationDatabaseFile = QStringLiteral("ATIBERA.MDB");

}  // namespace

// The window opens whole or not at all: a table that cannot be opened is
// named in a box with the engine's error, and the window unloads again.
void Form14::Form_Load()
{
    HandOver& handOver = vorna::state().handOver;
    if (handOver.ReturnFlag != 0) {
        ui->Text9->setText(handOver.PassedRecordCode.toString());
        ui->Combo5->setText(handOver.PassedRecordName);
    }
    handOver.ReturnFlag = 0;
    values_.ClientBranch = 0;

    if (!OpenDocumentRecordsets()) {
        Unload();
        return;
    }
    ui->Text23->setText(QStringLiteral("1"));
    FillDocumentLists();
    vorna::state().document.SourceDocumentNumber = 0;
    PositionOnReturnedDocument();
    ui->Combo5->setFocus(Qt::OtherFocusReason);
}

bool Form14::OpenDocumentRecordsets()
{
    auto opened = std::make_unique<DocumentRecordsets>();
    const ProgramState& program = vorna::state();
    for (const TableToOpen& t : Tables) {
        const db::Database& database = t.quotation ? program.QuotationDatabase : program.MainDatabase;
        const QString table = QString::fromLatin1(t.table);
        if (!database.isOpen()) {
            msg::notice(QStringLiteral("NÃO FOI POSSÍVEL ABRIR O BANCO DE DADOS %1 (TABELA %2).")
                            .arg(t.quotation ? QuotationDatabaseFile : MainDatabaseFile, table));
            return false;
        }
        try {
            (*opened).*t.slot = database.openRecordset(table);
        } catch (const EngineError& e) {
            msg::notice(QStringLiteral("NÃO FOI POSSÍVEL ABRIR A TABELA %1: %2 (%3)")
                            .arg(table, e.text(), QString::number(e.number())));
            return false;
        }
    }
    ownUntilUnload(recordsets_, std::move(opened));
    return true;
}

// Back from the client window's "Retornar": the document the user left.
void Form14::PositionOnReturnedDocument()
{
    HandOver& handOver = vorna::state().handOver;
    if (handOver.CallerCode != Variant(caller::ClientFromDocument))
        return;
    db::Recordset& documents = recordsets_->DOCUMENTOS;
    documents.FindFirst(QStringLiteral("PROPOSTA = %1 AND FILIAL = %2")
                            .arg(handOver.ReturnDocumentNumber)
                            .arg(handOver.ReturnDocumentBranch));
    if (!documents.NoMatch())
        ShowDocument();
    handOver.CallerCode = Variant(caller::Normal);
}

}  // namespace vorna::documents
