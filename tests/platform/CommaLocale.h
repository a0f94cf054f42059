#pragma once

#include <clocale>
#include <string>

// Puts the C library into a locale whose decimal point is a comma for one
// scope, as QApplication does for a German user. Not every machine has one.
class CommaLocale {
public:
    CommaLocale() {
        const char* current = std::setlocale(LC_ALL, nullptr);
        saved = current ? current : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR"}) {
            if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') {
                active = true;
                return;
            }
        }
        std::setlocale(LC_ALL, saved.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, saved.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool isActive() const { return active; }

private:
    std::string saved;
    bool active = false;
};
