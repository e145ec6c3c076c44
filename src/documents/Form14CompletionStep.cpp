// "Finaliza Gravação" of the instalment panel: the values checked against the
// gross premium, the writer chosen, and the document handed to the
// insured-item window, which this program does not have.
#include "documents/Form14.h"
#include "documents/InstalmentPanel.h"

#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/RecordWindowPatternFields.h"
#include "common/ToolbarHoverCaptions.h"
#include "documents/instalments/NumberConventions.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"

#include <cmath>

namespace vorna::documents {

namespace {

const QString SumDiffers = QStringLiteral("VALOR DA SOMA DAS PARCELAS DIFERENTE DO VALOR DO PRÊMIO BRUTO");
const QString DocumentAdded = QStringLiteral("Documento Cadastrado com Codigo: ");
const QString NothingWillChange =
    QStringLiteral("ATENÇÃO: NENHUM DADO SERÁ ALTERADO! SUA SENHA NÃO PERMITE ACESSO A ESTE MÓDULO!");
const QString ItemQuestion = QStringLiteral("Você deseja CONSULTAR/ALTERAR o ítem segurado?");

enum class ItemGroup { Vehicle, MultiRisk, LifeAndHealth, Other };

// The insured-item window of a line of business; 712 is multi-risk only for a
// stored document.
ItemGroup itemGroupOf(const QString& line, bool newDocument)
{
    const auto among = [&line](std::initializer_list<const char*> codes) {
        for (const char* code : codes)
            if (line == QLatin1String(code))
                return true;
        return false;
    };
    if (among({"311", "312", "313"}))
        return ItemGroup::Vehicle;
    if (among({"711", "761", "762", "546"}) || (!newDocument && line == u"712"))
        return ItemGroup::MultiRisk;
    if (among({"871", "872", "811", "812", "911", "912", "913", "914", "916"}))
        return ItemGroup::LifeAndHealth;
    return ItemGroup::Other;
}

void zeroWhenEmpty(QWidget* box)
{
    if (record::boxText(box).isEmpty())
        record::setBoxText(box, QStringLiteral("0"));
}

}  // namespace

void Form14::Command3D17_MouseMove()
{
    if (ToolbarHoverCaptions* captions = ToolbarHoverCaptions::of(this))
        captions->showFor(ui->Command3D17);
}

void Form14::Frame3D16_MouseMove() { ui->Label39->setVisible(false); }

void Form14::ZeroEmptyCommissionColumn()
{
    for (int k = 1; k <= 12; ++k)
        zeroWhenEmpty(panel::commissionBox(this, k));
}

void Form14::ZeroEmptyRepasseColumn()
{
    for (int k = 1; k <= 12; ++k)
        zeroWhenEmpty(panel::passOnBox(this, k));
}

// Any failure, in the step or in a writer, leaves no row of the writer
// stored: the write-failure box tells the user, and the window is cleared.
void Form14::Command3D17_Click()
{
    ProgramState& program = vorna::state();
    instalments::InstalmentValues& values = values_.Instalments;
    bool newDocument = false;
    Variant number;  // PROPOSTA of the document the header save just added
    try {
        for (int k = 1; k <= 12; ++k)
            zeroWhenEmpty(panel::valueBox(this, k));
        double sum = 0.0;
        for (int k = 1; k <= 12; ++k)
            sum += instalments::numberOf(record::boxText(panel::valueBox(this, k)));
        if (sum != 0.0 && std::abs(sum - instalments::numberOf(record::boxText(ui->MaskEdBox5))) > 1)
            msg::notice(SumDiffers);

        if (values_.SaveMode == 1 || values_.SaveMode == 3) {
            ZeroEmptyCommissionColumn();
            ZeroEmptyRepasseColumn();
        }
        // An untouched due-date box holds no date: its prompt characters are not kept.
        for (int k = 1; k <= 12; ++k) {
            ui::MaskEdBox* due = panel::dueBox(this, k);
            values.CapturedDueDates[k - 1] = record::boxIsEmpty(due) ? QString() : due->Text();
        }
        for (int k = 0; k < 12; ++k)
            values.InstalmentDueDates[k] = Variant(values.CapturedDueDates[k]);
        values.SameCountFlag = 0;
        if (!rt::Trim(ui->Text23->text()).isEmpty())
            program.handOver.ReturnDocumentBranch = instalments::wholeOf(ui->Text23->text());

        if (values_.SaveMode == 1) {
            newDocument = true;
            // Read first: a failure here leaves no row written.
            number = recordsets_->DOCUMENTOS.field(QStringLiteral("PROPOSTA"));
            const long long shown = rt::CLng(number);
            program.document.OperationMarker = Variant(QStringLiteral("1"));
            InsertDocumentInstalments();
            msg::newRecordNumber(DocumentAdded, shown, msg::TitleNewClient);
        } else if (values_.SaveMode == 3) {
            WriteNewInstalments();
        } else if (!program.session.hasRight(Right::ACD) || !program.session.right(Right::OCU).isString() ||
                   program.session.right(Right::OCU).stringValue() != u"N") {
            msg::refusedByRight(NothingWillChange);
        } else if (instalments::wholeOf(ui->Text20->text()) != values_.LoadedInstalmentCount) {
            // Series left by a computation for another document would be stored
            // on this one: computed again first, the typed due dates kept.
            if (values.SeriesDocumentNumber != documentNumber()) {
                values.SameCountFlag = 1;
                PrepareInstalmentArrays();
                for (int k = 0; k < 12; ++k)
                    values.InstalmentDueDates[k] = Variant(values.CapturedDueDates[k]);
                values.SameCountFlag = 0;
            }
            RewriteStoredInstalments();
        } else {
            values.SameCountFlag = 1;
            UpdateInstalmentsSameCount();
        }
    } catch (const EngineError& failure) {
        recordsets_->PARCELAS.CancelUpdate();
        ClearDocumentForm();
        msg::writeFailure(failure.number(), failure.text() + QStringLiteral(": "));
        return;
    }
    if (newDocument) {
        Variant& marker = program.document.OperationMarker;
        const bool policyNumber = !rt::Trim(ui->Text2->text()).isEmpty();
        const QString type = ui->Combo2->Text();
        if (type == u"ENDOSSO")
            marker = Variant(QString::fromLatin1(policyNumber ? "2" : "0"));
        else
            marker = Variant(QStringLiteral("1"));
        program.handOver.PassedRecordName = ui->Combo5->Text();
        program.handOver.HandOverDocumentKind = QStringLiteral("1");
        if (rt::CStr(marker) == u"1") {
            program.handOver.PassedRecordCode = number;
        } else {
            program.handOver.PassedRecordCode = Variant(values_.PrefillPolicyNumber);
            program.handOver.HandOverDocumentNumber = number;
            program.handOver.HandOverDocumentKind = QStringLiteral("2");
        }
        values_.SaveMode = 0;
        program.handOver.HandOverLineName = ui->Combo3->Text();
        for (QWidget* button : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D15, ui->Command3D13,
                                                               ui->Command3D20})
            button->setEnabled(false);
        if (rt::CStr(marker) == u"0") {
            ClearDocumentForm();
            return;
        }
        openItemWindow(true);
        return;
    }
    finishStoredDocument();
}

