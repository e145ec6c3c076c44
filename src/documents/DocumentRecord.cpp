#include "documents/DocumentRecord.h"

#include "common/ProgramState.h"
#include "common/RecordWindowPatternFields.h"
#include "documents/DocumentFields.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/OptionButton.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents {

namespace {

constexpr int MaxInstalments = 12;

void writeField(const DocumentField& f, db::Recordset& rs, const DocumentWindowState& state, bool newRow)
{
    QWidget* box = f.widget();
    const auto text = [box] { return record::boxText(box); };
    const auto blank = [&] { return rt::Trim(text()).isEmpty(); };
    const auto set = [&](const Variant& value) { rs.setField(f.name(), value); };
    switch (f.stored) {
    case Stored::AsField:
        f.write(rs);
        break;
    case Stored::Code:
        set(blank() ? Variant::null() : Variant(rt::Trim(text())));
        break;
    case Stored::TextOrBlank:
        set(Variant(blank() ? QStringLiteral(" ") : text()));
        break;
    case Stored::FilledWhenEmpty:
    case Stored::FilledWhenBlank:
        if (f.stored == Stored::FilledWhenEmpty ? text().isEmpty() : blank())
            record::setBoxText(box, QString::fromLatin1(f.code));
        set(Variant(text()));
        break;
    case Stored::Date:
        if (!record::boxIsEmpty(box))
            set(rt::CDate(Variant(text())));
        break;
    case Stored::StartDate:
        if (!record::boxIsEmpty(box)) {
            const Variant start = rt::CDate(Variant(text()));
            set(start);
            rs.setField(QStringLiteral("ANOPRODUCAO"), Variant(rt::Year(start)));
        }
        break;
    case Stored::Count: {
        // A count outside 1 to 12 (a blank box after clearing) is never stored:
        // a new document gets 1, an alteration keeps its count.
        const double count = blank() ? 0 : rt::Val(Variant(text()));
        if (count >= 1 && count <= MaxInstalments && count == int(count))
            set(Variant(int(count)));
        else if (newRow)
            set(Variant(1));
        break;
    }
    case Stored::NumberOrZero:
        set(blank() ? Variant(0) : Variant(int32_t(rt::Val(Variant(text())))));
        break;
    case Stored::AmountOrOne:
        set(record::boxIsEmpty(box) ? Variant(1.0) : Variant(rt::CDbl(Variant(text()))));
        break;
    case Stored::Currency:
        set(Variant(static_cast<const ui::OptionButton*>(f.second)->Value() ? 2 : 1));
        break;
    case Stored::ListCode:
        for (const CodeText& e : f.codes) {
            if (text() == QString::fromUtf8(e.text)) {
                set(Variant(QString::fromLatin1(e.code)));
                break;
            }
        }
        break;
    case Stored::PaymentForm:
        if (static_cast<const ui::CheckBox*>(box)->Value() == ui::CheckBox::Checked)
            set(Variant(QString::fromLatin1(f.code)));
        break;
    case Stored::NewRowOnly:
        // What the window does not save (the branch, the type and status
        // lists) is fixed for a new document and left as stored on an alteration.
        if (newRow)
            set(Variant(QString::fromLatin1(f.code)));
        break;
    case Stored::CoinsurerCode:
        set(Variant(state.CoinsurerCodes[size_t(f.slot - 1)]));
        break;
    }
}

}  // namespace

bool SeesCommissions(const Session& session)
{
    const Variant& hiding = session.right(Right::OCU);
    return hiding.isString() && hiding.stringValue() == u"N";
}

bool WriteDocumentHeader(const DocumentFields& window, db::Recordset& documents, const DocumentWindowState& state)
{
    if (!SeesCommissions(vorna::state().session))
        return false;
    const bool newRow = documents.editMode() == db::Recordset::EditMode::Add;
    try {
        for (const DocumentField& f : window.fields)
            writeField(f, documents, state, newRow);
        documents.Update();
    } catch (...) {
        documents.CancelUpdate();
        throw;
    }
    return true;
}

double SumReceivedCommission(const QString& documentNumber, db::Recordset& instalments, DocumentWindowState& state)
{
    state.ReceivedCommission = 0.0;
    // A document number is digits only; anything else names no instalments.
    const std::optional<QString> number = db::wholeNumber(documentNumber);
    if (!number)
        return 0.0;
    instalments.FindFirst(QStringLiteral("PROPOSTA = ") + *number);
    if (instalments.NoMatch())
        return 0.0;
    const double document = number->toDouble();
    const QString ownerField = QStringLiteral("PROPOSTA"), dateField = QStringLiteral("DP1"),
                  valueField = QStringLiteral("VP1");
    // The fields the walk reads are asked for on the first row, so that the
    // rows after it come in one read carrying them.
    instalments.field(ownerField);
    instalments.ReadAhead(MaxInstalments - 1);
    for (int visited = 1;; ++visited) {
        const Variant received = instalments.field(dateField);
        const Variant value = instalments.field(valueField);
        if (!received.isNull() && !received.isEmpty() && !value.isNull() && !value.isEmpty())
            state.ReceivedCommission += value.toDouble();
        if (visited == MaxInstalments)
            break;
        instalments.MoveNext();
        if (instalments.EOF())
            break;
        const Variant owner = instalments.field(ownerField);
        if (owner.isNull() || owner.isEmpty() || owner.toDouble() != document)
            break;
    }
    return state.ReceivedCommission;
}

}  // namespace vorna::documents
