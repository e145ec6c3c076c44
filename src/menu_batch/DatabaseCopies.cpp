#include "menu_batch/DatabaseCopies.h"

#include "common/AppFolder.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/Database.h"
#include "platform/database/FileCopy.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>

namespace vorna::menu_batch {

namespace {

const QString MainFileName = QStringLiteral("VORNA.MDB");
const QString DiskFailure = QStringLiteral("UMA FALHA FOI DETECTADA EM SEU HD. VERIFIQUE-O!");
const QString LongDate = QStringLiteral("Long Date");

// The runtime's number for a file that is not there.
constexpr int RuntimeFileNotFound = 53;

const QString SettingsFailed = QStringLiteral("NÃO FOI POSSÍVEL LER AS CONFIGURAÇÕES DA CÓPIA DE SEGURANÇA! ");
const QString CopyFailed = QStringLiteral("NÃO FOI POSSÍVEL FAZER A CÓPIA DE SEGURANÇA DO BANCO DE DADOS! ");
const QString RestoreFailed = QStringLiteral(
    "NÃO FOI POSSÍVEL RESTAURAR O BANCO DE DADOS DA CÓPIA DE SEGURANÇA! O ARQUIVO ATUAL FOI MANTIDO. ");

// The failure box of these routines: what failed, then the engine's number and text.
void showFailure(const QString& what, const EngineError& e)
{
    msg::notice(what + QStringLiteral("ERRO ") + QString::number(e.number()) + QStringLiteral(": ") + e.text());
}

EngineError asEngineError(const std::exception& e)
{
    if (const auto* engine = dynamic_cast<const EngineError*>(&e))
        return *engine;
    return EngineError(err::DiskOrNetworkError, QString::fromLocal8Bit(e.what()));
}

bool moveFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

Variant lastChangeOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw EngineError(RuntimeFileNotFound, QStringLiteral("Arquivo não encontrado. ") + path);
    return Variant::date(info.lastModified());
}

}  // namespace

OpenErrorRule openErrorRule(int errorNumber)
{
    switch (errorNumber) {
    case err::OutOfMemory:
        return {QStringLiteral("NÃO HÁ MEMÓRIA SUFICIENTE EM SEU COMPUTADOR PARA RODAR O APLICATIVO! "
                               "DESLIGUE E RELIGUE O COMPUTADOR, CASO PERMANEÇA O ERRO, VERIFIQUE A "
                               "EXISTÊNCIA DE VÍRUS, OU ENCERRE APLICATIVOS QUE ESTEJAM RODANDO "
                               "SIMULTANEAMENTE."),
                false, true};
    case err::DeviceIo: return {DiskFailure, false, true};
    case err::Reserved:
        return {QStringLiteral("O ARQUIVO ESTÁ COM ACESSO EXCLUSIVO EM OUTRA ESTAÇÃO! VERIFIQUE TODOS "
                               "OS TERMINAIS! CASO ESTE TERMINAL SEJA DESLIGADO SEM O CORRETO "
                               "FECHAMENTO DO ARQUIVO, SEU BANCO DE DADOS PODE SE CORROMPER E DADOS "
                               "SERÃO PERDIDOS!"),
                false, true};
    case err::FileNotFound:
        return {QStringLiteral("ARQUIVO NÃO ENCONTRADO NO DIRETÓRIO! RESTAURE O BACKUP!"), false, true};
    case err::DiskFull:
        return {QStringLiteral("DISCO CHEIO! ELIMINE ARQUIVOS E DIRETÓRIOS DESNECESSÁRIOS!"), false, true};
    case err::DiskReadError: return {DiskFailure, true, false};
    case err::OlderDatabaseVersion:
    case err::DiskOrNetworkError:
    case err::DatabaseDamaged:
    case err::InvalidBookmark: return {QString(), true, false};
    default: return {};
    }
}

QString pathInFolder(const QString& folderText, const QString& fileName)
{
    QString path = folderText + u'\\' + fileName;
    path.replace(u'\\', u'/');
    return path;
}

QString keptAsidePath(const QString& path)
{
    const QFileInfo info(path);
    const QString stamp = rt::Format(rt::Now(), QStringLiteral("yyyymmdd-hhnnss"));
    const QString stem = info.dir().filePath(info.completeBaseName() + u'-' + stamp);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    QString aside = stem + suffix;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + u'-' + QString::number(n) + suffix;
    return aside;
}

QString DatabaseCopies::readPath() const { return pathInFolder(CopyReadFolder, MainFileName); }
QString DatabaseCopies::writePath() const { return pathInFolder(CopyWriteFolder, MainFileName); }

