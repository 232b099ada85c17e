#include "ui/win32/main_window.h"

#include "identity/product.h"
#include "platform/user_numbers.h"
#include "platform/windows_text.h"
#include "ui/description/main_form.h"
#include "ui/description/texts.h"
#include "ui/win32/entry_field.h"
#include "ui/win32/window_ids.h"
#include "ui/win32/window_parts.h"

#include <vector>

namespace win32 {
namespace {

using description::ControlKind;

struct ControlClass {
    const wchar_t* className;
    DWORD style;
};

ControlClass classOf(ControlKind kind, bool firstOption)
{
    switch (kind) {
    case ControlKind::Label:
        return {L"STATIC", SS_LEFT};
    case ControlKind::CountEntry:
    case ControlKind::YardsEntry:
        return {L"EDIT", WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL};
    case ControlKind::Result:
        return {L"EDIT", WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY};
    case ControlKind::Button:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::Option:
        // The option group is one tab stop: the first button starts the group.
        return {L"BUTTON", static_cast<DWORD>(BS_AUTORADIOBUTTON | (firstOption ? WS_GROUP | WS_TABSTOP : 0))};
    }
    return {L"STATIC", 0};
}

// The accelerator of a designed shortcut: a function key, or Ctrl and a letter, whose
// virtual-key code is the capital letter itself.
ACCEL acceleratorOf(const description::Shortcut& shortcut, WORD command)
{
    const auto key = shortcut.functionKey != 0 ? static_cast<WORD>(VK_F1 + shortcut.functionKey - 1)
                                               : static_cast<WORD>(shortcut.letter);
    return {static_cast<BYTE>(FVIRTKEY | (shortcut.ctrl ? FCONTROL : 0)), key, command};
}

// The order the controls are made in: the table's, but a label that stands after the
// field it names is made before it. Screen readers name an edit control after the static
// text just before it among the window's children; labels take no focus, so the tab order
// stays the table's.
std::array<std::size_t, description::kMainControls.size()> creationOrder()
{
    std::array<std::size_t, description::kMainControls.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        if (description::labelOf(i) == i + 1) {
            std::swap(order[i], order[i + 1]);
        }
    }
    return order;
}

} // namespace

MainWindow::MainWindow(MainWindowCommands commands) : m_commands(std::move(commands))
{
    registerWindowClass(kMainClass, &MainWindow::procedure, true);
    const HMENU menu = createMenus();
    m_window = createCentredWindow(0, kMainClass, product::kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                   description::kMainClientSize, nullptr, menu);
    ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    createControls();
}

MainWindow::~MainWindow()
{
    ::DestroyAcceleratorTable(m_accelerators);
    if (::IsWindow(m_window)) {
        ::SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        ::DestroyWindow(m_window);
    }
}

void MainWindow::createControls()
{
    for (const std::size_t i : creationOrder()) {
        const description::Control& row = description::kMainControls[i];
        const ControlClass control = classOf(row.kind, i == description::kFirstOption);
        m_controls[i] = createChild(control.className, row.caption, control.style, row.rect, m_window, controlId(i));
        if (row.kind == ControlKind::CountEntry || row.kind == ControlKind::YardsEntry) {
            makeEntryField(m_controls[i], row.kind);
        }
    }
    ::SendMessageW(m_controls[description::kDefaultButton], BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (description::kMainControls[i].chosenAtStart) {
            ::SendMessageW(m_controls[i], BM_SETCHECK, BST_CHECKED, 0);
        }
    }
}

HMENU MainWindow::createMenus()
{
    const HMENU bar = ::CreateMenu();
    std::vector<ACCEL> accelerators;
    for (const description::Menu& menu : description::kMenus) {
        const HMENU popup = ::CreatePopupMenu();
        for (std::size_t i = 0; i < menu.count; ++i) {
            const description::MenuItem& item = menu.items[i];
            std::string caption = item.caption;
            if (item.shortcut.exists()) {
                caption += "\t" + description::shortcutText(item.shortcut);
                accelerators.push_back(acceleratorOf(item.shortcut, static_cast<WORD>(commandId(item.command))));
            }
            ::AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(commandId(item.command)),
                          platform::toWide(caption).c_str());
        }
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), platform::toWide(menu.caption).c_str());
    }
    m_accelerators = ::CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
    return bar;
}

void MainWindow::show()
{
    ::ShowWindow(m_window, SW_SHOWNORMAL);
    ::SetForegroundWindow(m_window);
    ::SetFocus(m_controls[description::kFirstFocus]);
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam));
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(kIdOk, DC_HASDEFID);
    case WM_NEXTDLGCTL: // a label's access key: the dialog manager asks for the next control
        ::SetFocus(LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                       : ::GetNextDlgTabItem(m_window, ::GetFocus(), wParam != 0));
        return 0;
    case WM_ACTIVATE:
        // As a dialog does: the control that had the focus gets it back when the window
        // is active again (after a message box, About, or another program).
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = ::GetFocus();
            if (focus != nullptr && ::IsChild(m_window, focus) != FALSE) {
                m_focus = focus;
            }
            return 0;
        }
        if (HIWORD(wParam) == 0 && m_focus != nullptr && ::IsWindow(m_focus) != FALSE) {
            ::SetFocus(m_focus);
            return 0;
        }
        return ::DefWindowProcW(m_window, message, wParam, lParam);
    case WM_CLOSE: // Form_Unload: the close box, the system menu, Alt+F4
        endProgram();
        return 0;
    case WM_DPICHANGED:
        applyDpi(m_window, *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        return ::DefWindowProcW(m_window, message, wParam, lParam);
    }
}

void MainWindow::command(int id)
{
    // Enter and Esc come from the dialog manager as the default and the cancel button's
    // IDs, the other buttons with their own, the menu items with their commands'.
    description::run(commandOf(id), *this, m_commands.platform);
}

std::string MainWindow::entryText(engine::Field field) const
{
    return windowText(m_controls[description::kEntryControls[static_cast<std::size_t>(field)]]);
}

void MainWindow::setEntryText(engine::Field field, std::string_view text)
{
    setWindowText(m_controls[description::kEntryControls[static_cast<std::size_t>(field)]], text);
}

void MainWindow::setRatingText(std::string_view text)
{
    // Setting the text of an edit control shows it from its start.
    setWindowText(m_controls[description::kTxtPasserRating], text);
}

engine::Formula MainWindow::chosenFormula() const
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (description::kMainControls[i].kind == ControlKind::Option &&
            ::SendMessageW(m_controls[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
            return description::kMainControls[i].formula;
        }
    }
    return description::kMainControls[description::kFirstOption].formula;
}

engine::LocaleNumbers MainWindow::localeNumbers() const
{
    return platform::userNumbers();
}

void MainWindow::showMessage(std::string_view text)
{
    ::MessageBoxW(m_window, platform::toWide(std::string(text)).c_str(), platform::toWide(product::kTitle).c_str(),
                  MB_OK);
}

void MainWindow::showAbout()
{
    if (m_commands.showAbout) {
        m_commands.showAbout(m_window);
    }
}

void MainWindow::endProgram()
{
    if (m_commands.exitProgram) {
        m_commands.exitProgram();
    }
}

} // namespace win32
