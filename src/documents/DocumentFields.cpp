#include "documents/DocumentFields.h"

#include "common/RecordWindowPatternFields.h"
#include "documents/StatusColours.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ListBox.h"
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


namespace {

using record::Field;
using record::Written;

const QString DateMask = QStringLiteral("##/##/####");
const QColor ClearedText(0, 0, 255);

void emptyDateBox(ui::MaskEdBox* box)
{
    box->setMask(QString());
    box->setText(QString());
    box->setMask(DateMask);
}


// ---- the table's entries, one kind each -------------------------------------------

DocumentField text(const char* f, QWidget* box) { return {record::always(f, box), Shown::AsField, Stored::AsField}; }
DocumentField shownOnly(const char* f, QWidget* box)
{
    return {record::shownOnly(f, box), Shown::AsField, Stored::AsField};
}
DocumentField whenNotBlank(const char* f, QWidget* box)
{
    return {record::whenNotBlank(f, box), Shown::AsField, Stored::AsField};
}
DocumentField code(const char* f, QWidget* box) { return {record::always(f, box), Shown::AsField, Stored::Code}; }
DocumentField textOrBlank(const char* f, QWidget* box)
{
    return {record::always(f, box), Shown::AsField, Stored::TextOrBlank};
}
DocumentField shownAs(Shown shown, Stored stored, const char* f, QWidget* box)
{
    return {Field::box(f, box, Written::Never), shown, stored};
}
DocumentField amount(const char* f, QWidget* box)
{
    return {record::numberWhenNotEmpty(f, box), Shown::Amount, Stored::AsField};
}
DocumentField hidden(DocumentField f)
{
    f.commission = true;
    return f;
}
DocumentField date(const char* f, QWidget* box, Stored stored = Stored::Date)
{
    return {Field::box(f, box, Written::Never).shownThrough(QStringLiteral("dd/mm/yyyy")), Shown::Date, stored};
}
DocumentField flag(const char* f, QCheckBox* box, Shown shown = Shown::AsField)
{
    return {record::flag(f, box), shown, Stored::AsField};
}
// The rule's letter, filler or constant.
DocumentField with(DocumentField f, const char* letter)
{
    f.code = letter;
    return f;
}
DocumentField listText(const char* f, QWidget* box, std::span<const CodeText> codes)
{
    DocumentField field = shownAs(Shown::ListText, Stored::ListCode, f, box);
    field.codes = codes;
    return field;
}
DocumentField currency(const char* f, QWidget* first, QWidget* second)
{
    DocumentField field = shownAs(Shown::Currency, Stored::Currency, f, first);
    field.second = second;
    return field;
}
DocumentField coinsurer(const char* f, int slot)
{
    DocumentField field = shownAs(Shown::CoinsurerCode, Stored::CoinsurerCode, f, nullptr);
    field.slot = slot;
    return field;
}

std::vector<DocumentField> fieldTable(Ui::Form14& u)
{
    return {
        // Codes and flags.
        currency("MOEDA", u.Option1, u.Option2),
        with(shownAs(Shown::Type, Stored::NewRowOnly, "TIPO", u.Combo2), "A"),
        listText("MOTIVO", u.Combo12, ReasonTexts),
        listText("TRANSMITIDO", u.Combo11, EndorsementTypes),
        flag("MULTIPLA", u.Check1),
        with(shownAs(Shown::PaymentForm, Stored::PaymentForm, "CARNET", u.Check3), "S"),
        with(shownAs(Shown::PaymentForm, Stored::PaymentForm, "CARNET", u.Check6), "N"),
        with(shownAs(Shown::PaymentForm, Stored::PaymentForm, "CARNET", u.Check7), "C"),
        with(shownAs(Shown::PaymentForm, Stored::PaymentForm, "CARNET", u.Check9), "D"),
        flag("JUROS", u.Check4),
        flag("RATEIO", u.Check5, Shown::Spreading),
        with(shownAs(Shown::Status, Stored::NewRowOnly, "VIGENTE", u.Combo1), "V"),
        textOrBlank("ATPOS", u.Combo13),
        // Key and header texts.
        with(shownAs(Shown::AsField, Stored::NewRowOnly, "FILIAL", u.Text23), "1"),
        shownOnly("FILIAL", u.Text10),
        shownOnly("PROPOSTA", u.Text1),
        with({record::always("APOLICE", u.Text2), Shown::PolicyNumber, Stored::FilledWhenEmpty}, " "),
        with({record::always("ENDOSSO", u.Text3), Shown::AsField, Stored::FilledWhenEmpty}, " "),
        text("CODIDRENOV", u.Text29),
        text("BANCO", u.Text21),
        text("AGENCIA", u.Text19),
        text("CONTA", u.Text17),
        textOrBlank("NUMPROP", u.Text14),
        code("CODCLIENTE", u.Text9),
        with({record::always("CHAME", u.Text8), Shown::AsField, Stored::FilledWhenBlank}, "0"),
        {record::always("NOMCLIENTE", u.Combo5), Shown::ClientName, Stored::AsField},
        shownAs(Shown::ClientBranch, Stored::AsField, "FILCLIENTE", nullptr),
        code("RAMO", u.Text4),
        {record::always("NOMRAMO", u.Combo3), Shown::PlanName, Stored::AsField},
        code("SEGURADORA", u.Text7),
        shownOnly("ORIGINAL", u.Text30),
        whenNotBlank("PENDE", u.Text34),
        whenNotBlank("INTERNO", u.Text35),
        text("NOMSEGURADORA", u.Combo4),
        textOrBlank("APORENOVA", u.Text13),
        textOrBlank("CIARENOVA", u.Text11),
        textOrBlank("NOMCIARENOVA", u.Combo6),
        // Premium, payment and commission.
        amount("PREMIOLIQ", u.MaskEdBox1),
        amount("ADICIONAL", u.MaskEdBox2),
        amount("CUSTO", u.MaskEdBox3),
        amount("IOF", u.MaskEdBox4),
        amount("ASSCU", u.MaskEdBox19),
        amount("PREMIOBRUTO", u.MaskEdBox5),
        // The carrier of the document this one was made from: its number twice.
        textOrBlank("CD", u.Text15),
        shownAs(Shown::Never, Stored::NumberOrZero, "ORIGINAL", u.Text15),
        whenNotBlank("CARTAO", u.Text31),
        {record::always("PARCELAS", u.Text20), Shown::InstalmentCount, Stored::Count},
        {record::numberWhenNotEmpty("COTACAO", u.MaskEdBox78), Shown::Amount, Stored::AmountOrOne},
        hidden(amount("PCOMISSAO", u.MaskEdBox6)),
        hidden(amount("PDESCONTO", u.MaskEdBox10)),
        hidden(amount("VCOMISSAO", u.MaskEdBox11)),
        // Producers: codes, shares, values, then the total pass-on.
        code("PROD1", u.Text18),
        code("PROD2", u.Text25),
        code("PROD3", u.Text26),
        code("PROD4", u.Text32),
        code("PROD5", u.Text33),
        hidden(amount("PREP1", u.MaskEdBox12)),
        hidden(amount("PREP2", u.MaskEdBox13)),
        hidden(amount("PREP3", u.MaskEdBox14)),
        hidden(amount("PREP4", u.MaskEdBox75)),
        hidden(amount("PREP5", u.MaskEdBox77)),
        hidden(amount("VREP1", u.MaskEdBox15)),
        hidden(amount("VREP2", u.MaskEdBox16)),
        hidden(amount("VREP3", u.MaskEdBox17)),
        hidden(amount("VREP4", u.MaskEdBox76)),
        hidden(amount("VREP5", u.MaskEdBox82)),
        hidden(amount("VREPASSE", u.MaskEdBox18)),
        {record::always("NOVAOBS", u.Text6), Shown::Observations, Stored::AsField},
        // Dates.
        date("VIGENCIAFINAL", u.MaskEdBox7),
        date("VIGENCIAINICIAL", u.MaskEdBox8, Stored::StartDate),
        date("SOLICITACAO", u.MaskEdBox9),
        date("EMISSAO", u.MaskEdBox56),
        date("PRODUCAO", u.MaskEdBox58),
        date("BAIXAANTE", u.MaskEdBox59),
        date("DTTRANSMITIDO", u.MaskEdBox60),
        date("DTEXCLUSAO", u.MaskEdBox61),
        // Co-insurers.
        coinsurer("CCO1", 1),
        coinsurer("CCO2", 2),
        coinsurer("CCO3", 3),
        text("NCO1", u.Combo15),
        text("NCO2", u.Combo16),
        text("NCO3", u.Combo17),
        amount("PCO1", u.MaskEdBox81),
        amount("PCO2", u.MaskEdBox57),
        amount("PCO3", u.MaskEdBox80),
    };
}

std::vector<QWidget*> statusColouredControls(Ui::Form14& u)
{
    return {u.Text1,       u.Text2,       u.Text3,       u.Text4,       u.Text6,       u.Text7,       u.Text8,
            u.Text9,       u.Text10,      u.Text11,      u.Text13,      u.Text14,      u.Text17,      u.Text18,
            u.Text19,      u.Text20,      u.Text21,      u.Text23,      u.Text24,      u.Text25,      u.Text26,
            u.Text29,      u.Text32,      u.Text33,      u.Combo1,      u.Combo2,      u.Combo3,      u.Combo4,
            u.Combo5,      u.Combo6,      u.Combo7,      u.Combo8,      u.Combo9,      u.Combo10,     u.Combo11,
            u.Combo12,     u.Combo13,     u.Combo14,     u.Combo18,     u.Combo19,     u.MaskEdBox1,  u.MaskEdBox2,
            u.MaskEdBox3,  u.MaskEdBox4,  u.MaskEdBox5,  u.MaskEdBox6,  u.MaskEdBox7,  u.MaskEdBox8,  u.MaskEdBox9,
            u.MaskEdBox10, u.MaskEdBox11, u.MaskEdBox12, u.MaskEdBox13, u.MaskEdBox14, u.MaskEdBox15, u.MaskEdBox16,
            u.MaskEdBox17, u.MaskEdBox18, u.MaskEdBox19, u.MaskEdBox56, u.MaskEdBox58, u.MaskEdBox59, u.MaskEdBox60,
            u.MaskEdBox61, u.MaskEdBox75, u.MaskEdBox76, u.MaskEdBox77, u.MaskEdBox78, u.MaskEdBox82};
}

// ---- the show ---------------------------------------------------------------------

bool holdsDigits(const QString& text)
{
    for (QChar c : text)
        if (c.isDigit())
            return true;
    return false;
}

bool stored(const Variant& v) { return !v.isNull() && !v.isEmpty(); }

void putField(const DocumentFields& window, const DocumentField& f, const db::Recordset& rs,
              DocumentWindowState& state)
{
    Ui::Form14& ui = window.ui;
    QWidget* box = f.widget();
    const Variant value = f.read(rs);
    const QString code = stored(value) ? rt::CStr(value) : QString();
    switch (f.shown) {
    case Shown::AsField:
        f.put(value);
        break;
    case Shown::Never:
        break;
    case Shown::Amount:
        if (stored(value))
            record::setBoxText(box, rt::CStr(Variant(rt::CDbl(value))));
        break;
    case Shown::Date:
        if (stored(value)) {
            auto* dateBox = static_cast<ui::MaskEdBox*>(box);
            dateBox->setMask(QString());
            f.put(value);
            dateBox->setMask(DateMask);
        }
        break;
    case Shown::PolicyNumber:
        f.put(value);
        state.ShownPolicyNumber = Variant(record::boxText(box));
        break;
    case Shown::ClientName:
        f.put(value);
        box->setEnabled(false);
        break;
    case Shown::PlanName:
        f.put(value);
        for (QWidget* locked : std::initializer_list<QWidget*>{ui.Combo2, ui.Combo3, ui.Text4})
            locked->setEnabled(false);
        break;
    case Shown::InstalmentCount: {
        f.put(value);
        const QString count = rt::Trim(record::boxText(box));
        state.LoadedInstalmentCount = count.isEmpty() ? 0 : int32_t(rt::Val(Variant(count)));
        break;
    }
    case Shown::ClientBranch:
        if (stored(value))
            state.ClientBranch = value.toLong();
        break;
    case Shown::CoinsurerCode:
        state.CoinsurerCodes[size_t(f.slot - 1)] = stored(value) ? value.toLong() : 0;
        break;
    case Shown::Currency:
        if (code == u"1" || code == u"2") {
            static_cast<ui::OptionButton*>(box)->setValue(code == u"1");
            static_cast<ui::OptionButton*>(f.second)->setValue(code == u"2");
        }
        break;
    case Shown::Type:
        if (code == u"A" || code == u"E")
            static_cast<ui::PickList*>(box)->setListIndex(code == u"A" ? 0 : 1);
        break;
    case Shown::ListText:
        for (const CodeText& e : f.codes) {
            if (code == QLatin1String(e.code)) {
                static_cast<ui::PickList*>(box)->setText(QString::fromUtf8(e.text));
                break;
            }
        }
        break;
    case Shown::PaymentForm:
        if (code == QLatin1String(f.code))
            static_cast<ui::CheckBox*>(box)->setValue(ui::CheckBox::Checked);
        break;
    case Shown::Spreading: {
        // Spreading left Null stays open to choice; once stored it is fixed.
        auto* spread = static_cast<ui::CheckBox*>(box);
        spread->setValue(value.isNull() || code == u"S" ? ui::CheckBox::Checked : ui::CheckBox::Unchecked);
        spread->setEnabled(value.isNull());
        break;
    }
    case Shown::Status:
        for (size_t i = 0; i < Statuses.size(); ++i) {
            if (code == QLatin1String(Statuses[i].code)) {
                auto* list = static_cast<ui::PickList*>(box);
                list->setListIndex(int(i));
                ColourStatusList(*list);
                break;
            }
        }
        break;
    case Shown::Observations: {
        Variant observations = value;
        if (observations.isNull())
            observations = rs.field(QStringLiteral("OBSERVACOES"));
        f.put(observations);
        break;
    }
    }
}

}  // namespace

