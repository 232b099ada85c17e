#pragma once

// Texts between the program (UTF-8) and the Windows entry points it calls.

#include <string>

namespace platform {

// `utf8` in the system's ANSI code page, for the "A" entry points.
std::string toAnsi(const std::string& utf8);

// A text of the system's in UTF-16 as UTF-8, and back.
std::string toUtf8(const std::wstring& wide);
std::wstring toWide(const std::string& utf8);

} // namespace platform
