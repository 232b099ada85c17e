// HTML Help on Windows: HtmlHelpA from hhctrl.ocx, loaded on first use.

#include "platform/html_help.h"

#include <QByteArray>
#include <QWidget>

#include <windows.h>

namespace platform {
namespace {

using HtmlHelpAFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

class WindowsHtmlHelp final : public HtmlHelp {
  public:
    void HtmlHelpA(QWidget* owner, const QString& file, unsigned command,
                   const QString& data) override
    {
        const HtmlHelpAFunction htmlHelp = function();
        if (htmlHelp == nullptr) {
            return; // no HTML Help on this system: nothing to show
        }
        const HWND ownerWindow =
            owner != nullptr ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
        const QByteArray ansiFile = file.toLocal8Bit();
        if (command == kDisplayIndex) {
            // The keyword is read through a pointer; a 32-bit zero is the empty keyword.
            const QByteArray keyword = data.toLocal8Bit();
            static const DWORD emptyKeyword = 0;
            const DWORD_PTR pointer = keyword.isEmpty()
                                          ? reinterpret_cast<DWORD_PTR>(&emptyKeyword)
                                          : reinterpret_cast<DWORD_PTR>(keyword.constData());
            htmlHelp(ownerWindow, ansiFile.constData(), command, pointer);
            return;
        }
        const QByteArray topic = data.toLocal8Bit();
        htmlHelp(ownerWindow, ansiFile.constData(), command,
                 reinterpret_cast<DWORD_PTR>(topic.constData()));
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

} // namespace platform
