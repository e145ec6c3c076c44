#include "RecordWindowFixture.h"

#include "common/RecordBinding.h"
#include "common/RecordButtons.h"

namespace vorna::test {
namespace {

// A window that composes its record from the parts: an insurer binding driven
// by the buttons, and a line-of-business binding of its own that follows the
// insurer's code (as a client window shows its producer beside the client).
class ComposedWindow : public ui::Window {
public:
    ui::TextBox* Text1 = nullptr;  // insurer code
    ui::TextBox* Text2 = nullptr;  // insurer name
    ui::TextBox* Text3 = nullptr;  // the line of the same code
    ui::PictureButton* Command3D1 = nullptr;  // Gravar
    ui::PictureButton* Command3D3 = nullptr;  // Excluir
    ui::PictureButton* Command3D8 = nullptr;  // Primeiro

    std::function<void(RecordButtonsDesign&, ComposedWindow&)> declare;
    ui::WhileLoaded<RecordBinding> insurer;
    ui::WhileLoaded<RecordBinding> line;
    ui::WhileLoaded<RecordButtons> buttons;
    bool saveReturned = false;

protected:
    void buildControls() override
    {
        resize(400, 200);
        int left = 10;
        auto place = [this, &left](QWidget* control, const char* name) {
            control->setObjectName(name);
            control->setGeometry(left, 60, 80, 22);
            left += 90;
        };
        place(Text1 = new ui::TextBox(this), "Text1");
        place(Text2 = new ui::TextBox(this), "Text2");
        place(Text3 = new ui::TextBox(this), "Text3");
        place(Command3D1 = new ui::PictureButton(this), "Command3D1");
        place(Command3D3 = new ui::PictureButton(this), "Command3D3");
        place(Command3D8 = new ui::PictureButton(this), "Command3D8");
        Command3D3->setEnabled(false);
        ui::on(Command3D1).Click([this] {
            buttons->SaveClick();
            saveReturned = true;
        });
        ui::on(Command3D8).Click([this] { buttons->FirstClick(); });
    }

    void Form_Load() override
    {
        RecordBindingDesign lines;
        lines.table = "RAMOS";
        lines.keyField = "CODIGO";
        lines.fields = {record::shownOnly("NOME", Text3)};
        RecordBinding& lineBinding = ownUntilUnload(line, std::make_unique<RecordBinding>(std::move(lines)));

        RecordBindingDesign insurers;
        insurers.table = "CIAS";
        insurers.keyField = "CODIGO";
        insurers.codeBox = Text1;
        insurers.nameBox = Text2;
        insurers.fields = {record::always("CODIGO", Text1), record::always("NOME", Text2)};
        insurers.required = {{Text2, msg::RequiredName}};
        insurers.hooks.cleared = [&lineBinding] { lineBinding.Clear(); };
        insurers.hooks.filled = [this, &lineBinding] {
            lineBinding.recordset().FindFirst("CODIGO = " + Text1->text());
            if (!lineBinding.recordset().NoMatch())
                lineBinding.Show();
        };
        RecordBinding& binding = ownUntilUnload(insurer, std::make_unique<RecordBinding>(std::move(insurers)));

        RecordButtonsDesign design;
        design.shownButton = Command3D3;
        design.focus.afterAddition = Text1;
        design.navigation = NavigationKind::WithMessage;
        if (declare)
            declare(design, *this);
        ownUntilUnload(buttons, std::make_unique<RecordButtons>(binding, std::move(design)));
    }
};

class RecordBindingTest : public RecordWindowFixture {
protected:
    void TearDown() override
    {
        delete composed_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RecordWindowFixture::TearDown();
    }

    ComposedWindow& openComposed(std::function<void(RecordButtonsDesign&, ComposedWindow&)> declare = {})
    {
        composed_ = new ComposedWindow;
        composed_->declare = std::move(declare);
        composed_->Show();
        composed_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(composed_));
        return *composed_;
    }

