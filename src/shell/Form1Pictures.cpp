#include "shell/Form1Pictures.h"

#include "common/DesktopLaunch.h"
#include "ui_Form1.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace vorna::shell {

namespace {

const QColor Navy(0x14, 0x33, 0x57);
const QColor DeepNavy(0x0c, 0x22, 0x3f);
const QColor Teal(0x1f, 0x9e, 0x93);
const QColor PaleBlue(0xa9, 0xc7, 0xe6);
const QColor CaptionBlue(0x1b, 0x3a, 0x5c);
const QColor WarningRed(0xb0, 0x1e, 0x23);
const QColor LinkBlue(0x00, 0x00, 0x8b);

// Width of the brand panel at the left and height of the marquee strip.
constexpr int PanelWidth = 236;
constexpr int StripHeight = 26;

QPainterPath shieldPath(const QRectF& r)
{
    QPainterPath p;
    const qreal cx = r.center().x();
    p.moveTo(cx, r.top());
    p.cubicTo(cx + r.width() * 0.28, r.top() + r.height() * 0.10, r.right(), r.top() + r.height() * 0.08,
              r.right(), r.top() + r.height() * 0.12);
    p.cubicTo(r.right(), r.top() + r.height() * 0.62, cx + r.width() * 0.22, r.bottom() - r.height() * 0.10,
              cx, r.bottom());
    p.cubicTo(cx - r.width() * 0.22, r.bottom() - r.height() * 0.10, r.left(), r.top() + r.height() * 0.62,
              r.left(), r.top() + r.height() * 0.12);
    p.cubicTo(r.left(), r.top() + r.height() * 0.08, cx - r.width() * 0.28, r.top() + r.height() * 0.10,
              cx, r.top());
    p.closeSubpath();
    return p;
}

void drawEmblem(QPainter& p, const QPointF& centre)
{
    const QRectF shield(centre.x() - 34, centre.y() - 40, 68, 80);
    // Soft glow behind the shield.
    QRadialGradient glow(centre, 70);
    glow.setColorAt(0, QColor(255, 255, 255, 40));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 70, 70);

    QLinearGradient fill(shield.topLeft(), shield.bottomRight());
    fill.setColorAt(0, Teal.lighter(125));
    fill.setColorAt(1, Teal.darker(140));
    p.setBrush(fill);
    p.setPen(QPen(QColor(255, 255, 255, 220), 2.5));
    p.drawPath(shieldPath(shield));

    // The cross of health care, white with rounded ends.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QPointF c = centre + QPointF(0, -2);
    p.drawRoundedRect(QRectF(c.x() - 7, c.y() - 22, 14, 44), 3, 3);
    p.drawRoundedRect(QRectF(c.x() - 22, c.y() - 7, 44, 14), 3, 3);
}

void drawBrandPanel(QPainter& p, const QSize& size)
{
    const int bottom = size.height() - StripHeight;
    QPainterPath panel;
    panel.moveTo(0, 0);
    panel.lineTo(PanelWidth, 0);
    panel.cubicTo(PanelWidth + 18, bottom * 0.35, PanelWidth - 18, bottom * 0.70, PanelWidth, bottom);
    panel.lineTo(0, bottom);
    panel.closeSubpath();

    QLinearGradient fill(0, 0, PanelWidth * 0.4, bottom);
    fill.setColorAt(0, Navy.lighter(115));
    fill.setColorAt(1, DeepNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(panel);

    // Faint arcs in the lower corner.
    p.save();
    p.setClipPath(panel);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 14 + i * 2), 1.2));
        const qreal r = 60 + i * 26;
        p.drawEllipse(QPointF(-10, bottom + 20), r, r);
    }
    p.restore();

    // A thin teal seam along the curved edge.
    QPainterPath seam;
    seam.moveTo(PanelWidth, 0);
    seam.cubicTo(PanelWidth + 18, bottom * 0.35, PanelWidth - 18, bottom * 0.70, PanelWidth, bottom);
    p.setPen(QPen(Teal, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(seam);

    const qreal cx = PanelWidth / 2.0;
    drawEmblem(p, QPointF(cx, 92));

    QFont word = p.font();
    word.setPixelSize(24);
    word.setBold(true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(word);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 150, PanelWidth, 32), Qt::AlignCenter, QStringLiteral("MERIDALVO"));

    QFont tag = p.font();
    tag.setPixelSize(10);
    tag.setBold(false);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(tag);
    p.setPen(PaleBlue);
    p.drawText(QRectF(0, 184, PanelWidth, 16), Qt::AlignCenter,
               QStringLiteral("Gestão de Planos de Saúde Coletivos"));
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(cx - 60, 210), QPointF(cx + 60, 210));

    QFont small = tag;
    small.setPixelSize(10);
    p.setFont(small);
    p.setPen(PaleBlue.darker(125));
    p.drawText(QRectF(0, bottom - 26, PanelWidth, 16), Qt::AlignCenter,
               QStringLiteral("versão 2016.06"));
}

