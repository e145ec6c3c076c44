// "Ganchos para conversa": openers for a conversation drawn from the client's
// birth date, shown in a frame outside the window.
#include "clients/Form4.h"

#include "clients/Personality.h"
#include "common/DateCheck.h"

namespace vorna {

namespace {

const QString LineBreak = QStringLiteral("\r\n");

}  // namespace

namespace clients {

// A box with nothing typed, or with a text that is no date, builds nothing.
void Form4::Command3D25_Click()
{
    if (ui->MaskEdBox1->ClipText().isEmpty())
        return;
    const QString typed = ui->MaskEdBox1->Text();
    if (!isTypedDate(typed))
        return;
    const QDate date = QDate::fromString(typed, QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        return;
    ui->Text54->clear();
    BirthDay = int16_t(date.day());
    BirthMonth = int16_t(date.month());
    BirthDate = date;
    ComputeSunSign();
    ui->Text54->setPlainText(QStringLiteral("SIGNO SOLAR: ") + SunSign + u' ' + SunSignMark + LineBreak +
                             QStringLiteral("Nascido no: ") + BirthSeason + QStringLiteral(" (Hemisfério Sul)") +
                             LineBreak);
    FindChineseYearSign();
    ui->Text54->setPlainText(ui->Text54->toPlainText() + LineBreak + QStringLiteral("SIGNO CHINÊS: ") + ChineseSign +
                             LineBreak);
    AppendPersonalityTexts();
    ui->Frame2->setVisible(true);
}

void Form4::Command3D26_Click()
{
    ui->Text54->clear();
    ui->Frame2->setVisible(false);
}

void Form4::ComputeSunSign()
{
    const SunSignReading reading = computeSunSign(BirthDay, BirthMonth);
    SunSign = reading.sign;
    SunSignMark = reading.mark;
    BirthSeason = reading.season;
}

// A date outside the table has no sign: the profile then shows none rather
// than the previous client's.
void Form4::FindChineseYearSign() { ChineseSign = findChineseYearSign(BirthDate); }

void Form4::AppendPersonalityTexts()
{
    ui->Text54->setPlainText(appendPersonalityTexts(ui->Text54->toPlainText(), ChineseSign, SunSign));
}

}  // namespace clients

}  // namespace vorna
