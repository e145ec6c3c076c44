#include "shell/Startup.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/EngineError.h"
#include "shell/ProgramEnd.h"

#include <QDir>
#include <new>

namespace vorna::shell {

namespace {

const QString Blanks30 = QString(30, u' ');

QString dayText(int day)
{
    const QString commissions = QStringLiteral("Nosso sistema é capaz de baixar as parcelas de comissões da ");
    switch (day) {
    case 3: return commissions + QStringLiteral("Bradesco");
    case 4: return commissions + QStringLiteral("Itaú");
    case 5: return commissions + QStringLiteral("Porto Seguro");
    case 6: return commissions + QStringLiteral("Qualicorp");
    case 10:
        return QStringLiteral(
            "Nosso sistema é capaz de baixar automaticamente as parcelas de comissões da HDI");
    case 15: return commissions + QStringLiteral("Marítima");
    case 20: return commissions + QStringLiteral("Tokio");
    case 23: return commissions + QStringLiteral("Liberty");
    case 26: return commissions + QStringLiteral("Sul América");
    case 30: return commissions + QStringLiteral("Mapfre");
    case 2: case 14: case 21: case 29:
        return QStringLiteral("Nos adicione no SKYPE : ") + SupportSkypeName;
    case 7: case 12: case 18: case 24: case 28:
        return QStringLiteral("Siga-nos no TWITTER : ") + SupportTwitterName;
    default:  // 1, 8, 9, 11, 13, 16, 17, 19, 22, 25, 27, 31
        return QStringLiteral("Nos adicione em seu MSN : ") + SupportMessengerAddress;
    }
}

const QString DiskFailure = QStringLiteral("UMA FALHA FOI DETECTADA EM SEU HD. VERIFIQUE-O!");
const QString Corrupted = QStringLiteral(
    "SEU BANCO DE DADOS ESTÁ CORROMPIDO! EFETUE A OPERAÇÃO DE REPARAÇÃO E COMPACTAÇÃO. "
    "SE NÃO RESOLVER SERÁ NECESSÁRIO RESTAURAR O BACKUP.");

}  // namespace

QString MarqueeTextForDay(int dayOfMonth) { return Blanks30 + dayText(dayOfMonth); }

StartupErrorTable::Entry StartupErrorTable::of(int errorNumber, const QString& file)
{
    using O = Outcome;
    switch (errorNumber) {
    case err::OutOfMemory:
        return {O::EndProgram,
                QStringLiteral("NÃO HÁ MEMÓRIA SUFICIENTE EM SEU COMPUTADOR PARA RODAR O APLICATIVO! "
                               "DESLIGUE E RELIGUE O COMPUTADOR, CASO PERMANEÇA O ERRO, VERIFIQUE A "
                               "EXISTÊNCIA DE VÍRUS, OU ENCERRE APLICATIVOS QUE ESTEJAM RODANDO "
                               "SIMULTANEAMENTE.")};
    case err::TypeMismatch:
        return {O::EndProgram, QStringLiteral("PREENCHIMENTO DE CAMPOS INCORRETO! VERIFIQUE!")};
    case err::DeviceIo: return {O::EndProgram, DiskFailure};
    case err::Reserved:
        return {O::EndProgram,
                QStringLiteral("O ARQUIVO ESTÁ COM ACESSO EXCLUSIVO EM OUTRA ESTAÇÃO! VERIFIQUE TODOS "
                               "OS TERMINAIS! CASO ESTE TERMINAL SEJA DESLIGADO SEM O CORRETO "
                               "FECHAMENTO DO ARQUIVO, SEU BANCO DE DADOS PODE SE CORROMPER E DADOS "
                               "SERÃO PERDIDOS!")};
    case err::ReadOnly:
        // Every later save would fail: the program ends before anything is written.
        return {O::EndProgram,
                (file.isEmpty() ? QStringLiteral("O BANCO DE DADOS")
                                : QStringLiteral("O ARQUIVO ") + QDir::toNativeSeparators(file))
                    + QStringLiteral(" NÃO PODE SER GRAVADO! PEÇA AO ADMINISTRADOR QUE VERIFIQUE AS "
                                     "PERMISSÕES DE GRAVAÇÃO DO ARQUIVO E DA SUA PASTA.")};
    case err::UpdateWithoutAddNew: return {O::EndLoadSilently, {}};
    case err::NoCurrentRecord:
        return {O::EndProgram, QStringLiteral("O SISTEMA PERDEU OS DADOS DA CORRETORA/FILIAL.")};
    case err::FileNotFound:
        return {O::EndProgram, QStringLiteral("ARQUIVO NAO ENCONTRADO NO DIRETÓRIO! RESTAURE O BACKUP!")};
    case 3026:
        return {O::EndProgram,
                QStringLiteral("DISCO CHEIO! ELIMINE ARQUIVOS E DIRETÓRIOS DESNECESSÁRIOS!")};
    case 3040: return {O::EndProgram, DiskFailure};
    case 3041:
        return {O::EndProgram,
                QStringLiteral("SEU BANCO DE DADOS ESTÁ CORROMPIDO! EFETUE A OPERACAO DE REPARAÇÃO E "
                               "COMPACTAÇÃO. SE NÃO RESOLVER SERÁ NECESSÁRIO RESTAURAR O BACKUP.")};
    case 3043:
        return {O::EndProgram, QStringLiteral("SEU HD OU REDE ESTÃO COM PROBLEMAS! VERIFIQUE-OS!")};
    case 3049: return {O::EndProgram, Corrupted};
    case err::InvalidBookmark: return {O::EndProgram, Corrupted};
    case err::RecordLocked: return {O::EndLoadSilently, {}};
    default: return {O::ReportAndGoOn, msg::withNumber(msg::ErrorDetected, errorNumber)};
    }
}

int startupErrorNumber(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const EngineError& e) {
        return e.number();
    } catch (const std::bad_alloc&) {
        return err::OutOfMemory;
    } catch (...) {
        return 51;  // the runtime's internal error
    }
}

StartupStatements::Flow StartupStatements::run(const std::function<void()>& statement, const QString& file)
{
    if (ended())
        return flow_;
    std::exception_ptr failure;
    try {
        statement();
        return flow_;
    } catch (...) {
        failure = std::current_exception();
    }
    const StartupErrorTable::Entry entry = StartupErrorTable::of(startupErrorNumber(failure), file);
    switch (entry.outcome) {
    case StartupErrorTable::Outcome::EndProgram:
        state().MessageText = Variant(entry.message);
        msg::startupFailure(state().MessageText.toString());
        flow_ = Flow::ProgramEnded;
        EndProgram();
        break;
    case StartupErrorTable::Outcome::EndLoadSilently:
        flow_ = Flow::EndedSilently;
        break;
    case StartupErrorTable::Outcome::ReportAndGoOn:
        state().MessageText = Variant(entry.message);
        dlg::MsgBox(state().MessageText.toString());
        break;
    }
    return flow_;
}

}  // namespace vorna::shell
