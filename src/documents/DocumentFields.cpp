#include "documents/DocumentFields.h"

#include "common/RecordWindowPatternFields.h"
#include "documents/StatusColours.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PickList.h"
#include "platform/controls/TextBox.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

const std::array<CodeText, 13> ReasonTexts = {{
    {"F", "Falta de Pagamento      "},
    {"P", "Sinistro PT             "},
    {"R", "Sinistro Roubo          "},
    {"A", "Alteração para outra Cia"},
    {"D", "Descontentamento        "},
    {"N", "Preço Não Compensatório "},
    {"V", "Venda do Bem            "},
    {"T", "Transf.de Corretagem    "},
    {"S", "Restrições Técnicas     "},
    {"O", "A Pedido do Segurado    "},
    {"M", "Outros Motivos          "},
    {"X", "REABILITADA             "},
    {"C", "Alterações de Perfil    "},
}};

const std::array<CodeText, 9> EndorsementTypes = {{
    {"1", "CANCELAMENTO"},
    {"2", "COBRANÇA"},
    {"3", "CONTA MENSAL"},
    {"4", "FATURA"},
    {"5", "RESTITUIÇÃO"},
    {"6", "SEM MOVIMENTO"},
    {"7", "SUBSTITUIÇÃO"},
    {"8", "EXCLUSÃO ITEM"},
    {"9", "INCLUSÃO ITEM"},
}};

const std::array<StatusEntry, 5> Statuses = {{
    {"E", "CANCELADO", 192, 0, 0},
    {"I", "IMPRODUTIVO", 0, 0, 0},
    {"N", "NÃO RENOVADO", 0, 128, 0},
    {"R", "RENOVADO", 255, 0, 255},
    {"V", "VIGENTE", 0, 0, 255},
}};

const std::array<MappedField, 70> DocumentFieldMap = {{
    // Key and header texts.
    {"FILIAL", "Text23", Put::Text},
    {"FILIAL", "Text10", Put::Text},
    {"PROPOSTA", "Text1", Put::Text},
    {"APOLICE", "Text2", Put::PolicyNumber},
    {"ENDOSSO", "Text3", Put::Text},
    {"CODIDRENOV", "Text29", Put::Text},
    {"BANCO", "Text21", Put::Text},
    {"AGENCIA", "Text19", Put::Text},
    {"CONTA", "Text17", Put::Text},
    {"NUMPROP", "Text14", Put::Text},
    {"CODCLIENTE", "Text9", Put::Text},
    {"CHAME", "Text8", Put::Text},
    {"NOMCLIENTE", "Combo5", Put::ClientName},
    {"FILCLIENTE", nullptr, Put::ClientBranch},
    {"RAMO", "Text4", Put::Text},
    {"NOMRAMO", "Combo3", Put::PlanName},
    {"SEGURADORA", "Text7", Put::Text},
    {"ORIGINAL", "Text30", Put::Text},
    {"PENDE", "Text34", Put::Text},
    {"INTERNO", "Text35", Put::Text},
    {"NOMSEGURADORA", "Combo4", Put::Text},
    {"APORENOVA", "Text13", Put::Text},
    {"CIARENOVA", "Text11", Put::Text},
    {"NOMCIARENOVA", "Combo6", Put::Text},
    // Premium, payment and commission.
    {"PREMIOLIQ", "MaskEdBox1", Put::Amount},
    {"ADICIONAL", "MaskEdBox2", Put::Amount},
    {"CUSTO", "MaskEdBox3", Put::Amount},
    {"IOF", "MaskEdBox4", Put::Amount},
    {"ASSCU", "MaskEdBox19", Put::Amount},
    {"PREMIOBRUTO", "MaskEdBox5", Put::Amount},
    {"CD", "Text15", Put::Text},
    {"CARTAO", "Text31", Put::Text},
    {"PARCELAS", "Text20", Put::InstalmentCount},
    {"COTACAO", "MaskEdBox78", Put::Amount},
    {"PCOMISSAO", "MaskEdBox6", Put::Amount, true},
    {"PDESCONTO", "MaskEdBox10", Put::Amount, true},
    {"VCOMISSAO", "MaskEdBox11", Put::Amount, true},
    // Producers: codes, shares, values, then the total pass-on.
    {"PROD1", "Text18", Put::Text},
    {"PROD2", "Text25", Put::Text},
    {"PROD3", "Text26", Put::Text},
    {"PROD4", "Text32", Put::Text},
    {"PROD5", "Text33", Put::Text},
    {"PREP1", "MaskEdBox12", Put::Amount, true},
    {"PREP2", "MaskEdBox13", Put::Amount, true},
    {"PREP3", "MaskEdBox14", Put::Amount, true},
    {"PREP4", "MaskEdBox75", Put::Amount, true},
    {"PREP5", "MaskEdBox77", Put::Amount, true},
    {"VREP1", "MaskEdBox15", Put::Amount, true},
    {"VREP2", "MaskEdBox16", Put::Amount, true},
    {"VREP3", "MaskEdBox17", Put::Amount, true},
    {"VREP4", "MaskEdBox76", Put::Amount, true},
    {"VREP5", "MaskEdBox82", Put::Amount, true},
    {"VREPASSE", "MaskEdBox18", Put::Amount, true},
    // Dates.
    {"VIGENCIAFINAL", "MaskEdBox7", Put::Date},
    {"VIGENCIAINICIAL", "MaskEdBox8", Put::Date},
    {"SOLICITACAO", "MaskEdBox9", Put::Date},
    {"EMISSAO", "MaskEdBox56", Put::Date},
    {"PRODUCAO", "MaskEdBox58", Put::Date},
    {"BAIXAANTE", "MaskEdBox59", Put::Date},
    {"DTTRANSMITIDO", "MaskEdBox60", Put::Date},
    {"DTEXCLUSAO", "MaskEdBox61", Put::Date},
    // Co-insurers.
    {"CCO1", nullptr, Put::CoinsurerCode, false, 1},
    {"CCO2", nullptr, Put::CoinsurerCode, false, 2},
    {"CCO3", nullptr, Put::CoinsurerCode, false, 3},
    {"NCO1", "Combo15", Put::Text},
    {"NCO2", "Combo16", Put::Text},
    {"NCO3", "Combo17", Put::Text},
    {"PCO1", "MaskEdBox81", Put::Amount},
    {"PCO2", "MaskEdBox57", Put::Amount},
    {"PCO3", "MaskEdBox80", Put::Amount},
}};

