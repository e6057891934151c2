#include "number_format.h"

#include "data/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zephyr {
namespace {

constexpr int kFixedSignificant = 5;
constexpr int kFixedDecimals = 2;
constexpr int kGeneralSignificant = 15;

bool NonFinite(double value, std::string& text) {
    if (std::isnan(value)) {
        text = "NAN";
        return true;
    }
    if (std::isinf(value)) {
        text = value < 0 ? "-INF" : "INF";
        return true;
    }
    return false;
}

// Decimal exponent of a positive finite value: 10^e <= value < 10^(e+1).
int DecimalExponent(double value) {
    int exponent = static_cast<int>(std::floor(std::log10(value)));
    if (std::pow(10.0, exponent) > value) {
        --exponent;
    } else if (std::pow(10.0, exponent + 1) <= value) {
        ++exponent;
    }
    return exponent;
}

std::string ExponentDigits(int exponent, int minimumDigits) {
    std::string digits = std::to_string(std::abs(exponent));
    while (static_cast<int>(digits.size()) < minimumDigits) {
        digits.insert(digits.begin(), '0');
    }
    return digits;
}

std::string FixedExponentForm(double magnitude, bool negative, char separator) {
    int exponent = DecimalExponent(magnitude);
    double mantissa = std::round(magnitude / std::pow(10.0, exponent) * 1e4);
    if (mantissa >= 1e5) {
        mantissa = std::round(mantissa / 10.0);
        ++exponent;
    }
    const std::string digits = std::to_string(static_cast<long long>(mantissa));
    std::string text = negative ? "-" : "";
    text += digits.substr(0, 1);
    text += separator;
    text += digits.substr(1);
    text += 'E';
    text += exponent < 0 ? '-' : '+';
    text += ExponentDigits(exponent, 2);
    return text;
}

} // namespace

std::string FormatFixed2(double value, char decimalSeparator) {
    std::string text;
    if (NonFinite(value, text)) {
        return text;
    }
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    if (magnitude == 0) {
        return std::string("0") + decimalSeparator + "00";
    }
    const int exponent = DecimalExponent(magnitude);
    if (exponent >= kFixedSignificant) {
        return FixedExponentForm(magnitude, negative, decimalSeparator);
    }
    const int decimals = std::min(kFixedDecimals, kFixedSignificant - 1 - exponent);
    const double scaled = std::round(magnitude * std::pow(10.0, decimals));
    std::string digits = std::to_string(static_cast<long long>(scaled));
    while (static_cast<int>(digits.size()) <= decimals) {
        digits.insert(digits.begin(), '0');
    }
    const std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    if (static_cast<int>(whole.size()) > kFixedSignificant) {
        // Rounding carried into a sixth integer digit (99999.7).
        return FixedExponentForm(magnitude, negative, decimalSeparator);
    }
    text.reserve(digits.size() + 4);
    if (negative && scaled != 0) {
        text.push_back('-');
    }
    text.append(whole);
    text.push_back(decimalSeparator);
    text.append(digits, whole.size());
    text.append(static_cast<std::size_t>(kFixedDecimals - decimals), '0');
    return text;
}

std::string FormatGeneral(double value, char decimalSeparator) {
    std::string text;
    if (NonFinite(value, text)) {
        return text;
    }
    if (value == 0) {
        return "0";
    }
    // printf rounds the binary value exactly to 15 significant digits.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", kGeneralSignificant - 1, value);
    std::string printed = buffer;
    const bool negative = printed[0] == '-';
    if (negative) {
        printed.erase(0, 1);
    }
    const std::size_t e = printed.find('e');
    // printf writes the exponent with its sign: "e+05", "e-07".
    std::string_view exponentText = std::string_view(printed).substr(e + 1);
    if (exponentText.starts_with('+')) {
        exponentText.remove_prefix(1);
    }
    const int exponent = ParseWhole<int>(exponentText).value_or(0);
    std::string digits = printed.substr(0, 1) + printed.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    if (negative) {
        text = "-";
    }
    if (exponent >= kGeneralSignificant || exponent < -4) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) {
            text += decimalSeparator;
            text += digits.substr(1);
        }
        text += 'E';
        if (exponent < 0) {
            text += '-';
        }
        text += std::to_string(std::abs(exponent));
        return text;
    }
    if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        text += digits;
        text.append(wholeDigits - digits.size(), '0');
        return text;
    }
    text += digits.substr(0, wholeDigits);
    text += decimalSeparator;
    text += digits.substr(wholeDigits);
    return text;
}

} // namespace zephyr
