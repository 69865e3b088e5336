#ifndef MERVANE_UI_COMMON_SESSION_H
#define MERVANE_UI_COMMON_SESSION_H

#include <QString>

#include <string>
#include <variant>

#include "core/reading/casefile.h"

class QWidget;

namespace ui {

// The session: every window's kept inputs, written as a case to the user's
// data folder after each command that changes them, and read back at start,
// so that nothing typed is lost at Exit or in a crash.
QString SessionPath();

// Writes the kept inputs of the program `window` belongs to as the session:
// whole or not at all, readable by the user alone.
void SaveSession(QWidget* window);

// Reads the session into the kept inputs of `main`. A session that cannot be
// read is moved aside under the date, never lost; the message then says
// where it is, and the program starts empty. An empty text when all is well.
QString RestoreSession(QWidget* main);

// A case file read, refused unread over the size limit: the windows, or the message.
std::variant<core::CaseWindows, std::string> ReadCaseFile(const QString& path);

// A case file written whole or not at all, readable by the user alone: the error, or an empty text.
QString WriteCaseFile(const QString& path, const core::CaseWindows& windows);

}  // namespace ui

#endif