namespace {

const QString DateMask = QStringLiteral("##/##/####");

QString storedText(const Variant& v) { return v.isNull() || v.isEmpty() ? QString() : rt::CStr(v); }

bool holdsDigits(const QString& text)
{
    for (QChar c : text)
        if (c.isDigit())
            return true;
    return false;
}

// A list entry for a code, as its table words it.
template <size_t N>
const CodeText* entryFor(const std::array<CodeText, N>& table, const QString& code)
{
    for (const CodeText& e : table)
        if (code == QLatin1String(e.code))
            return &e;
    return nullptr;
}

// The currency, the codes and flags, and the status with its colour; Null
// reads as "not ticked" where a flag has only two states.
void putCodes(QWidget& window, const db::Recordset& rs)
{
    const auto field = [&](const char* name) { return storedText(rs.field(QLatin1String(name))); };

    const QString currency = field("MOEDA");
    if (currency == u"1") {
        control<ui::OptionButton>(window, "Option1").setValue(true);
        control<ui::OptionButton>(window, "Option2").setValue(false);
    } else if (currency == u"2") {
        control<ui::OptionButton>(window, "Option1").setValue(false);
        control<ui::OptionButton>(window, "Option2").setValue(true);
    }
    ColourFieldsByStatus(window, rs);

    const QString type = field("TIPO");
    if (type == u"A" || type == u"E")
        control<ui::PickList>(window, "Combo2").setListIndex(type == u"A" ? 0 : 1);
    if (const CodeText* reason = entryFor(ReasonTexts, field("MOTIVO")))
        control<ui::PickList>(window, "Combo12").setText(QString::fromUtf8(reason->text));
    if (const CodeText* kind = entryFor(EndorsementTypes, field("TRANSMITIDO")))
        control<ui::PickList>(window, "Combo11").setText(QString::fromUtf8(kind->text));
    control<ui::CheckBox>(window, "Check1").setValue(field("MULTIPLA") == u"S" ? 1 : 0);

    static const std::array<CodeText, 4> paymentForms = {
        {{"S", "Check3"}, {"N", "Check6"}, {"C", "Check7"}, {"D", "Check9"}}};
    if (const CodeText* form = entryFor(paymentForms, field("CARNET")))
        control<ui::CheckBox>(window, form->text).setValue(1);

    control<ui::CheckBox>(window, "Check4").setValue(field("JUROS") == u"S" ? 1 : 0);

    // Spreading left Null stays open to choice; once stored it is fixed.
    auto& spread = control<ui::CheckBox>(window, "Check5");
    const Variant spreading = rs.field(QStringLiteral("RATEIO"));
    spread.setValue(spreading.isNull() || field("RATEIO") == u"S" ? 1 : 0);
    spread.setEnabled(spreading.isNull());

    const QString status = field("VIGENTE");
    for (size_t i = 0; i < Statuses.size(); ++i) {
        if (status == QLatin1String(Statuses[i].code)) {
            control<ui::PickList>(window, "Combo1").setListIndex(int(i));
            ColourStatusList(window);
            break;
        }
    }
    if (!rs.field(QStringLiteral("ATPOS")).isNull())
        record::setBoxText(&control<QWidget>(window, "Combo13"), field("ATPOS"));
}

void putObservations(QWidget& window, const db::Recordset& rs)
{
    Variant text = rs.field(QStringLiteral("NOVAOBS"));
    if (text.isNull())
        text = rs.field(QStringLiteral("OBSERVACOES"));
    if (!text.isNull())
        record::setBoxText(&control<QWidget>(window, "Text6"), storedText(text));
}

void setDateMasks(QWidget& window, const QString& mask)
{
    for (const MappedField& m : DocumentFieldMap)
        if (m.put == Put::Date)
            control<ui::MaskEdBox>(window, m.control).setMask(mask);
}

}  // namespace

