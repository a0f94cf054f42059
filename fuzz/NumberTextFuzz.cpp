// The leading number of a text, as read from stores, fields and files.
#include "FuzzSandbox.h"
#include "platform/NumberText.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

bool same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    FuzzSandbox::start(FuzzSandbox::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double number = NumberText::leadingNumber(text);
    const float single = NumberText::leadingFloat(text);
    // Digits never read as "not a number".
    if (std::isnan(number) || std::isnan(single))
        std::abort();
    // A letter after the text cannot lengthen its number: the reader must
    // stop where the number stops, not where the text does.
    const QString longer = text + u'x';
    if (!same(NumberText::leadingNumber(longer), number) ||
        !same(NumberText::leadingFloat(longer), single))
        std::abort();
    return 0;
}
