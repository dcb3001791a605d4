// The derived calculation span: clear span plus the smaller of end thickness and bearing length.
#pragma once

#include <string>

namespace tavrel {

// Texts of txtJKJ (L0, m), txtGZCD (bearing length a, m) and txtBDH (d1, cm) -> text for txtJSKJ.
// L = L0 + a when L0 + d1/100 is greater, otherwise L0 + d1/100; general form, 15 significant digits.
std::string derivedSpanText(const std::string& clearSpan, const std::string& bearingLength,
                            const std::string& endThickness);

inline constexpr const char* kSpanTooltip = "计算跨径=净跨径＋板端厚或净跨径＋单侧搁置长度中较小值";

}  // namespace tavrel
