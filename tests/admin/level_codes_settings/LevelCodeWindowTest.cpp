#include "AdminFixture.h"

#include "admin/Form53.h"
#include "common/LevelCodeCipher.h"
#include "platform/runtime/Runtime.h"
#include "shell/Form1.h"

#include <QCursor>

namespace vorna::test {
namespace {

const QString MustHaveSixLetters = QStringLiteral("A SENHA DEVE CONTER 6 (SEIS) LETRAS!");
const QString MustNotRepeat = QStringLiteral("A SENHA NÃO DEVE SER REPETIDA!");

// The codes of a new installation, as stored.
const QString InstalledCodes[3] = {QStringLiteral("NVEJHQ"), QStringLiteral("ZVJXQH"), QStringLiteral("ZVQKVZ")};
const char* const LevelFields[3] = {"NOTRE1", "NOTRE2", "NOTRE3"};

class LevelCodeWindowTest : public AdminFixture {
protected:
    admin::Form53& window() { return ui::windowRef<admin::Form53>(); }
    Ui::Form53& controls() { return window().controls(); }
    ui::TextBox* box(int level) { return level == 1 ? controls().Text1 : level == 2 ? controls().Text2 : controls().Text3; }

    void typeCodes(const QString& total, const QString& medium, const QString& minimum)
    {
        typeInto(controls().Text1, total);
        typeInto(controls().Text2, medium);
        typeInto(controls().Text3, minimum);
    }
    void clickSave() { QTest::mouseClick(controls().Command3D1, Qt::LeftButton); }

    void expectStoredCodes(const QString (&codes)[3])
    {
        for (int level = 0; level < 3; ++level)
            EXPECT_TRUE(stored("DAMUS", LevelFields[level]).identical(Variant(codes[level]))) << LevelFields[level];
    }

    // A new run of the program: every window and every program-wide value
    // forgotten, then the login window's load step (the start-up) reads the
    // stored codes. Types the code and the identification and presses the
    // access button; the matched level, 0 when none.
    int logInAfterRestart(const QString& code)
    {
        ui::destroyAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state().reset();
        auto& login = ui::windowRef<shell::Form1>();
        login.Show();
        login.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&login));
        typeInto(login.controls().Text1, code);
        typeInto(login.controls().Text2, QStringLiteral("ADMIN"));
        QTest::mouseClick(login.controls().Command1, Qt::LeftButton);
        return login.MatchedLevel();
    }
};

TEST_F(LevelCodeWindowTest, OpensWithThreeEmptyMaskedBoxesAndTheFocusInTheFirst)
{
    open(window());
    EXPECT_EQ(window().windowTitle(), "Senhas");
    EXPECT_EQ(QApplication::focusWidget(), controls().Text1);
    for (int level = 1; level <= 3; ++level) {
        EXPECT_TRUE(box(level)->text().isEmpty()) << "the stored codes are never shown";
        EXPECT_EQ(box(level)->maxLength(), 6);
        EXPECT_EQ(box(level)->echoMode(), QLineEdit::Password);
    }
    QTest::keyClick(controls().Text1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controls().Text2);
    QTest::keyClick(controls().Text2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controls().Text3);
    QTest::keyClick(controls().Text3, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controls().Command3D1);
    QTest::keyClick(controls().Command3D1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controls().Command3D2);
}

TEST_F(LevelCodeWindowTest, BoxesTakeOnlyCapitalLettersAndSixOfThem)
{
    open(window());
    QLineEdit* text = controls().Text2;
    typeInto(text, QStringLiteral("Ab1 "));
    QTest::sendKeyEvent(QTest::Click, text, Qt::Key_Ccedilla, QStringLiteral("ç"), Qt::NoModifier);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->text(), "A") << "lower case, digit, blank, accented letter and Enter refused";
    EXPECT_EQ(dialogs.beeps, 5);
    QTest::keyClicks(text, "BCDEFG");
    EXPECT_EQ(text->text(), "ABCDEF") << "a seventh letter is not taken";
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(text->text(), "ABCDE");
    EXPECT_EQ(dialogs.beeps, 5);
}

