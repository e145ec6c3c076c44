#pragma once
#include "support/WindowFixture.h"

#include <QDate>
#include <QPlainTextEdit>

namespace vorna::test {

// The program logged in at level 1 with every right, the deletion password
// "Apagar", and helpers to store participants, documents and events.
class EventFixture : public WindowFixture {
protected:
    static inline const QString Refused = QStringLiteral("SENHA INCORRETA! EVENTO NÃO SERÁ EXCLUÍDO!");
    static inline const QString NotFound = QStringLiteral("EVENTO NÃO ENCONTRADO");

    EventFixture();
    void SetUp() override;

    ui::ListBox* names() { return listBox("List3"); }
    QPlainTextEdit* notes() { return c<QPlainTextEdit>("Text3"); }

    int addParticipant(const QString& name, const Fields& more = {});
    int addDocument(const QString& policy, const Fields& more = {});
    int addEvent(const QString& name, const Fields& more = {});
    db::Recordset event(int code);

    static Variant day(int d, int m, int y) { return Variant::date(QDate(y, m, d)); }
    // Types a name, date and type: what "Gravar" requires.
    void fillRequired(const QString& name);
};

}  // namespace vorna::test
