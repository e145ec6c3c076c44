#include "shell/Form2.h"

#include "common/ProgramState.h"
#include "menu_batch/ClientScoring.h"
#include "menu_batch/DocumentExpiry.h"
#include "menu_batch/MailingFlags.h"
#include "menu_batch/ProductionSummary.h"

namespace vorna::shell {

namespace {

menu_batch::MenuTables tablesOf(db::Recordset& labels, db::Recordset& clients, db::Recordset& documents,
                                std::function<void()> clear)
{
    return menu_batch::MenuTables{vorna::state().MainDatabase, labels, clients, documents, std::move(clear)};
}

}  // namespace

void Form2::ExpireOldDocuments()
{
    Load();
    menu_batch::ExpireOldDocuments(vorna::state().MainDatabase, documentsTable_);
}

void Form2::SetClientMailingFlags()
{
    Load();
    auto tables = tablesOf(labelsTable_, clientsTable_, documentsTable_, [this] { ClearLabelTable(); });
    menu_batch::SetClientMailingFlags(tables);
}

void Form2::ScoreClients()
{
    Load();
    auto tables = tablesOf(labelsTable_, clientsTable_, documentsTable_, {});
    menu_batch::ScoreClients(tables);
}

void Form2::BuildProductionSummary()
{
    Load();
    auto tables = tablesOf(labelsTable_, clientsTable_, documentsTable_, [this] { ClearLabelTable(); });
    menu_batch::BuildProductionSummary(tables);
}

}  // namespace vorna::shell
