#include "documents/StatusColours.h"

#include "documents/DocumentFields.h"
#include "platform/controls/PickList.h"

#include <QPalette>

namespace vorna::documents {

namespace {

// The controls drawn in the status colour; the co-insurer lists, the
// instalment schedule, the password and the output-only boxes keep theirs.
std::vector<QString> statusColouredNames()
{
    std::vector<QString> names;
    for (int n : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 13, 14, 17, 18, 19, 20, 21, 23, 24, 25, 26, 29, 32, 33})
        names.push_back(QStringLiteral("Text%1").arg(n));
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 19})
        names.push_back(QStringLiteral("Combo%1").arg(n));
    for (int n = 1; n <= 19; ++n)
        names.push_back(QStringLiteral("MaskEdBox%1").arg(n));
    for (int n : {56, 58, 59, 60, 61, 75, 76, 77, 78, 82})
        names.push_back(QStringLiteral("MaskEdBox%1").arg(n));
    return names;
}

QColor colourOf(const StatusEntry& s) { return QColor(s.red, s.green, s.blue); }

}  // namespace

std::optional<QColor> StatusColour(const Variant& status)
{
    if (!status.isString())
        return std::nullopt;
    for (const StatusEntry& s : Statuses)
        if (status.stringValue() == QLatin1String(s.code))
            return colourOf(s);
    return std::nullopt;
}

void ColourFieldsByStatus(QWidget& window, const db::Recordset& documents)
{
    const std::optional<QColor> colour = StatusColour(documents.field(QStringLiteral("VIGENTE")));
    if (!colour)
        return;
    static const std::vector<QString> names = statusColouredNames();
    for (const QString& name : names)
        setTextColour(control<QWidget>(window, name.toLatin1().constData()), *colour);
}

void ColourStatusList(QWidget& window)
{
    auto& list = control<ui::PickList>(window, "Combo1");
    const QString word = list.Text();
    for (const StatusEntry& s : Statuses) {
        if (word == QString::fromUtf8(s.word)) {
            setTextColour(list, colourOf(s));
            return;
        }
    }
}

void setTextColour(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, colour);
    control.setPalette(palette);
}

QColor textColour(const QWidget& control) { return control.palette().color(QPalette::Text); }

}  // namespace vorna::documents
