#include "platform/Defaults.h"

#include "platform/NumberText.h"

#include <array>
#include <charconv>

Defaults::Defaults()
    : settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Wandrel"),
               QStringLiteral("Wandrel")) {}

Defaults::Defaults(const QString& path) : settings(path, QSettings::IniFormat) {}

QString Defaults::stringForKey(const QString& key) const {
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return QString();
    // A present but empty value must not read as missing.
    QString text = value.toString();
    return text.isNull() ? QStringLiteral("") : text;
}

void Defaults::setString(const QString& key, const QString& value) {
    settings.setValue(key, value);
}

float Defaults::floatForKey(const QString& key) const {
    return NumberText::leadingFloat(settings.value(key).toString());
}

void Defaults::setFloat(const QString& key, float value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    settings.setValue(key, QString::fromLatin1(buffer.data(), result.ptr - buffer.data()));
}

bool Defaults::boolForKey(const QString& key) const {
    return settings.value(key).toString() == u"YES";
}

void Defaults::setBool(const QString& key, bool value) {
    settings.setValue(key, value ? QStringLiteral("YES") : QStringLiteral("NO"));
}

void Defaults::setColour(const QString& prefix, const QColor& colour) {
    const QColor rgb = colour.toRgb();
    setFloat(prefix + u'R', static_cast<float>(rgb.redF()));
    setFloat(prefix + u'G', static_cast<float>(rgb.greenF()));
    setFloat(prefix + u'B', static_cast<float>(rgb.blueF()));
    setFloat(prefix + u'A', static_cast<float>(rgb.alphaF()));
}

QColor Defaults::colourForKey(const QString& prefix) const {
    const auto part = [this, &prefix](char16_t c) {
        const float v = floatForKey(prefix + c);
        return v > 0 ? (v < 1 ? v : 1.0f) : 0.0f; // NaN reads 0 too
    };
    return QColor::fromRgbF(part(u'R'), part(u'G'), part(u'B'), part(u'A'));
}

std::optional<QStringList> Defaults::stringListForKey(const QString& key) const {
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key).toStringList();
}

void Defaults::setStringList(const QString& key, const QStringList& value) {
    settings.setValue(key, value);
}

bool Defaults::hasKey(const QString& key) const {
    return settings.contains(key);
}

void Defaults::remove(const QString& key) {
    settings.remove(key);
}

bool Defaults::sync() {
    settings.sync();
    return settings.status() == QSettings::NoError;
}
