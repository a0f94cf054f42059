#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// What every harness sets up once per fuzzing process: a Qt application on
// the offscreen platform, a private folder for the files the readers open,
// a defaults store inside it, and a quiet log.
class FuzzSandbox {
public:
    enum Kind { Core, Widgets };
    static void start(Kind kind);
    // The private folder; valid after start().
    static QString folder();
    // Writes a fuzz input to `name` in the private folder, replacing what
    // was there, and gives the file's path.
    static QString write(const QString& name, const uint8_t* data, size_t size);
};
