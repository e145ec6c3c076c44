#include "common/MessageTexts.h"

#include "platform/dialogs/Dialogs.h"

namespace vorna::msg {

using dlg::Buttons;
using dlg::Icon;
using dlg::MsgBox;

QString withNumber(const QString& text, long long number) { return text + QString::number(number); }

void requiredEntryMissing(const QString& text) { MsgBox(text, Buttons::Ok, TitleAttentionExclaimed); }

void invalidDate() { MsgBox(InvalidDate, Buttons::Ok, TitleAttentionExclaimed); }

void notFound(const QString& text) { MsgBox(text, Buttons::Ok, TitleAttentionExclaimed); }

void refusedByLevel(const QString& text) { MsgBox(text, Buttons::Ok, TitleAttentionExclaimed); }

void refusedByRight(const QString& text) { MsgBox(text, Buttons::Ok); }

void refusedByOwner(const QString& text) { MsgBox(text, Buttons::Ok, TitleAttentionMixedCase); }

bool confirmDeletion()
{
    return MsgBox(ConfirmDeletion, Buttons::YesNo, TitleAttention) == dlg::Answer::Yes;
}

void endOfTable() { MsgBox(NoRecords, Buttons::Ok, TitleAttention); }

void notice(const QString& text) { MsgBox(text, Buttons::Ok, TitleAttention); }

void newRecordNumber(const QString& text, long long code, const QString& title)
{
    MsgBox(withNumber(text, code), Buttons::Ok, title);
}

void writeFailure(int errorNumber, const QString& text) { MsgBox(withNumber(text, errorNumber)); }

void startupFailure(const QString& text)
{
    MsgBox(text, Buttons::Ok, TitleAttention, Icon::Exclamation);
}

void unlistedStartupError(int errorNumber) { MsgBox(withNumber(ErrorDetected, errorNumber)); }

}  // namespace vorna::msg
