// The client window's side panels: prospects, pending instalments and
// relations, the referral search and the contact-history hand-over. They move
// values between boxes and look clients up; only "Gravar" stores what they show.
#include "clients/Form4.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/ToolbarPictures.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/Twips.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

#include <limits>

namespace vorna {

namespace {

QString nameOf(const db::Recordset& rs)
{
    const Variant name = rs.field(QStringLiteral("NOME"));
    return name.isNull() || name.isEmpty() ? QString() : rt::CStr(name);
}

QString codeOf(const db::Recordset& rs) { return rt::CStr(rs.field(QStringLiteral("CODIGO"))); }

// The shown client's code: digits only (a pasted text counts as no code).
std::optional<int32_t> shownCode(const QString& text)
{
    const std::optional<QString> digits = db::wholeNumber(text);
    if (!digits)
        return std::nullopt;
    bool fits = false;
    const long long code = digits->toLongLong(&fits);
    if (!fits || code > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return int32_t(code);
}

}  // namespace

namespace clients {

void Form4::connectSidePanels()
{
    setToolbarPictures({
        {ui->Command3D25, QStyle::SP_FileDialogInfoView}, {ui->Command3D26, QStyle::SP_DialogCloseButton},
        {ui->Command3D30, QStyle::SP_DialogCloseButton},  {ui->Command3D31, QStyle::SP_FileDialogInfoView},
        {ui->Command3D32, QStyle::SP_DialogCloseButton},  {ui->Command3D33, QStyle::SP_BrowserReload},
        {ui->Command3D34, QStyle::SP_DialogApplyButton},  {ui->Command3D35, QStyle::SP_FileDialogContentsView},
    });
    ui::on(ui->Command3D13).Click(this, &Form4::Command3D13_Click);
    ui::on(ui->Command3).Click(this, &Form4::Command3_Click);
    ui::on(ui->Command3D28).Click(this, &Form4::Command3D28_Click);
    ui::on(ui->Command3D30).Click(this, &Form4::Command3D30_Click);
    ui::on(ui->Command3D31).Click(this, &Form4::Command3D31_Click);
    ui::on(ui->Command3D32).Click(this, &Form4::Command3D32_Click);
    ui::on(ui->Command3D33).Click(this, &Form4::Command3D33_Click);
    ui::on(ui->Command3D34).Click(this, &Form4::Command3D34_Click);
    ui::on(ui->Command3D35).Click(this, &Form4::Command3D35_Click);
    ui::on(ui->List2).Click(this, &Form4::List2_Click);
    ui::on(ui->Command3D29).Click(this, &Form4::Command3D29_Click);
    ui::on(ui->Command3D25).Click(this, &Form4::Command3D25_Click);
    ui::on(ui->Command3D26).Click(this, &Form4::Command3D26_Click);
}

// ---- opening and closing the panels ----------------------------------------------

void Form4::Command3D13_Click()
{
    if (rt::Trim(ui->Text1->text()).isEmpty())
        return;
    ui->Frame1->setVisible(true);
    ui::moveTwips(ui->Frame1, 2415, 1230);
    ui->Text49->setFocus(Qt::OtherFocusReason);
}

void Form4::Command3_Click() { ui->Frame1->setVisible(false); }

// The pending-instalments and relations panels open where they were designed.
void Form4::Command3D28_Click()
{
    if (!rt::Trim(ui->Text1->text()).isEmpty())
        ui->Frame3->setVisible(true);
}

void Form4::Command3D30_Click() { ui->Frame3->setVisible(false); }

void Form4::Command3D31_Click()
{
    if (!rt::Trim(ui->Text1->text()).isEmpty())
        ui->Frame4->setVisible(true);
}

void Form4::Command3D32_Click() { ui->Frame4->setVisible(false); }

// ---- relations ---------------------------------------------------------------------

void Form4::Command3D33_Click()
{
    if (ui->Option2->Value()) {
        ui->Combo10->Clear();
        FillRelationClientList();
    }
    if (ui->Option1->Value())
        ui->Combo10->Clear();
}

// Every client with a code above 0 and a name; each entry keeps its client's
// code, so the add takes the client picked, not a namesake.
void Form4::FillRelationClientList()
{
    db::Recordset& rs = client_->recordset();
    const QString criteria = QStringLiteral("CODIGO > 0");
    try {
        rs.MoveFirst();
        for (rs.FindFirst(criteria); !rs.NoMatch(); rs.FindNext(criteria)) {
            if (rs.field(QStringLiteral("NOME")).isNull())
                continue;
            const int at = ui->Combo10->AddItem(nameOf(rs));
            ui->Combo10->setItemData(at, codeOf(rs));
        }
    } catch (const EngineError&) {
        // An empty table: the list keeps what was added.
    }
}

// The first free slot (a blank code box, or exactly "0" as an empty slot is
// stored) takes the client picked from the list, or else the first client
// whose name holds the typed text as typed.
void Form4::Command3D34_Click()
{
    const bool client = ui->Option2->Value();
    if (!client && !ui->Option1->Value())
        return;
    const RelationSlot* freeSlot = nullptr;
    const std::array<RelationSlot, 5> relations = relationSlots();
    for (const RelationSlot& slot : relations) {
        const QString code = record::boxText(slot.code.box);
        if (rt::Trim(code).isEmpty() || code == QLatin1String("0")) {
            freeSlot = &slot;
            break;
        }
    }
    if (!freeSlot)
        return;

    db::Recordset& rs = client_->recordset();
    const QString typed = ui->Combo10->Text();
    const int picked = ui->Combo10->ListIndex();
    if (picked >= 0 && ui->Combo10->List(picked) == typed)
        rs.FindFirst(QStringLiteral("CODIGO = ") + ui->Combo10->itemData(picked).toString());
    else
        rs.FindFirst(db::containsCriteria(QStringLiteral("NOME"), typed));
    if (rs.NoMatch()) {
        msg::notFound(msg::ClientNotFoundAccented);
        return;
    }
    record::setBoxText(freeSlot->code.box, codeOf(rs));
    record::setBoxText(freeSlot->name.box, (client ? QStringLiteral("C-") : QStringLiteral("N-")) + nameOf(rs));
}

// ---- referral ----------------------------------------------------------------------

// Adds to the names an earlier search left; each keeps its client's code.
void Form4::Command3D35_Click()
{
    const QString typed = ui->Text83->text();
    if (rt::Trim(typed).isEmpty()) {
        msg::notFound(msg::EnterPieceOfName);
        return;
    }
    ui->List2->setVisible(true);
    ui::placeTwips(ui->List2, 6765, 1785, 4575, 2130);
    db::Recordset& rs = client_->recordset();
    const QString criteria = db::containsCriteria(QStringLiteral("NOME"), typed);
    rs.FindFirst(criteria);
    if (rs.NoMatch()) {
        msg::notFound(msg::ClientNotFoundAccented);
        ui->List2->setVisible(false);
        return;
    }
    QStringList names;
    QVariantList codes;
    for (; !rs.NoMatch(); rs.FindNext(criteria)) {
        names << nameOf(rs);
        codes << codeOf(rs);
    }
    ui->List2->AddItems(names, codes);
}

// The client picked, by the code its entry keeps; one deleted since the search
// is reported and changes no box.
void Form4::List2_Click()
{
    const int picked = ui->List2->ListIndex();
    if (picked < 0)
        return;
    const QString code = ui->List2->ItemData(picked).toString();
    ui->List2->setVisible(false);
    ui->List2->Clear();
    db::Recordset& rs = client_->recordset();
    rs.FindFirst(QStringLiteral("CODIGO = ") + code);
    if (rs.NoMatch()) {
        msg::notFound(msg::ClientNotFoundAccented);
        return;
    }
    ui->Text84->setText(codeOf(rs));
    ui->Text83->setText(nameOf(rs));
}

// ---- contact history ----------------------------------------------------------------

// The window that would show the history is not part of the program: the
// hand-over values are left for it and the client window stays as it is.
void Form4::Command3D29_Click()
{
    const std::optional<int32_t> code = shownCode(ui->Text1->text());
    if (!code)
        return;
    HandOver& handOver = vorna::state().handOver;
    handOver.ContactHistoryClientCode = *code;
    handOver.ContactHistoryClientName = ui->Text2->text();
    handOver.CallerCode = Variant(caller::ContactHistory);
}

}  // namespace clients

}  // namespace vorna
