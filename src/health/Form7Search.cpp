// "Consultar": the events whose participant name holds the name box's text,
// listed in the result grid, and the pick of one of them. The two searches of
// the buttons outside the window list participants in the same grid.
#include "health/Form7.h"

#include "common/MessageTexts.h"
#include "platform/controls/Twips.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna {

namespace {

const QString EventNotFound = QStringLiteral("EVENTO NÃO ENCONTRADO");
const QString NoMoreRecords = QStringLiteral("NÃO HÁ MAIS REGISTROS CADASTRADOS");

struct Column {
    const char* caption;
    const char* field;
    int width;
};
const Column EventColumns[] = {
    {"Participante", "NOME", 3000},  {"Evento", "CODIGO", 800}, {"Apólice", "APOLICE", 1600},
    {"Data do Evento", "DTEVENTO", 1300}, {"Tipo", "TIPEVENTO", 1200}, {"Procedimento", "EVENTO", 3600},
};
constexpr int EventRowsGiven = 2000;

}  // namespace

namespace health {

void Form7::Command3D4_Click()
{
    ui::FlexGrid* grid = ui->MSFlexGrid1;
    const QString typed = ui->Text2->text();
    if (rt::Trim(typed).isEmpty()) {
        msg::notFound(QStringLiteral("DIGITE PRIMEIRO O ESTIPULANTE A SER PESQUISADO!"));
        return;
    }
    int lastRow = 0;
    try {
        grid->setCols(int(std::size(EventColumns)));
        grid->setRows(EventRowsGiven);
        grid->setVisible(true);
        db::Recordset& rs = event_->recordset();
        const QString criteria = db::containsCriteria(QStringLiteral("NOME"), typed);
        rs.FindFirst(criteria);
        if (rs.NoMatch()) {
            msg::notFound(QStringLiteral("PARTICIPANTES NÃO ENCONTRADOS"));
            grid->setVisible(false);
            return;
        }
        ui::placeTwips(grid, 15, 1680, 11680, 2145);
        grid->raise();
        for (int c = 0; c < int(std::size(EventColumns)); ++c) {
            grid->setColWidth(c, EventColumns[c].width);
            grid->setTextMatrix(0, c, QString::fromUtf8(EventColumns[c].caption));
        }
        for (int row = 1; !rs.NoMatch(); rs.FindNext(criteria), ++row) {
            if (row >= grid->Rows())
                throw EngineError(err::SubscriptOutOfRange, NoMoreRecords);
            for (int c = 0; c < int(std::size(EventColumns)); ++c) {
                const Variant value = rs.field(QString::fromLatin1(EventColumns[c].field));
                grid->setTextMatrix(row, c, value.isNull() ? QString() : rt::CStr(value));
            }
            lastRow = row;
        }
        // One event: the caption row and the event; more: one row after them,
        // which shows nothing of an earlier search.
        grid->setRows(lastRow == 1 ? 2 : lastRow + 2);
        for (int c = 0; lastRow > 1 && c < grid->Cols(); ++c)
            grid->setTextMatrix(lastRow + 1, c, QString());
    } catch (const EngineError&) {
        msg::notice(NoMoreRecords);
    }
}

void Form7::MSFlexGrid1_Click()
{
    ui::FlexGrid* grid = ui->MSFlexGrid1;
    if (rt::Trim(grid->Text()).isEmpty())
        return;
    const std::optional<QString> code = db::wholeNumber(grid->TextMatrix(grid->Row(), 1));
    db::Recordset& rs = event_->recordset();
    if (code)
        rs.FindFirst(QStringLiteral("CODIGO = ") + *code);
    if (!code || rs.NoMatch()) {
        // Deleted meanwhile by another workstation: the grid stays for another pick.
        msg::notFound(EventNotFound);
        return;
    }
    ShowEvent();
    grid->setVisible(false);
    ui->Frame3D2->setVisible(true);
}

// ---- the two searches outside the window ----------------------------------------------

// Its search box does not exist in this window: the run ends at once.
void Form7::Command3D15_Click() { msg::notice(NoMoreRecords); }

// The city search of the participants, reading the e-mail box. The
// participant table has no city field: the find ends the run.
void Form7::Command3D22_Click()
{
    if (rt::Trim(ui->Text5->text()).isEmpty()) {
        msg::notFound(QStringLiteral("DIGITE PRIMEIRO O ENDEREÇO A SER PESQUISADO!"));
        return;
    }
    try {
        db::Recordset& rs = *participants_;
        rs.FindFirst(db::containsCriteria(QStringLiteral("[CID-RESIDENCIA]"), ui->Text5->text()));
        if (rs.NoMatch()) {
            msg::notFound(QStringLiteral("VIDASAU NÃO ENCONTRADOS"));
            ui->MSFlexGrid1->setVisible(false);
        }
    } catch (const EngineError&) {
        msg::notice(NoMoreRecords);
    }
}

}  // namespace health

}  // namespace vorna
