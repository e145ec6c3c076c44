#include "InputTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>

using namespace vorna;

namespace {

class KeyFiltersTest : public InputTest {};

struct SetCase {
    const char* name;
    const KeySet* set;
    const char* passes;
    const char* refuses;  // besides Enter, Escape, the clipboard controls and accented letters
};

const SetCase setCases[] = {
    {"CodeKeys", &KeyFilters::CodeKeys, "0123456789", "-.aZ ,/"},
    {"TextKeys", &KeyFilters::TextKeys, "09AZaz ,-./", "'@_:;("},
    {"RateKeys", &KeyFilters::RateKeys, "0912,", ".- a"},
    {"AmountKeys", &KeyFilters::AmountKeys, "09,-", ". a/"},
    {"NameKeys", &KeyFilters::NameKeys, "09AZaz ,-.", "/'@"},
    {"DocumentNumberKeys", &KeyFilters::DocumentNumberKeys, "09AZaz ,-", "./"},
    {"EmailKeys", &KeyFilters::EmailKeys, "09AZaz@-._", " ,/:"},
    {"WebPageKeys", &KeyFilters::WebPageKeys, "09az.", "AZ-/: "},
    {"LevelCodeKeys", &KeyFilters::LevelCodeKeys, "AMZ", "az09 ."},
};

TEST_F(KeyFiltersTest, EachSetLetsItsCharactersThroughAndRefusesTheRestWithABeep)
{
    // Enter, Escape, Ctrl+C, Ctrl+V, Ctrl+X, ç, Ç, ã, é.
    const std::vector<int> refusedEverywhere = {13, 27, 3, 22, 24, 0xE7, 0xC7, 0xE3, 0xE9};
    for (const SetCase& c : setCases) {
        std::vector<int> passes{KeyFilters::Backspace};
        for (const char* p = c.passes; *p; ++p)
            passes.push_back(*p);
        std::vector<int> refuses = refusedEverywhere;
        for (const char* p = c.refuses; *p; ++p)
            refuses.push_back(*p);

        dialogs.beeps = 0;
        for (int code : passes) {
            int k = code;
            KeyFilters::apply(*c.set, k);
            EXPECT_EQ(k, code) << c.name << " refused " << code;
        }
        EXPECT_EQ(dialogs.beeps, 0) << c.name;
        for (int code : refuses) {
            int k = code;
            KeyFilters::apply(*c.set, k);
            EXPECT_EQ(k, 0) << c.name << " let " << code << " through";
        }
        EXPECT_EQ(dialogs.beeps, static_cast<int>(refuses.size())) << c.name;
    }
}

TEST_F(KeyFiltersTest, AFilteredBoxRefusesCedillaEnterAndPasteAndPassesBackspace)
{
    w->Text1->setFocus();
    QTest::keyClicks(w->Text1, "Av. Brasil/12");
    EXPECT_EQ(w->Text1->text(), "Av. Brasil/12");
    EXPECT_EQ(dialogs.beeps, 0);

    typeChar(w->Text1, u'ç');
    typeChar(w->Text1, u'Ã');
    EXPECT_EQ(dialogs.beeps, 2);
    QTest::keyClick(w->Text1, Qt::Key_Return);
    EXPECT_EQ(dialogs.beeps, 3);
    EXPECT_EQ(focused(), w->Text1);  // Enter moves nothing

    QGuiApplication::clipboard()->setText(QStringLiteral("COLADO"));
    QTest::keyClick(w->Text1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialogs.beeps, 4);
    EXPECT_EQ(w->Text1->text(), "Av. Brasil/12");

    QTest::keyClick(w->Text1, Qt::Key_Backspace);
    EXPECT_EQ(w->Text1->text(), "Av. Brasil/1");
    // Keys that type nothing keep their usual meaning, without a beep.
    QTest::keyClick(w->Text1, Qt::Key_Home);
    QTest::keyClick(w->Text1, Qt::Key_Delete);
    EXPECT_EQ(w->Text1->text(), "v. Brasil/1");
    EXPECT_EQ(dialogs.beeps, 4);
}

TEST_F(KeyFiltersTest, LettersComposedByAnInputMethodOrTypedWithAltAreFilteredToo)
{
    w->Text1->setFocus();
    auto commit = [this](const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(w->Text1, &event);
    };
    commit(QStringLiteral("Jo"));
    commit(QStringLiteral("ã"));  // a dead tilde and "a"
    EXPECT_EQ(dialogs.beeps, 1);
    commit(QStringLiteral("é o"));
    EXPECT_EQ(dialogs.beeps, 2);
    EXPECT_EQ(w->Text1->text(), "Jo o");

    QTest::sendKeyEvent(QTest::Click, w->Text1, Qt::Key_C, QStringLiteral("ç"), Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Click, w->Text1, Qt::Key_Semicolon, QStringLiteral(";"), Qt::AltModifier);
    EXPECT_EQ(dialogs.beeps, 4);
    EXPECT_EQ(w->Text1->text(), "Jo o");
}

TEST_F(KeyFiltersTest, AmountBoxTakesTheDecimalCommaAndRefusesThePoint)
{
    w->MaskEdBox3->setFocus();
    QTest::keyClicks(w->MaskEdBox3, "1");
    QTest::keyClicks(w->MaskEdBox3, ".");
    QTest::keyClicks(w->MaskEdBox3, "234,56");
    EXPECT_EQ(w->MaskEdBox3->Text(), "1234,56");
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(KeyFiltersTest, AmountBoxSelectsItsFirstTwelveCharactersOnArrival)
{
    w->MaskEdBox3->setText(QStringLiteral("123456789012345"));
    w->MaskEdBox1->setFocus();
    QTest::keyClick(w->MaskEdBox1, Qt::Key_Tab);  // the empty end date lets the focus on
    ASSERT_EQ(focused(), w->MaskEdBox2);
    QTest::keyClick(w->MaskEdBox2, Qt::Key_Tab);
    ASSERT_EQ(focused(), w->MaskEdBox3);
    EXPECT_EQ(w->MaskEdBox3->selectedText(), "123456789012");
    QTest::keyClicks(w->MaskEdBox3, "9");
    EXPECT_EQ(w->MaskEdBox3->Text(), "9345");
}

}  // namespace
