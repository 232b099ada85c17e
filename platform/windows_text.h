#pragma once

// Texts between the program (UTF-8) and the Windows entry points it calls, which are the
// wide (W) ones, so a path or a text of any script crosses whole.

#include <string>

namespace platform {

// A text of the system's in UTF-16 as UTF-8, and back.
std::string toUtf8(const std::wstring& wide);
std::wstring toWide(const std::string& utf8);

} // namespace platform
