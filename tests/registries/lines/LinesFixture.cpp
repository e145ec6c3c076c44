#include "LinesFixture.h"

#include "common/RecordWindowPatternFields.h"

#include <QApplication>
#include <QTest>

namespace vorna::test {

void LinesFixture::open()
{
    window().Show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
}

QWidget* LinesFixture::commission(int instalment)
{
    return control(QStringLiteral("MaskEdBox%1").arg(instalment).toLatin1().constData());
}

QString LinesFixture::focusName() const
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

void LinesFixture::addLine(int code, const QString& name, const std::vector<double>& commissions)
{
    Fields fields{{"CODIGO", Variant(code)}, {"NOME", Variant(name)}};
    for (size_t i = 0; i < commissions.size(); ++i)
        fields.emplace_back(QStringLiteral("COM%1").arg(i + 1), Variant(commissions[i]));
    addRow("RAMOS", fields);
}

db::Recordset LinesFixture::line(int code)
{
    db::Recordset rs = findRow("RAMOS", QStringLiteral("CODIGO = %1").arg(code));
    EXPECT_FALSE(rs.NoMatch()) << "no line " << code;
    return rs;
}

}  // namespace vorna::test
