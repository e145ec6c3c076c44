// The identification boxes' entry rules: the CPF or CNPJ, checked for another
// client holding it and for its check digits, and the producer code.
#include "clients/Form4.h"

#include "clients/CheckDigits.h"
#include "clients/ClientNumbers.h"
#include "common/MessageTexts.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::clients {

namespace {

const QString TaxNumberHeld = QStringLiteral("JÁ EXISTE UM CLIENTE COM ESTE CPF E SEU CÓDIGO É: ");
const QString InvalidCnpj = QStringLiteral("NUMERO DE CGC INVÁLIDO!");
const QString InvalidCpf = QStringLiteral("NUMERO DE CIC INVÁLIDO!");

// The characters at the given positions (counted from 1), anything but a digit
// read as "0".
QString digitsAt(const QString& text, std::initializer_list<int> positions)
{
    QString digits;
    for (int position : positions) {
        const QChar c = text.at(position - 1);
        digits += c >= u'0' && c <= u'9' ? c : u'0';
    }
    return digits;
}

}  // namespace

// The separators come out so the bare digits can be edited.
void Form4::Text17_GotFocus()
{
    const QString text = ui->Text17->text();
    if (ui->Combo2->Text() == QLatin1String("J")) {
        if (text.size() == 18)
            ui->Text17->setText(digitsAt(text, {1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 17, 18}));
    } else if (text.size() >= 14) {
        ui->Text17->setText(digitsAt(text, {1, 2, 3, 5, 6, 7, 9, 10, 11, 13, 14}));
    }
    if (rt::Trim(ui->Combo2->Text()).isEmpty())
        ui->Text17->clear();
}

bool Form4::Text17_LostFocus()
{
    const QString text = ui->Text17->text();
    if (text.isEmpty())
        return true;
    const bool company = ui->Combo2->Text() == QLatin1String("J");
    const QString number = taxNumberChecked(text, company);

    if (FindClientWithTaxNumber(number)) {
        msg::notice(TaxNumberHeld + rt::CStr(client_->recordset().field(QStringLiteral("CODIGO"))));
        client_->Clear();
        buttons_->endShown();
        return true;
    }

    const bool valid = company ? CnpjCheckDigitsMatch(CnpjDigitsOf(text)) : CpfCheckDigitsMatch(CpfDigitsOf(text));
    if (!valid) {
        msg::notice(company ? InvalidCnpj : InvalidCpf);
        return false;
    }
    ui->Text17->setText(taxNumberShown(number));
    return true;
}

// Looks for the number the check reads, as stored (digits only), passing over
// the client shown: its own number is no duplicate. On a miss the recordset
// stays on the shown client, so "Gravar" still alters it.
bool Form4::FindClientWithTaxNumber(const QString& number)
{
    QString criteria = db::equalsCriteria(QStringLiteral("CPF"), number);
    if (buttons_->isShown()) {
        if (const std::optional<QString> shown = db::wholeNumber(ui->Text1->text()))
            criteria += QStringLiteral(" AND CODIGO <> ") + *shown;
    }
    db::Recordset& rs = client_->recordset();
    rs.FindFirst(criteria);
    return !rs.NoMatch();
}

bool Form4::Text18_LostFocus()
{
    const QString typed = rt::Trim(ui->Text18->text());
    if (typed.isEmpty())
        return true;
    db::Recordset& rs = *producers_;
    // A pasted code that is not a number finds no producer.
    const std::optional<QString> code = db::wholeNumber(typed);
    if (code)
        rs.FindFirst(QStringLiteral("CODIGO = ") + *code);
    if (!code || rs.NoMatch()) {
        msg::notFound(msg::ProducerNotFoundPlain);
        return false;
    }
    const Variant name = rs.field(QStringLiteral("NOME"));
    if (!name.isNull())
        ui->Combo8->setText(rt::CStr(name));
    return true;
}

}  // namespace vorna::clients
