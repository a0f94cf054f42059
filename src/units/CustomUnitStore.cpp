#include "units/CustomUnitStore.h"

#include "platform/AppDataFolder.h"
#include "platform/Log.h"
#include "platform/NumberText.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <charconv>
#include <cmath>

namespace {

const QString listKey = QStringLiteral("customUnits");
const QString nameKey = QStringLiteral("name");
const QString shortNameKey = QStringLiteral("shortName");
const QString factorKey = QStringLiteral("conversionFactor");
const QString areaKey = QStringLiteral("area");

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::LongLong:
    case QMetaType::Int:
        return true;
    default:
        return false;
    }
}

QString textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QString || isNumber(value))
        return value.toString();
    return {};
}

float factorOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QString)
        return NumberText::leadingFloat(value.toString());
    if (isNumber(value))
        return static_cast<float>(value.toDouble());
    return 0;
}

// As a desktop string's boolValue: "YES", "true", "1" and the like are on.
bool textFlag(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    while (i < text.size() && text[i] == u'0')
        ++i;
    if (i == text.size())
        return false;
    const QChar c = text[i];
    return c == u'Y' || c == u'y' || c == u'T' || c == u't' || (c >= u'1' && c <= u'9');
}

bool flagOf(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isNumber(value))
        return value.toDouble() != 0;
    if (value.typeId() == QMetaType::QString)
        return textFlag(value.toString());
    return false;
}

} // namespace

QString CustomUnitStore::filePath() {
    const QString folder = AppDataFolder::path();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QStringLiteral("customUnits.plist"));
}

std::vector<std::unique_ptr<WandrelUnit>> CustomUnitStore::read(const QString& path) {
    std::vector<std::unique_ptr<WandrelUnit>> units;
    const std::optional<QVariantMap> store = PropertyList::read(path);
    if (!store)
        return units;
    const QVariant list = store->value(listKey);
    if (list.typeId() != QMetaType::QVariantList)
        return units;
    for (const QVariant& entry : list.toList())
        if (auto unit = unitFrom(entry))
            units.push_back(std::move(unit));
    return units;
}

bool CustomUnitStore::write(const QString& path, const std::vector<const WandrelUnit*>& units) {
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QVariantList list;
    for (const WandrelUnit* unit : units)
        list.append(entryOf(*unit));
    return PropertyList::write(path, {{listKey, list}});
}

std::unique_ptr<WandrelUnit> CustomUnitStore::unitFrom(const QVariant& entry) {
    if (entry.typeId() != QMetaType::QVariantMap) {
        wlog(QStringLiteral("custom units: skipped an entry that is not a dictionary"));
        return nullptr;
    }
    const QVariantMap fields = entry.toMap();
    const QString name = textOf(fields.value(nameKey));
    const float factor = factorOf(fields.value(factorKey));
    // A unit of no size would turn every figure into infinity.
    if (!std::isfinite(factor) || !(factor > 0)) {
        wlog(
            QStringLiteral("custom units: skipped \"%1\", its factor is not above zero").arg(name));
        return nullptr;
    }
    auto unit = std::make_unique<WandrelUnit>(name.toStdString(),
                                              textOf(fields.value(shortNameKey)).toStdString(),
                                              factor, flagOf(fields.value(areaKey)));
    unit->setEditable(true);
    return unit;
}

QVariantMap CustomUnitStore::entryOf(const WandrelUnit& unit) {
    return {{nameKey, QString::fromStdString(unit.getName())},
            {shortNameKey, QString::fromStdString(unit.getShortName())},
            {factorKey, factorText(unit.getConversionFactor())},
            {areaKey, unit.isArea()}};
}

QString CustomUnitStore::factorText(float factor) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<double>(factor), std::chars_format::general, 9);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}
