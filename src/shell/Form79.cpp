#include "shell/Form79.h"

#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/runtime/Runtime.h"
#include "shell/ProgramEnd.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vorna {

namespace {

// A count the main menu could not take is shown as 0.
void zeroWhenBlank(Variant& count)
{
    if (count.isEmpty() || (count.isString() && rt::Trim(count.stringValue()).isEmpty()))
        count = Variant(0);
}

QString countText(const Variant& count) { return count.isNull() ? QString() : rt::CStr(count); }

// A database drum with a circling arrow, drawn faintly behind the reminder.
void paintBackupEmblem(QPainter& p, const QPointF& centre, double radius)
{
    p.save();
    const double w = radius * 0.95;
    const double disc = radius * 0.22;
    p.setPen(QPen(QColor(255, 255, 255, 60), 2));
    for (int i = 2; i >= 0; --i) {
        const double top = centre.y() - radius * 0.55 + i * radius * 0.36;
        QPainterPath drum;
        drum.moveTo(centre.x() - w / 2, top);
        drum.lineTo(centre.x() - w / 2, top + radius * 0.30);
        drum.arcTo(QRectF(centre.x() - w / 2, top + radius * 0.30 - disc / 2, w, disc), 180, 180);
        drum.lineTo(centre.x() + w / 2, top);
        p.setBrush(QColor(255, 255, 255, 22 + i * 6));
        p.drawPath(drum);
        p.drawEllipse(QRectF(centre.x() - w / 2, top - disc / 2, w, disc));
    }
    QPen arc(QColor(255, 210, 80, 120), radius * 0.07, Qt::SolidLine, Qt::RoundCap);
    p.setPen(arc);
    p.setBrush(Qt::NoBrush);
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const int startDegrees = 110;
    const int spanDegrees = 290;
    p.drawArc(ring, startDegrees * 16, spanDegrees * 16);
    // The arrow head at the arc's end, along the way the arc turns.
    const double angle = (startDegrees + spanDegrees) * M_PI / 180.0;
    const QPointF end(centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle));
    const QPointF along(-std::sin(angle), -std::cos(angle));
    const QPointF outward(std::cos(angle), -std::sin(angle));
    const double s = radius * 0.20;
    QPainterPath head;
    head.moveTo(end + along * s);
    head.lineTo(end - along * (s * 0.3) + outward * (s * 0.75));
    head.lineTo(end - along * (s * 0.3) - outward * (s * 0.75));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 80, 150));
    p.drawPath(head);
    p.restore();
}

}  // namespace

namespace shell {

Form79::Form79()
{
    setObjectName(QStringLiteral("Form79"));
    setFixedWithoutCloseBox();
    setWindowFlag(Qt::Tool);  // no task-bar entry
}

void Form79::connectControls()
{
    QFont countFont = ui->Label1->font();
    countFont.setPointSizeF(13.5);
    ui->Label1->setFont(countFont);
    ui::on(ui->Command1).Click(this, &Form79::Command1_Click);
}

void Form79::Form_Load()
{
    ProgramState& s = vorna::state();
    zeroWhenBlank(s.ClientCount);
    zeroWhenBlank(s.DocumentCount);
    ui->Label1->setText(QStringLiteral("CLIENTES: ") + countText(s.ClientCount)
                        + QStringLiteral("    -    APÓLICES E ENDOSSOS: ") + countText(s.DocumentCount));
}

// Ends at once: windows still open close without their unload steps.
void Form79::Command1_Click() { EndProgram(); }

void Form79::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    QLinearGradient sky(0, 0, 0, area.height());
    sky.setColorAt(0.0, QColor(28, 36, 52));
    sky.setColorAt(0.5, QColor(44, 24, 30));
    sky.setColorAt(1.0, QColor(18, 14, 20));
    p.fillRect(area, sky);

    QRadialGradient glow(QPointF(area.width() / 2, area.height() * 0.55), area.width() * 0.45);
    glow.setColorAt(0.0, QColor(200, 60, 40, 90));
    glow.setColorAt(1.0, QColor(200, 60, 40, 0));
    p.fillRect(area, glow);

    paintBackupEmblem(p, QPointF(area.width() / 2, area.height() * 0.385), area.height() * 0.105);
}

}  // namespace shell

ui::Window& windows::Form79() { return ui::windowRef<shell::Form79>(); }

}  // namespace vorna
