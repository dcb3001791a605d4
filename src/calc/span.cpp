// The derived calculation span: clear span plus the smaller of end thickness and bearing length.
#include "calc/span.h"

#include "base/numbers.h"

namespace tavrel {

std::string derivedSpanText(const std::string& clearSpan, const std::string& bearingLength,
                            const std::string& endThickness) {
    const double l0 = parseLenient(clearSpan);           // m
    const double a = parseLenient(bearingLength);        // m
    const double d1 = parseLenient(endThickness) / 100;  // cm -> m
    const double span = (l0 + d1 > l0 + a) ? l0 + a : l0 + d1;
    return formatGeneral(span);
}

}  // namespace tavrel
