#pragma once
#include <QString>

// Selection formulas made from typed text, through the engine's builder: the
// text stays one constant whatever it holds.
namespace vorna::report {

// "{T.F} = n" when the typed text is a whole number; otherwise a selection
// that no row meets, so the report lists nothing, as for a code no row holds.
QString numberSelection(const QString& field, const QString& typed);

// "{T.F} = 'text'".
QString textSelection(const QString& field, const QString& typed);

}  // namespace vorna::report
