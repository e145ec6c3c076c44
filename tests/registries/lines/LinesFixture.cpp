#include "LinesFixture.h"

#include "common/RecordWindowPatternFields.h"

#include <QApplication>
#include <QTest>

namespace vorna::test {

namespace {

// Key by key, accented letters included (which QTest::keyClicks cannot send).
void typeKeys(QWidget* box, const QString& text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
}

}  // namespace

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

void LinesFixture::click(const char* button)
{
    QTest::mouseClick(control(button), Qt::LeftButton);
}

void LinesFixture::type(QWidget* box, const QString& text)
{
    box->setFocus(Qt::TabFocusReason);
    record::clearBox(box);
    typeKeys(box, text);
}

QString LinesFixture::text(const QWidget* box) { return record::boxText(box); }

void LinesFixture::pick(int row)
{
    auto* list = control<ui::ListBox>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QStringList LinesFixture::listItems()
{
    auto* list = control<ui::ListBox>("List1");
    QStringList names;
    for (int i = 0; i < list->ListCount(); ++i)
        names << list->List(i);
    return names;
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
