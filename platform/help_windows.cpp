// The help on Windows: HtmlHelpA from hhctrl.ocx, loaded on first use.

#include "platform/help.h"

#include "platform/windows_text.h"

#include <windows.h>

namespace platform {
namespace {

using HtmlHelpAFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

constexpr UINT kDisplayToc = 1;   // HH_DISPLAY_TOC: the Contents tab, at the topic given
constexpr UINT kDisplayIndex = 2; // HH_DISPLAY_INDEX: the Index tab, at the keyword given

// Both calls without an owner window: the viewer stays when the calculator is closed.
class WindowsHelp final : public Help {
  public:
    void showContents(const std::string& helpFile, const std::string& topic) override
    {
        const std::string ansiTopic = toAnsi(topic);
        call(helpFile, kDisplayToc, reinterpret_cast<DWORD_PTR>(ansiTopic.c_str()));
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
        const HtmlHelpAFunction htmlHelp = function();
        if (htmlHelp != nullptr) { // without HTML Help on this system there is nothing to show
            htmlHelp(nullptr, toAnsi(helpFile).c_str(), command, data);
        }
    }

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
