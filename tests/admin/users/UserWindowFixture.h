#pragma once
#include "admin/Form95.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "support/ProgramFixture.h"
#include "support/Interact.h"
#include "support/SecondWorkstation.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <sqlite3.h>

namespace vorna::test {

// One right as the window lays it out: its field, its box, the caption of its
// row and the heading of its column.
struct RightPlace {
    const char* field;
    const char* box;
    const char* row;
    const char* column;
};

// The 45 rights in the order of the panel, written out here on their own so
// the window's mapping is checked against an independent list.
inline const RightPlace RightPlaces[] = {
    {"ICC", "Check1", "Cadastro de Clientes", "Incluir"},
    {"ACC", "Check2", "Cadastro de Clientes", "Alterar"},
    {"CCC", "Check3", "Cadastro de Clientes", "Consultar"},
    {"ECC", "Check4", "Cadastro de Clientes", "Excluir"},
    {"PCC", "Check5", "Cadastro de Clientes", "Imprimir"},
    {"ICN", "Check6", "Cadastro de Não-Clientes", "Incluir"},
    {"ACN", "Check7", "Cadastro de Não-Clientes", "Alterar"},
    {"CCN", "Check8", "Cadastro de Não-Clientes", "Consultar"},
    {"ECN", "Check9", "Cadastro de Não-Clientes", "Excluir"},
    {"PCN", "Check10", "Cadastro de Não-Clientes", "Imprimir"},
    {"ICD", "Check11", "Cadastro de Documentos", "Incluir"},
    {"ACD", "Check12", "Cadastro de Documentos", "Alterar"},
    {"CCD", "Check13", "Cadastro de Documentos", "Consultar"},
    {"ECD", "Check14", "Cadastro de Documentos", "Excluir"},
    {"PCD", "Check15", "Cadastro de Documentos", "Imprimir"},
    {"ICS", "Check16", "Cadastro de Sinistros", "Incluir"},
    {"ACS", "Check17", "Cadastro de Sinistros", "Alterar"},
    {"CCS", "Check18", "Cadastro de Sinistros", "Consultar"},
    {"ECS", "Check19", "Cadastro de Sinistros", "Excluir"},
    {"PCS", "Check20", "Cadastro de Sinistros", "Imprimir"},
    {"ICP", "Check21", "Cadastro de Contas a Pagar", "Incluir"},
    {"ACP", "Check22", "Cadastro de Contas a Pagar", "Alterar"},
    {"CCP", "Check23", "Cadastro de Contas a Pagar", "Consultar"},
    {"ECP", "Check24", "Cadastro de Contas a Pagar", "Excluir"},
    {"PCP", "Check25", "Cadastro de Contas a Pagar", "Imprimir"},
    {"ICU", "Check26", "Cadastro de Usuários", "Incluir"},
    {"ACU", "Check27", "Cadastro de Usuários", "Alterar"},
    {"CCU", "Check28", "Cadastro de Usuários", "Consultar"},
    {"ECU", "Check29", "Cadastro de Usuários", "Excluir"},
    {"ACW", "Check32", "Cadastro de Senhas", "Alterar"},
    {"ICR", "Check36", "Cadastro de Ramos", "Incluir"},
    {"ACR", "Check37", "Cadastro de Ramos", "Alterar"},
    {"CCR", "Check38", "Cadastro de Ramos", "Consultar"},
    {"ECR", "Check39", "Cadastro de Ramos", "Excluir"},
    {"ICA", "Check41", "Cadastro de Agendamentos", "Incluir"},
    {"ACA", "Check42", "Cadastro de Agendamentos", "Alterar"},
    {"CCA", "Check43", "Cadastro de Agendamentos", "Consultar"},
    {"PCA", "Check45", "Cadastro de Agendamentos", "Imprimir"},
    {"CGE", "Check48", "Gráficos e Estatísticas", "Consultar"},
    {"PRM", "Check55", "Relatórios de Marketing", "Imprimir"},
    {"PEM", "Check60", "Etiquetas / Envelopes / Malas-Diretas", "Imprimir"},
    {"PRA", "Check65", "Relatórios de Administração", "Imprimir"},
    {"PRF", "Check70", "Relatórios Financeiros", "Imprimir"},
    {"OCU", "Check30", "Ocultar Comissões em Documentos", "Consultar"},
    {"BXR", "Check31", "NÃO Baixar Repasse sem Comissão", "Consultar"},
};
static_assert(std::size(RightPlaces) == RightCount);

// A fresh installation (its one user ADMIN, code 1, every right but OCU and
// BXR) with a level-1 administrator logged in holding every right.
class UserWindowFixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        setNow(QDateTime(QDate(2024, 5, 10), QTime(9, 30, 15)));
        logIn(level::Total, everyRight());
    }
    void TearDown() override
    {
        ui::destroyAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProgramFixture::TearDown();
    }

    admin::Form95& window() { return ui::windowRef<admin::Form95>(); }
    Ui::Form95& w() { return window().controls(); }

    // As the main menu's "Usuários" does; shown and active, so focus moves as for a user.
    void open()
    {
        windows::Form95().Show();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    static void click(QWidget* widget) { test::click(widget); }
    static void type(QLineEdit* box, const QString& text) { typeOver(box, text); }
    static QWidget* focused() { return QApplication::focusWidget(); }

    QCheckBox* box(const RightPlace& place)
    {
        return w().Frame3D2->findChild<QCheckBox*>(QLatin1String(place.box));
    }
    // The fields whose boxes are ticked now.
    std::vector<QString> tickedFields()
    {
        std::vector<QString> ticked;
        for (const RightPlace& place : RightPlaces)
            if (box(place)->isChecked())
                ticked.push_back(QLatin1String(place.field));
        return ticked;
    }
    // Ticks exactly the boxes of the named fields, with the mouse.
    void tick(const std::vector<QString>& fields)
    {
        for (const RightPlace& place : RightPlaces) {
            const bool wanted = std::find(fields.begin(), fields.end(), QLatin1String(place.field)) != fields.end();
            if (box(place)->isChecked() != wanted)
                click(box(place));
        }
    }

    // A stored user, read afresh.
    db::Recordset user(int ident) { return findRow(QStringLiteral("USUARIOS"), QStringLiteral("IDENT = %1").arg(ident)); }
    // The right fields of a stored user that hold "S".
    std::vector<QString> storedRights(int ident)
    {
        db::Recordset rs = user(ident);
        std::vector<QString> granted;
        for (const RightPlace& place : RightPlaces)
            if (rs.field(QLatin1String(place.field)).identical(Variant("S")))
                granted.push_back(QLatin1String(place.field));
        return granted;
    }
    // Every right field of a stored user holds "S" or "N".
    void expectEveryRightWritten(int ident)
    {
        db::Recordset rs = user(ident);
        for (const RightPlace& place : RightPlaces) {
            const Variant v = rs.field(QLatin1String(place.field));
            EXPECT_TRUE(v.identical(Variant("S")) || v.identical(Variant("N"))) << place.field;
        }
    }

    void execSql(const char* sql)
    {
        char* error = nullptr;
        const int rc = sqlite3_exec(mainDatabase().handle(), sql, nullptr, nullptr, &error);
        ASSERT_EQ(rc, SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
    }
    // A user with exactly the named rights "S" and the others "N".
    int addUser(const QString& identification, const QString& name, const std::vector<QString>& rights = {})
    {
        Fields fields = {{"NOME", Variant(identification)}, {"USUA", Variant(name)}};
        for (const RightPlace& place : RightPlaces) {
            const bool granted = std::find(rights.begin(), rights.end(), QLatin1String(place.field)) != rights.end();
            fields.emplace_back(QLatin1String(place.field), Variant(granted ? "S" : "N"));
        }
        return addRow(QStringLiteral("USUARIOS"), fields).field("IDENT").toLong();
    }

    void expectBlank()
    {
        EXPECT_EQ(w().Text1->text(), "");
        EXPECT_EQ(w().Text2->text(), "");
        EXPECT_EQ(w().Text3->text(), "");
        EXPECT_TRUE(tickedFields().empty());
    }
    void expectShowing(int ident, const QString& identification, const QString& name)
    {
        EXPECT_EQ(w().Text1->text(), QString::number(ident));
        EXPECT_EQ(w().Text2->text(), identification);
        EXPECT_EQ(w().Text3->text(), name);
        EXPECT_TRUE(w().Command3D3->isEnabled());
    }
    static QString newUserText(int ident) { return QStringLiteral("Conta Cadastrada com Codigo: %1").arg(ident); }
    static QString lockedText(int number) { return msg::withNumber(msg::RecordLocked, number); }
};

}  // namespace vorna::test
