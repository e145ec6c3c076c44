#include "support/Interact.h"

#include "common/RecordWindowPatternFields.h"
#include "platform/controls/ListBox.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace vorna::test {

void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

void typeKeys(QWidget* box, const QString& text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch),
                            Qt::NoModifier);
}

void type(QWidget* box, const QString& text)
{
    box->setFocus(Qt::TabFocusReason);
    record::clearBox(box);
    typeKeys(box, text);
}

void typeOver(QLineEdit* box, const QString& text)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        typeKeys(box, text);
}

QString text(const QWidget* box) { return record::boxText(box); }

QStringList items(const ui::ListBox* list)
{
    QStringList out;
    for (int i = 0; i < list->ListCount(); ++i)
        out << list->List(i);
    return out;
}

void pickRow(ui::ListBox* list, int row, bool doubleClick)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    if (doubleClick)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

void expectEachButtonsCaption(const std::vector<std::pair<QWidget*, QString>>& captions,
                              QWidget* surface, QPoint bareSpot,
                              const std::function<QStringList()>& shownCaptions, QPoint onButton)
{
    for (const auto& [button, caption] : captions) {
        QTest::mouseMove(button, onButton);
        EXPECT_EQ(shownCaptions(), QStringList{caption}) << button->objectName().toStdString();
    }
    QTest::mouseMove(surface, bareSpot);
    EXPECT_TRUE(shownCaptions().isEmpty());
}

}  // namespace vorna::test
