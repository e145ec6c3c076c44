#include "common/ClientAddressSearch.h"

#include "common/MessageTexts.h"

namespace vorna {

const std::vector<GridColumn>& clientAddressColumns()
{
    static const std::vector<GridColumn> columns = {
        {QStringLiteral("Cliente"), QStringLiteral("NOME"), 3000},
        {QStringLiteral("Código"), QStringLiteral("CODIGO"), 600},
        {QStringLiteral("End.Residencial"), QStringLiteral("END-RESIDENCIA"), 3000},
        {QStringLiteral("Cidade Resid."), QStringLiteral("CID-RESIDENCIA"), 1400},
        {QStringLiteral("End.Comercial"), QStringLiteral("END-COMERCIAL"), 3000},
        {QStringLiteral("Cidade Comerc."), QStringLiteral("CID-COMERCIAL"), 1400},
        {QStringLiteral("Tel.Residencial"), QStringLiteral("TEL-RESIDENCIA"), 1200},
        {QStringLiteral("Tel.Comercial"), QStringLiteral("TEL-COMERCIAL"), 1200},
        {QStringLiteral("Fax"), QStringLiteral("TEL-COMERCIAL2"), 1200},
        {QStringLiteral("Celular"), QStringLiteral("CELULAR"), 1200},
        {QStringLiteral("Tel.Comercial2"), QStringLiteral("TELCOMERCIAL3"), 1200},
    };
    return columns;
}

GridSearchDesign clientAddressSearch(ui::FlexGrid* grid, QWidget* box, const QString& field)
{
    GridSearchDesign design;
    design.grid = grid;
    design.box = box;
    design.criteria = GridSearch::contains(field);
    design.columns = clientAddressColumns();
    design.rows = 1000;
    design.place = QRect(30, 6195, 11640, 2445);
    design.blankText = msg::EnterAddressFirst;
    design.errorText = msg::NoMoreRecords;
    return design;
}

}  // namespace vorna