void DatabaseCopies::LoadBackupSettings()
{
    try {
        db::copyDatabaseFile(appFilePath(QStringLiteral("\\DEFINE.MDB")), appFilePath(QStringLiteral("\\SALVA.MDB")));
        ProgramState& s = vorna::state();
        s.BackupSettingsDatabase = db::Database::open(appFilePath(QStringLiteral("\\SALVA.MDB")));
        CopyOrders = s.BackupSettingsDatabase.openRecordset(QStringLiteral("ORIENTE"));
        CopyTimes = s.BackupSettingsDatabase.openRecordset(QStringLiteral("TEMPO"));
        CopyOrders.MoveFirst();
        if (const Variant v = CopyOrders.field(QStringLiteral("LER")); !v.isNull())
            CopyReadFolder = rt::CStr(v);
        if (const Variant v = CopyOrders.field(QStringLiteral("GRAVAR")); !v.isNull())
            CopyWriteFolder = rt::CStr(v);
        if (const Variant v = CopyOrders.field(QStringLiteral("PERMITE")); !v.isNull()) {
            const QString permits = rt::CStr(v);
            if (permits == u"S" || permits == u"N")
                CopyPermission = permits;
        }
        CopyTimes.MoveFirst();
    } catch (const std::exception& e) {
        // Settings read only in part must not start a copy or a restore.
        CopyPermission.clear();
        showFailure(SettingsFailed, asEngineError(e));
    }
}

void DatabaseCopies::CopyDatabaseDaily()
{
    if (CopyPermission != u"S")
        return;
    if (DatabaseOpenError == 0)
        dailyCopy();
    else if (openErrorRule(DatabaseOpenError).recorded)
        restore();
}

// Each step that fails is replaced by the recovery step (a fresh copy and its
// stamp), and the run goes on with the next; a recovery that fails ends it.
void DatabaseCopies::dailyCopy()
{
    bool stopped = false;
    auto step = [&](const std::function<void()>& statement) {
        if (stopped)
            return;
        try {
            statement();
        } catch (const std::exception&) {
            stopped = !recover();
        }
    };
    Variant copyDate;  // stays empty when the copy's date cannot be read
    QString copyDay;
    QString today;
    step([&] { copyDate = lastChangeOf(writePath()); });
    step([&] {
        copyDay = rt::Format(copyDate, LongDate);
        today = rt::Format(rt::Date(), LongDate);
    });
    if (stopped || copyDay == today)
        return;
    step([&] {
        dlg::MsgBox(u' ' + QString::number(DatabaseOpenError));
        dlg::MsgBox(CopyPermission);
        dlg::MsgBox(copyDay);
        dlg::MsgBox(today);
    });
    step([&] { db::copyDatabaseFile(readPath(), writePath()); });
    step([&] { stampCopyTime(); });
}

bool DatabaseCopies::recover()
{
    try {
        db::copyDatabaseFile(readPath(), writePath());
        stampCopyTime();
        return true;
    } catch (const std::exception& e) {
        showFailure(CopyFailed, asEngineError(e));
        return false;
    }
}

void DatabaseCopies::stampCopyTime()
{
    CopyTimes.Edit();
    CopyTimes.setField(QStringLiteral("QUANDO"), rt::Now());
    try {
        CopyTimes.Update();
    } catch (...) {
        CopyTimes.CancelUpdate();
        throw;
    }
}

// The copy is brought in beside the main file first; only then is the main
// file kept aside under a dated name and the copy put in its place. Whatever
// fails, the copy in the write folder is never written.
void DatabaseCopies::restore()
{
    const QString mainFile = readPath();
    const QString incoming = mainFile + QStringLiteral(".restoring");
    try {
        db::copyDatabaseFile(writePath(), incoming);
        if (QFileInfo::exists(mainFile)) {
            const QString aside = keptAsidePath(mainFile);
            if (!moveFile(mainFile, aside))
                throw EngineError(err::DiskOrNetworkError, mainFile);
            if (!moveFile(incoming, mainFile)) {
                moveFile(aside, mainFile);
                throw EngineError(err::DiskOrNetworkError, mainFile);
            }
        } else if (!moveFile(incoming, mainFile)) {
            throw EngineError(err::DiskOrNetworkError, mainFile);
        }
    } catch (const std::exception& e) {
        QFile::remove(incoming);
        showFailure(RestoreFailed, asEngineError(e));
    }
}

}  // namespace vorna::menu_batch
