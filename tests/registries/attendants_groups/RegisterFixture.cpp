#include "RegisterFixture.h"

#include "platform/database/Recordset.h"

#include <sqlite3.h>

namespace vorna::test {

const Register& attendants()
{
    static const Register r{"attendants",
                            &windows::Form43,
                            "ATENDE",
                            "XCONPG",
                            "XCONTA",
                            "Atendente Cadastrado com Codigo: ",
                            15,
                            true,
                            {"Text2", "MaskEdBox1", "Command3D1", "Command3D8", "Command3D9", "Command3D6",
                             "Command3D7", "Command3D5", "Text2"}};
    return r;
}

const Register& groups()
{
    static const Register r{"groups",
                            &windows::Form55,
                            "GRUPO",
                            "CODIGO",
                            "NOME",
                            "Conta Cadastrada com Codigo: ",
                            50,
                            false,
                            {"Text2", "Command3D9", "Command3D8", "Command3D7", "Command3D6", "Command3D5",
                             "Command3D1", "Text2"}};
    return r;
}

void RegisterFixture::SetUp()
{
    ProgramFixture::SetUp();
    logIn(level::Total, everyRight());
    windows::Form2().Show();
}

void RegisterFixture::TearDown()
{
    ui::destroyAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ProgramFixture::TearDown();
}

ui::Window& RegisterFixture::open()
{
    ui::Window& w = window();
    w.Show();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    return w;
}

long RegisterFixture::store(const QString& name, std::optional<double> target)
{
    Fields fields{{QString::fromLatin1(reg->nameField), Variant(name)}};
    if (target && reg->hasTarget)
        fields.emplace_back(QStringLiteral("XMETA"), Variant(*target));
    return addRow(QString::fromLatin1(reg->table), fields).field(QString::fromLatin1(reg->keyField)).toLong();
}

std::vector<QString> RegisterFixture::storedNames()
{
    db::Database other = db::Database::open(pathOf(QStringLiteral("VORNA.MDB")));
    db::Recordset rs = other.openRecordset(QString::fromLatin1(reg->table));
    std::vector<QString> names;
    if (rs.RecordCount() == 0)
        return names;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
        const Variant name = rs.field(QString::fromLatin1(reg->nameField));
        names.push_back(name.isNull() ? QStringLiteral("<null>") : name.toString());
    }
    return names;
}

Variant RegisterFixture::storedField(long key, const char* field)
{
    db::Recordset rs = findRow(QString::fromLatin1(reg->table),
                               QString::fromLatin1(reg->keyField) + " = " + QString::number(key));
    EXPECT_FALSE(rs.NoMatch()) << "no row " << key;
    return rs.NoMatch() ? Variant() : rs.field(QString::fromLatin1(field));
}

void RegisterFixture::expectLastBox(const QString& text, const QString& title)
{
    ASSERT_FALSE(dialogs.boxes.empty());
    EXPECT_EQ(dialogs.boxes.back().text, text);
    EXPECT_EQ(dialogs.boxes.back().title, title);
    EXPECT_EQ(dialogs.boxes.back().buttons, dlg::Buttons::Ok);
}

}  // namespace vorna::test
