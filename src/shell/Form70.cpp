#include "shell/Form70.h"

#include "common/AppFolder.h"
#include "common/DateCheck.h"
#include "common/KeyFilters.h"
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/runtime/Runtime.h"

#include <QPainter>
#include <QPainterPath>

namespace vorna {

namespace {

struct PeriodReport {
    int selector;
    const char* caption;
    const char* numberPrompt;  // nullptr: the report asks for no number
    const char* reportFile;
};

const PeriodReport PeriodReports[] = {
    {caller::PendingPaymentsReport, "Pagamentos Pendentes por Período", nullptr, "\\RELPEN.RPT"},
    {caller::PaidProceduresReport, "Pagamentos por Período", nullptr, "\\RELPAG.RPT"},
    {caller::IncludedEventsReport, "Eventos por Período", nullptr, "\\RELEVE.RPT"},
    {caller::DeniedEventsReport, "Eventos Negados por Período", nullptr, "\\RELNEG.RPT"},
    {caller::EventsByPolicyReport, "Eventos por Apólice por Período", "Qual Apólice?", "\\RELAPO.RPT"},
    {caller::EventsByCardReport, "Eventos por Cartão por Período", "Qual Cartão?", "\\RELCAR.RPT"},
};

const PeriodReport* periodReport(const Variant& selector)
{
    for (const PeriodReport& r : PeriodReports) {
        if (selector == Variant(r.selector))
            return &r;
    }
    return nullptr;
}

// A date part as the reports take it: the number its leading digits form, 0
// when it begins with no digit ("05" 5, "3_" 3, "__" 0).
QString datePart(const QString& text, int from, int length)
{
    qint64 number = 0;
    for (QChar ch : rt::Mid(text, from, length)) {
        if (ch < u'0' || ch > u'9')
            break;
        number = number * 10 + (ch.unicode() - u'0');
    }
    return QString::number(number);
}

// The pictures of the two buttons.
QIcon printerPicture()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 5, 20, 14));                        // paper in
    p.setBrush(QColor(96, 110, 128));
    p.drawRoundedRect(QRectF(5, 17, 38, 17), 3, 3);           // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 29, 24, 15));                       // paper out
    p.setPen(QPen(QColor(40, 90, 160), 1.5));
    for (int y : {34, 38})
        p.drawLine(QPointF(15, y), QPointF(33, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 210, 90));
    p.drawEllipse(QPointF(37, 22), 2, 2);
    return QIcon(pixmap);
}

QIcon closePicture()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(QColor(160, 110, 60));
    p.drawRect(QRectF(8, 5, 22, 38));                         // door
    p.setBrush(QColor(230, 190, 80));
    p.drawEllipse(QPointF(25, 25), 2, 2);                     // handle
    QPainterPath arrow;
    arrow.moveTo(24, 21);
    arrow.lineTo(34, 21);
    arrow.lineTo(34, 15);
    arrow.lineTo(45, 25);
    arrow.lineTo(34, 35);
    arrow.lineTo(34, 29);
    arrow.lineTo(24, 29);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(120, 20, 20), 1.2));
    p.setBrush(QColor(200, 40, 40));
    p.drawPath(arrow);
    return QIcon(pixmap);
}

}  // namespace

namespace shell {

Form70::Form70()
{
    setObjectName(QStringLiteral("Form70"));
    setFixedWithoutCloseBox();
    setWindowFlag(Qt::Tool);  // no task-bar entry
}

void Form70::connectControls()
{
    ui->Command3D2->setIcon(printerPicture());
    ui->Command3D1->setIcon(closePicture());
    for (QPushButton* button : {static_cast<QPushButton*>(ui->Command3D2), static_cast<QPushButton*>(ui->Command3D1)})
        button->setIconSize(button->size() - QSize(8, 6));

    // The dialog opens with the focus in the start date: typing begins at its first position.
    ui->MaskEdBox1->setCursorPosition(0);
    attachDateCheck(ui->MaskEdBox1);
    attachDateCheck(ui->MaskEdBox2);
    KeyFilters::attach(ui->Text1, KeyFilters::CodeKeys);
    ui::on(ui->Command3D2).Click(this, &Form70::Command3D2_Click);
    ui::on(ui->Command3D1).Click(this, &Form70::Command3D1_Click);
}

// The caption and the number box follow the selector the dialog was opened with.
void Form70::Form_Load()
{
    const PeriodReport* report = periodReport(vorna::state().handOver.CallerCode);
    if (!report)
        return;
    setWindowTitle(QString::fromUtf8(report->caption));
    if (report->numberPrompt) {
        ui->Label1->setText(QString::fromUtf8(report->numberPrompt));
        ui->Label1->setVisible(true);
        ui->Text1->setVisible(true);
    }
}

void Form70::Command3D2_Click()
{
    if (ui->MaskEdBox1->ClipText().isEmpty() || ui->MaskEdBox2->ClipText().isEmpty())
        return;
    const Variant& selector = vorna::state().handOver.CallerCode;
    const bool byNumber = selector == Variant(caller::EventsByPolicyReport)
                          || selector == Variant(caller::EventsByCardReport);
    if (byNumber && rt::Trim(ui->Text1->text()).isEmpty())
        return;

    const QString start = ui->MaskEdBox1->Text();
    const QString end = ui->MaskEdBox2->Text();
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.reset();
    rpt.setFormulas(0, QStringLiteral("D1 = ") + datePart(start, 1, 2));
    rpt.setFormulas(1, QStringLiteral("M1 = ") + datePart(start, 4, 2));
    rpt.setFormulas(2, QStringLiteral("A1 = ") + datePart(start, 7, 4));
    rpt.setFormulas(3, QStringLiteral("D2 = ") + datePart(end, 1, 2));
    rpt.setFormulas(4, QStringLiteral("M2 = ") + datePart(end, 4, 2));
    rpt.setFormulas(5, QStringLiteral("A2 = ") + datePart(end, 7, 4));
    // The card number goes into APOL as well.
    if (byNumber)
        rpt.setFormulas(6, QStringLiteral("APOL = '") + ui->Text1->text() + u'\'');
    if (const PeriodReport* report = periodReport(selector))
        rpt.setReportFileName(appFolder() + QString::fromUtf8(report->reportFile));
    rpt.setAction(1);
}

void Form70::Command3D1_Click()
{
    windows::Form2().Enable();
    Unload();
}

}  // namespace shell

ui::Window& windows::Form70() { return ui::windowRef<shell::Form70>(); }

}  // namespace vorna
