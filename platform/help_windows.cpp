// The help on Windows: HtmlHelpW from hhctrl.ocx, loaded on first use. Paths and topics
// cross as wide characters, so the help opens from a folder of any name.

#include "platform/help.h"

#include "platform/windows_text.h"

#include <windows.h>

namespace platform {
namespace {

using HtmlHelpWFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

constexpr UINT kDisplayToc = 1;   // HH_DISPLAY_TOC: the Contents tab, at the topic given
constexpr UINT kDisplayIndex = 2; // HH_DISPLAY_INDEX: the Index tab, at the keyword given

// Both calls without an owner window: the viewer stays when the calculator is closed.
class WindowsHelp final : public Help {
  public:
    void showContents(const std::string& helpFile, const std::string& topic) override
    {
        const std::wstring wideTopic = toWide(topic);
        call(helpFile, kDisplayToc, reinterpret_cast<DWORD_PTR>(wideTopic.c_str()));
    }
    void showIndex(const std::string& helpFile) override
    {
        // The keyword is read through a pointer; a 32-bit zero is the empty keyword.
        static const DWORD emptyKeyword = 0;
        call(helpFile, kDisplayIndex, reinterpret_cast<DWORD_PTR>(&emptyKeyword));
    }

  private:
    void call(const std::string& helpFile, UINT command, DWORD_PTR data)
    {
        const HtmlHelpWFunction htmlHelp = function();
        if (htmlHelp != nullptr) { // without HTML Help on this system there is nothing to show
            htmlHelp(nullptr, toWide(helpFile).c_str(), command, data);
        }
    }

    HtmlHelpWFunction function()
    {
        if (m_library == nullptr) {
            m_library = ::LoadLibraryW(L"hhctrl.ocx");
            if (m_library != nullptr) {
                m_function = reinterpret_cast<HtmlHelpWFunction>(
                    reinterpret_cast<void*>(::GetProcAddress(m_library, "HtmlHelpW")));
            }
        }
        return m_function;
    }

    HMODULE m_library = nullptr;
    HtmlHelpWFunction m_function = nullptr;
};

} // namespace

std::unique_ptr<Help> createHelp()
{
    return std::make_unique<WindowsHelp>();
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