    ComposedWindow* composed_ = nullptr;
};

TEST_F(RecordBindingTest, ASaveWhoseHandOverUnloadsItsOwnWindowRunsToItsEnd)
{
    // The hand-over closes the window in the middle of "Gravar"; the rest of
    // "Gravar" (focus, code box, shown button) still runs on live objects.
    auto& w = openComposed([](RecordButtonsDesign& design, ComposedWindow& window) {
        design.hooks.added = [&window](const Variant&) { window.Unload(); };
    });
    type(w.Text1, "7");
    type(w.Text2, "ALFA SAUDE");
    click(w.Command3D1);

    EXPECT_TRUE(w.saveReturned);
    EXPECT_EQ(w.state(), ui::Window::State::NotLoaded);
    EXPECT_FALSE(w.buttons);
    EXPECT_FALSE(w.insurer);
    EXPECT_EQ(row("CIAS", "CODIGO = 7").field("NOME").toString(), "ALFA SAUDE");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Opened again, it starts from nothing shown and works as before.
    w.Show();
    ASSERT_TRUE(w.buttons);
    click(w.Command3D8);
    EXPECT_EQ(text(w.Text2), "ALFA SAUDE");
    EXPECT_TRUE(w.buttons->isShown());
}

TEST_F(RecordBindingTest, ASecondBindingFollowsTheFirstThroughItsHooks)
{
    addRow("CIAS", {{"CODIGO", 3}, {"NOME", "BETA"}});
    addRow("RAMOS", {{"CODIGO", 3}, {"NOME", "SAUDE"}});
    auto& w = openComposed();
    w.Text3->setText("LEFT OVER");

    click(w.Command3D8);
    EXPECT_EQ(text(w.Text2), "BETA");
    EXPECT_EQ(text(w.Text3), "SAUDE");

    // Altering the insurer writes its own table only.
    type(w.Text2, "GAMA");
    click(w.Command3D1);
    EXPECT_EQ(row("CIAS", "CODIGO = 3").field("NOME").toString(), "GAMA");
    EXPECT_EQ(row("RAMOS", "CODIGO = 3").field("NOME").toString(), "SAUDE");
    EXPECT_EQ(text(w.Text3), "");  // cleared with the insurer
}

// A refusal before the record counts as shown leaves the buttons as they were;
// one after it still counts as shown. Both leave the boxes blank.
TEST_F(RecordBindingTest, ShowRefusedBeforeOrAfterTheShownState)
{
    struct Case {
        const char* name;
        bool refuseBefore;
        bool shownAfter;
    };
    addRow("CIAS", {{"CODIGO", 5}, {"NOME", "DELTA"}});
    for (const Case& c : {Case{"before", true, false}, Case{"after", false, true}}) {
        SCOPED_TRACE(c.name);
        auto& w = openComposed([&c](RecordButtonsDesign& design, ComposedWindow&) {
            if (c.refuseBefore)
                design.hooks.mayShow = [] { return false; };
            else
                design.hooks.mayShowValues = [] { return false; };
        });
        w.Text2->setText("TYPED");
        click(w.Command3D8);
        EXPECT_EQ(text(w.Text1), "");
        EXPECT_EQ(text(w.Text2), "");
        EXPECT_EQ(w.buttons->isShown(), c.shownAfter);

        delete composed_;
        composed_ = nullptr;
    }
}

// The required boxes with a condition are tested only while it holds.
TEST_F(RecordBindingTest, ARequiredBoxWithAConditionIsTestedOnlyWhileItHolds)
{
    bool nameRequired = false;
    auto& w = openComposed();
    RecordBindingDesign design;
    design.table = "CIAS";
    design.keyField = "CODIGO";
    design.required = {{w.Text1, msg::RequiredCode}, {w.Text2, msg::RequiredName, [&] { return nameRequired; }}};
    RecordBinding binding(std::move(design));

    w.Text1->setText("9");
    EXPECT_TRUE(binding.Validate());

    nameRequired = true;
    dialogs.expectOk(msg::RequiredName);
    EXPECT_FALSE(binding.Validate());
    EXPECT_EQ(focused(), w.Text2);
}

}  // namespace
}  // namespace vorna::test
