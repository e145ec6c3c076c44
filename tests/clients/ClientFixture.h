#pragma once
#include "support/WindowFixture.h"

#include <vector>

namespace vorna::test {

using ClientAudit = AuditRow;

// The program logged in at level 1 with every right, the deletion password
// "Apagar", and the client window opened from the main menu.
class ClientFixture : public WindowFixture {
protected:
    static inline const QString Added = QStringLiteral("Cliente Cadastrado com Codigo: ");
    static inline const QString Refused = QStringLiteral("SENHA INCORRETA! CLIENTE NÃO SERÁ EXCLUÍDO!");

    ClientFixture();
    void SetUp() override;

    void addProducer(int code, int branch, const QString& name, const Variant& password = Variant::null());
    // A stored client; returns its code.
    int addClient(const QString& name, const Fields& more = {});
    db::Recordset client(int code);

    // Every box "Gravar" requires of a person type, filled; the CPF or CNPJ is
    // the first of a fixed run that no stored client holds.
    void fillRequired(const QString& person);
    QString freeTaxNumber(const QString& person);

    // RERUDEVA.MDB built from its schema, with these rows in its table SP
    // (CEP, "ENDEREÇO", Localidade, BAI_INI). A client test starts without the
    // file, as a fresh installation does.
    void installPostalCodes(const std::vector<Fields>& rows);
};

}  // namespace vorna::test
