#include "menu_batch/Launchers.h"

#include "common/DesktopLaunch.h"
#include "common/MessageTexts.h"
#include "platform/dialogs/Dialogs.h"

namespace vorna::menu_batch {

QString quotationProgramMissingText()
{
    return QStringLiteral("O PROGRAMA TIBERA PARA CONTROLE DE PLANILHAS DE COTAÇÕES, NÃO FOI ENCONTRADO EM SEU HD!"
                          " POR FAVOR, ENTRE EM CONTATO COM NOSSO SUPORTE TÉCNICO: ")
           + launch::SupportAddress;
}

void OpenQuotationSpreadsheets() { dlg::MsgBox(quotationProgramMissingText(), dlg::Buttons::Ok, msg::TitleAttention); }

void StartSiblingProgram()
{
    if (!launch::startSiblingProgram(SiblingProgramFile))
        dlg::MsgBox(QStringLiteral("NÃO FOI POSSÍVEL INICIAR PLOVEN.EXE"), dlg::Buttons::Ok, msg::TitleAttention);
}

}  // namespace vorna::menu_batch
