#include "shell/Form2.h"

#include "common/AppFolder.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/Twips.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/runtime/Runtime.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <cmath>

namespace vorna {

namespace {

const QString TitlePrefix = QStringLiteral("MERIDALVO 2016.06 - 64 bits - ");

// Texts of the gates.
const QString NoModuleAccess = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE ACESSAR ESTE MÓDULO");
const QString NoAccessAtAll = QStringLiteral("DESCULPE, MAS VOCÊ NÃO TEM ACESSO!");
const QString LevelCodesAtLevel3 = QStringLiteral("DESCULPE, MAS SUA PIADA É MUITO BOA, AH AH AH");
const QString LevelCodesAtLevel2 = QStringLiteral("DESCULPE, AINDA FALTA MUITO ARROZ E FEIJÃO!");
const QString ParametersBelowLevel1 = QStringLiteral("VOCÊ NÃO POSSUI PERMISSÃO!");

bool atLevel2() { return vorna::state().session.AccessLevelWord == level::Medium; }
bool atLevel3() { return vorna::state().session.AccessLevelWord == level::Minimum; }

// A level gate: at the levels it names the text is shown under "ATENÇÃO!" and
// the item does nothing more. Any other level word passes.
bool refused(bool byLevel, const QString& text)
{
    if (byLevel)
        msg::refusedByLevel(text);
    return byLevel;
}
bool refusedAtLevels2And3(const QString& text) { return refused(atLevel2() || atLevel3(), text); }

// The shield with a cross of the window's icon and background.
QPainterPath shieldPath(const QRectF& r)
{
    QPainterPath p;
    const double w = r.width();
    const double h = r.height();
    p.moveTo(r.left() + w / 2, r.top());
    p.cubicTo(r.left() + w * 0.70, r.top() + h * 0.09, r.left() + w * 0.86, r.top() + h * 0.11, r.right(),
              r.top() + h * 0.12);
    p.cubicTo(r.right(), r.top() + h * 0.55, r.left() + w * 0.84, r.top() + h * 0.82, r.left() + w / 2, r.bottom());
    p.cubicTo(r.left() + w * 0.16, r.top() + h * 0.82, r.left(), r.top() + h * 0.55, r.left(), r.top() + h * 0.12);
    p.cubicTo(r.left() + w * 0.14, r.top() + h * 0.11, r.left() + w * 0.30, r.top() + h * 0.09, r.left() + w / 2,
              r.top());
    p.closeSubpath();
    return p;
}

QPainterPath crossPath(const QPointF& centre, double size)
{
    const double arm = size / 2;
    const double half = size / 6;
    QPainterPath upright;
    upright.addRoundedRect(QRectF(centre.x() - half, centre.y() - arm, 2 * half, 2 * arm), half / 3, half / 3);
    QPainterPath across;
    across.addRoundedRect(QRectF(centre.x() - arm, centre.y() - half, 2 * arm, 2 * half), half / 3, half / 3);
    return upright.united(across);
}

void paintEmblem(QPainter& p, const QRectF& r, double opacity)
{
    p.save();
    p.setOpacity(opacity);
    const QPainterPath shield = shieldPath(r);
    QLinearGradient fill(r.topLeft(), r.bottomRight());
    fill.setColorAt(0, QColor(255, 255, 255, 70));
    fill.setColorAt(1, QColor(120, 200, 230, 25));
    p.setPen(QPen(QColor(255, 255, 255, 150), std::max(1.5, r.width() / 60)));
    p.setBrush(fill);
    p.drawPath(shield);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawPath(crossPath(QPointF(r.center().x(), r.top() + r.height() * 0.45), r.width() * 0.46));
    p.restore();
}

QIcon menuIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(8, 4, 48, 56);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(31, 97, 141));
    fill.setColorAt(1, QColor(11, 37, 69));
    p.setPen(QPen(QColor(230, 240, 248), 2));
    p.setBrush(fill);
    p.drawPath(shieldPath(r));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(crossPath(QPointF(32, 29), 24));
    return QIcon(pixmap);
}

}  // namespace

namespace shell {

Form2::Form2()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowIcon(menuIcon());
}

void Form2::connectControls()
{
    // The menu bar stands above the client area.
    resize(ui::twips(15240), ui::twips(10335) + ui->MenuBar->sizeHint().height());

    const auto onClick = [this](QAction* item, void (Form2::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] { ui::runGuarded([this, handler] { (this->*handler)(); }); });
    };
    onClick(ui->menu23, &Form2::menu23_Click);
    onClick(ui->menu14, &Form2::menu14_Click);
    onClick(ui->menu25, &Form2::menu25_Click);
    onClick(ui->menu11, &Form2::menu11_Click);
    onClick(ui->menupro, &Form2::menupro_Click);
    onClick(ui->menu26, &Form2::menu26_Click);
    onClick(ui->menu27, &Form2::menu27_Click);
    onClick(ui->menu31, &Form2::menu31_Click);
    onClick(ui->menu326, &Form2::menu326_Click);
    onClick(ui->menu3261, &Form2::menu3261_Click);
    onClick(ui->menu3262, &Form2::menu3262_Click);
    onClick(ui->menu327, &Form2::menu327_Click);
    onClick(ui->menuapor, &Form2::menuapor_Click);
    onClick(ui->menucart, &Form2::menucart_Click);
    onClick(ui->menu44, &Form2::menu44_Click);
    onClick(ui->menu42, &Form2::menu42_Click);
    onClick(ui->menu41, &Form2::menu41_Click);
    onClick(ui->menu47, &Form2::menu47_Click);
    onClick(ui->menu46, &Form2::menu46_Click);
    onClick(ui->menu49, &Form2::menu49_Click);
    onClick(ui->menu511, &Form2::menu511_Click);
    onClick(ui->menu0, &Form2::menu0_Click);

    // The clock runs from the moment the window loads.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { ui::runGuarded([this] { Timer1_Timer(); }); });
    Timer1->start();

    ui::on(ui->Text12).LostFocus(this, &Form2::Text12_LostFocus);

    placeControls();
}

