#include "InsurerFixture.h"

#include "common/RecordWindowPatternFields.h"
#include "platform/controls/ControlEvents.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/EngineError.h"

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

void InsurerFixture::click(const char* button)
{
    QTest::mouseClick(control(button), Qt::LeftButton);
}

void InsurerFixture::type(const char* box, const QString& text)
{
    QWidget* w = control(box);
    w->setFocus(Qt::TabFocusReason);
    record::clearBox(w);
    typeKeys(w, text);
}

QString InsurerFixture::text(const char* box) { return record::boxText(control(box)); }

void InsurerFixture::pick(int row, bool doubleClick)
{
    auto* list = control<ui::ListBox>("List1");
    const QPoint at = list->visualItemRect(list->item(row)).center();
    if (doubleClick)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList InsurerFixture::listItems()
{
    auto* list = control<ui::ListBox>("List1");
    QStringList names;
    for (int i = 0; i < list->ListCount(); ++i)
        names << list->List(i);
    return names;
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
