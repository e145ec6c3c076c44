#pragma once
#include "menu_batch/ClientTotals.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "menu_batch/LeftoverMenu.h"
#include "ui_Form2.h"

#include <QPointer>

class QTimer;

namespace vorna::shell {

// The main menu: opens every window behind the gate of its item, runs the
// insured-persons report and the period reports, shows the clock, and counts
// clients and documents for the backup reminder when it is left. Its report
// control is lent to other windows.
class Form2 : public ui::DesignedWindow<Ui::Form2> {
    Q_OBJECT
public:
    Form2();

    // Mailing labels, client totals, the daily agenda, e-mail exports and launchers.
    // Nothing calls them; each loads the window first, as any call would.
    void FillLabelsByMailingStatus();
    void PrepareLabelsByMailingStatus();
    void PrepareLabelsByPersonType();
    void PrepareLabelsBySex();
    void FillLabelsFromActivePolicies();
    void ClearLabelTable();
    void ComputeClientPolicyTotals();
    int32_t TotalsClientCode = 0;               // input of the totals
    menu_batch::ClientPolicyTotals PolicyTotals;  // their six figures, shown nowhere
    void RunDailyAgendaReports();
    void ExportEmailListS();
    void ExportEmailListP();
    void OpenQuotationSpreadsheets();
    void StartSiblingProgram();

    // Document expiry, mailing flags, client scoring and the production summary.
    void ExpireOldDocuments();
    void SetClientMailingFlags();
    void ScoreClients();
    void BuildProductionSummary();

    // The leftover menu items and the password panel.
#define VORNA_LEFTOVER_MEMBER(member, gate, code, target) \
    void LeftoverMenuItem_##member() { RunLeftoverMenuItem(menu_batch::LeftoverItem::member); }
    VORNA_LEFTOVER_MENU_ITEMS(VORNA_LEFTOVER_MEMBER)
#undef VORNA_LEFTOVER_MEMBER
    void RunLeftoverMenuItem(menu_batch::LeftoverItem item);
    void OpenArchivingPasswordPanel();
    void Text12_LostFocus();
    int16_t MenuPasswordAction() const { return MenuPasswordAction_; }
    void setMenuPasswordAction(int16_t action) { MenuPasswordAction_ = action; }

private:
    int16_t MenuPasswordAction_ = 0;

public:

protected:
    void connectControls() override;
    void Form_Load() override;
    void Form_Unload() override;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Cadastros
    void menu23_Click();
    void menu14_Click();
    void menu25_Click();
    void menu11_Click();
    void menupro_Click();
    void menu26_Click();
    void menu27_Click();
    // Relatórios
    void menu31_Click();
    void menu326_Click();
    void menu3261_Click();
    void menu3262_Click();
    void menu327_Click();
    void menuapor_Click();
    void menucart_Click();
    // Operações
    void menu44_Click();
    void menu42_Click();
    void menu41_Click();
    void menu47_Click();
    void menu46_Click();
    void menu49_Click();
    // Funções Especiais
    void menu511_Click();
    // Sair
    void menu0_Click();

    void Timer1_Timer();

    void OpenPeriodReport(int selector);
    void LeaveMainMenu();
    void placeControls();

    QPointer<QTimer> Timer1;
    db::Recordset labelsTable_;     // TMPETI
    db::Recordset clientsTable_;    // CLIENTES
    db::Recordset documentsTable_;  // DOCUMENTOS
};

}  // namespace vorna::shell
