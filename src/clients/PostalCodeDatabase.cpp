#include "clients/PostalCodeDatabase.h"

#include "common/AppFolder.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/Database.h"
#include "platform/dialogs/Dialogs.h"

namespace vorna::clients {

std::optional<db::Recordset> OpenPostalCodeDatabase()
{
    try {
        state().PostalCodeDatabase = db::Database::open(appFilePath(PostalCodeFile));
        return state().PostalCodeDatabase.openRecordset(QStringLiteral("SP"));
    } catch (const EngineError&) {
        dlg::MsgBox(QStringLiteral("SEU BANCO DE CEPs ESTÁ COM PROBLEMAS OU NÃO ESTÁ NO DIRETÓRIO VIDIVUVA. "
                                   "EFETUE O DOWNLOAD NA ÁREA DOWNLOADS DO SITE ")
                        + PostalCodeDownloadSite,
                    dlg::Buttons::Ok, msg::TitleAttention);
        return std::nullopt;
    }
}

}  // namespace vorna::clients