DocumentFields::DocumentFields(Ui::Form14& ui) :
    ui(ui), fields(fieldTable(ui)), statusColoured(statusColouredControls(ui))
{
}

void PutDocumentFields(const DocumentFields& window, const db::Recordset& documents, DocumentWindowState& state,
                       CommissionView commissions)
{
    ColourFieldsByStatus(window.statusColoured, documents);
    for (const DocumentField& f : window.fields) {
        putField(window, f, documents, state);
        if (f.commission && commissions == CommissionView::Hidden)
            record::setBoxText(f.widget(), QStringLiteral("0"));
    }

    Ui::Form14& ui = window.ui;
    state.AdvancePassOnFlag = holdsDigits(ui.MaskEdBox59->Text()) ? 1 : 0;
    if (!ui.MaskEdBox7->ClipText().isEmpty() && rt::IsDate(Variant(ui.MaskEdBox7->Text())))
        ui.Text5->setText(
            QString::number(rt::DateDiff(QStringLiteral("d"), rt::Date(), rt::CDate(Variant(ui.MaskEdBox7->Text())))));
}

// Every control is reached through the window's own pointers: the clear runs
// before each show.
void ClearDocumentControls(const DocumentFields& window)
{
    Ui::Form14& u = window.ui;
    for (QWidget* c : std::initializer_list<QWidget*>{u.Combo2, u.Combo3, u.Combo5, u.Text4})
        c->setEnabled(true);

    for (ui::TextBox* box : {u.Text1,  u.Text2,  u.Text3,  u.Text4,  u.Text5,  u.Text7,  u.Text8,
                             u.Text9,  u.Text10, u.Text11, u.Text12, u.Text13, u.Text14, u.Text15,
                             u.Text17, u.Text18, u.Text19, u.Text20, u.Text21, u.Text25, u.Text26,
                             u.Text29, u.Text31, u.Text32, u.Text33, u.Text34, u.Text35})
        box->setText(QString());
    u.Text6->setPlainText(QString());
    u.List1->Clear();

    for (ui::MaskEdBox* box : {u.MaskEdBox1, u.MaskEdBox2, u.MaskEdBox3, u.MaskEdBox4, u.MaskEdBox5, u.MaskEdBox6})
        box->setText(QStringLiteral("0"));
    u.MaskEdBox59->setEnabled(true);
    for (ui::MaskEdBox* box : {u.MaskEdBox7, u.MaskEdBox8, u.MaskEdBox9, u.MaskEdBox56, u.MaskEdBox58, u.MaskEdBox59,
                               u.MaskEdBox60, u.MaskEdBox61})
        emptyDateBox(box);
    for (ui::MaskEdBox* box : {u.MaskEdBox10, u.MaskEdBox11, u.MaskEdBox12, u.MaskEdBox13, u.MaskEdBox14,
                               u.MaskEdBox15, u.MaskEdBox16, u.MaskEdBox17, u.MaskEdBox18, u.MaskEdBox19,
                               u.MaskEdBox81, u.MaskEdBox57, u.MaskEdBox80, u.MaskEdBox75, u.MaskEdBox76,
                               u.MaskEdBox82, u.MaskEdBox77})
        box->setText(QStringLiteral("0"));
    u.MaskEdBox78->setText(QString());
    u.MaskEdBox83->setText(QString());

    u.Option1->setValue(false);
    u.Option2->setValue(false);
    for (ui::CheckBox* box : {u.Check1, u.Check9, u.Check3, u.Check4, u.Check6, u.Check7})
        box->setValue(ui::CheckBox::Unchecked);
    u.Check5->setEnabled(true);
    u.Check5->setValue(ui::CheckBox::Checked);

    for (ui::PickList* list : {u.Combo3, u.Combo4, u.Combo5, u.Combo6, u.Combo7, u.Combo8, u.Combo9, u.Combo10,
                               u.Combo11, u.Combo12, u.Combo13, u.Combo14, u.Combo15, u.Combo16, u.Combo17,
                               u.Combo18, u.Combo19})
        list->setText(QString());
    u.List1->Clear();
    for (ui::PickList* list : {u.Combo1, u.Combo2, u.Combo3, u.Combo4, u.Combo5, u.Combo6, u.Combo7, u.Combo8,
                               u.Combo9, u.Combo10, u.Combo11, u.Combo12, u.Combo13, u.Combo14, u.Combo18, u.Combo19})
        list->setListIndex(-1);

    for (ui::MaskEdBox* box : {u.MaskEdBox20, u.MaskEdBox21, u.MaskEdBox22, u.MaskEdBox23, u.MaskEdBox24,
                               u.MaskEdBox25, u.MaskEdBox26, u.MaskEdBox27, u.MaskEdBox28, u.MaskEdBox29,
                               u.MaskEdBox30, u.MaskEdBox31, u.MaskEdBox62, u.MaskEdBox63, u.MaskEdBox64,
                               u.MaskEdBox65, u.MaskEdBox66, u.MaskEdBox67, u.MaskEdBox68, u.MaskEdBox69,
                               u.MaskEdBox70, u.MaskEdBox71, u.MaskEdBox72, u.MaskEdBox73})
        box->setEnabled(true);

    // Undoes the status colours.
    for (QWidget* c : window.statusColoured)
        setTextColour(*c, ClearedText);
}

QString ClaimCriteria(const QString& policyNumber)
{
    return QStringLiteral("TRIM(APOLICE) LIKE ") + db::quoted(db::likeLiteral(policyNumber));
}

}  // namespace vorna::documents
