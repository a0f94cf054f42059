#include "platform/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

QString printed(double value, std::chars_format format, int decimals) {
    // The widest double has 309 integer digits, then the decimals.
    std::string buffer(400 + std::size_t(decimals), '\0');
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, decimals);
    if (result.ec != std::errc())
        return QString();
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Copies the longest prefix of `text` (after white space) that is a decimal
// number into `number`. Returns false when there is none.
bool scanNumber(const QString& text, std::string& number) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    qsizetype digits = 0;
    for (; i < n && isDigit(text[i]); ++i, ++digits)
        number += char(text[i].unicode());
    if (i < n && text[i] == u'.') {
        number += '.';
        for (++i; i < n && isDigit(text[i]); ++i, ++digits)
            number += char(text[i].unicode());
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        const qsizetype start = j;
        for (; j < n && isDigit(text[j]); ++j)
            exponent += char(text[j].unicode());
        if (j > start)
            number += exponent;
    }
    return true;
}

// Overflow or underflow: the decimal exponent of the leading digit decides.
template <typename T> T outOfRange(const std::string& number) {
    const bool negative = number.front() == '-';
    const std::size_t e = number.find('e');
    const std::string mantissa = number.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
    long long magnitude = 0;
    if (firstNonZero != std::string::npos)
        magnitude = firstNonZero < point ? static_cast<long long>(point - firstNonZero)
                                         : -static_cast<long long>(firstNonZero - point - 1);
    if (e != std::string::npos)
        magnitude += std::clamp(std::strtoll(number.c_str() + e + 1, nullptr, 10), -1000000000LL,
                                1000000000LL);
    const T huge = std::numeric_limits<T>::infinity();
    if (magnitude > 0)
        return negative ? -huge : huge;
    return negative ? -T(0) : T(0);
}

template <typename T> T parseLeading(const QString& text) {
    std::string number;
    if (!scanNumber(text, number))
        return T(0);
    T value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return outOfRange<T>(number);
    return value;
}

} // namespace

QString NumberText::fixed(double value, int decimals) {
    return printed(value, std::chars_format::fixed, decimals < 0 ? 6 : decimals);
}

QString NumberText::general(double value) {
    return printed(value, std::chars_format::general, 6);
}

double NumberText::leadingNumber(const QString& text) {
    return parseLeading<double>(text);
}

float NumberText::leadingFloat(const QString& text) {
    return parseLeading<float>(text);
}
