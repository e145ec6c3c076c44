#include "documents/DocumentFields.h"
#include "documents/DocumentRecord.h"
#include "documents/Form14.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "platform/database/CriteriaText.h"
#include "platform/runtime/Runtime.h"

#include <QTimer>

namespace vorna::documents {

namespace {

const QString OwnerWithoutPassword = QStringLiteral("WENDOLK");
const QString ClientCodeMissing = QStringLiteral("NÃO ESTÁ PREENCHIDO O CÓDIGO DO CLIENTE!");

// The first row meeting "<field> = <code>[ AND <more>]"; a code that is no
// whole number, which the engine could not read, counts as not found.
bool findByCode(db::Recordset& rs, const QString& field, const QString& code, const QString& more = {})
{
    const std::optional<QString> number = db::wholeNumber(code);
    if (!number)
        return false;
    QString criteria = field + QStringLiteral(" = ") + *number;
    if (!more.isEmpty())
        criteria += QStringLiteral(" AND ") + more;
    rs.FindFirst(criteria);
    return !rs.NoMatch();
}

}  // namespace

// The owner: the first producer of the document's first producer code, in
// any branch.
Variant Form14::OwnerOfCurrentDocument()
{
    DocumentRecordsets& rs = *recordsets_;
    const Variant firstProducer = rs.DOCUMENTOS.field(QStringLiteral("PROD1"));
    if (!firstProducer.isNull() && findByCode(rs.PRODUTOR, QStringLiteral("CODIGO"), rt::CStr(firstProducer))) {
        const Variant password = rs.PRODUTOR.field(QStringLiteral("SENHA"));
        return password.isNull() ? Variant(OwnerWithoutPassword) : password;
    }
    return Variant(QStringLiteral(" "));
}

bool Form14::ViewingRulesAllow(const Variant& owner)
{
    const Session& session = vorna::state().session;
    if (!session.hasRight(Right::CCD)) {
        msg::refusedByRight();
        return false;
    }
    if (session.AccessLevelWord == level::Minimum && owner != session.UserIdentification) {
        msg::refusedByOwner();
        return false;
    }
    return true;
}

DocumentFields& Form14::fieldTable()
{
    ensureLoaded();
    if (!fields_)
        ownUntilUnload(fields_, std::make_unique<DocumentFields>(*ui));
    return *fields_;
}

bool WriteDocumentHeader(Form14& window, db::Recordset& documents, const DocumentWindowState& state)
{
    return WriteDocumentHeader(window.fieldTable(), documents, state);
}

// An engine error met on the way says so; the show has left the window clear.
void Form14::ShowDocument()
{
    try {
        ShowDocumentRow();
    } catch (const EngineError& e) {
        msg::notice(QStringLiteral("%1 (%2)").arg(e.text(), QString::number(e.number())));
    }
}

// A show stopped midway (a look-up whose table another workstation holds or
// dropped) takes the part already shown off the window again, with the buttons
// that act on a shown document: "Avançar e Gravar" could otherwise store the
// half-shown document over the stored one. The failure goes on to the caller.
void Form14::ShowDocumentRow()
{
    try {
        ClearDocumentForm();
        DocumentRecordsets& rs = *recordsets_;
        ProgramState& program = vorna::state();
        Session& session = program.session;

        session.DocumentOwner = OwnerOfCurrentDocument();
        if (!ViewingRulesAllow(session.DocumentOwner))
            return;

        for (QWidget* button : {static_cast<QWidget*>(ui->Command3D1), static_cast<QWidget*>(ui->Command3D2),
                                static_cast<QWidget*>(ui->Command3D3), static_cast<QWidget*>(ui->Command3D4),
                                static_cast<QWidget*>(ui->Command3D5), static_cast<QWidget*>(ui->Command3D13),
                                static_cast<QWidget*>(ui->Command3D14), static_cast<QWidget*>(ui->Command3D15),
                                static_cast<QWidget*>(ui->Command3D20), static_cast<QWidget*>(ui->Command3D22),
                                static_cast<QWidget*>(ui->Command3D16), static_cast<QWidget*>(ui->Command3D11)})
            button->setEnabled(true);

        const bool commissionsHidden = session.AccessLevelWord == level::Minimum || session.hasRight(Right::OCU);
        PutDocumentFields(fieldTable(), rs.DOCUMENTOS, values_,
                          commissionsHidden ? CommissionView::Hidden : CommissionView::Shown);

        // Producer names of the document's branch.
        struct Slot {
            ui::TextBox* code;
            ui::PickList* name;
        };
        const Slot producerSlots[] = {{ui->Text18, ui->Combo8}, {ui->Text25, ui->Combo9}, {ui->Text26, ui->Combo10},
                              {ui->Text32, ui->Combo18}, {ui->Text33, ui->Combo19}};
        const QString branch = db::wholeNumber(ui->Text23->text()).value_or(QString());
        for (int n = 0; n < 5; ++n) {
            const QString code = rt::Trim(producerSlots[n].code->text());
            if (code.isEmpty() || branch.isEmpty() ||
                !findByCode(rs.PRODUTOR, QStringLiteral("CODIGO"), code, QStringLiteral("FILIAL = ") + branch))
                continue;
            const Variant name = rs.PRODUTOR.field(QStringLiteral("NOME"));
            if (name.isNull())
                continue;
            producerSlots[n].name->setText(rt::CStr(name));
            if (n < 4)
                values_.ProducerNameBeforeEdit[size_t(n)] = name;
            else
                values_.ProducerNameBeforeEdit5 = rt::CStr(name);
        }

        // The affinity group's name.
        if (findByCode(rs.GRUPO, QStringLiteral("CODIGO"), rt::Trim(ui->Text8->text()))) {
            const Variant name = rs.GRUPO.field(QStringLiteral("NOME"));
            if (!name.isNull())
                ui->Combo14->setText(rt::CStr(name));
        }

        // The client table on the document's client.
        const QString client = rt::Trim(ui->Text9->text());
        if (client.isEmpty())
            msg::notice(ClientCodeMissing);
        else
            findByCode(rs.CLIENTES, QStringLiteral("CODIGO"), client,
                       QStringLiteral("FILIAL = ") + QString::number(values_.ClientBranch));

        // A claim on the policy: the last one gives the process number.
        if (!rt::Trim(ui->Text2->text()).isEmpty()) {
            rs.SINISTRO.FindLast(ClaimCriteria(ui->Text2->text()));
            if (!rs.SINISTRO.NoMatch()) {
                Timer1->start();
                ui->Command3->setVisible(true);
                program.document.ClaimProcessNumber = rt::CLng(rs.SINISTRO.field(QStringLiteral("PROCESSO")));
            }
        }

        const double received = SumReceivedCommission(ui->Text1->text(), rs.PARCELAS, values_);
        const QString commissionText = rt::Trim(ui->MaskEdBox11->Text());
        const double commission = commissionText.isEmpty() ? 0.0 : rt::CDbl(Variant(commissionText));
        ui->MaskEdBox83->setText(rt::CStr(Variant(commission - received)));
    } catch (...) {
        ClearDocumentForm();
        for (QWidget* button : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D13, ui->Command3D11,
                                                               ui->Command3D15, ui->Command3D16, ui->Command3D20,
                                                               ui->Command3D22})
            button->setEnabled(false);
        throw;
    }
}

}  // namespace vorna::documents