void Form2::Form_Load()
{
    ProgramState& s = vorna::state();
    setWindowTitle(TitlePrefix + s.settings.CompanyName + QStringLiteral("  -   Usuário: ") + s.session.UserDisplayName);
    labelsTable_ = s.MainDatabase.openRecordset(QStringLiteral("TMPETI"));
    clientsTable_ = s.MainDatabase.openRecordset(QStringLiteral("CLIENTES"));
    documentsTable_ = s.MainDatabase.openRecordset(QStringLiteral("DOCUMENTOS"));
    s.handOver.SecondCallerCode = Variant(0);
    MenuPasswordAction_ = 0;
    TotalsClientCode = 0;
}

// However the main menu goes (its "Sair", its close box), the counts are taken
// and the backup reminder shown.
void Form2::Form_Unload()
{
    if (Timer1)
        Timer1->stop();
    LeaveMainMenu();
    labelsTable_ = {};
    clientsTable_ = {};
    documentsTable_ = {};
}

void Form2::closeEvent(QCloseEvent* event)
{
    // While the period report dialog holds it disabled, its close box does nothing.
    if (!isEnabled() && event->spontaneous()) {
        event->ignore();
        return;
    }
    ui::Window::closeEvent(event);
}

// ---- Cadastros

void Form2::menu23_Click()
{
    if (refusedAtLevels2And3(NoModuleAccess))
        return;
    windows::Form7().Show();
}

void Form2::menu14_Click()
{
    if (refused(atLevel3(), msg::NoAccessToModule))
        return;
    windows::Form5().Show();
}

void Form2::menu25_Click() { windows::Form14().Show(); }

void Form2::menu11_Click() { windows::Form4().Show(); }

void Form2::menupro_Click()
{
    if (refusedAtLevels2And3(NoModuleAccess))
        return;
    windows::Form6().Show();
}

void Form2::menu26_Click() { windows::Form55().Show(); }

void Form2::menu27_Click()
{
    if (refusedAtLevels2And3(NoModuleAccess))
        return;
    windows::Form43().Show();
}

// ---- Relatórios

void Form2::menu31_Click()
{
    if (refusedAtLevels2And3(NoModuleAccess))
        return;
    report::ReportControl& rpt = *ui->CrystalReport1;
    rpt.reset();
    rpt.setReportFileName(appFolder() + QStringLiteral("\\RELSEG.RPT"));
    rpt.setSelectionFormula(QString());
    rpt.setAction(1);
}

void Form2::menu326_Click()
{
    if (refusedAtLevels2And3(NoModuleAccess))
        return;
    OpenPeriodReport(caller::PendingPaymentsReport);
}

void Form2::menu3261_Click() { OpenPeriodReport(caller::PaidProceduresReport); }
void Form2::menu3262_Click() { OpenPeriodReport(caller::IncludedEventsReport); }
void Form2::menu327_Click() { OpenPeriodReport(caller::DeniedEventsReport); }
void Form2::menuapor_Click() { OpenPeriodReport(caller::EventsByPolicyReport); }
void Form2::menucart_Click() { OpenPeriodReport(caller::EventsByCardReport); }

// The dialog reads the selector when it loads and when it runs; the main menu
// waits, disabled, until the dialog's close button.
void Form2::OpenPeriodReport(int selector)
{
    vorna::state().handOver.CallerCode = Variant(selector);
    windows::Form70().Show();
    Disable();
}

// ---- Operações

void Form2::menu44_Click() { windows::Form54().Show(); }
void Form2::menu42_Click() { windows::Form11().Show(); }
void Form2::menu41_Click() { windows::Form10().Show(); }

void Form2::menu47_Click()
{
    if (!vorna::state().session.hasRight(Right::ACW)) {
        msg::refusedByRight();
        return;
    }
    if (refused(atLevel3(), LevelCodesAtLevel3) || refused(atLevel2(), LevelCodesAtLevel2))
        return;
    windows::Form53().Show();
}

void Form2::menu46_Click()
{
    if (refusedAtLevels2And3(NoAccessAtAll))
        return;
    windows::Form95().Show();
}