// The checks in their order: blank, repeated, short.
struct RefusalCase {
    const char* name;
    const char* codes[3];
    const QString* message;
    int focusedLevel;  // the box the length check names; 0: the focus stays
    bool emptied;      // the length check empties all three boxes
};
const RefusalCase RefusalCases[] = {
    {"LevelThreeEmpty", {"MASTER", "MEDIAS", ""}, &MustHaveSixLetters, 0, false},
    {"OnlyBlanks", {"MASTER", "   ", "MINIMA"}, &MustHaveSixLetters, 0, false},
    {"LevelsOneAndThreeEqual", {"ALPHAX", "BRAVOX", "ALPHAX"}, &MustNotRepeat, 0, false},
    {"EqualAndShortIsRepetition", {"ABC", "ABC", "MINIMA"}, &MustNotRepeat, 0, false},
    {"LevelTwoShort", {"ALPHAX", "BRAVO", "CHARLY"}, &MustHaveSixLetters, 2, true},
    {"LevelsOneAndThreeShort", {"ALPHA", "BRAVOX", "DELTA"}, &MustHaveSixLetters, 1, true},
};

class LevelCodeRefusalTest : public LevelCodeWindowTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LevelCodeRefusalTest, RefusesWithOneMessageAndWritesNothing)
{
    const RefusalCase& c = GetParam();
    windows::Form2().Disable();
    open(window());
    // Put in by code: blanks never get in by typing.
    for (int level = 1; level <= 3; ++level)
        box(level)->setText(c.codes[level - 1]);
    QLineEdit* focusedBefore = controls().Text3;
    focusedBefore->setFocus(Qt::MouseFocusReason);

