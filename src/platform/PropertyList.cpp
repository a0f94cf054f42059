#include "platform/PropertyList.h"

#include "platform/Log.h"
#include "platform/PlistKeyGuard.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimeZone>

#include <plist/plist.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <memory>

namespace {

// Larger files are not property lists this application wrote or reads.
constexpr qint64 maximumFileSize = 64 * 1024 * 1024;
// Guards the stack against hostile nesting.
constexpr int maximumDepth = 256;
// libplist builds and frees its tree recursively, so an XML file nested far
// deeper than that overflows the stack inside the library.
constexpr int maximumParseDepth = 4096;

struct NodeFree {
    void operator()(plist_t node) const { plist_free(node); }
};
struct MemoryFree {
    void operator()(void* memory) const { std::free(memory); }
};
struct XmlFree {
    void operator()(char* xml) const { plist_to_xml_free(xml); }
};
using Node = std::unique_ptr<void, NodeFree>;

// libplist reads <real> with the C library's number parser, which follows
// the locale QApplication installs: under a comma locale "1609.344" would
// read as 1609. Only this thread is switched, and only for the call.
class CNumbers {
public:
    CNumbers() : c(newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr))) {
        if (c != locale_t(nullptr))
            previous = uselocale(c);
    }
    ~CNumbers() {
        if (c != locale_t(nullptr)) {
            uselocale(previous);
            freelocale(c);
        }
    }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

private:
    locale_t c;
    locale_t previous = locale_t(nullptr);
};

// Open tags minus closed ones, at the deepest; text never holds a raw "<".
bool nestedTooDeep(const QByteArray& xml) {
    int depth = 0;
    const char* end = xml.constData() + xml.size();
    for (const char* p = xml.constData(); p + 1 < end; ++p) {
        if (*p != '<' || p[1] == '?' || p[1] == '!')
            continue;
        if (p[1] == '/') {
            --depth;
            continue;
        }
        const auto* close = static_cast<const char*>(std::memchr(p, '>', size_t(end - p)));
        if (!close)
            break;
        if (close[-1] != '/' && ++depth > maximumParseDepth)
            return true;
        p = close;
    }
    return false;
}

QDateTime referenceDate() {
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
}

QVariant toVariant(plist_t node, int depth);

QVariantMap toMap(plist_t dictionary, int depth) {
    QVariantMap map;
    plist_dict_iter rawIterator = nullptr;
    plist_dict_new_iter(dictionary, &rawIterator);
    const std::unique_ptr<void, MemoryFree> iterator(rawIterator);
    for (;;) {
        char* rawKey = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dictionary, iterator.get(), &rawKey, &value);
        const std::unique_ptr<char, MemoryFree> key(rawKey);
        if (value == nullptr)
            break;
        const QVariant converted = toVariant(value, depth + 1);
        if (key && converted.isValid())
            map.insert(QString::fromUtf8(key.get()), converted);
    }
    return map;
}

QVariantList toList(plist_t array, int depth) {
    QVariantList list;
    const uint32_t size = plist_array_get_size(array);
    for (uint32_t i = 0; i < size; ++i) {
        const QVariant value = toVariant(plist_array_get_item(array, i), depth + 1);
        if (value.isValid())
            list.append(value);
    }
    return list;
}

QVariant toScalar(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value != 0;
    }
    case PLIST_UINT: {
        // Stored as 64 bits; negative numbers come back in two's complement.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return static_cast<qint64>(value);
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return value;
    }
    default:
        return QVariant();
    }
}

QVariant toVariant(plist_t node, int depth) {
    if (node == nullptr || depth > maximumDepth)
        return QVariant();
    uint64_t length = 0;
    switch (plist_get_node_type(node)) {
    case PLIST_STRING: {
        const char* text = plist_get_string_ptr(node, &length);
        return QString::fromUtf8(text, text ? static_cast<qsizetype>(length) : 0);
    }
    case PLIST_DATA: {
        const char* bytes = plist_get_data_ptr(node, &length);
        return QByteArray(bytes, bytes ? static_cast<qsizetype>(length) : 0);
    }
    case PLIST_DATE: {
        int32_t seconds = 0, microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        return referenceDate().addMSecs(qint64(seconds) * 1000 + microseconds / 1000);
    }
    case PLIST_ARRAY:
        return toList(node, depth);
    case PLIST_DICT:
        return toMap(node, depth);
    default:
        return toScalar(node);
    }
}

