// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tilora {
namespace {

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// White space as the C library's isspace sees it in the "C" locale.
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string ToChars(double value, std::chars_format format, int precision)
{
    char buffer[400];  // the longest fixed form of a finite double
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

// The decimal exponent of a positive finite value, before any rounding.
int DecimalExponent(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    int exponent = 0;
    const std::size_t e = text.find('e');
    const std::size_t digitsAt = text[e + 1] == '-' || text[e + 1] == '+' ? e + 2 : e + 1;
    std::from_chars(text.data() + digitsAt, text.data() + text.size(), exponent);
    return text[e + 1] == '-' ? -exponent : exponent;
}

// Drops the zeros at the end of the fraction of "d.ddd", keeping the full stop.
void DropTrailingZeros(std::string& number)
{
    if (number.find('.') == std::string::npos)
        return;
    while (number.back() == '0')
        number.pop_back();
}

std::string ExponentForm(double value, int digits)
{
    const std::string scientific = ToChars(value, std::chars_format::scientific, digits - 1);
    const std::size_t e = scientific.find('e');
    std::string mantissa = scientific.substr(0, e);
    if (mantissa.find('.') == std::string::npos)
        mantissa += '.';
    DropTrailingZeros(mantissa);
    const char sign = scientific[e + 1];
    std::string exponent = scientific.substr(e + 2);
    if (exponent.size() < 3)
        exponent.insert(0, 3 - exponent.size(), '0');
    return mantissa + 'e' + sign + exponent;
}

// The value with an exact tie at `digits` significant digits settled away from zero, as the
// C runtime whose number forms the score file follows does it (123465 at five digits gives
// 1.2347e+005); std::to_chars would settle it to even. Any other value comes back as it was.
double TiesAwayFromZero(double value, int digits)
{
    // Every finite double has an exact decimal form of at most 767 significant digits.
    char buffer[800];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 770);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    std::string mantissa;  // the digits without the full stop
    for (const char c : text.substr(0, e)) {
        if (IsDigit(c))
            mantissa += c;
    }
    const auto cut = static_cast<std::size_t>(digits);
    if (mantissa[cut] != '5' || mantissa.find_first_not_of('0', cut + 1) != std::string::npos)
        return value;
    // A tie: round the kept digits up in decimal and read the result back.
    std::string rounded = mantissa.substr(0, cut);
    std::size_t i = rounded.size();
    while (i > 0 && rounded[i - 1] == '9')
        rounded[--i] = '0';
    if (i > 0)
        ++rounded[i - 1];
    else
        rounded.insert(0, 1, '1');  // 9.99995 becomes 10.0000 with the same exponent
    const std::size_t whole = rounded.size() - cut + 1;
    std::string decimal = value < 0 ? "-" : "";
    decimal += rounded.substr(0, whole);
    decimal += '.';
    decimal += rounded.substr(whole);
    decimal += text.substr(e);
    double up = value;
    std::from_chars(decimal.data(), decimal.data() + decimal.size(), up, std::chars_format::scientific);
    return up;
}

}  // namespace

std::string GcvtText(double value, int digits)
{
    digits = std::clamp(digits, 1, std::numeric_limits<double>::max_digits10);
    if (!std::isfinite(value))
        return ToChars(value, std::chars_format::general, 0);
    std::string sign;
    if (value < 0) {
        sign = "-";
        value = -value;
    }
    value = TiesAwayFromZero(value, digits);
    const int exponent = value == 0 ? 0 : DecimalExponent(value);
    if (exponent < -1 || exponent > digits - 1)
        return sign + ExponentForm(value, digits);
    // All digits before the full stop leave no fraction and no full stop ("10000").
    std::string plain = ToChars(value, std::chars_format::fixed, digits - 1 - exponent);
    DropTrailingZeros(plain);
    return sign + plain;
}

std::string ScoreText(int seconds)
{
    return GcvtText(static_cast<double>(seconds), 5);
}

double AtoF(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    const std::size_t start = i;  // the number without its sign, which from_chars takes apart

    std::size_t significant = 0;  // integer digits after leading zeros
    std::size_t leadingFractionZeros = 0;
    bool anyDigit = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        anyDigit = true;
        if (significant > 0 || text[i] != '0')
            ++significant;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        bool leading = significant == 0;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            anyDigit = true;
            leading = leading && text[i] == '0';
            if (leading)
                ++leadingFractionZeros;
        }
    }
    if (!anyDigit)
        return 0.0;

    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {  // an "e" without digits is not part of the number
            for (; j < text.size() && IsDigit(text[j]); ++j)
                exponent = std::min(exponent * 10 + (text[j] - '0'), 1'000'000'000LL);
            i = j;
            exponent = negativeExponent ? -exponent : exponent;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large gives an infinity, too small a zero, as the C library's conversion does.
        const long long magnitude = significant > 0 ? exponent + static_cast<long long>(significant) - 1
                                                    : exponent - static_cast<long long>(leadingFractionZeros) - 1;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string NameValue(std::string_view name)
{
    std::string value;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size() && characters < kNameLength; ++characters) {
        std::size_t end = i + 1;
        while (end < name.size() && IsContinuation(name[end]))
            ++end;
        const unsigned char first = static_cast<unsigned char>(name[i]);
        if (first < 0x20 || first == 0x7F)
            value += ' ';
        else
            value.append(name.substr(i, end - i));
        i = end;
    }
    value.append(kNameLength - characters, ' ');
    return value;
}

std::size_t CharacterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuation(c); }));
}

}  // namespace tilora
