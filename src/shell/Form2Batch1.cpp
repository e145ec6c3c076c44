#include "shell/Form2.h"

#include "common/ProgramState.h"
#include "common/ReportLaunch.h"
#include "common/WindowRefs.h"
#include "menu_batch/Agenda.h"
#include "menu_batch/EmailExports.h"
#include "menu_batch/Labels.h"
#include "menu_batch/Launchers.h"
#include "platform/controls/ControlEvents.h"

namespace vorna::shell {

namespace {

// The label printing that follows the Prepare routines lies outside this
// program: nothing opens (nor is disabled) in its place; only the code it
// would read is stored, between those two steps.
constexpr int LabelPrintingCode = 45;

}  // namespace

void Form2::FillLabelsByMailingStatus()
{
    Load();
    ui::runGuarded([this] {
        menu_batch::addLabelsBySelection(menu_batch::LabelSelection::MailingStatus,
                                         vorna::state().handOver.CallerCode, clientsTable_, labelsTable_);
    });
}

namespace {

void prepareLabels(menu_batch::LabelSelection by, db::Recordset& clients, db::Recordset& labels)
{
    ui::runGuarded([&] {
        menu_batch::addLabelsBySelection(by, vorna::state().handOver.CallerCode, clients, labels);
        vorna::state().handOver.HandOverCode = Variant(LabelPrintingCode);
    });
}

}  // namespace

void Form2::PrepareLabelsByMailingStatus()
{
    Load();
    prepareLabels(menu_batch::LabelSelection::MailingStatus, clientsTable_, labelsTable_);
}

void Form2::PrepareLabelsByPersonType()
{
    Load();
    prepareLabels(menu_batch::LabelSelection::PersonType, clientsTable_, labelsTable_);
}

void Form2::PrepareLabelsBySex()
{
    Load();
    prepareLabels(menu_batch::LabelSelection::Sex, clientsTable_, labelsTable_);
}

void Form2::FillLabelsFromActivePolicies()
{
    Load();
    ui::runGuarded(
        [this] { menu_batch::FillLabelsFromActivePolicies(documentsTable_, clientsTable_, labelsTable_); });
}

void Form2::ClearLabelTable()
{
    Load();
    (void)menu_batch::ClearLabelTable(labelsTable_);
}

void Form2::ComputeClientPolicyTotals()
{
    Load();
    try {
        menu_batch::ComputeClientPolicyTotals(TotalsClientCode, documentsTable_, PolicyTotals);
    } catch (const std::exception&) {
        // The figures stay as they stood when the failure came; nothing is told.
    }
}

void Form2::RunDailyAgendaReports()
{
    Load();
    menu_batch::RunDailyAgendaReports(*ui->CrystalReport1, *ui->CrystalReport2);
}

void Form2::ExportEmailListS()
{
    menu_batch::exportEmailList(menu_batch::ClientEmails, borrowReportControl(windows::Form11()));
}

void Form2::ExportEmailListP()
{
    menu_batch::exportEmailList(menu_batch::ProspectEmails, borrowReportControl(windows::Form11()));
}

void Form2::OpenQuotationSpreadsheets() { menu_batch::OpenQuotationSpreadsheets(); }

void Form2::StartSiblingProgram() { menu_batch::StartSiblingProgram(); }

}  // namespace vorna::shell