void Form2::menu49_Click()
{
    if (!vorna::state().session.hasRight(Right::ACW)) {
        msg::refusedByRight();
        return;
    }
    if (refusedAtLevels2And3(ParametersBelowLevel1))
        return;
    windows::Form42().Show();
}

// ---- Funções Especiais: nothing reads what the dialog chose; prints go to it.

void Form2::menu511_Click() { dlg::dialogs().choosePrinter(this); }

// ---- Sair

void Form2::menu0_Click()
{
    LeaveMainMenu();
    Unload();
}

void Form2::LeaveMainMenu()
{
    ProgramState& s = vorna::state();
    try {
        clientsTable_.MoveLast();
        s.ClientCount = Variant(int32_t(clientsTable_.RecordCount()));
        documentsTable_.MoveLast();
        s.DocumentCount = Variant(int32_t(documentsTable_.RecordCount()));
    } catch (const std::exception&) {
        // An empty table has no last row: the reminder shows the counts as they stand.
    }
    windows::Form79().Show();
}

void Form2::Timer1_Timer()
{
    if (!ui)
        return;
    ui->Label3->setText(rt::CStr(rt::Time()));
    ui->Label1->setText(rt::CStr(rt::Date()));
}

// ---- Layout and background

void Form2::placeControls()
{
    if (!ui)
        return;
    ui->MenuBar->setGeometry(0, 0, width(), ui->MenuBar->sizeHint().height());
    const int bottom = height() - ui::twips(180);
    ui->Label1->move(ui::twips(120), bottom - ui->Label1->height());
    ui->Label3->move(ui->Label1->geometry().right() + ui::twips(120), bottom - ui->Label3->height());
}

void Form2::resizeEvent(QResizeEvent* event)
{
    ui::Window::resizeEvent(event);
    placeControls();
}

void Form2::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    const double w = area.width();
    const double h = area.height();

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(16, 52, 92));
    sky.setColorAt(0.55, QColor(11, 37, 69));
    sky.setColorAt(1.0, QColor(6, 22, 42));
    p.fillRect(area, sky);

    QRadialGradient glow(QPointF(w * 0.74, h * 0.42), std::max(w, h) * 0.55);
    glow.setColorAt(0.0, QColor(38, 150, 170, 110));
    glow.setColorAt(1.0, QColor(38, 150, 170, 0));
    p.fillRect(area, glow);

    // Soft waves across the lower part.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        QPainterPath wave;
        const double base = h * (0.70 + i * 0.035);
        const double amplitude = h * (0.035 + i * 0.004);
        wave.moveTo(0, base);
        wave.cubicTo(w * 0.30, base - amplitude, w * 0.55, base + amplitude * 1.4, w, base - amplitude * 0.6);
        p.setPen(QPen(QColor(170, 215, 235, 26 + i * 5), 1.2));
        p.drawPath(wave);
    }

    const double emblemHeight = std::min(h * 0.46, w * 0.32);
    const QRectF emblem(w * 0.74 - emblemHeight * 0.43, h * 0.42 - emblemHeight * 0.52, emblemHeight * 0.86,
                        emblemHeight);
    paintEmblem(p, emblem, 0.85);

    // The program's name and what it keeps.
    const double left = w * 0.08;
    QFont name(QStringLiteral("Arial"));
    name.setBold(true);
    name.setPixelSize(std::max(24, int(h * 0.085)));
    name.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(name);
    const QFontMetricsF nameMetrics(name);
    const double baseline = h * 0.40;
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(left + 2, baseline + 3), QStringLiteral("MERIDALVO"));
    p.setPen(QColor(245, 249, 252));
    p.drawText(QPointF(left, baseline), QStringLiteral("MERIDALVO"));

    const double ruleY = baseline + nameMetrics.descent() + h * 0.02;
    QLinearGradient rule(left, 0, left + w * 0.42, 0);
    rule.setColorAt(0, QColor(90, 200, 210, 220));
    rule.setColorAt(1, QColor(90, 200, 210, 0));
    p.fillRect(QRectF(left, ruleY, w * 0.42, 2), rule);

    QFont line(QStringLiteral("Arial"));
    line.setPixelSize(std::max(12, int(h * 0.032)));
    p.setFont(line);
    p.setPen(QColor(200, 225, 240));
    const double lineY = ruleY + h * 0.02 + QFontMetricsF(line).ascent();
    p.drawText(QPointF(left, lineY), QStringLiteral("Gestão de Seguros Saúde e Vida em Grupo"));
    QFont small(line);
    small.setPixelSize(std::max(10, int(h * 0.022)));
    p.setFont(small);
    p.setPen(QColor(150, 185, 210));
    p.drawText(QPointF(left, lineY + h * 0.045),
               QStringLiteral("Estipulantes  •  Apólices  •  Titulares e Dependentes  •  Eventos"));

    // A darker band behind the clock.
    QLinearGradient band(0, h - h * 0.08, 0, h);
    band.setColorAt(0, QColor(0, 0, 0, 0));
    band.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(QRectF(0, h - h * 0.08, w, h * 0.08), band);
}

}  // namespace shell

ui::Window& windows::Form2() { return ui::windowRef<shell::Form2>(); }

}  // namespace vorna
