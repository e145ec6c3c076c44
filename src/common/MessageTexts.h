#pragma once
#include <QString>

// The kinds of message box every window uses, with their titles and the
// recurring texts. Windows quote their own texts and pick the kind here, so the
// title, buttons and icon of a kind are the same everywhere.
namespace vorna::msg {

// Titles (no title at all shows the application's title in the caption).
inline const QString TitleAttentionExclaimed = QStringLiteral("ATENÇÃO!");
inline const QString TitleAttention = QStringLiteral("ATENÇÃO");
inline const QString TitleAttentionMixedCase = QStringLiteral("Atenção");
inline const QString TitleNewRecord = QStringLiteral("Inclusao");
inline const QString TitleNewClient = QStringLiteral("Inclusão");

// Required entry missing.
inline const QString RequiredName = QStringLiteral("PREENCHIMENTO OBRIGATORIO - NOME");
inline const QString RequiredCode = QStringLiteral("PREENCHIMENTO OBRIGATORIO - CÓDIGO ");
inline const QString RequiredAccount = QStringLiteral("PREENCHIMENTO OBRIGATORIO - CONTA");
// Invalid date.
inline const QString InvalidDate = QStringLiteral("DATA INVALIDA");
// Not found, or nothing to search for; each place keeps its own spelling.
inline const QString InsurerNotFound = QStringLiteral("OPERADORA NÃO ENCONTRADA");
inline const QString ProductNotFound = QStringLiteral("PRODUTO NÃO ENCONTRADO");
inline const QString ProducerNotFoundPlain = QStringLiteral("PRODUTOR NAO ENCONTRADO");
inline const QString ProducerNotFoundAccented = QStringLiteral("PRODUTOR NÃO ENCONTRADO");
inline const QString ClientNotFound = QStringLiteral("CLIENTE NAO ENCONTRADO");
inline const QString EnterCodeOrNameAccented = QStringLiteral("INFORME O CÓDIGO OU PEDAÇOS DO NOME");
inline const QString EnterCodeOrNamePlain = QStringLiteral("INFORME O CODIGO OU PEDAÇOS DO NOME");
// The texts the client, participant and event windows share.
inline const QString EnterPieceOfName = QStringLiteral("DIGITE PELO MENOS ALGUM PEDAÇO DO NOME");
inline const QString ClientNotFoundAccented = QStringLiteral("CLIENTE NÃO ENCONTRADO");
inline const QString ParticipantNotFound = QStringLiteral("PARTICIPANTE NÃO ENCONTRADO");
inline const QString HolderNotFound = QStringLiteral("TITULAR NÃO ENCONTRADO");
inline const QString NotAHolder = QStringLiteral("PARTICIPANTE REFERENCIADO NÃO É TITULAR!");
inline const QString PolicyNotFound = QStringLiteral("APÓLICE NÃO ENCONTRADA!");
inline const QString ParticipantCpfInUse = QStringLiteral("JÁ EXISTE UM PARTICIPANTE COM ESTE CPF E SEU CÓDIGO É: ");
inline const QString ClientAdded = QStringLiteral("Cliente Cadastrado com Codigo: ");
inline const QString EnterAddressFirst = QStringLiteral("DIGITE PRIMEIRO O ENDEREÇO A SER PESQUISADO!");
inline const QString EnterStipulantFirst = QStringLiteral("DIGITE PRIMEIRO O ESTIPULANTE A SER PESQUISADO!");
inline const QString ParticipantRowsNotFound = QStringLiteral("VIDASAU NÃO ENCONTRADOS");
inline const QString NoMoreRecords = QStringLiteral("NÃO HÁ MAIS REGISTROS CADASTRADOS");
// Refusals.
inline const QString OnlyConsultation = QStringLiteral("DESCULPE, SUA SENHA PERMITE APENAS CONSULTAS");
inline const QString NoAccessToModule = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE ACESSO A ESTE MÓDULO!");
inline const QString NotAllowedToSeeDocument =
    QStringLiteral("Desculpe, seu acesso não permite visualizar este Documento");
// Deletion confirmation and end of table.
inline const QString ConfirmDeletion = QStringLiteral("Você tem certeza que deseja excluir?");
inline const QString NoRecords = QStringLiteral("NAO HA REGISTROS CADASTRADOS");
// Write failures, each followed by the error number.
inline const QString RecordLocked = QStringLiteral("REGISTRO BLOQUEADO, TENTE NOVAMENTE!: ");
inline const QString DuplicateCode = QStringLiteral("CODIGO JÁ EXISTENTE, TENTE NOVAMENTE!: ");
// Start-up failure outside the start-up table, followed by the error number.
inline const QString ErrorDetected = QStringLiteral("ERRO DETECTADO ");

// A text followed by a number in plain decimal, nothing between them.
QString withNumber(const QString& text, long long number);

// "ATENÇÃO!", OK. The caller then moves the focus to the box concerned.
void requiredEntryMissing(const QString& text);
// "DATA INVALIDA", "ATENÇÃO!", OK.
void invalidDate();
// "ATENÇÃO!", OK.
void notFound(const QString& text);
// "ATENÇÃO!", OK.
void refusedByLevel(const QString& text = OnlyConsultation);
// No title, OK.
void refusedByRight(const QString& text = NoAccessToModule);
// "Atenção", OK.
void refusedByOwner(const QString& text = NotAllowedToSeeDocument);
// "Você tem certeza que deseja excluir?", "ATENÇÃO", Yes and No with Yes the
// default; true when Yes was chosen.
bool confirmDeletion();
// "NAO HA REGISTROS CADASTRADOS", "ATENÇÃO", OK.
void endOfTable();
// Warnings that do not stop and other notices: "ATENÇÃO", OK.
void notice(const QString& text);
// The number given to a new record: the text followed by the code, OK.
void newRecordNumber(const QString& text, long long code, const QString& title = TitleNewRecord);
// The write-failure box: the text (the locked-record one unless the window has
// its own) followed by the error number, no title, OK.
void writeFailure(int errorNumber, const QString& text = RecordLocked);
// A start-up failure that ends the program: "ATENÇÃO", exclamation icon, OK.
void startupFailure(const QString& text);
// A start-up failure outside the table: "ERRO DETECTADO " and the number, no title.
void unlistedStartupError(int errorNumber);

}  // namespace vorna::msg
