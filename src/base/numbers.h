// Number semantics of the program: single-precision storage, 16-bit counts, text <-> number conversions.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// The arithmetic rule of every stored result: each formula is evaluated in double and rounded to single
// only when it is stored. Evaluating in a wider type (x87 registers) or with reassociation and
// approximations (fast-math) breaks it, so such builds are refused rather than allowed to differ.
static_assert(FLT_EVAL_METHOD == 0, "formulas must be evaluated in double exactly, without wider registers");
#if defined(__FAST_MATH__)
#error "fast-math reorders and approximates the formulas; results would no longer be exact"
#endif

// Rounds a value computed in double to the single precision in which every result is stored.
// The next formula reads the stored (rounded) value.
//
// The rounding is opaque to the optimiser on purpose. GCC 12 at -O2/-O3 computed the moment M1 twice,
// once scalar (rounded and stored) and once in a vector of doubles that was never rounded, and the load
// combination read the unrounded copy, so gamma0Md came out one unit in the last place off (the stored
// single test keeps that shape of code). No reading of our own code can rule such a fault out; leaving the
// compiler no value but the rounded single can.
// The empty asm statement takes the single in a floating-point register and gives back a value the
// compiler knows nothing about, so every later reader converts that very single. It costs no
// instruction; the optimiser only loses the freedom to fold or vectorise across a stored value.
// Elsewhere a volatile single does the same through memory (slower, equally exact).
inline float toSingle(double value) {
    float stored = static_cast<float>(value);
#if defined(__GNUC__) && defined(__x86_64__)
    asm("" : "+x"(stored));  // an SSE register
#elif defined(__GNUC__) && defined(__aarch64__)
    asm("" : "+w"(stored));  // a SIMD and floating-point register
#else
    volatile float opaque = stored;
    stored = opaque;
#endif
    return stored;
}

// True when a double fits single precision without overflowing to infinity.
inline bool fitsSingle(double value) {
    return std::isfinite(static_cast<float>(value));
}

// The square of a stored single, as the formulas' power with exponent 2. In double the product of two
// 24-bit mantissas is exact, so this is the exact square.
inline double square(float value) {
    const double widened = value;
    return widened * widened;
}

// Rounds to the nearest whole number, halves to the even one (14.5 -> 14, 15.5 -> 16, 2.5 -> 2), for the
// 16-bit fields nBars, sv, fcuk, fsv. Empty when the result lies outside -32768..32767 or is not finite.
std::optional<std::int16_t> toInt16HalfEven(double value);

// Strict conversion used by the input checks and the snapshot. Accepted: optional blanks (space, tab)
// around the number; an optional sign; decimal digits with at most one period as the decimal separator
// (".5" and "5." included); an optional exponent "e"/"E" with optional sign and digits. Refused (empty):
// empty or blank text, letters, thousands separators ("1,000"), a comma as decimal separator, anything
// after the number, "inf"/"nan", and magnitudes beyond double range. The locale's decimal separator of
// the program's users is the period, and grouping separators are refused rather than guessed at.
// tryParseStrict returns false on refusal. parseStrict gives the same as an optional; it is defined here so
// that the optional is built in the caller's registers (the snapshot converts some 25 texts per run, and an
// optional returned through memory costs a store-forwarding stall each time).
bool tryParseStrict(std::string_view text, double& value);
inline std::optional<double> parseStrict(std::string_view text) {
    double value = 0;
    if (!tryParseStrict(text, value)) {
        return std::nullopt;
    }
    return value;
}

// Lenient leading-number conversion of the derived-span rule: blanks anywhere are ignored, the leading
// numeric part (sign, digits, one period, exponent) is taken and the rest ignored; no number gives 0.
double parseLenient(std::string_view text);

// General form of a stored single: the shortest text of up to 7 significant digits, no trailing zeros,
// no exponent for the magnitudes met here (3 -> "3", 0.5 -> "0.5", 1.0392f -> "1.0392").
std::string formatGeneral(float value);

// General form of a double: up to 15 significant digits (3.5 + 0.3 -> "3.8").
std::string formatGeneral(double value);

// Fixed-decimals patterns "0.00", "0.000", "0.0000", "0.000000": at least one integer digit and exactly
// `decimals` decimals. The number's general form is rounded half away from zero, so the single 1.0365
// (stored as 1.03649997...) shows "1.037" and the double 0.285 shows "0.29". Zero never shows a sign.
std::string formatFixed(float value, int decimals);
std::string formatFixed(double value, int decimals);

// "0.00", the pattern of every number on the windows.
inline std::string formatTwoDecimals(float value) {
    return formatFixed(value, 2);
}

}  // namespace tavrel
