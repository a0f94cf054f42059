#pragma once

#include <QString>

// The application's diagnostic log: one line on standard error, never shown
// to the user.
void wlog(const QString& line);
