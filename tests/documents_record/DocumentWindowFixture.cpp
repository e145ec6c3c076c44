#include "DocumentWindowFixture.h"

#include "common/RecordWindowPatternFields.h"
#include "documents/DocumentFields.h"
#include "documents/StatusColours.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/PickList.h"
#include "platform/controls/TextBox.h"

namespace vorna::documents::testing {

namespace {

template <typename T>
T* add(QWidget* parent, const QString& name)
{
    auto* c = new T(parent);
    c->setObjectName(name);
    return c;
}

}  // namespace

void DocumentWindowFixture::SetUp()
{
    ProgramFixture::SetUp();
    window = std::make_unique<QWidget>();
    QWidget* w = window.get();
    for (int n = 1; n <= 35; ++n)
        add<ui::TextBox>(w, QStringLiteral("Text%1").arg(n));
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 56, 57, 58, 59, 60, 61, 75, 76,
                  77, 78, 80, 81, 82, 83}) {
        auto* box = add<ui::MaskEdBox>(w, QStringLiteral("MaskEdBox%1").arg(n));
        if ((n >= 7 && n <= 9) || (n >= 56 && n <= 61 && n != 57))
            box->setMask(QStringLiteral("##/##/####"));
    }
    for (int n = 1; n <= 19; ++n) {
        auto* list = add<ui::PickList>(w, QStringLiteral("Combo%1").arg(n));
        // The code lists take a choice only; the name lists take typing too.
        list->setListOnly(n == 1 || n == 2 || n == 7 || n == 11 || n == 12);
    }
    for (int n : {1, 3, 4, 5, 6, 7, 9})
        add<ui::CheckBox>(w, QStringLiteral("Check%1").arg(n));
    add<ui::OptionButton>(w, QStringLiteral("Option1"));
    add<ui::OptionButton>(w, QStringLiteral("Option2"));

    auto& status = at<ui::PickList>("Combo1");
    status.setSorted(true);
    for (const StatusEntry& s : Statuses)
        status.AddItem(QString::fromUtf8(s.word));
    QObject::connect(&status, &ui::PickList::Click, [this] { ColourStatusList(*window); });
    at<ui::PickList>("Combo2").AddItem(QStringLiteral("APOLICE"));
    at<ui::PickList>("Combo2").AddItem(QStringLiteral("ENDOSSO"));
    for (const CodeText& r : ReasonTexts)
        at<ui::PickList>("Combo12").AddItem(QString::fromUtf8(r.text));
    for (const CodeText& e : EndorsementTypes)
        at<ui::PickList>("Combo11").AddItem(QString::fromUtf8(e.text));
}

void DocumentWindowFixture::TearDown()
{
    window.reset();
    ProgramFixture::TearDown();
}

db::Recordset DocumentWindowFixture::addDocument(const test::Fields& fields) { return addRow("DOCUMENTOS", fields); }

QString DocumentWindowFixture::text(const char* control) const
{
    return record::boxText(&at<QWidget>(control));
}

void DocumentWindowFixture::setText(const char* control, const QString& value)
{
    record::setBoxText(&at<QWidget>(control), value);
}

}  // namespace vorna::documents::testing
