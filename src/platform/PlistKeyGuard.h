#pragma once

#include <QByteArray>

// libplist aborts the process (an assert) when it hands out a dictionary key
// holding a NUL character, and it lets such keys through from both formats:
// "&#0;" in XML, U+0000 in a binary list's UTF-16 string. Files that could
// hold one are turned away before they are parsed.
class PlistKeyGuard {
public:
    // True when the property list in `bytes` may hold a NUL in a string, or
    // (binary) is built so oddly that finding out would cost more than it is
    // long.
    static bool mayHoldNul(const QByteArray& bytes);

private:
    static bool xmlMayHoldNul(const QByteArray& bytes);
    static bool binaryMayHoldNul(const QByteArray& bytes);
};
