// "Arquivo Morto": the shown document moves for good into DOCUMORTOS, which
// keeps a narrower copy of its header.
#include "documents/Form14.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

const QString DocumentNotFound = QStringLiteral("DOCUMENTO NAO ENCONTRADO");

// Copied as they stand, Null included.
const char* const AlwaysCopied[] = {"PROPOSTA", "TIPO", "COMISSIONAMENTO", "MULTIPLA", "VIGENTE", "ANOPRODUCAO"};

// Copied only when not Null, so a Null leaves the archive field as a new row has
// it. Producers 4 and 5 and the co-insurer, bank, card, post-sale and
// attachment fields have no place in the archive.
const char* const CopiedWhenSet[] = {
    "APOLICE",     "ENDOSSO",      "CODCLIENTE",    "NOMCLIENTE",      "RAMO",        "NOMRAMO",
    "SEGURADORA",  "NOMSEGURADORA", "APORENOVA",    "CIARENOVA",       "NOMCIARENOVA", "PREMIOLIQ",
    "ADICIONAL",   "CUSTO",        "IOF",           "PREMIOBRUTO",     "PARCELAS",    "PCOMISSAO",
    "PDESCONTO",   "VCOMISSAO",    "PROD1",         "PROD2",           "PROD3",       "PREP1",
    "PREP2",       "PREP3",        "VREP1",         "VREP2",           "VREP3",       "VREPASSE",
    "INDICE",      "OBSERVACOES",  "NOVAOBS",       "VIGENCIAFINAL",   "VIGENCIAINICIAL", "SOLICITACAO",
    "NUMPROP",     "CHAME",        "EMISSAO",       "CD",              "ORIGINAL",    "CARNET",
    "JUROS",       "TRANSMITIDO",  "BAIXAANTE",     "PRODUCAO",        "DTTRANSMITIDO", "DTEXCLUSAO",
};

}  // namespace

// Runs on the archive row the caller began. The document is found again by its
// number rather than trusted to be the current row, which the number box may
// no longer match. The archive row, the deletion and the instalments' deletion
// go together or not at all.
bool Form14::ArchiveDocument()
{
    DocumentRecordsets& rs = *recordsets_;
    if (rt::Trim(ui->Text1->text()).isEmpty()) {
        rs.DOCUMORTOS.CancelUpdate();
        return true;
    }
    const std::optional<QString> number = db::wholeNumber(ui->Text1->text());
    bool found = false;
    try {
        auto t = vorna::state().MainDatabase.transaction();
        try {
            if (number) {
                rs.DOCUMENTOS.FindFirst(QStringLiteral("PROPOSTA = ") + *number);
                found = !rs.DOCUMENTOS.NoMatch();
            }
            if (!found) {
                rs.DOCUMORTOS.CancelUpdate();
            } else {
                const db::Recordset& document = rs.DOCUMENTOS;
                db::Recordset& archive = rs.DOCUMORTOS;
                archive.setField(QStringLiteral("FILIAL"), Variant(1));
                for (const char* name : AlwaysCopied)
                    archive.setField(QLatin1String(name), document.field(QLatin1String(name)));
                for (const char* name : CopiedWhenSet) {
                    const Variant value = document.field(QLatin1String(name));
                    if (!value.isNull())
                        archive.setField(QLatin1String(name), value);
                }
                archive.Update();
                rs.DOCUMENTOS.Delete();
                values_.InstalmentDeleteLimit = rt::CLng(Variant(*number));
                DeleteDocumentInstalments();
                t.commit();
            }
        } catch (...) {
            rs.DOCUMORTOS.CancelUpdate();
            throw;
        }
    } catch (const EngineError& failure) {
        msg::writeFailure(failure.number());
        return false;
    }
    if (!found) {
        msg::notFound(DocumentNotFound);
        return false;
    }
    return true;
}

}  // namespace vorna::documents
