// The client's fields between row and window: what the show puts, what the
// clearing empties and what the save writes.
#include "clients/Form4.h"

#include "clients/ClientNumbers.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

#include <array>

namespace vorna {

namespace {

using clients::chooseExactly;

// A one-letter code and the entry of its sorted list.
struct CodeEntry {
    const char* code;
    const char* entry;
};
const std::array<CodeEntry, 3> SexCodes = {{{"F", "FEMININO"}, {"J", "JURIDICA"}, {"M", "MASCULINO"}}};
const std::array<CodeEntry, 5> MaritalCodes = {
    {{"C", "CASADO"}, {"D", "DIVORCIADO"}, {"O", "OUTRO"}, {"S", "SOLTEIRO"}, {"V", "VIUVO"}}};
const std::array<CodeEntry, 4> SchoolingCodes = {
    {{"C", "COLEGIAL"}, {"G", "POS-GRADUADO"}, {"P", "PRIMARIO"}, {"S", "SUPERIOR"}}};

constexpr int OccupationWidth = 30;

QString textOf(const Variant& value)
{
    return value.isNull() || value.isEmpty() ? QString() : rt::CStr(value);
}

template <size_t N>
void chooseByCode(ui::PickList* list, const std::array<CodeEntry, N>& codes, const QString& stored)
{
    for (const CodeEntry& c : codes) {
        if (stored == QLatin1String(c.code)) {
            chooseExactly(list, QString::fromUtf8(c.entry));
            return;
        }
    }
}

template <size_t N>
void writeCode(db::Recordset& rs, const QString& field, const ui::PickList* list,
               const std::array<CodeEntry, N>& codes)
{
    const QString chosen = list->Text();
    for (const CodeEntry& c : codes) {
        if (chosen == QString::fromUtf8(c.entry)) {
            rs.setField(field, Variant(QString::fromLatin1(c.code)));
            return;
        }
    }
}

}  // namespace

namespace clients {

std::vector<record::Field> Form4::BoundFields()
{
    using namespace record;
    const QString dayFirst = QStringLiteral("dd/mm/yyyy");
    const auto date = [&](const char* field, QWidget* box) {
        return whenNotEmpty(QLatin1String(field), box).shownThrough(dayFirst);
    };
    const auto text = [](const char* field, QWidget* box) { return whenNotBlank(QLatin1String(field), box); };
    std::vector<Field> f = {
        shownOnly(QStringLiteral("CODIGO"), ui->Text1),
        options(QStringLiteral("TIPOETI"),
                {{ui->Option3, QStringLiteral("R")},
                 {ui->Option4, QStringLiteral("C")},
                 {ui->Option5, QStringLiteral(" ")}}),
        Field::flag(QStringLiteral("MALAS"), ui->Check7, QStringLiteral("A"), QStringLiteral("I")),
        Field::flag(QStringLiteral("VIP"), ui->Check20, QStringLiteral("V"), QStringLiteral(" ")),
        always(QStringLiteral("NOME"), ui->Text2),
        text("INDICACAO", ui->Text3), text("CELULAR", ui->Text14), text("END-RESIDENCIA", ui->Text4),
        text("CID-RESIDENCIA", ui->Text5), text("TEL-RESIDENCIA", ui->Text8), text("END-COMERCIAL", ui->Text9),
        text("CID-COMERCIAL", ui->Text10), text("TEL-COMERCIAL", ui->Text13),
        date("ANIV", ui->MaskEdBox1), date("CADA", ui->MaskEdBox2), date("HABI", ui->MaskEdBox3),
        always(QStringLiteral("PRODUTOR"), ui->Text18),
        text("CONJUGE", ui->Text19), text("ADICIONAL", ui->Text6),
        numberWhenNotEmpty(QStringLiteral("RENDA"), ui->MaskEdBox21),
        date("ANIVCON", ui->MaskEdBox4), date("HABICON", ui->MaskEdBox5), date("CASAMENTO", ui->MaskEdBox6),
        date("EXPEDICAO", ui->MaskEdBox8),
        text("PASTA", ui->Text56), text("ORGAO", ui->Text30), text("CONTATO", ui->Text15), text("EMAIL", ui->Text16),
        text("EMAIL2", ui->Text47), text("MSN", ui->Text85), text("TWITTER", ui->Text86), text("SKYPE", ui->Text87),
        text("BAIRRO", ui->Text20), text("TEL-COMERCIAL2", ui->Text22), text("TELCOMERCIAL3", ui->Text11),
        text("TIMEF", ui->Text55), text("PAGINA", ui->Text46), text("BAIRROCOM", ui->Text21), text("CNH", ui->Text24),
        text("RG", ui->Text25), text("SAUDE", ui->Text26), text("TEMPORES", ui->Text27), text("TEMPOTRA", ui->Text28),
        date("PRIDATCNH", ui->MaskEdBox7),
        text("PAR1", ui->Text35), text("PAR2", ui->Text37), text("PAR3", ui->Text39), text("PAR4", ui->Text41),
        text("NOME1", ui->Text34), text("NOME2", ui->Text36), text("NOME3", ui->Text38), text("NOME4", ui->Text40),
        text("CPF1", ui->Text42), text("CPF2", ui->Text43), text("CPF3", ui->Text44), text("CPF4", ui->Text45),
        text("CPFC", ui->Text33), text("MAE", ui->Text31), text("PAI", ui->Text32),
        date("NASC1", ui->MaskEdBox9), date("NASC2", ui->MaskEdBox11), date("NASC3", ui->MaskEdBox13),
        date("NASC4", ui->MaskEdBox15),
        date("HABI1", ui->MaskEdBox10), date("HABI2", ui->MaskEdBox12), date("HABI3", ui->MaskEdBox14),
        date("HABI4", ui->MaskEdBox16),
        text("SCO1", ui->Text57), text("SCO2", ui->Text58), text("SCO3", ui->Text59), text("SCO4", ui->Text60),
        text("SCO5", ui->Text61), text("SCO6", ui->Text62), text("SCO7", ui->Text63), text("SCO8", ui->Text64),
        text("SCO9", ui->Text65), text("SCO10", ui->Text66),
        text("CODIND", ui->Text84), text("NOMIND", ui->Text83),
        flag(QStringLiteral("RESID"), ui->Check8), flag(QStringLiteral("VERAN"), ui->Check9),
        flag(QStringLiteral("VIAJAEX"), ui->Check10), flag(QStringLiteral("VIAJAES"), ui->Check11),
        flag(QStringLiteral("SEGRES"), ui->Check12), flag(QStringLiteral("SEGVID"), ui->Check13),
        flag(QStringLiteral("SEGSAU"), ui->Check14), flag(QStringLiteral("ROUBVEI"), ui->Check15),
        flag(QStringLiteral("ROUBRES"), ui->Check16), flag(QStringLiteral("ESPORTES"), ui->Check17),
        flag(QStringLiteral("FUMANTE"), ui->Check18), flag(QStringLiteral("FILHOS16"), ui->Check19),
        text("CAP1", ui->Text49), text("CAP2", ui->Text48), text("CAP3", ui->Text50), text("CAP4", ui->Text51),
        text("CAP5", ui->Text53), text("CAP6", ui->Text52),
        text("PARPEN", ui->Text67),
        date("DATCAP1", ui->MaskEdBox20), date("DATCAP2", ui->MaskEdBox19), date("DATCAP3", ui->MaskEdBox18),
        date("DATCAP4", ui->MaskEdBox17), date("DATCAP5", ui->MaskEdBox24), date("DATCAP6", ui->MaskEdBox23),
        flag(QStringLiteral("OK1"), ui->Check1), flag(QStringLiteral("OK2"), ui->Check2),
        flag(QStringLiteral("OK3"), ui->Check3), flag(QStringLiteral("OK4"), ui->Check4),
        flag(QStringLiteral("OK5"), ui->Check5), flag(QStringLiteral("OK6"), ui->Check6),
    };
    for (const RelationSlot& slot : relationSlots()) {
        f.push_back(whenNotBlank(slot.code.field, slot.code.box));
        f.push_back(whenNotBlank(slot.name.field, slot.name.box));
        f.push_back(whenNotBlank(slot.complement.field, slot.complement.box));
    }
    return f;
}

std::array<Form4::RelationSlot, 5> Form4::relationSlots() const
{
    const auto slot = [](int n, QWidget* code, QWidget* name, QWidget* complement) {
        const QString number = QString::number(n);
        return RelationSlot{{QStringLiteral("RELCOD") + number, code},
                            {QStringLiteral("RELNOM") + number, name},
                            {QStringLiteral("RELCMP") + number, complement}};
    };
    return {slot(1, ui->Text71, ui->Text75, ui->Text78), slot(2, ui->Text70, ui->Text74, ui->Text79),
            slot(3, ui->Text69, ui->Text73, ui->Text80), slot(4, ui->Text68, ui->Text72, ui->Text81),
            slot(5, ui->Text76, ui->Text77, ui->Text82)};
}

// ---- show -----------------------------------------------------------------------------

// The owner of the client is set for every level; only the third level is
// refused a client of another producer's.
bool Form4::MayShowToOwner()
{
    Session& session = vorna::state().session;
    Variant owner(QStringLiteral(" "));
    const std::optional<QString> producer =
        db::wholeNumber(textOf(client_->recordset().field(QStringLiteral("PRODUTOR"))));
    if (producer) {
        producers_->FindFirst(QStringLiteral("CODIGO = ") + *producer);
        if (!producers_->NoMatch()) {
            const Variant password = producers_->field(QStringLiteral("SENHA"));
            owner = password.isNull() || password.isEmpty() ? Variant(QStringLiteral("WENDOLK")) : password;
        }
    }
    session.DocumentOwner = owner;
    if (session.AccessLevelWord == level::Minimum && textOf(owner) != textOf(session.UserIdentification)) {
        msg::refusedByOwner();
        return false;
    }
    return true;
}

void Form4::ShowRuledFields()
{
    const db::Recordset& rs = client_->recordset();
    const auto stored = [&](const char* field) { return textOf(rs.field(QLatin1String(field))); };

    ui->Text1->setEnabled(false);
    ui->MaskEdBox2->setEnabled(false);
    if (!textOf(rs.field(QStringLiteral("FILIAL"))).isEmpty())
        ui->Text23->setText(QStringLiteral("1"));
    ui->Text7->setText(postalCodeShown(stored("CEP-RESIDENCIA")));
    ui->Text12->setText(postalCodeShown(stored("CEP-COMERCIAL")));
    ui->Text17->setText(taxNumberShown(stored("CPF")));
    ui->Combo1->setText(stored("PROFISSAO"));
    chooseByCode(ui->Combo5, SexCodes, stored("SEXO"));
    chooseByCode(ui->Combo6, MaritalCodes, stored("CIVIL"));
    chooseByCode(ui->Combo7, SchoolingCodes, stored("ESCOLAR"));
    chooseExactly(ui->Combo2, stored("PESSOA"));
    chooseExactly(ui->Combo9, stored("TIPRES"));
    chooseExactly(ui->Combo3, stored("EST-RESIDENCIA"));
    chooseExactly(ui->Combo4, stored("EST-COMERCIAL"));

    const QString person = stored("PESSOA");
    if (person == QLatin1String("F")) {
        ui->Label14->setText(QStringLiteral("Nasc.:"));
        ui->Label26->setText(QStringLiteral("C.P.F.:"));
    } else if (person == QLatin1String("J")) {
        ui->Label14->setText(QStringLiteral("Const.:"));
        ui->Label26->setText(QStringLiteral("CNPJ:"));
    }
    ShowProducerName();
}

// The client's producer in branch 1, the branch every client of this window belongs to.
void Form4::ShowProducerName()
{
    const std::optional<QString> code = db::wholeNumber(ui->Text18->text());
    const std::optional<QString> branch = db::wholeNumber(ui->Text23->text());
    if (!code || !branch)
        return;
    producers_->FindFirst(QStringLiteral("CODIGO = ") + *code + QStringLiteral(" AND FILIAL = ") + *branch);
    if (producers_->NoMatch())
        return;
    const QString name = textOf(producers_->field(QStringLiteral("NOME")));
    if (!name.isEmpty())
        ui->Combo8->setText(name);
}

// ---- clear ----------------------------------------------------------------------------

// Every box but the password box, every list's choice and typed text; the
// boxes a shown client locks are open again. Captions, buttons and panels stay.
void Form4::ClearClientForm()
{
    ui->Text1->setEnabled(true);
    ui->MaskEdBox2->setEnabled(true);
    for (ui::TextBox* box : findChildren<ui::TextBox*>()) {
        if (box != ui->Text29)
            record::clearBox(box);
    }
    for (ui::PickList* list : findChildren<ui::PickList*>()) {
        list->setListIndex(-1);
        if (!list->ListOnly())
            list->setText(QString());
    }
}

bool Form4::ValidateClientRequiredFields() { return client_->Validate(); }

// ---- save -----------------------------------------------------------------------------

void Form4::SaveClientFields(db::Recordset& rs)
{
    for (const record::Field& field : client_->design().fields)
        field.write(rs);

    const QString person = ui->Combo2->Text();
    if (!ui->Option3->Value() && !ui->Option4->Value() && !ui->Option5->Value())
        rs.setField(QStringLiteral("TIPOETI"),
                    Variant(person == QLatin1String("F") ? QStringLiteral("R") : QStringLiteral("C")));
    // Every client of this window belongs to branch 1.
    rs.setField(QStringLiteral("FILIAL"), Variant(1));
    rs.setField(QStringLiteral("TARJA"), Variant(QStringLiteral("N")));
    rs.setField(QStringLiteral("PESSOA"), Variant(person));
    rs.setField(QStringLiteral("TIPRES"), Variant(ui->Combo9->Text()));

    const QString occupation = ui->Combo1->Text();
    if (!rt::Trim(occupation).isEmpty())
        rs.setField(QStringLiteral("PROFISSAO"), Variant(occupation.left(OccupationWidth)));
    if (!ui->Combo3->Text().isEmpty())
        rs.setField(QStringLiteral("EST-RESIDENCIA"), Variant(ui->Combo3->Text()));
    if (!ui->Combo4->Text().isEmpty())
        rs.setField(QStringLiteral("EST-COMERCIAL"), Variant(ui->Combo4->Text()));
    writeCode(rs, QStringLiteral("SEXO"), ui->Combo5, SexCodes);
    writeCode(rs, QStringLiteral("CIVIL"), ui->Combo6, MaritalCodes);
    writeCode(rs, QStringLiteral("ESCOLAR"), ui->Combo7, SchoolingCodes);

    // A code that is not eight digits would be stored padded or cut short: the
    // stored one stays instead.
    if (const auto code = postalCodeStored(ui->Text7->text()))
        rs.setField(QStringLiteral("CEP-RESIDENCIA"), Variant(*code));
    if (const auto code = postalCodeStored(ui->Text12->text()))
        rs.setField(QStringLiteral("CEP-COMERCIAL"), Variant(*code));
    if (!rt::Trim(ui->Text17->text()).isEmpty())
        rs.setField(QStringLiteral("CPF"), Variant(taxNumberDigits(ui->Text17->text())));

    // A relation slot without a code is empty, whatever its other boxes hold.
    for (const RelationSlot& slot : relationSlots()) {
        if (!rt::Trim(record::boxText(slot.code.box)).isEmpty())
            continue;
        rs.setField(slot.code.field, Variant(0));
        rs.setField(slot.name.field, Variant(QStringLiteral(" ")));
        rs.setField(slot.complement.field, Variant(QStringLiteral(" ")));
    }
}

}  // namespace clients

}  // namespace vorna
