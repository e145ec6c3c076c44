#include "DocumentWindowFixture.h"

#include "common/RecordWindowPatternFields.h"
#include "documents/DocumentFields.h"
#include "documents/StatusColours.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PickList.h"
#include "platform/controls/TextBox.h"

namespace vorna::documents::testing {

void DocumentWindowFixture::SetUp()
{
    ProgramFixture::SetUp();
    window = std::make_unique<QWidget>();
    ui = std::make_unique<Ui::Form14>();
    ui->setupUi(window.get());
    fields = std::make_unique<DocumentFields>(*ui);
    // The code lists take a choice only; the name lists take typing too.
    for (ui::PickList* list : window->findChildren<ui::PickList*>())
        list->setListOnly(false);
    for (ui::PickList* list : {ui->Combo1, ui->Combo2, ui->Combo7, ui->Combo11, ui->Combo12})
        list->setListOnly(true);

    auto& status = at<ui::PickList>("Combo1");
    status.setSorted(true);
    for (const StatusEntry& s : Statuses)
        status.AddItem(QString::fromUtf8(s.word));
    QObject::connect(&status, &ui::PickList::Click, [&status] { ColourStatusList(status); });
    at<ui::PickList>("Combo2").AddItem(QStringLiteral("APOLICE"));
    at<ui::PickList>("Combo2").AddItem(QStringLiteral("ENDOSSO"));
    for (const CodeText& r : ReasonTexts)
        at<ui::PickList>("Combo12").AddItem(QString::fromUtf8(r.text));
    for (const CodeText& e : EndorsementTypes)
        at<ui::PickList>("Combo11").AddItem(QString::fromUtf8(e.text));
}

void DocumentWindowFixture::TearDown()
{
    fields.reset();
    window.reset();
    ui.reset();
    ProgramFixture::TearDown();
}

test::Fields DocumentWindowFixture::everyShownField()
{
    const auto day = [](int y, int m, int d) { return Variant::date(QDate(y, m, d)); };
    return {
        {"FILIAL", 2},          {"APOLICE", "AP-77"},      {"ENDOSSO", "E-1"},          {"CODIDRENOV", "REN9"},
        {"BANCO", "341"},       {"AGENCIA", "0123"},       {"CONTA", "4567-8"},         {"NUMPROP", "SENHA1"},
        {"CODCLIENTE", 321},    {"CHAME", 4},              {"NOMCLIENTE", "ACME LTDA"}, {"FILCLIENTE", 3},
        {"RAMO", 12},           {"NOMRAMO", "SAUDE"},      {"SEGURADORA", 7},           {"ORIGINAL", 55},
        {"PENDE", "falta RG"},  {"INTERNO", "ctl 1"},      {"NOMSEGURADORA", "OPERA"},  {"APORENOVA", "OLD-1"},
        {"CIARENOVA", "8"},     {"NOMCIARENOVA", "VELHA"}, {"PREMIOLIQ", 1234.5},       {"ADICIONAL", 10.25},
        {"CUSTO", 60.0},        {"IOF", 7.38},             {"ASSCU", 3.0},              {"PREMIOBRUTO", 1315.13},
        {"CD", "55"},           {"CARTAO", "4111"},        {"PARCELAS", 10},            {"COTACAO", 5.1},
        {"PCOMISSAO", 15.0},    {"PDESCONTO", 2.5},        {"VCOMISSAO", 185.17},       {"PROD1", 1},
        {"PROD2", 2},           {"PROD3", 3},              {"PROD4", 4},                {"PROD5", 5},
        {"PREP1", 10.0},        {"PREP2", 20.0},           {"PREP3", 30.0},             {"PREP4", 40.0},
        {"PREP5", 0.5},         {"VREP1", 1.5},            {"VREP2", 2.5},              {"VREP3", 3.5},
        {"VREP4", 4.5},         {"VREP5", 5.5},            {"VREPASSE", 17.5},
        {"VIGENCIAFINAL", day(2025, 3, 31)},               {"VIGENCIAINICIAL", day(2024, 4, 1)},
        {"SOLICITACAO", day(2024, 3, 2)},                  {"EMISSAO", day(2024, 3, 3)},
        {"PRODUCAO", day(2024, 3, 4)},                     {"BAIXAANTE", day(2024, 3, 5)},
        {"DTTRANSMITIDO", day(2024, 3, 6)},                {"DTEXCLUSAO", day(2024, 3, 7)},
        {"CCO1", 21},           {"CCO2", 22},              {"NCO1", "CO UM"},           {"NCO2", "CO DOIS"},
        {"PCO1", 30.0},         {"PCO2", 20.0},            {"NOVAOBS", "nova"},         {"OBSERVACOES", "velha"},
        {"MOEDA", 2},           {"TIPO", "E"},             {"MOTIVO", "S"},             {"TRANSMITIDO", "7"},
        {"MULTIPLA", "S"},      {"CARNET", "S"},           {"JUROS", "S"},              {"RATEIO", "N"},
        {"VIGENTE", "R"},       {"ATPOS", "ANA"},
    };
}

db::Recordset DocumentWindowFixture::addDocument(const test::Fields& fields) { return addRow("DOCUMENTOS", fields); }

QString DocumentWindowFixture::text(const char* control) const
{
    return record::boxText(&at<QWidget>(control));
}

void DocumentWindowFixture::setText(const char* control, const QString& value)
{
    record::setBoxText(&at<QWidget>(control), value);
}

}  // namespace vorna::documents::testing
