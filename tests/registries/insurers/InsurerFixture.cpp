#include "InsurerFixture.h"

#include "common/RecordWindowPatternFields.h"
#include "platform/controls/ControlEvents.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/EngineError.h"

#include <QApplication>
#include <QTest>

namespace vorna::test {

void InsurerFixture::SetUp()
{
    ProgramFixture::SetUp();
    ui::setUnexpectedFailureReporter([](const std::exception& failure) {
        if (const auto* engine = dynamic_cast<const EngineError*>(&failure))
            dlg::MsgBox(QString::number(engine->number()) + QStringLiteral(" - ") + engine->text());
        else
            dlg::MsgBox(QString::fromLocal8Bit(failure.what()));
    });
}

void InsurerFixture::TearDown()
{
    ui::setUnexpectedFailureReporter({});
    ProgramFixture::TearDown();
}

void InsurerFixture::open()
{
    window().Show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
}

QString InsurerFixture::focusName() const
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

void InsurerFixture::addInsurer(int code, const QString& name, const Fields& more)
{
    Fields fields{{"CODIGO", Variant(code)}, {"NOME", Variant(name)}};
    fields.insert(fields.end(), more.begin(), more.end());
    addRow("CIAS", fields);
}

db::Recordset InsurerFixture::insurer(int code)
{
    db::Recordset rs = findRow("CIAS", QStringLiteral("CODIGO = %1").arg(code));
    EXPECT_FALSE(rs.NoMatch()) << "no insurer " << code;
    return rs;
}

}  // namespace vorna::test
