#include "scale/definition/DefinitionAngle.h"

#include <cstdint>

#include "base/Decimal.h"
#include "base/Procs.h"

namespace sp {

long double DefinitionAngle(const std::string& text) {
    std::int32_t whole = 0;
    if (TryStrToInt(text, whole)) return whole;
    // A decimal only with a point: a comma separates the line's entries.
    const std::optional<DecimalText> scanned =
        ScanDecimal(text, {.comma = false, .markRequired = true, .blanksAround = false});
    const std::optional<long double> value = scanned ? DecimalNumber(*scanned, 2147483647.0L) : std::nullopt;
    if (!value) throw EConvertError(text);
    return *value;
}

}  // namespace sp