void PutDocumentFields(QWidget& window, db::Recordset& documents, DocumentWindowState& state,
                       CommissionView commissions)
{
    const db::Recordset& rs = documents;
    putCodes(window, rs);
    setDateMasks(window, QString());
    for (const MappedField& m : DocumentFieldMap) {
        const Variant value = rs.field(QLatin1String(m.field));
        QWidget* box = m.control ? &control<QWidget>(window, m.control) : nullptr;
        if (!value.isNull() && !value.isEmpty()) {
            switch (m.put) {
            case Put::Amount:
                record::setBoxText(box, rt::CStr(Variant(rt::CDbl(value))));
                break;
            case Put::Date:
                record::setBoxText(box, rt::Format(value, QStringLiteral("dd/mm/yyyy")));
                break;
            case Put::ClientBranch:
                state.ClientBranch = value.toLong();
                break;
            case Put::CoinsurerCode:
                break;
            default:
                record::setBoxText(box, rt::CStr(value));
                break;
            }
        }
        switch (m.put) {
        case Put::PolicyNumber:
            state.ShownPolicyNumber = Variant(record::boxText(box));
            break;
        case Put::ClientName:
            box->setEnabled(false);
            break;
        case Put::PlanName:
            for (const char* locked : {"Combo2", "Combo3", "Text4"})
                control<QWidget>(window, locked).setEnabled(false);
            break;
        case Put::InstalmentCount: {
            const QString count = rt::Trim(record::boxText(box));
            state.LoadedInstalmentCount = count.isEmpty() ? 0 : int32_t(rt::Val(Variant(count)));
            break;
        }
        case Put::CoinsurerCode:
            state.CoinsurerCodes[size_t(m.slot - 1)] = value.isNull() || value.isEmpty() ? 0 : value.toLong();
            break;
        default:
            break;
        }
        if (m.commission && commissions == CommissionView::Hidden)
            record::setBoxText(box, QStringLiteral("0"));
    }
    putObservations(window, rs);
    setDateMasks(window, DateMask);

    const QString advance = record::boxText(&control<QWidget>(window, "MaskEdBox59"));
    state.AdvancePassOnFlag = holdsDigits(advance) ? 1 : 0;
    auto& endDate = control<ui::MaskEdBox>(window, "MaskEdBox7");
    if (!endDate.ClipText().isEmpty() && rt::IsDate(Variant(endDate.Text())))
        control<ui::TextBox>(window, "Text5")
            .setText(QString::number(rt::DateDiff(QStringLiteral("d"), rt::Date(), rt::CDate(Variant(endDate.Text())))));
}

QString ClaimCriteria(const QString& policyNumber)
{
    return QStringLiteral("TRIM(APOLICE) LIKE ") + db::quoted(db::likeLiteral(policyNumber));
}

}  // namespace vorna::documents
