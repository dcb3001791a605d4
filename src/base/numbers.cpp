// Number semantics of the program: single-precision storage, 16-bit counts, text <-> number conversions.
#include "base/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tavrel {

namespace {

constexpr int kSingleSignificantDigits = 7;
constexpr int kDoubleSignificantDigits = 15;

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t';
}
bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// A number in decimal digits: sign, the digits without a decimal point, and the power of ten of the
// first digit (digits "1234", exponent 0 -> 1.234).
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

DecimalDigits significantDigits(double value, int count) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", count - 1, value);
    DecimalDigits result;
    const char* cursor = buffer;
    if (*cursor == '-') {
        result.negative = true;
        ++cursor;
    }
    for (; *cursor != 'e'; ++cursor) {
        if (isDigit(*cursor)) {
            result.digits += *cursor;
        }
    }
    result.exponent = std::atoi(cursor + 1);
    while (result.digits.size() > 1 && result.digits.back() == '0') {
        result.digits.pop_back();
    }
    return result;
}

// Plain decimal notation of the digits, without trailing zeros, with a leading "0" before a decimal point.
std::string plainText(const DecimalDigits& number) {
    std::string integerPart;
    std::string fraction;
    const int digitCount = static_cast<int>(number.digits.size());
    const int pointPosition = number.exponent + 1;  // digits before the decimal point
    if (pointPosition <= 0) {
        integerPart = "0";
        fraction = std::string(static_cast<size_t>(-pointPosition), '0') + number.digits;
    } else if (pointPosition >= digitCount) {
        integerPart = number.digits + std::string(static_cast<size_t>(pointPosition - digitCount), '0');
    } else {
        integerPart = number.digits.substr(0, static_cast<size_t>(pointPosition));
        fraction = number.digits.substr(static_cast<size_t>(pointPosition));
    }
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    const bool isZero = integerPart.find_first_not_of('0') == std::string::npos && fraction.empty();
    std::string text = (number.negative && !isZero) ? "-" : "";
    text += integerPart;
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return text;
}

std::string generalForm(double value, int significant) {
    if (!std::isfinite(value)) {
        return "-";
    }
    if (value == 0) {
        return "0";
    }
    return plainText(significantDigits(value, significant));
}

// Adds one unit in the last place to a string of decimal digits; returns true when it carried out.
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// Rounds a plain decimal text half away from zero to exactly `decimals` decimals.
std::string roundDecimalText(const std::string& text, int decimals) {
    if (text == "-") {
        return text;
    }
    const bool negative = !text.empty() && text.front() == '-';
    const std::string body = negative ? text.substr(1) : text;
    const auto point = body.find('.');
    std::string integerPart = body.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : body.substr(point + 1);

    const auto kept = static_cast<size_t>(decimals);
    const bool roundUp = fraction.size() > kept && fraction[kept] >= '5';
    fraction.resize(kept, '0');
    std::string digits = integerPart + fraction;
    if (roundUp && incrementDigits(digits)) {
        digits.insert(digits.begin(), '1');
    }
    integerPart = digits.substr(0, digits.size() - kept);
    fraction = digits.substr(digits.size() - kept);

    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    std::string result = (negative && !isZero) ? "-" : "";
    result += integerPart.empty() ? "0" : integerPart;
    if (decimals > 0) {
        result += "." + fraction;
    }
    return result;
}

// The numeric prefix of a text: sign, digits with one period, exponent. Short plain decimals also carry
// their digits as an integer, so that they convert without the general conversion.
struct NumericPrefix {
    size_t length = 0;  // 0 when the text starts with no number
    bool negative = false;
    bool hasExponent = false;
    std::uint64_t mantissa = 0;  // the digits as an integer, while they fit
    int digitCount = 0;
    int fractionDigits = 0;
};

constexpr int kExactMantissaDigits = 15;  // any 15-digit integer is exact in a double
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

