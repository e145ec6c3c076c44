#include "documents/instalments/Quotient.h"

#include "platform/runtime/EngineError.h"
#include "platform/runtime/RegionalText.h"

namespace vorna::documents::instalments {

double quotient(double a, double b)
{
    if (b == 0.0)
        regional::raise(a == 0.0 ? err::Overflow : err::DivisionByZero);
    return a / b;
}

}  // namespace vorna::documents::instalments
