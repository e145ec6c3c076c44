#include "ProducerFixture.h"

#include "common/RecordWindowPatternFields.h"
#include "common/WindowRefs.h"
#include "platform/controls/Window.h"

#include <QApplication>
#include <QTest>
#include <sqlite3.h>

namespace vorna::test {

void ProducerFixture::SetUp()
{
    ProgramFixture::SetUp();
    logIn(level::Total, everyRight());
    state().session.UserIdent = UserCode;
    state().settings.BranchNumber = Branch;
}

ProducerWindow& ProducerFixture::open()
{
    ui::Window& form = windows::Form6();
    form.Show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    const auto text = [&](const char* name) { return form.control<ui::TextBox>(name); };
    const auto masked = [&](const char* name) { return form.control<ui::MaskEdBox>(name); };
    const auto button = [&](const char* name) { return form.control<ui::PictureButton>(name); };
    w_.code = text("Text1");
    w_.branch = text("Text23");
    w_.name = text("Text2");
    w_.access = text("Text4");
    w_.telephone = text("Text11");
    w_.bank = text("Text10");
    w_.agency = text("Text5");
    w_.account = text("Text12");
    w_.newRate = masked("MaskEdBox1");
    w_.fixed = masked("MaskEdBox2");
    w_.renewalRate = masked("MaskEdBox6");
    w_.target = masked("MaskEdBox11");
    for (int i = 0; i < 4; ++i)
        w_.position[i] = form.control<ui::OptionButton>(QByteArray("Option" + QByteArray::number(i + 1)).constData());
    w_.interestPassed = form.control<ui::OptionButton>("Option5");
    w_.interestNotPassed = form.control<ui::OptionButton>("Option6");
    w_.list = form.control<ui::ListBox>("List1");
    w_.save = button("Command3D2");
    w_.clear = button("Command3D1");
    w_.remove = button("Command3D3");
    w_.search = button("Command3D4");
    w_.report = button("Command3D11");
    w_.exit = button("Command3D5");
    w_.first = button("Command3D8");
    w_.previous = button("Command3D9");
    w_.next = button("Command3D6");
    w_.last = button("Command3D7");
    return w_;
}

void ProducerFixture::addProducer(int code, int branch, const QString& name, const Fields& more)
{
    Fields fields{{"CODIGO", code}, {"FILIAL", branch}, {"NOME", name}};
    fields.insert(fields.end(), more.begin(), more.end());
    addRow("PRODUTOR", fields);
}

db::Recordset ProducerFixture::producer(int code, int branch)
{
    db::Recordset rs =
        findRow("PRODUTOR", QStringLiteral("CODIGO = %1 AND FILIAL = %2").arg(code).arg(branch));
    EXPECT_FALSE(rs.NoMatch()) << "no producer " << code << " of branch " << branch;
    return rs;
}

std::vector<AuditEntry> ProducerFixture::auditRows()
{
    std::vector<AuditEntry> rows;
    db::Recordset log = mainDatabase().openRecordset("LOGUI");
    if (log.RecordCount() == 0)
        return rows;
    for (log.MoveFirst(); !log.EOF(); log.MoveNext()) {
        const auto textOf = [&](const char* field) {
            const Variant v = log.field(field);
            return v.isNull() ? QString() : v.toString();
        };
        rows.push_back({log.field("CLIENTE"), textOf("NOME"), textOf("REMARKS"), log.field("USUARIO"),
                        textOf("DATALOGUI"), textOf("HORALOGUI"), textOf("LIQUI")});
    }
    return rows;
}

QWidget* ProducerFixture::focused() { return QApplication::focusWidget(); }

}  // namespace vorna::test