void scanDigits(std::string_view text, size_t& pos, NumericPrefix& prefix, bool fraction) {
    while (pos < text.size() && isDigit(text[pos])) {
        if (prefix.digitCount < 19) {
            prefix.mantissa = prefix.mantissa * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        }
        ++prefix.digitCount;
        prefix.fractionDigits += fraction ? 1 : 0;
        ++pos;
    }
}

NumericPrefix scanNumericPrefix(std::string_view text) {
    NumericPrefix prefix;
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        prefix.negative = text[pos] == '-';
        ++pos;
    }
    scanDigits(text, pos, prefix, false);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        scanDigits(text, pos, prefix, true);
    }
    if (prefix.digitCount == 0) {
        return {};
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t exponentEnd = pos + 1;
        if (exponentEnd < text.size() && (text[exponentEnd] == '+' || text[exponentEnd] == '-')) {
            ++exponentEnd;
        }
        const size_t exponentDigitsStart = exponentEnd;
        while (exponentEnd < text.size() && isDigit(text[exponentEnd])) {
            ++exponentEnd;
        }
        if (exponentEnd > exponentDigitsStart) {
            pos = exponentEnd;
            prefix.hasExponent = true;
        }
    }
    prefix.length = pos;
    return prefix;
}

// The general conversion, for exponents and long digit strings; false on overflow.
bool convertGeneral(std::string_view number, bool negative, double& result) {
    if (number.front() == '+' || number.front() == '-') {
        number.remove_prefix(1);
    }
    std::string normalised(number);
    if (normalised.front() == '.') {
        normalised.insert(normalised.begin(), '0');
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    if (error != std::errc() || end != normalised.data() + normalised.size() || !std::isfinite(value)) {
        return false;
    }
    result = negative ? -value : value;
    return true;
}

bool isShortPlainDecimal(const NumericPrefix& prefix) {
    return !prefix.hasExponent && prefix.digitCount <= kExactMantissaDigits;
}

// A plain decimal of up to 15 digits is the quotient of two exact doubles, which IEEE division rounds
// correctly.
double convertShortPlainDecimal(const NumericPrefix& prefix) {
    const auto digits = static_cast<double>(prefix.mantissa);
    const double magnitude =
        prefix.fractionDigits == 0 ? digits : digits / kExactPowersOfTen[prefix.fractionDigits];
    return prefix.negative ? -magnitude : magnitude;
}

// Converts the text of a scanned prefix; false on overflow. Results come back through a plain double,
// which keeps the frequent short decimals free of any detour through memory.
bool convertNumber(std::string_view number, const NumericPrefix& prefix, double& result) {
    if (isShortPlainDecimal(prefix)) {
        result = convertShortPlainDecimal(prefix);
        return true;
    }
    return convertGeneral(number, prefix.negative, result);
}

}  // namespace

std::optional<std::int16_t> toInt16HalfEven(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

bool tryParseStrict(std::string_view text, double& value) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    const NumericPrefix prefix = scanNumericPrefix(text);
    return prefix.length != 0 && prefix.length == text.size() && convertNumber(text, prefix, value);
}

double parseLenient(std::string_view text) {
    std::string compact;
    for (char ch : text) {
        if (!isBlank(ch) && ch != '\r' && ch != '\n') {
            compact += ch;
        }
    }
    const NumericPrefix prefix = scanNumericPrefix(compact);
    if (prefix.length == 0) {
        return 0;
    }
    double value = 0;
    return convertNumber(std::string_view(compact).substr(0, prefix.length), prefix, value) ? value : 0;
}

std::string formatGeneral(float value) {
    return generalForm(value, kSingleSignificantDigits);
}

std::string formatGeneral(double value) {
    return generalForm(value, kDoubleSignificantDigits);
}

std::string formatFixed(float value, int decimals) {
    return roundDecimalText(formatGeneral(value), decimals);
}

std::string formatFixed(double value, int decimals) {
    return roundDecimalText(formatGeneral(value), decimals);
}

}  // namespace tavrel
