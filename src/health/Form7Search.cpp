// "Consultar": the events whose participant name holds the name box's text,
// listed in the result grid, and the pick of one of them. The two searches of
// the buttons outside the window list participants in the same grid.
#include "health/Form7.h"

#include "common/GridSearch.h"
#include "common/MessageTexts.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace health {

// "Consultar" as a member of the window's grid searches, on the event recordset.
void Form7::BuildEventSearch()
{
    GridSearchDesign events;
    events.grid = ui->MSFlexGrid1;
    events.box = ui->Text2;
    events.criteria = GridSearch::contains(QStringLiteral("NOME"));
    events.columns = {
        {QStringLiteral("Participante"), QStringLiteral("NOME"), 3000},
        {QStringLiteral("Evento"), QStringLiteral("CODIGO"), 800},
        {QStringLiteral("Apólice"), QStringLiteral("APOLICE"), 1600},
        {QStringLiteral("Data do Evento"), QStringLiteral("DTEVENTO"), 1300},
        {QStringLiteral("Tipo"), QStringLiteral("TIPEVENTO"), 1200},
        {QStringLiteral("Procedimento"), QStringLiteral("EVENTO"), 3600},
    };
    events.rows = 2000;
    events.place = QRect(15, 1680, 11680, 2145);
    events.blankText = msg::EnterStipulantFirst;
    events.noMatchText = QStringLiteral("PARTICIPANTES NÃO ENCONTRADOS");
    events.errorText = msg::NoMoreRecords;
    events.keyColumn = 1;
    events.keyField = QStringLiteral("CODIGO");
    events.notFoundText = EventNotFound;
    events.picked = [this] { ShowEvent(); };
    events.shownByPick = ui->Frame3D2;
    ownUntilUnload(eventSearch_, std::make_unique<GridSearch>(event_->recordset(), std::move(events)));
}

void Form7::Command3D4_Click() { eventSearch_->search(); }

void Form7::MSFlexGrid1_Click() { eventSearch_->pick(); }

// ---- the two searches outside the window ----------------------------------------------

// Its search box does not exist in this window: the run ends at once.
void Form7::Command3D15_Click() { msg::notice(msg::NoMoreRecords); }

// The city search of the participants, reading the e-mail box. The
// participant table has no city field: the find ends the run.
void Form7::Command3D22_Click()
{
    if (rt::Trim(ui->Text5->text()).isEmpty()) {
        msg::notFound(msg::EnterAddressFirst);
        return;
    }
    try {
        db::Recordset& rs = *participants_;
        rs.FindFirst(db::containsCriteria(QStringLiteral("[CID-RESIDENCIA]"), ui->Text5->text()));
        if (rs.NoMatch()) {
            msg::notFound(msg::ParticipantRowsNotFound);
            ui->MSFlexGrid1->setVisible(false);
        }
    } catch (const EngineError&) {
        msg::notice(msg::NoMoreRecords);
    }
}

}  // namespace health

}  // namespace vorna
