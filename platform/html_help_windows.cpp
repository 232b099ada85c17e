// HTML Help on Windows: HtmlHelpA from hhctrl.ocx, loaded on first use.

#include "platform/html_help.h"

#include "platform/windows_text.h"

#include <windows.h>

namespace platform {
namespace {

using HtmlHelpAFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

class WindowsHtmlHelp final : public HtmlHelp {
  public:
    void HtmlHelpA(WindowHandle owner, const std::string& file, unsigned command, const std::string& data) override
    {
        const HtmlHelpAFunction htmlHelp = function();
        if (htmlHelp == nullptr) {
            return; // no HTML Help on this system: nothing to show
        }
        auto* const ownerWindow = static_cast<HWND>(owner);
        const std::string ansiFile = toAnsi(file);
        const std::string ansiData = toAnsi(data);
        if (command == kDisplayIndex && ansiData.empty()) {
            // The keyword is read through a pointer; a 32-bit zero is the empty keyword.
            static const DWORD emptyKeyword = 0;
            htmlHelp(ownerWindow, ansiFile.c_str(), command, reinterpret_cast<DWORD_PTR>(&emptyKeyword));
            return;
        }
        htmlHelp(ownerWindow, ansiFile.c_str(), command, reinterpret_cast<DWORD_PTR>(ansiData.c_str()));
    }

  private:
    HtmlHelpAFunction function()
    {
        if (m_library == nullptr) {
            m_library = ::LoadLibraryA("hhctrl.ocx");
            if (m_library != nullptr) {
                m_function = reinterpret_cast<HtmlHelpAFunction>(
                    reinterpret_cast<void*>(::GetProcAddress(m_library, "HtmlHelpA")));
            }
        }
        return m_function;
    }

    HMODULE m_library = nullptr;
    HtmlHelpAFunction m_function = nullptr;
};

} // namespace

std::unique_ptr<HtmlHelp> createHtmlHelp()
{
    return std::make_unique<WindowsHtmlHelp>();
}

std::string programFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return toUtf8(path.substr(0, path.rfind(L'\\')));
}

} // namespace platform
