#include "common/ProgramState.h"

#include <stdexcept>

namespace vorna {

int rightIndex(QStringView field)
{
    for (int i = 0; i < RightCount; ++i)
        if (field.compare(QLatin1String(RightFields[size_t(i)]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Variant& Session::right(QStringView field)
{
    const int i = rightIndex(field);
    if (i < 0)
        throw std::invalid_argument("no right named " + field.toString().toStdString());
    return UserRights[size_t(i)];
}

const Variant& Session::right(QStringView field) const
{
    return const_cast<Session*>(this)->right(field);
}

bool Session::hasRight(Right r) const { return right(r) == Variant("S"); }

void ProgramState::reset() { *this = ProgramState(); }

ProgramState& state()
{
    static ProgramState s;
    return s;
}

}  // namespace vorna
