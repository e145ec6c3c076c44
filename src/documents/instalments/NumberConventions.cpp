#include "documents/instalments/NumberConventions.h"

#include "platform/runtime/RegionalText.h"
#include "platform/runtime/Runtime.h"

namespace vorna::documents::instalments {

double numberOf(const QString& text) { return rt::CDbl(Variant(text)); }

int32_t wholeOf(const QString& text) { return rt::CLng(Variant(text)); }

int32_t instalmentCount(const QString& text) { return instalmentCount(wholeOf(text)); }

int32_t instalmentCount(int32_t count)
{
    if (count < 1 || count > 12)
        regional::raise(err::Overflow);
    return count;
}

QString numberText(double value) { return rt::CStr(Variant(value)); }

QString numberText(const Variant& value) { return rt::CStr(value); }

QString dueDateText(const Variant& value) { return rt::Format(value, QStringLiteral("DD/MM/YYYY")); }

}  // namespace vorna::documents::instalments
