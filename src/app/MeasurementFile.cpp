#include "app/MeasurementFile.h"

#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UiText.h"
#include "tracing/RouteFragment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <system_error>
#include <utility>
#include <vector>

const QString MeasurementFile::fragmentName = QStringLiteral("route.plist");
const QString MeasurementFile::lineInfoName = QStringLiteral("lineInfo.plist");
const QString MeasurementFile::routeXmlName = QStringLiteral("route.xml");
const QString MeasurementFile::statsName = QStringLiteral("stats.plist");
const QString MeasurementFile::settingsName = QStringLiteral("measurement.plist");
const QString MeasurementFile::snapshotName = QStringLiteral("snapshot.png");

namespace {

// The keys of "measurement.plist"; the ends are on the acetate, y up.
namespace Key {
const QString thisEndX = QStringLiteral("scaleThisEndX");
const QString thisEndY = QStringLiteral("scaleThisEndY");
const QString thatEndX = QStringLiteral("scaleThatEndX");
const QString thatEndY = QStringLiteral("scaleThatEndY");
const QString numberOfUnits = QStringLiteral("numberOfUnits");
const QString scaleUnits = QStringLiteral("scaleUnits");
const QString answerUnits = QStringLiteral("answerUnits");
const QString areaUnits = QStringLiteral("areaUnits");
const QString terrainFactor = QStringLiteral("terrainFactor");
const QString version = QStringLiteral("WandrelVersion");
} // namespace Key

std::optional<double> number(const QVariant& value) {
    bool ok = false;
    double read = 0;
    switch (value.typeId()) {
    case QMetaType::Double:
        read = value.toDouble();
        ok = true;
        break;
    case QMetaType::LongLong:
        read = static_cast<double>(value.toLongLong());
        ok = true;
        break;
    case QMetaType::QString:
        read = value.toString().trimmed().toDouble(&ok);
        break;
    default:
        break;
    }
    return ok ? std::optional<double>(read) : std::nullopt;
}

std::optional<std::string> text(const QVariant& value) {
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString().toStdString();
}

std::optional<PointD> end(const QVariantMap& d, const QString& xKey, const QString& yKey) {
    const auto x = number(d.value(xKey));
    const auto y = number(d.value(yKey));
    if (!x || !y)
        return std::nullopt;
    return PointD{*x, *y};
}

bool writeBytes(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        file.cancelWriting();
    return file.commit();
}

bool writePicture(const QString& path, const QImage& picture) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// Replaces `to` by `from` in one step, as rename(2) does.
bool moveOver(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), error);
    if (error)
        wlog(QStringLiteral("measurement: cannot move %1 to %2: %3")
                 .arg(from, to, QString::fromStdString(error.message())));
    return !error;
}

QString cannotWrite(const QString& name, const QString& folder) {
    return Wandrel::tr("Wandrel could not write “%1” into the folder “%2”.")
        .arg(name, QDir::toNativeSeparators(folder));
}

} // namespace

