#include "shell/Form1.h"

#include "common/AppFolder.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/Database.h"
#include "shell/ProgramEnd.h"
#include "shell/Startup.h"

namespace vorna::shell {

void Form1::OpenMainDatabase()
{
    ProgramState& s = vorna::state();
    int number = 0;
    try {
        s.MainDatabase = db::Database::open(appFilePath(QStringLiteral("\\VORNA.MDB")));
        return;
    } catch (...) {
        number = startupErrorNumber(std::current_exception());
    }
    const menu_batch::OpenErrorRule rule = menu_batch::openErrorRule(number);
    if (!rule.message.isEmpty()) {
        s.MessageText = Variant(rule.message);
        msg::startupFailure(rule.message);
    }
    if (rule.recorded)
        Copies_.DatabaseOpenError = int16_t(number);
    if (rule.endsProgram)
        EndProgram();
}

void Form1::LoadBackupSettings() { Copies_.LoadBackupSettings(); }

void Form1::CopyDatabaseDaily() { Copies_.CopyDatabaseDaily(); }

}  // namespace vorna::shell
