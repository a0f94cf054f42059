#pragma once

#include <QString>

// Number text that always uses "." as the decimal point, whatever locale the
// process runs in. QApplication calls setlocale(), which makes printf write
// "1,5" under a comma locale, so nothing here goes through printf.
class NumberText {
public:
    // Same text as printf("%.*f", decimals, value): fixed(v) is "%f",
    // fixed3 is "%1.3f", fixed1 is "%1.1f". Non-finite values read
    // "inf", "-inf", "nan" or "-nan", as glibc prints them.
    static QString fixed(double value, int decimals = 6);
    static QString fixed3(double value) { return fixed(value, 3); }
    static QString fixed1(double value) { return fixed(value, 1); }
    // Same text as printf("%g", value).
    static QString general(double value);

    // The number at the start of a text, read the way a desktop string's
    // doubleValue reads it: leading white space, an optional sign, digits,
    // an optional "." fraction and an optional exponent; whatever follows is
    // ignored and a text without a number reads as 0. Too large a number
    // reads as an infinity, too small a one as 0.
    static double leadingNumber(const QString& text);
    // The same, rounded once, straight to single precision.
    static float leadingFloat(const QString& text);
};
