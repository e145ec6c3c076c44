#include "documents/Form14.h"

#include "common/MessageTexts.h"
#include "platform/runtime/Runtime.h"

#include <initializer_list>

namespace vorna::documents {

namespace {

// The message of the stage at which a fill stopped; none before the first
// look-up stage.
QString fillStageMessage(int stage)
{
    switch (stage) {
    case 1: return QStringLiteral("VERIFIQUE SEU CADASTRO DE RAMOS POIS O MESMO APRESENTA NOME DE RAMO EM BRANCO!");
    case 2: return QStringLiteral("VERIFIQUE SEU CADASTRO DE CIAS POIS O MESMO APRESENTA NOME DE CIA EM BRANCO!");
    case 3:
        return QStringLiteral(
            "VERIFIQUE SEU CADASTRO DE PRODUTORES POIS O MESMO APRESENTA NOME DE PRODUTOR EM BRANCO!");
    case 4:
        return QStringLiteral(
            "VERIFIQUE SEU CADASTRO DE ATENDENTES POIS O MESMO APRESENTA NOME DE ATENDENTE EM BRANCO!");
    default: return {};
    }
}

void reportStoppedFill(int stage)
{
    if (stage != 0)
        msg::notice(fillStageMessage(stage));
}

void addAll(ui::PickList* list, std::initializer_list<const char*> items)
{
    for (const char* item : items)
        list->AddItem(QString::fromUtf8(item));
}

// A fill ends where a name cannot be listed.
struct ListFillEnded {};

// Lists every row meeting the criteria by its name; false when no row does,
// which ends the whole fill. A Null name ends it with the stage's message.
// The key of the row (and the producer's branch) goes with each entry.
template <class Add>
bool listRows(db::Recordset& rs, const QString& criteria, const QString& nameField, const QString& keyField,
              Add&& add)
{
    rs.MoveFirst();
    rs.FindFirst(criteria);
    if (rs.NoMatch())
        return false;
    for (; !rs.NoMatch(); rs.FindNext(criteria)) {
        const Variant name = rs.field(nameField);
        if (name.isNull())
            throw ListFillEnded{};
        add(rt::CStr(name), rs.field(keyField));
    }
    return true;
}

void addWithKey(ui::PickList* list, const QString& name, const Variant& key, const Variant& branch = {})
{
    const int at = list->AddItem(name);
    list->setItemData(at, rt::CLng(key), Form14::KeyRole);
    if (!branch.isNull() && !branch.isEmpty())
        list->setItemData(at, rt::CLng(branch), Form14::BranchRole);
}

}  // namespace

void Form14::FillDocumentLists()
{
    // Each fill starts afresh, so a failure before the first look-up stage is
    // never reported under the stage an earlier opening reached.
    values_.ListFillStage = 0;
    try {
        addAll(ui->Combo1, {"CANCELADO", "NÃO RENOVADO", "RENOVADO", "VIGENTE", "IMPRODUTIVO"});
        addAll(ui->Combo2, {"APOLICE", "ENDOSSO"});
        addAll(ui->Combo7, {"ANTECIPADA", "PARCELADA", "ANTECIPADA + 30dd", "PARCELADA + 30dd"});
        addAll(ui->Combo11, {"CANCELAMENTO", "COBRANÇA", "CONTA MENSAL", "FATURA", "RESTITUIÇÃO",
                             "SEM MOVIMENTO", "SUBSTITUIÇÃO", "EXCLUSÃO ITEM", "INCLUSÃO ITEM"});
        addAll(ui->Combo12, {"Falta de Pagamento      ", "Sinistro PT             ", "Sinistro Roubo          ",
                             "Alteração para outra Cia", "Descontentamento        ", "Preço Não Compensatório ",
                             "Venda do Bem            ", "Transf.de Corretagem    ", "Restrições Técnicas     ",
                             "A Pedido do Segurado    ", "Outros Motivos          ", "REABILITADA             ",
                             "Alterações de Perfil    "});

        DocumentRecordsets& rs = *recordsets_;
        const QString aboveZero = QStringLiteral("CODIGO > 0");
        const QString name = QStringLiteral("NOME");
        const QString code = QStringLiteral("CODIGO");

        if (!listRows(rs.GRUPO, aboveZero, name, code,
                      [this](const QString& n, const Variant& k) { addWithKey(ui->Combo14, n, k); }))
            return;

        values_.ListFillStage = 1;
        if (!listRows(rs.RAMOS, aboveZero, name, code,
                      [this](const QString& n, const Variant& k) { addWithKey(ui->Combo3, n, k); }))
            return;

        values_.ListFillStage = 2;
        ui::PickList* const insurerLists[] = {ui->Combo4, ui->Combo6, ui->Combo15, ui->Combo16, ui->Combo17};
        if (!listRows(rs.CIAS, aboveZero, name, code, [&](const QString& n, const Variant& k) {
                for (ui::PickList* list : insurerLists)
                    addWithKey(list, n, k);
            }))
            return;

        // A producer goes into the slot of its position; one without a
        // position (0 or Null) into every slot.
        values_.ListFillStage = 3;
        ui::PickList* const producerSlots[] = {ui->Combo8, ui->Combo9, ui->Combo10, ui->Combo18, ui->Combo19};
        db::Recordset& producers = rs.PRODUTOR;
        if (!listRows(producers, aboveZero, name, code, [&](const QString& n, const Variant& k) {
                const Variant position = producers.field(QStringLiteral("POSICAO"));
                const Variant branch = producers.field(QStringLiteral("FILIAL"));
                bool numeric = position.isNull();
                const int slot = numeric ? 0 : rt::Trim(rt::CStr(position)).toInt(&numeric);
                for (int s = 1; s <= 5 && numeric; ++s)
                    if (slot == s || slot == 0)
                        addWithKey(producerSlots[s - 1], n, k, branch);
            }))
            return;

        values_.ListFillStage = 4;
        listRows(rs.ATENDE, QStringLiteral("XCONPG > 0"), QStringLiteral("XCONTA"), QStringLiteral("XCONPG"),
                 [this](const QString& n, const Variant& k) { addWithKey(ui->Combo13, n, k); });
    } catch (const ListFillEnded&) {
        reportStoppedFill(values_.ListFillStage);
    } catch (const EngineError&) {
        reportStoppedFill(values_.ListFillStage);
    }
}

// The policy cost starts from nothing once a net premium is typed.
void Form14::DefaultPolicyCost()
{
    if (ui->MaskEdBox1->Text().isEmpty())
        return;
    ui->MaskEdBox3->setText(QStringLiteral("0"));
}

}  // namespace vorna::documents
