#include "menu_batch/Labels.h"

#include "common/ProgramState.h"
#include "menu_batch/BatchedWrites.h"
#include "menu_batch/BusyCursor.h"
#include "platform/controls/ControlEvents.h"
#include "platform/database/CriteriaText.h"

#include <cmath>
#include <optional>

namespace vorna::menu_batch {

namespace {

struct Selection {
    const char* field;
    int firstCode;
    const char* firstLetter;
    int secondCode;
    const char* secondLetter;
};

const Selection& selectionOf(LabelSelection by)
{
    static const Selection mailing{"MALAS", 90, "A", 80, "I"};
    static const Selection person{"PESSOA", 910, "J", 810, "F"};
    static const Selection sex{"SEXO", 710, "F", 720, "M"};
    switch (by) {
    case LabelSelection::MailingStatus: return mailing;
    case LabelSelection::PersonType: return person;
    case LabelSelection::Sex: return sex;
    }
    return mailing;
}

// Where a label's address comes from, by the client's TIPOETI.
struct AddressSource {
    const char* street;
    const char* district;
    const char* city;
    const char* state;
    const char* postcode;
};
const AddressSource Residential{"END-RESIDENCIA", "BAIRRO", "CID-RESIDENCIA", "EST-RESIDENCIA", "CEP-RESIDENCIA"};
const AddressSource Commercial{"END-COMERCIAL", "BAIRROCOM", "CID-COMERCIAL", "EST-COMERCIAL", "CEP-COMERCIAL"};

const AddressSource* addressFor(const Variant& labelKind)
{
    if (labelKind == Variant("R"))
        return &Residential;
    if (labelKind == Variant("C"))
        return &Commercial;
    return nullptr;
}

enum class WithCode { No, Yes };

// Saves the label of the client the recordset stands on; a client who asked
// for no labels gets none.
void writeLabel(const db::Recordset& client, db::Recordset& labels, WithCode withCode, BatchedWrites& writes)
{
    const AddressSource* from = addressFor(client.field(QStringLiteral("TIPOETI")));
    if (!from)
        return;
    auto copy = [&](const char* to, const char* field) {
        labels.setField(QString::fromLatin1(to), client.field(QString::fromLatin1(field)));
    };
    writes.beforeWrite();
    labels.AddNew();
    if (withCode == WithCode::Yes)
        copy("CODIGO", "CODIGO");
    copy("NOME", "NOME");
    copy("CONTATO", "CONTATO");
    copy("ENDERECO", from->street);
    copy("BAIRRO", from->district);
    copy("CIDADE", from->city);
    copy("UF", from->state);
    copy("CEP", from->postcode);
    if (withCode == WithCode::Yes)
        copy("PROD1", "PRODUTOR");
    labels.setField(QStringLiteral("OK"), Variant("S"));
    labels.Update();
    writes.rowWritten();
}

bool blank(const Variant& v) { return v.isEmpty() || v.isNull() || (v.isString() && v.stringValue().isEmpty()); }

// "CODIGO = <code>" for a client code held as a whole number; nothing for a
// value that is no client code at all.
std::optional<QString> codeCriteria(const Variant& code)
{
    if (code.isNumeric()) {
        const double n = code.numberValue();
        if (n != std::floor(n) || std::fabs(n) > 2147483647.0)
            return std::nullopt;
        return QStringLiteral("CODIGO = ") + QString::number(static_cast<long long>(n));
    }
    if (code.isString()) {
        if (auto digits = db::wholeNumber(code.stringValue()))
            return QStringLiteral("CODIGO = ") + *digits;
    }
    return std::nullopt;
}

// Finds the client of a code; false when no client has it.
bool findClient(db::Recordset& clients, const Variant& code)
{
    const std::optional<QString> criteria = codeCriteria(code);
    if (!criteria)
        return false;
    clients.FindFirst(*criteria);
    return !clients.NoMatch();
}

const QString PoliciesInForce = QStringLiteral("TIPO = 'A' and VIGENTE = 'V'");

}  // namespace

QString labelLetter(LabelSelection by, const Variant& callerCode)
{
    const Selection& s = selectionOf(by);
    if (callerCode == Variant(s.firstCode))
        return QString::fromLatin1(s.firstLetter);
    if (callerCode == Variant(s.secondCode))
        return QString::fromLatin1(s.secondLetter);
    return {};
}

QString labelCriteria(LabelSelection by, const QString& letter)
{
    return QString::fromLatin1(selectionOf(by).field) + QStringLiteral(" LIKE ")
           + db::quoted(u'*' + db::likeLiteral(letter) + u'*');
}

void addLabelsBySelection(LabelSelection by, const Variant& callerCode, db::Recordset& clients,
                          db::Recordset& labels)
{
    BusyCursor busy;
    const QString criteria = labelCriteria(by, labelLetter(by, callerCode));
    BatchedWrites writes(state().MainDatabase);
    for (clients.FindFirst(criteria); !clients.NoMatch(); clients.FindNext(criteria))
        writeLabel(clients, labels, WithCode::No, writes);
    writes.finish();
}

void FillLabelsFromActivePolicies(db::Recordset& documents, db::Recordset& clients, db::Recordset& labels)
{
    // A table that could not be emptied keeps its rows; the new ones follow them.
    ClearLabelTable(labels);
    BusyCursor busy;
    documents.FindFirst(PoliciesInForce);
    if (documents.NoMatch())
        return;
    BatchedWrites writes(state().MainDatabase);
    const Variant firstClient = documents.field(QStringLiteral("CODCLIENTE"));
    if (!blank(firstClient)) {
        if (findClient(clients, firstClient)) {
            writeLabel(clients, labels, WithCode::Yes, writes);
        } else {
            writes.beforeWrite();
            labels.AddNew();
            labels.setField(QStringLiteral("CODIGO"), Variant(0));
            labels.Update();
            writes.rowWritten();
        }
    }
    for (documents.FindNext(PoliciesInForce); !documents.NoMatch(); documents.FindNext(PoliciesInForce)) {
        const Variant client = documents.field(QStringLiteral("CODCLIENTE"));
        if (blank(client) || !findClient(clients, client))
            continue;
        // One row per client, however many policies in force it holds.
        labels.FindFirst(*codeCriteria(client));
        if (labels.NoMatch())
            writeLabel(clients, labels, WithCode::Yes, writes);
    }
    writes.finish();
}

bool ClearLabelTable(db::Recordset& labels)
{
    BusyCursor busy;
    try {
        labels.MoveFirst();
    } catch (const EngineError& e) {
        if (e.number() == err::NoCurrentRecord)
            return true;  // nothing to delete
        ui::reportUnexpectedFailure(e);
        return false;
    }
    BatchedWrites writes(state().MainDatabase);
    try {
        while (!labels.EOF()) {
            writes.beforeWrite();
            labels.Delete();
            writes.rowWritten();
            labels.MoveNext();
        }
        writes.finish();
    } catch (const EngineError& e) {
        writes.keepSaved();
        ui::reportUnexpectedFailure(e);
        return false;
    }
    return true;
}

}  // namespace vorna::menu_batch
