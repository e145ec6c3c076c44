#include "documents/StatusColours.h"

#include "documents/DocumentFields.h"
#include "platform/controls/PickList.h"

#include <QPalette>

namespace vorna::documents {

namespace {

QColor colourOf(const StatusEntry& s) { return QColor(s.red, s.green, s.blue); }

constexpr QPalette::ColorRole TextRoles[] = {QPalette::Text, QPalette::ButtonText, QPalette::WindowText};

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

void ColourFieldsByStatus(std::span<QWidget* const> controls, const db::Recordset& documents)
{
    const std::optional<QColor> colour = StatusColour(documents.field(QStringLiteral("VIGENTE")));
    if (!colour)
        return;
    for (QWidget* control : controls)
        setTextColour(*control, *colour);
}

void ColourStatusList(ui::PickList& list)
{
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
    const QPalette& current = control.palette();
    bool same = true;
    for (QPalette::ColorRole role : TextRoles)
        same = same && current.color(role) == colour;
    if (same)
        return;
    QPalette palette = current;
    for (QPalette::ColorRole role : TextRoles)
        palette.setColor(role, colour);
    control.setPalette(palette);
}

QColor textColour(const QWidget& control) { return control.palette().color(QPalette::Text); }

}  // namespace vorna::documents
