#include "platform/runtime/EngineError.h"

namespace vorna {

EngineError::EngineError(int number, const QString& text)
    : std::runtime_error(QStringLiteral("%1: %2").arg(number).arg(text).toStdString()),
      number_(number),
      text_(text) {}

}  // namespace vorna
