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
    RecordWindowSpec spec;
    declare_(spec, *this);
    record = std::make_unique<RecordWindowPattern>(std::move(spec));
}

void declareInsurerLike(RecordWindowSpec& spec, RecordTestWindow& w)
{
    spec.table = "CIAS";
    spec.keyField = "CODIGO";
    spec.codeBox = w.Text1;
    spec.nameBox = w.Text2;
    spec.fields = {record::always("CODIGO", w.Text1),    record::always("NOME", w.Text2),
                   record::whenNotBlank("CONTATO", w.Text3), record::whenNotEmpty("META", w.MaskEdBox1),
                   record::rate("JUR4", w.MaskEdBox4),   record::rate("JUR5", w.MaskEdBox5)};
    spec.required = {{w.Text2, msg::RequiredName}};
    spec.shownButton = w.Command3D3;
    spec.clearButton = w.Command3D2;
    spec.focusAfterAlteration = spec.focusAfterAddition = spec.focusAfterDeletion = w.Text1;
    spec.navigation = NavigationKind::Silent;
    spec.search.list = w.List1;
    spec.search.listPlace = QRect(2220, 510, 4650, 2000);
    spec.search.codeNotFound = msg::InsurerNotFound;
}

void declareAttendantLike(RecordWindowSpec& spec, RecordTestWindow& w)
{
    spec.table = "ATENDE";
    spec.keyField = "XCONPG";
    spec.nameField = "XCONTA";
    spec.codeBox = w.Text1;
    spec.nameBox = w.Text2;
    spec.fields = {record::shownOnly("XCONPG", w.Text1), record::always("XCONTA", w.Text2),
                   record::numberWhenNotEmpty("XMETA", w.MaskEdBox1)};
    spec.required = {{w.Text2, msg::RequiredAccount}};
    spec.shownButton = w.Command3D3;
    spec.save = SaveMode::AddOnly;
    spec.afterAddition = AfterAddition::ReportNewKey;
    spec.texts.newRecord = QStringLiteral("Atendente Cadastrado com Codigo: ");
    spec.focusAfterAlteration = spec.focusAfterAddition = w.Text2;
    spec.navigation = NavigationKind::WithMessage;
}

void declareProducerLike(RecordWindowSpec& spec, RecordTestWindow& w)
{
    spec.table = "PRODUTOR";
    spec.keyField = "CODIGO";
    spec.codeBox = w.Text1;
    spec.nameBox = w.Text2;
    spec.fields = {record::shownOnly("CODIGO", w.Text1), record::always("NOME", w.Text2),
                   record::whenNotBlank("TELEFONE", w.Text3),
                   record::numberWhenNotEmpty("COMISSAO", w.MaskEdBox1),
                   record::options("POSICAO", {{w.Option1, "1"}, {w.Option2, "2"}})};
    spec.required = {{w.Text2, msg::RequiredName}};
    spec.validateAlteration = false;
    spec.shownButton = w.Command3D3;
    spec.clearButton = w.Command3D2;
    spec.afterAddition = AfterAddition::ReportNewKey;
    spec.texts.newRecord = QStringLiteral("Produtor Cadastrado com Codigo: ");
    spec.focusAfterAlteration = spec.focusAfterDeletion = w.Text1;
    spec.focusAfterAddition = spec.focusAfterClear = w.Text2;
    spec.navigation = NavigationKind::WithMessage;
    spec.search.list = w.List1;
    spec.search.showLastFound = true;
    spec.search.codeNotFound = msg::ProducerNotFoundPlain;
    spec.search.nameNotFound = msg::ProducerNotFoundAccented;
    spec.search.enterCodeOrName = msg::EnterCodeOrNamePlain;
    spec.audit = audit::Producer;
    // Codes are counted per branch: the branch's last row plus one.
    spec.hooks.beforeNewRow = [&w] {
        db::Recordset& rs = w.record->recordset();
        rs.FindLast(QStringLiteral("FILIAL = 1"));
        state().LastProducerCode = rs.NoMatch() ? 0 : rt::CLng(rs.field("CODIGO"));
    };
    spec.hooks.fillNewRow = [](db::Recordset& rs) {
        rs.setField("CODIGO", Variant(state().LastProducerCode + 1));
        rs.setField("FILIAL", Variant(1));
    };
}

SecondWorkstationLock::SecondWorkstationLock(const QString& databaseFile)
{
    EXPECT_EQ(sqlite3_open_v2(databaseFile.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
}

SecondWorkstationLock::~SecondWorkstationLock()
{
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
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
