#include "documents/Form14.h"

#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

bool blank(const Variant& value) { return value.isNull() || value.isEmpty() || rt::Trim(rt::CStr(value)).isEmpty(); }

}  // namespace

void Form14::GRAVCLI()
{
    const ImportedProspectValues& p = values_.ImportedProspect;
    if (blank(p.SearchCpf))
        return;
    db::Recordset& clients = recordsets_->CLIENTES;
    // The whole CPF as the prospect holds it; its characters match only themselves.
    clients.FindFirst(QStringLiteral("CPF LIKE ") + db::quoted(db::likeLiteral(rt::CStr(p.SearchCpf))));
    if (clients.NoMatch()) {
        enum class As { Value, Date };
        const struct {
            const char* field;
            const Variant& value;
            As as;
        } written[] = {
            {"NOME", p.NOME, As::Value},
            {"PRODUTOR", p.PRODUTOR, As::Value},
            {"INDICACAO", p.INDICACAO, As::Value},
            {"PROFISSAO", p.PROFISSAO, As::Value},
            {"PESSOA", p.PESSOA, As::Value},
            {"ANIV", p.ANIV, As::Date},
            {"SEXO", p.SEXO, As::Value},
            {"CIVIL", p.CIVIL, As::Value},
            {"CPF", p.CPF, As::Value},
            {"RG", p.RG, As::Value},
            {"EXPEDICAO", p.EXPEDICAO, As::Date},
            {"EMAIL", p.EMAIL, As::Value},
            {"TEL-RESIDENCIA", p.TEL_RESIDENCIA, As::Value},
            {"TEL-COMERCIAL", p.TEL_COMERCIAL, As::Value},
            {"TEL-COMERCIAL2", p.TEL_COMERCIAL2, As::Value},
            {"TELCOMERCIAL3", p.CELULAR2, As::Value},
            {"CELULAR", p.CELULAR1, As::Value},
            {"END-RESIDENCIA", p.END_RESIDENCIA, As::Value},
            {"CID-RESIDENCIA", p.CID_RESIDENCIA, As::Value},
            {"CEP-RESIDENCIA", p.CEP_RESIDENCIA, As::Value},
            {"EST-RESIDENCIA", p.EST_RESIDENCIA, As::Value},
            {"BAIRRO", p.BAIRRO, As::Value},
            {"CNH", p.CNH1, As::Value},
            {"PRIDATCNH", p.PRIMHAB, As::Date},
        };
        clients.AddNew();
        try {
            for (const auto& w : written) {
                if (blank(w.value))
                    continue;
                clients.setField(QLatin1String(w.field), w.as == As::Date
                                                             ? Variant(rt::Format(w.value, QStringLiteral("DD/MM/YYYY")))
                                                             : w.value);
            }
            clients.setField(QStringLiteral("CADA"), Variant(rt::Format(rt::Date(), QStringLiteral("DD/MM/YYYY"))));
            clients.setField(QStringLiteral("MALAS"), Variant(QStringLiteral("A")));
            clients.setField(QStringLiteral("TIPOETI"), Variant(QStringLiteral("R")));
            clients.setField(QStringLiteral("FILIAL"), Variant(1));
            clients.Update();
        } catch (...) {
            clients.CancelUpdate();
            throw;
        }
        clients.MoveLast();
    }
    ui->Text9->setText(rt::CStr(clients.field(QStringLiteral("CODIGO"))));
}

}  // namespace vorna::documents