Node toNode(const QVariant& value);

Node toDictionary(const QVariantMap& map) {
    Node dictionary(plist_new_dict());
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        Node item = toNode(it.value());
        if (!item) {
            wlog(
                QStringLiteral("property list: no way to store the value of \"%1\"").arg(it.key()));
            return nullptr;
        }
        // The dictionary takes the item over.
        plist_dict_set_item(dictionary.get(), it.key().toUtf8().constData(), item.release());
    }
    return dictionary;
}

Node toArray(const QVariantList& list) {
    Node array(plist_new_array());
    for (const QVariant& value : list) {
        Node item = toNode(value);
        if (!item)
            return nullptr;
        plist_array_append_item(array.get(), item.release());
    }
    return array;
}

Node toDate(const QDateTime& date) {
    if (!date.isValid())
        return nullptr;
    const qint64 msecs = referenceDate().msecsTo(date);
    const qint64 seconds = msecs >= 0 ? msecs / 1000 : -((999 - msecs) / 1000);
    if (seconds < INT32_MIN || seconds > INT32_MAX)
        return nullptr;
    return Node(plist_new_date(int32_t(seconds), int32_t((msecs - seconds * 1000) * 1000)));
}

Node toNode(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return Node(plist_new_bool(value.toBool()));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return Node(plist_new_uint(static_cast<uint64_t>(value.toLongLong())));
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        // Beyond the signed range it would read back negative.
        if (value.toULongLong() > uint64_t(INT64_MAX))
            return nullptr;
        return Node(plist_new_uint(value.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
        return Node(plist_new_real(value.toDouble()));
    case QMetaType::QString:
        return Node(plist_new_string(value.toString().toUtf8().constData()));
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return Node(plist_new_data(bytes.constData(), uint64_t(bytes.size())));
    }
    case QMetaType::QDateTime:
        return toDate(value.toDateTime());
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return toArray(value.toList());
    case QMetaType::QVariantMap:
        return toDictionary(value.toMap());
    default:
        return nullptr;
    }
}

} // namespace

std::optional<QVariantMap> PropertyList::read(const QString& path) {
    return read(path, maximumFileSize);
}

std::optional<QVariantMap> PropertyList::read(const QString& path, qint64 maximumSize) {
    // Opening a pipe would wait for a writer, and a device may never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    // The parser takes a 32-bit length.
    if (!file.open(QIODevice::ReadOnly) || file.size() > std::min<qint64>(maximumSize, UINT32_MAX))
        return std::nullopt;
    const QByteArray bytes = file.read(file.size());
    if (bytes.isEmpty() || (!bytes.startsWith("bplist") && nestedTooDeep(bytes)) ||
        PlistKeyGuard::mayHoldNul(bytes))
        return std::nullopt;
    plist_t rawRoot = nullptr;
    const CNumbers numbers;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &rawRoot);
    const Node root(rawRoot);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT)
        return std::nullopt;
    return toMap(root.get(), 0);
}

bool PropertyList::write(const QString& path, const QVariantMap& dictionary) {
    const Node root = toDictionary(dictionary);
    if (!root)
        return false;
    char* rawXml = nullptr;
    uint32_t length = 0;
    const CNumbers numbers;
    plist_to_xml(root.get(), &rawXml, &length);
    const std::unique_ptr<char, XmlFree> xml(rawXml);
    if (!xml)
        return false;
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows here; buffered, the
    // closing flush could cut the file short and still be committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        wlog(QStringLiteral("property list: cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    if (file.write(xml.get(), qint64(length)) != qint64(length))
        file.cancelWriting();
    if (!file.commit()) {
        wlog(QStringLiteral("property list: cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}