void Form14::finishStoredDocument()
{
    HandOver& handOver = vorna::state().handOver;
    const QString number = ui->Text1->text();
    if (!rt::Trim(ui->Text2->text()).isEmpty() && ui->Combo2->Text() == u"ENDOSSO") {
        handOver.HandOverDocumentKind = QStringLiteral("2");
        handOver.PassedRecordCode = Variant(vorna::state().document.SourceDocumentNumber);
    } else {
        handOver.HandOverDocumentKind = QStringLiteral("1");
        handOver.PassedRecordCode = Variant(number);
    }
    vorna::state().document.OperationMarker = Variant(QStringLiteral("2"));
    handOver.PassedRecordName = ui->Combo5->Text();
    handOver.HandOverLineName = ui->Combo3->Text();
    handOver.HandOverDocumentNumber = Variant(number);
    for (QWidget* button : std::initializer_list<QWidget*>{ui->Command3D3, ui->Command3D13, ui->Command3D15})
        button->setEnabled(false);
    ui->Frame3D16->setVisible(false);
    values_.SaveMode = 0;
    if (dlg::MsgBox(ItemQuestion, dlg::Buttons::YesNo, msg::TitleAttention) != dlg::Answer::Yes) {
        ClearDocumentForm();
        return;
    }
    openItemWindow(false);
}

// The item windows are not part of this program: the hand-over values stay
// for them, and the document window closes, cleared, as it would for one.
void Form14::openItemWindow(bool newDocument)
{
    const QString line = ui->Text4->text();
    if (itemGroupOf(line, newDocument) == ItemGroup::LifeAndHealth)
        vorna::state().handOver.HandOverCode = Variant(line);
    ClearDocumentForm();
    Unload();
}

}  // namespace vorna::documents
