#include "RecordWindowFixture.h"

#include "common/ProgramState.h"
#include "platform/runtime/Runtime.h"

#include <sqlite3.h>

namespace vorna::test {

void RecordTestWindow::buildControls()
{
    resize(640, 360);
    Frame3D1 = new QWidget(this);
    Frame3D1->setObjectName("Frame3D1");
    Frame3D1->setGeometry(0, 50, 640, 300);
    auto box = [this](auto* control, const char* name, int x, int y, int width) {
        control->setObjectName(name);
        control->setGeometry(x, y, width, 22);
        return control;
    };
    Text1 = box(new ui::TextBox(Frame3D1), "Text1", 10, 10, 60);
    Text2 = box(new ui::TextBox(Frame3D1), "Text2", 80, 10, 300);
    Text3 = box(new ui::TextBox(Frame3D1), "Text3", 10, 40, 300);
    MaskEdBox1 = box(new ui::MaskEdBox(Frame3D1), "MaskEdBox1", 10, 70, 100);
    MaskEdBox4 = box(new ui::MaskEdBox(Frame3D1), "MaskEdBox4", 120, 70, 60);
    MaskEdBox5 = box(new ui::MaskEdBox(Frame3D1), "MaskEdBox5", 190, 70, 60);
    MaskEdBox1->setFormat(QStringLiteral("$#,##0.00;($#,##0.00)"));
    MaskEdBox4->setFormat(QStringLiteral("$#,##0.00;($#,##0.00)"));
    MaskEdBox5->setFormat(QStringLiteral("$#,##0.00;($#,##0.00)"));
    Option1 = box(new ui::OptionButton(QStringLiteral("P1"), Frame3D1), "Option1", 10, 100, 60);
    Option2 = box(new ui::OptionButton(QStringLiteral("P2"), Frame3D1), "Option2", 80, 100, 60);
    List1 = new ui::ListBox(Frame3D1);
    List1->setObjectName("List1");
    List1->setGeometry(400, 10, 200, 200);
    List1->setVisible(false);

    int left = 0;
    auto button = [this, &left](const char* name) {
        auto* b = new ui::PictureButton(this);
        b->setObjectName(name);
        b->setGeometry(left, 5, 32, 32);
        left += 36;
        return b;
    };
    Command3D1 = button("Command3D1");
    Command3D2 = button("Command3D2");
    Command3D3 = button("Command3D3");
    Command3D4 = button("Command3D4");
    Command3D8 = button("Command3D8");
    Command3D9 = button("Command3D9");
    Command3D6 = button("Command3D6");
    Command3D7 = button("Command3D7");
    Command3D3->setEnabled(false);

    using ui::on;
    on(Command3D1).Click(this, &RecordTestWindow::Command3D1_Click);
    on(Command3D2).Click(this, &RecordTestWindow::Command3D2_Click);
    on(Command3D3).Click(this, &RecordTestWindow::Command3D3_Click);
    on(Command3D4).Click(this, &RecordTestWindow::Command3D4_Click);
    on(List1).Click(this, &RecordTestWindow::List1_Click);
    on(Command3D6).Click(this, &RecordTestWindow::Command3D6_Click);
    on(Command3D7).Click(this, &RecordTestWindow::Command3D7_Click);
    on(Command3D8).Click(this, &RecordTestWindow::Command3D8_Click);
    on(Command3D9).Click(this, &RecordTestWindow::Command3D9_Click);
}

void RecordTestWindow::Form_Load()
{
    RecordWindowSpec design;
    declare_(design, *this);
    record = std::make_unique<RecordWindowPattern>(std::move(design));
}

void declareInsurerLike(RecordWindowSpec& design, RecordTestWindow& w)
{
    design.table = "CIAS";
    design.keyField = "CODIGO";
    design.codeBox = w.Text1;
    design.nameBox = w.Text2;
    design.fields = {record::always("CODIGO", w.Text1),    record::always("NOME", w.Text2),
                   record::whenNotBlank("CONTATO", w.Text3), record::whenNotEmpty("META", w.MaskEdBox1),
                   record::rate("JUR4", w.MaskEdBox4),   record::rate("JUR5", w.MaskEdBox5)};
    design.required = {{w.Text2, msg::RequiredName}};
    design.shownButton = w.Command3D3;
    design.clearButton = w.Command3D2;
    design.focusAfterAlteration = design.focusAfterAddition = design.focusAfterDeletion = w.Text1;
    design.navigation = NavigationKind::Silent;
    design.search.list = w.List1;
    design.search.listPlace = QRect(2220, 510, 4650, 2000);
    design.search.codeNotFound = msg::InsurerNotFound;
}

void declareAttendantLike(RecordWindowSpec& design, RecordTestWindow& w)
{
    design.table = "ATENDE";
    design.keyField = "XCONPG";
    design.nameField = "XCONTA";
    design.codeBox = w.Text1;
    design.nameBox = w.Text2;
    design.fields = {record::shownOnly("XCONPG", w.Text1), record::always("XCONTA", w.Text2),
                   record::numberWhenNotEmpty("XMETA", w.MaskEdBox1)};
    design.required = {{w.Text2, msg::RequiredAccount}};
    design.shownButton = w.Command3D3;
    design.save = SaveMode::AddOnly;
    design.afterAddition = AfterAddition::ReportNewKey;
    design.texts.newRecord = QStringLiteral("Atendente Cadastrado com Codigo: ");
    design.focusAfterAlteration = design.focusAfterAddition = w.Text2;
    design.navigation = NavigationKind::WithMessage;
}

void declareProducerLike(RecordWindowSpec& design, RecordTestWindow& w)
{
    design.table = "PRODUTOR";
    design.keyField = "CODIGO";
    design.codeBox = w.Text1;
    design.nameBox = w.Text2;
    design.fields = {record::shownOnly("CODIGO", w.Text1), record::always("NOME", w.Text2),
                   record::whenNotBlank("TELEFONE", w.Text3),
                   record::numberWhenNotEmpty("COMISSAO", w.MaskEdBox1),
                   record::options("POSICAO", {{w.Option1, "1"}, {w.Option2, "2"}})};
    design.required = {{w.Text2, msg::RequiredName}};
    design.validateAlteration = false;
    design.shownButton = w.Command3D3;
    design.clearButton = w.Command3D2;
    design.afterAddition = AfterAddition::ReportNewKey;
    design.texts.newRecord = QStringLiteral("Produtor Cadastrado com Codigo: ");
    design.focusAfterAlteration = design.focusAfterDeletion = w.Text1;
    design.focusAfterAddition = design.focusAfterClear = w.Text2;
    design.navigation = NavigationKind::WithMessage;
    design.search.list = w.List1;
    design.search.showLastFound = true;
    design.search.codeNotFound = msg::ProducerNotFoundPlain;
    design.search.nameNotFound = msg::ProducerNotFoundAccented;
    design.search.enterCodeOrName = msg::EnterCodeOrNamePlain;
    design.audit = audit::Producer;
    // Codes are counted per branch: the branch's last row plus one.
    design.hooks.beforeNewRow = [&w] {
        db::Recordset& rs = w.record->recordset();
        rs.FindLast(QStringLiteral("FILIAL = 1"));
        state().document.LastProducerCode = rs.NoMatch() ? 0 : rt::CLng(rs.field("CODIGO"));
    };
    design.hooks.fillNewRow = [](db::Recordset& rs) {
        rs.setField("CODIGO", Variant(state().document.LastProducerCode + 1));
        rs.setField("FILIAL", Variant(1));
    };
}

void RecordWindowFixture::TearDown()
{
    delete window_;
    window_ = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ProgramFixture::TearDown();
}

RecordTestWindow& RecordWindowFixture::open(RecordTestWindow::Declaration declare)
{
    window_ = new RecordTestWindow(std::move(declare));
    window_->Show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
    EXPECT_TRUE(window_->record) << "the load step failed";
    return *window_;
}

void RecordWindowFixture::click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

void RecordWindowFixture::type(QWidget* box, const QString& text)
{
    // As a user does: into the box, which then shows its own text.
    box->setFocus(Qt::TabFocusReason);
    record::clearBox(box);
    QTest::keyClicks(box, text);
}

QString RecordWindowFixture::text(const QWidget* box) { return record::boxText(box); }

void RecordWindowFixture::pickRow(ui::ListBox* list, int row)
{
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

QStringList RecordWindowFixture::items(const ui::ListBox* list)
{
    QStringList names;
    for (int i = 0; i < list->ListCount(); ++i)
        names << list->List(i);
    return names;
}

db::Recordset RecordWindowFixture::row(const QString& table, const QString& criteria)
{
    db::Recordset rs = findRow(table, criteria);
    EXPECT_FALSE(rs.NoMatch()) << "no row of " << table.toStdString() << " with " << criteria.toStdString();
    return rs;
}

}  // namespace vorna::test
