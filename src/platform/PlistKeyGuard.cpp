#include "platform/PlistKeyGuard.h"

#include <plist/plist.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr qsizetype trailerSize = 32;

quint64 bigEndian(const uchar* at, int size) {
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | at[i];
    return value;
}

// A UTF-16 string object at `at`: does it hold U+0000? Adds what it read to
// `scanned`.
bool unicodeHoldsNul(const uchar* data, quint64 at, quint64 end, quint64& scanned) {
    quint64 length = data[at] & 0x0F;
    quint64 p = at + 1;
    if (length == 0x0F) {
        if (p >= end || (data[p] & 0xF0) != 0x10 || (data[p] & 0x0F) > 3)
            return true;
        const int size = 1 << (data[p] & 0x0F);
        if (p + 1 + quint64(size) > end)
            return true;
        length = bigEndian(data + p + 1, size);
        p += 1 + quint64(size);
    }
    const quint64 units = std::min(length, (end - p) / 2);
    scanned += units * 2;
    for (quint64 i = 0; i < units; ++i)
        if (data[p + 2 * i] == 0 && data[p + 2 * i + 1] == 0)
            return true;
    return false;
}

} // namespace

bool PlistKeyGuard::mayHoldNul(const QByteArray& bytes) {
    if (plist_is_binary(bytes.constData(), uint32_t(bytes.size())))
        return binaryMayHoldNul(bytes);
    return xmlMayHoldNul(bytes);
}

// The parser reads "&#...;" with strtoull and keeps a zero as a character.
bool PlistKeyGuard::xmlMayHoldNul(const QByteArray& bytes) {
    for (qsizetype at = bytes.indexOf("&#"); at >= 0; at = bytes.indexOf("&#", at + 2)) {
        const QByteArray reference = bytes.mid(at + 2, 12);
        const bool hex = reference.startsWith('x') || reference.startsWith('X');
        const std::string digits = reference.mid(hex ? 1 : 0).toStdString();
        if (std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10) == 0)
            return true;
    }
    return false;
}

// Every UTF-16 string in the object table. Objects of a well-formed list do
// not overlap, so reading more bytes than the file has means a hostile one.
bool PlistKeyGuard::binaryMayHoldNul(const QByteArray& bytes) {
    const quint64 size = quint64(bytes.size());
    if (size < 8 + trailerSize)
        return true;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint64 end = size - trailerSize;
    const uchar* trailer = data + end;
    const int offsetSize = trailer[6];
    const quint64 count = bigEndian(trailer + 8, 8);
    const quint64 table = bigEndian(trailer + 24, 8);
    if (offsetSize < 1 || offsetSize > 8 || table >= end || count > (end - table) / offsetSize)
        return true;
    quint64 scanned = 0;
    for (quint64 i = 0; i < count; ++i) {
        const quint64 at = bigEndian(data + table + i * quint64(offsetSize), offsetSize);
        if (at >= end || (data[at] & 0xF0) != 0x60)
            continue;
        if (unicodeHoldsNul(data, at, end, scanned) || scanned > size)
            return true;
    }
    return false;
}
