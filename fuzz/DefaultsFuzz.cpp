// The per-user defaults store: an INI file read through every typed read.
#include "FuzzSandbox.h"
#include "platform/Defaults.h"
#include "platform/PreferenceKeys.h"

#include <QFile>
#include <QSettings>

#include <cmath>
#include <cstdlib>

namespace {

// The keys the application reads, and those the file itself holds.
QStringList keysOf(const QString& path) {
    QStringList keys = {PreferenceKeys::scaleUnits,    PreferenceKeys::numberOfUnits,
                        PreferenceKeys::scaleThisEndX, PreferenceKeys::showInfoAtStartup,
                        PreferenceKeys::routeFolder,   PreferenceKeys::mainWindowColour,
                        PreferenceKeys::webImageSize,  PreferenceKeys::dontShowWaypointAlert};
    keys += QSettings(path, QSettings::IniFormat).allKeys().mid(0, 64);
    return keys;
}

void readAll(const Defaults& store, const QString& key) {
    (void)store.stringForKey(key);
    (void)store.boolForKey(key);
    (void)store.hasKey(key);
    (void)store.stringListForKey(key);
    if (std::isnan(store.floatForKey(key)))
        std::abort();
    const QColor colour = store.colourForKey(key);
    if (!colour.isValid())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    FuzzSandbox::start(FuzzSandbox::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // QSettings caches a file by name and may miss a rewrite within the
    // same clock tick, so every input gets a name of its own.
    static quint64 run = 0;
    const QString path =
        FuzzSandbox::write(QStringLiteral("defaults-%1.ini").arg(++run), data, size);
    {
        const Defaults store(path);
        for (const QString& key : keysOf(path))
            readAll(store, key);
    }
    QFile::remove(path);
    return 0;
}
