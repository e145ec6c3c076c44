// The client window's searches by address, city and telephone: nine buttons,
// one grid search each, differing only in the box read and the field searched.
#include "clients/Form4.h"

#include "common/ClientAddressSearch.h"
#include "common/MessageTexts.h"
#include "platform/controls/ControlEvents.h"

namespace vorna {

namespace {

struct FieldSearchMember {
    const char* button;
    const char* box;
    const char* field;
};

// Each button's Click (Command3D14_Click ...) runs the search of its row.
constexpr FieldSearchMember FieldSearches[] = {
    {"Command3D14", "Text4", "END-RESIDENCIA"},  {"Command3D22", "Text5", "CID-RESIDENCIA"},
    {"Command3D15", "Text9", "END-COMERCIAL"},   {"Command3D23", "Text10", "CID-COMERCIAL"},
    {"Command3D20", "Text8", "TEL-RESIDENCIA"},  {"Command3D17", "Text13", "TEL-COMERCIAL"},
    {"Command3D18", "Text22", "TEL-COMERCIAL2"}, {"Command3D19", "Text14", "CELULAR"},
    {"Command3D16", "Text11", "TELCOMERCIAL3"},
};

}  // namespace

namespace clients {

void Form4::connectGridSearches()
{
    for (size_t member = 0; member < std::size(FieldSearches); ++member)
        ui::on(findChild<QWidget*>(QLatin1String(FieldSearches[member].button))).Click([this, member] {
            GridSearch_Click(member);
        });
    connect(ui->MSFlexGrid1, &ui::FlexGrid::Click, this, &Form4::MSFlexGrid1_Click);
}

// The searches move the window's client row, never what the boxes show:
// "Gravar" finds the shown client again by its code.
void Form4::LoadGridSearches()
{
    auto searches = std::make_unique<std::vector<GridSearch>>();
    for (const FieldSearchMember& member : FieldSearches) {
        GridSearchDesign design = clientAddressSearch(ui->MSFlexGrid1, findChild<QWidget*>(QLatin1String(member.box)),
                                                  QLatin1String(member.field));
        design.hiddenOnMatch = {ui->Frame3D9, ui->Frame3D3};
        design.noMatchText = QStringLiteral("CLIENTES NÃO ENCONTRADOS");
        design.keyColumn = 1;
        design.keyField = QStringLiteral("CODIGO");
        design.notFoundText = msg::ClientNotFound;
        design.picked = [this] { buttons_->Show(); };
        design.shownByPick = ui->Frame3D3;
        searches->emplace_back(client_->recordset(), std::move(design));
    }
    ownUntilUnload(gridSearches_, std::move(searches));
}

void Form4::GridSearch_Click(size_t member) { (*gridSearches_)[member].search(); }

// Every member lists the same columns with the code in column 1.
void Form4::MSFlexGrid1_Click() { gridSearches_->front().pick(); }

}  // namespace clients

}  // namespace vorna
