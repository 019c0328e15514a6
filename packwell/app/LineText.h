#pragma once
// Report lines are byte strings (file names and file contents go into them
// unchanged); the memo holds QStrings. Valid UTF-8 is shown as text; every
// byte that is not part of a valid UTF-8 sequence is carried as the lone
// surrogate U+DC00 + byte, so that a line goes into the memo and comes back
// out byte for byte.

#include <QString>
#include <string>

namespace packwell::app {

QString toDisplay(const std::string& bytes);
std::string toBytes(const QString& text);

}  // namespace packwell::app
