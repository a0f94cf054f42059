#pragma once

#include <QLoggingCategory>
#include <QString>

// The category "wandrel" carries the diagnostic log, so that
// QT_LOGGING_RULES="wandrel.info=false" turns it off.
Q_DECLARE_LOGGING_CATEGORY(lcWandrel)

// The application's diagnostic log: one line on standard error, never shown
// to the user.
void wlog(const QString& line);
