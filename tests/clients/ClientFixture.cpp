#include "ClientFixture.h"

#include "clients/CheckDigits.h"
#include "common/RecordWindowPatternFields.h"
#include "common/WindowRefs.h"

#include <QFile>

namespace vorna::test {

ClientFixture::ClientFixture() : WindowFixture(windows::Form4, "Text3") {}

void ClientFixture::SetUp()
{
    WindowFixture::SetUp();
    state().settings.DeletionPassword = Variant("Apagar");
    QFile::remove(pathOf("RERUDEVA.MDB"));
}

void ClientFixture::addProducer(int code, int branch, const QString& name, const Variant& password)
{
    addRow("PRODUTOR", {{"CODIGO", code}, {"FILIAL", branch}, {"NOME", name}, {"SENHA", password}});
}

int ClientFixture::addClient(const QString& name, const Fields& more)
{
    return addNumbered("CLIENTES", {{"NOME", name}, {"PESSOA", "F"}, {"FILIAL", 1}, {"PRODUTOR", 1}}, more);
}

db::Recordset ClientFixture::client(int code)
{
    db::Recordset rs = findRow("CLIENTES", QStringLiteral("CODIGO = %1").arg(code));
    EXPECT_FALSE(rs.NoMatch()) << "no client " << code;
    return rs;
}

QString ClientFixture::freeTaxNumber(const QString& person)
{
    // From 123.456.789-09 and 11.222.333/0001-81 on, the next bases with their check digits.
    for (qint64 base = 0;; ++base) {
        QString number;
        if (person == "J") {
            number = QString::number(112223330001LL + base);
            const auto check = clients::ComputeCnpjCheckDigits(clients::CnpjDigitsOf(number));
            number += QString::number(check.first);
            number += QString::number(clients::ComputeCnpjCheckDigits(clients::CnpjDigitsOf(number)).second);
        } else {
            number = QString::number(123456789LL + base);
            const auto check = clients::ComputeCpfCheckDigits(clients::CpfDigitsOf(number));
            number += QString::number(check.first);
            number += QString::number(clients::ComputeCpfCheckDigits(clients::CpfDigitsOf(number)).second);
        }
        if (findRow("CLIENTES", "CPF = '" + number + "'").NoMatch())
            return number;
    }
}

void ClientFixture::fillRequired(const QString& person)
{
    type(box("Text2"), "CLIENTE " + person);
    choose(list("Combo2"), person);
    if (person == "F") {
        type(box("Text4"), "RUA A 1");
        type(box("Text5"), "SANTOS");
        choose(list("Combo3"), "SP");
        type(box("Text7"), "11010100");
    } else {
        type(box("Text9"), "AV B 2");
        type(box("Text10"), "CAMPINAS");
        choose(list("Combo4"), "SP");
        type(box("Text12"), "13010200");
    }
    type(box("Text8"), "13 3333-4444");
    type(box("Text17"), freeTaxNumber(person));
    type(box("Text18"), "1");
}

void ClientFixture::installPostalCodes(const std::vector<Fields>& rows)
{
    const QString file = pathOf("RERUDEVA.MDB");
    ASSERT_TRUE(buildDatabaseFromSchema("RERUDEVA", file));
    const db::Database postal = db::Database::open(file);
    for (const Fields& row : rows)
        addRow(postal, "SP", row);
}

}  // namespace vorna::test
