#include "platform/windows_text.h"

#include <windows.h>

namespace platform {

std::wstring toWide(const std::string& utf8)
{
    if (utf8.empty()) {
        return {};
    }
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

namespace {

std::string narrow(const std::wstring& wide, UINT codePage)
{
    if (wide.empty()) {
        return {};
    }
    const int length =
        ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr,
                          nullptr);
    return text;
}

} // namespace

std::string toUtf8(const std::wstring& wide)
{
    return narrow(wide, CP_UTF8);
}

std::string toAnsi(const std::string& utf8)
{
    return narrow(toWide(utf8), CP_ACP);
}

} // namespace platform