void drawLoginCard(QPainter& p)
{
    const QRectF card(258, 20, 264, 222);
    for (int i = 3; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 51, 87, 10 * i));
        p.drawRoundedRect(card.translated(0, i), 10, 10);
    }
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(1, QColor(0xf2, 0xf6, 0xfa));
    p.setBrush(fill);
    p.setPen(QPen(QColor(0xc5, 0xd3, 0xe2), 1));
    p.drawRoundedRect(card, 10, 10);
    // A teal line across the card's top.
    p.setPen(Qt::NoPen);
    p.setBrush(Teal);
    p.drawRoundedRect(QRectF(card.left() + 14, card.top(), card.width() - 28, 3), 1.5, 1.5);
}

QPixmap picture(int side, qreal dpr)
{
    QPixmap pm(QSize(side, side) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

// A key: the access button.
QIcon accessIcon()
{
    QPixmap pm = picture(34, 2);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(0xd9, 0xa4, 0x1e);
    const QColor outline(0x8a, 0x62, 0x0a);
    QPainterPath key;
    key.addEllipse(QPointF(10, 17), 7.5, 7.5);
    key.addRect(QRectF(16, 14.5, 15, 5));
    key.addRect(QRectF(24, 19, 3.5, 6));
    key.addRect(QRectF(28.5, 19, 2.5, 4.5));
    key = key.simplified();
    QPainterPath hole;
    hole.addEllipse(QPointF(9, 17), 2.6, 2.6);
    key = key.subtracted(hole);
    QLinearGradient fill(0, 8, 0, 26);
    fill.setColorAt(0, gold.lighter(130));
    fill.setColorAt(1, gold.darker(115));
    p.setBrush(fill);
    p.setPen(QPen(outline, 1.2));
    p.drawPath(key);
    return QIcon(pm);
}

// The power sign: the exit button.
QIcon exitIcon()
{
    QPixmap pm = picture(34, 2);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor red(0xc6, 0x28, 0x28);
    p.setPen(QPen(red, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 7, 22, 22), 120 * 16, 300 * 16);
    p.drawLine(QPointF(17, 4.5), QPointF(17, 17));
    return QIcon(pm);
}

void setTextColour(QWidget* w, const QColor& colour, QPalette::ColorRole role = QPalette::WindowText)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

}  // namespace

QPixmap loginBackground(const QSize& size, qreal dpr)
{
    static QPixmap cached;
    if (cached.size() == size * dpr && cached.devicePixelRatio() == dpr)
        return cached;

    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient page(0, 0, size.width(), size.height());
    page.setColorAt(0, QColor(0xf6, 0xf9, 0xfc));
    page.setColorAt(1, QColor(0xdc, 0xe6, 0xf1));
    p.fillRect(QRect(QPoint(0, 0), size), page);

    drawBrandPanel(p, size);
    drawLoginCard(p);
    p.end();
    cached = pm;
    return cached;
}

void styleLoginControls(Ui::Form1& c)
{
    c.Command1->setIcon(accessIcon());
    c.Command2->setIcon(exitIcon());

    for (QWidget* caption : {static_cast<QWidget*>(c.Label7), static_cast<QWidget*>(c.Label9),
                             static_cast<QWidget*>(c.Label4), static_cast<QWidget*>(c.Label8)})
        setTextColour(caption, CaptionBlue);
    setTextColour(c.Label5, WarningRed);
    setTextColour(c.Label6, WarningRed);
    setTextColour(c.Label1, LinkBlue);
    setTextColour(c.Text3, QColor(0xd0, 0x00, 0x00), QPalette::Text);

    c.Label1->setText(QStringLiteral("Suporte técnico: ") + launch::SupportAddress);
}

}  // namespace vorna::shell