    dialogs.expectOk(*c.message);
    // Gravar pressed without moving the focus (a picture button takes no Tab press).
    QMetaObject::invokeMethod(controls().Command3D1, "Click");

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "ATENÇÃO!");
    EXPECT_EQ(dialogs.boxes[0].icon, dlg::Icon::None);
    EXPECT_EQ(QApplication::focusWidget(), c.focusedLevel ? box(c.focusedLevel) : focusedBefore);
    for (int level = 1; level <= 3; ++level)
        EXPECT_EQ(box(level)->text(), c.emptied ? QString() : QString(c.codes[level - 1])) << level;
    expectStoredCodes(InstalledCodes);
    EXPECT_EQ(window().state(), ui::Window::State::Shown);
    EXPECT_FALSE(windows::Form2().isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Checks, LevelCodeRefusalTest, ::testing::ValuesIn(RefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LevelCodeWindowTest, StoredCodesLogInAtTheirLevelsFromTheNextStart)
{
    const QString codes[3] = {"ALPHAX", "BRAVOX", "CHARLY"};
    windows::Form2().Disable();
    open(window());
    typeCodes(codes[0], codes[1], codes[2]);
    clickSave();

    EXPECT_TRUE(dialogs.boxes.empty()) << "no message confirms the save";
    EXPECT_EQ(window().state(), ui::Window::State::NotLoaded);
    EXPECT_TRUE(windows::Form2().isEnabled());
    EXPECT_EQ(state().session.AccessLevelWord, level::Total) << "the running login keeps its level";
    const QString encoded[3] = {LevelCodeCipher::StoredForm(codes[0]), LevelCodeCipher::StoredForm(codes[1]),
                                LevelCodeCipher::StoredForm(codes[2])};
    expectStoredCodes(encoded);
    for (int level = 0; level < 3; ++level)
        EXPECT_NE(encoded[level], codes[level]) << "never stored as typed";

    const QString* words[3] = {&level::Total, &level::Medium, &level::Minimum};
    for (int level = 0; level < 3; ++level) {
        EXPECT_EQ(logInAfterRestart(codes[level]), level + 1) << codes[level].toStdString();
        EXPECT_EQ(state().session.AccessLevelWord, *words[level]);
        EXPECT_EQ(windows::Form2().state(), ui::Window::State::Shown);
    }
    EXPECT_EQ(logInAfterRestart("MASTER"), 0) << "the replaced level-1 code no longer opens";
    EXPECT_TRUE(state().session.AccessLevelWord.isEmpty());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(LevelCodeWindowTest, TextPutInByCodeIsCountedAndEncodedAsItIs)
{
    open(window());
    controls().Text1->setText("AB CDe");  // six characters, a blank and a lower-case letter among them
    controls().Text2->setText("MEDIAS");
    controls().Text3->setText("MINIMA");
    clickSave();
    EXPECT_TRUE(dialogs.boxes.empty());
    const Variant first = stored("DAMUS", "NOTRE1");
    EXPECT_TRUE(first.identical(Variant(LevelCodeCipher::StoredForm("AB CDe"))));
    EXPECT_TRUE(rt::CStr(first).contains(u' '));
    EXPECT_TRUE(rt::CStr(first).contains(u'e'));
}

TEST_F(LevelCodeWindowTest, SavingTheStoredCodesAgainIsAccepted)
{
    open(window());
    typeCodes("MASTER", "MEDIAS", "MINIMA");
    clickSave();
    EXPECT_TRUE(dialogs.boxes.empty());
    expectStoredCodes(InstalledCodes);
    EXPECT_EQ(window().state(), ui::Window::State::NotLoaded);
}

TEST_F(LevelCodeWindowTest, ExitStoresNothingAndTheNextOpeningShowsEmptyBoxes)
{
    windows::Form2().Disable();
    open(window());
    typeCodes("ALPHAX", "BRAVOX", "CHARLY");
    QTest::mouseClick(controls().Command3D2, Qt::LeftButton);

    EXPECT_EQ(window().state(), ui::Window::State::NotLoaded);
    EXPECT_TRUE(windows::Form2().isEnabled());
    expectStoredCodes(InstalledCodes);

    open(window());
    for (int level = 1; level <= 3; ++level)
        EXPECT_TRUE(box(level)->text().isEmpty());
}

TEST_F(LevelCodeWindowTest, HoverShowsTheCaptionOfTheButtonUnderThePointer)
{
    // The pointer reaches the topmost window under it: the main menu, which
    // lies beneath, is put aside; and a move to where the pointer already is
    // moves nothing.
    windows::Form2().Hide();
    QCursor::setPos(QPoint(5000, 5000));
    QCoreApplication::processEvents();
    open(window());
    EXPECT_FALSE(controls().Label2->isVisible());
    EXPECT_FALSE(controls().Label8->isVisible());
    QTest::mouseMove(controls().Command3D1, QPoint(3, 3));
    EXPECT_TRUE(controls().Label2->isVisible());
    EXPECT_FALSE(controls().Label8->isVisible());
    QTest::mouseMove(controls().Command3D2, QPoint(3, 3));
    EXPECT_FALSE(controls().Label2->isVisible());
    EXPECT_TRUE(controls().Label8->isVisible());
    QTest::mouseMove(&window(), QPoint(2, window().height() - 2));
    EXPECT_FALSE(controls().Label8->isVisible());
}

// Another workstation holds the lock: the write fails and says so, the stored
// codes stay, and the window stays open with the typed codes for another try.
TEST_F(LevelCodeWindowTest, LockedRowReportsTheFailureAndKeepsTheStoredCodes)
{
    windows::Form2().Disable();
    open(window());
    typeCodes("ALPHAX", "BRAVOX", "CHARLY");
    lockDatabase();
    dialogs.expectOk(QStringLiteral("REGISTRO BLOQUEADO, TENTE NOVAMENTE!: 3260"));
    clickSave();
    releaseLock();

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].title.isEmpty());
    expectStoredCodes(InstalledCodes);
    EXPECT_EQ(window().state(), ui::Window::State::Shown);
    EXPECT_FALSE(windows::Form2().isEnabled());
    EXPECT_EQ(controls().Text1->text(), "ALPHAX");

    clickSave();
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(window().state(), ui::Window::State::NotLoaded);
    EXPECT_TRUE(windows::Form2().isEnabled());
    EXPECT_TRUE(stored("DAMUS", "NOTRE2").identical(Variant(LevelCodeCipher::StoredForm("BRAVOX"))));
}

}  // namespace
}  // namespace vorna::test