QString MeasurementFile::write(const QString& folder, const Contents& c) {
    const QString shown = QDir::toNativeSeparators(folder);
    const QFileInfo target(folder);
    if (target.exists() && !target.isDir())
        return Wandrel::tr("“%1” is a file, not a folder. Choose another name for the measurement.")
            .arg(shown);
    if (!QDir().mkpath(folder))
        return Wandrel::tr("Wandrel could not make the folder “%1”.").arg(shown);
    const QTemporaryDir staging(QDir(folder).filePath(QStringLiteral(".saving-XXXXXX")));
    if (!staging.isValid())
        return Wandrel::tr("Wandrel cannot write into the folder “%1”.").arg(shown);

    const std::vector<std::pair<QString, std::function<bool(const QString&)>>> files = {
        {fragmentName, [&c](const QString& p) { return PropertyList::write(p, c.fragment); }},
        {lineInfoName, [&c](const QString& p) { return PropertyList::write(p, c.lineInfo); }},
        {routeXmlName, [&c](const QString& p) { return writeBytes(p, c.routeXml); }},
        {statsName, [&c](const QString& p) { return PropertyList::write(p, c.stats); }},
        {snapshotName,
         [&c](const QString& p) { return c.snapshot.isNull() || writePicture(p, c.snapshot); }},
        {settingsName,
         [&c](const QString& p) { return PropertyList::write(p, dictionary(c.settings)); }},
    };
    for (const auto& [name, writeTo] : files)
        if (!writeTo(staging.filePath(name)))
            return cannotWrite(name, folder);
    for (const auto& [name, writeTo] : files) {
        const QString staged = staging.filePath(name);
        if (QFileInfo::exists(staged) && !moveOver(staged, QDir(folder).filePath(name)))
            return cannotWrite(name, folder);
    }
    // A picture left from an earlier save would come back on opening.
    const QString oldPicture = QDir(folder).filePath(snapshotName);
    if (c.snapshot.isNull() && QFileInfo::exists(oldPicture) && !QFile::remove(oldPicture))
        return cannotWrite(snapshotName, folder);
    return {};
}

MeasurementFile::Opened MeasurementFile::read(const QString& folder) {
    Opened opened;
    const QDir in(folder);
    opened.fragment = PropertyList::read(in.filePath(fragmentName), RouteFragment::maximumFileSize);
    opened.lineInfo = PropertyList::read(in.filePath(lineInfoName));
    const auto stored = PropertyList::read(in.filePath(settingsName));
    if (stored) {
        opened.hasSettings = true;
        opened.settings = settings(*stored);
        const bool dropped = opened.settings.discardUnusable();
        opened.damaged = dropped || !opened.settings.isComplete();
    }
    opened.damaged = opened.damaged || !opened.fragment || !opened.lineInfo || !stored;
    return opened;
}

QVariantMap MeasurementFile::dictionary(const MeasurementSettings& s) {
    QVariantMap d{{Key::version, QStringLiteral("2")}};
    // Real numbers, not "%f" text: the bar's length must come back exactly.
    if (s.thisEnd && s.thatEnd) {
        d.insert(Key::thisEndX, s.thisEnd->x);
        d.insert(Key::thisEndY, s.thisEnd->y);
        d.insert(Key::thatEndX, s.thatEnd->x);
        d.insert(Key::thatEndY, s.thatEnd->y);
    }
    const std::pair<const QString&, const std::optional<std::string>&> texts[] = {
        {Key::numberOfUnits, s.numberOfUnits},
        {Key::scaleUnits, s.scaleUnits},
        {Key::answerUnits, s.answerUnits},
        {Key::areaUnits, s.areaUnits},
    };
    for (const auto& [key, value] : texts)
        if (value)
            d.insert(key, QString::fromStdString(*value));
    if (s.terrainFactor)
        d.insert(Key::terrainFactor, double(*s.terrainFactor));
    return d;
}

MeasurementSettings MeasurementFile::settings(const QVariantMap& d) {
    MeasurementSettings s;
    s.thisEnd = end(d, Key::thisEndX, Key::thisEndY);
    s.thatEnd = end(d, Key::thatEndX, Key::thatEndY);
    s.numberOfUnits = text(d.value(Key::numberOfUnits));
    s.scaleUnits = text(d.value(Key::scaleUnits));
    s.answerUnits = text(d.value(Key::answerUnits));
    s.areaUnits = text(d.value(Key::areaUnits));
    // Beyond a float's range the narrowing would be undefined: such a
    // factor is kept as one that cannot be used.
    if (const auto factor = number(d.value(Key::terrainFactor)))
        s.terrainFactor = std::fabs(*factor) <= MeasurementSettings::largestTerrainFactor
                              ? static_cast<float>(*factor)
                              : std::numeric_limits<float>::quiet_NaN();
    return s;
}
