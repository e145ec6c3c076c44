#pragma once
#include "support/WindowFixture.h"

namespace vorna::test {

// The program logged in at level 1 with every right, the deletion password
// "Apagar", and the participant window opened from the main menu.
class ParticipantFixture : public WindowFixture {
protected:
    static inline const QString Added = QStringLiteral("Participante Cadastrado com Código: ");
    static inline const QString NotFound = QStringLiteral("PARTICIPANTE NÃO ENCONTRADO");
    static inline const QString WrongPassword = QStringLiteral("SENHA INCORRETA! PARTICIPANTE NÃO SERÁ EXCLUÍDO!");

    ParticipantFixture();
    void SetUp() override;

    // A stored participant; returns its code.
    int addParticipant(const QString& name, const Fields& more = {});
    int addHolder(const QString& name, const Fields& more = {});
    int addDependant(const QString& name, int holder, const Fields& more = {});
    int addDocument(int number, const QString& policy, const QString& client, const Fields& more = {});
    db::Recordset participant(int code);
    Variant stored(int code, const char* field);

    // The boxes "Gravar" requires of a holder.
    void fillHolder(const QString& name, const QString& card);
};

}  // namespace vorna::test
