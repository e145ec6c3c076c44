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

GridSearchSpec clientAddressSearch(ui::FlexGrid* grid, QWidget* box, const QString& field)
{
    GridSearchSpec spec;
    spec.grid = grid;
    spec.box = box;
    spec.criteria = GridSearch::contains(field);
    spec.columns = clientAddressColumns();
    spec.rows = 1000;
    spec.place = QRect(30, 6195, 11640, 2445);
    spec.blankText = msg::EnterAddressFirst;
    spec.errorText = msg::NoMoreRecords;
    return spec;
}

}  // namespace vorna
