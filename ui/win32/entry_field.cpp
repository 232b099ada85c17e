#include "ui/win32/entry_field.h"

#include "ui/description/main_form.h"

#include <algorithm>
#include <cwchar>

#include <commctrl.h>

namespace win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr DWORD_PTR kYards = 1;      // the yards field, which takes "-" and "." too
constexpr DWORD_PTR kFocusClick = 2; // the focus came with a mouse press not yet released

bool accepted(WPARAM code, DWORD_PTR data)
{
    const auto kind =
        (data & kYards) != 0 ? description::ControlKind::YardsEntry : description::ControlKind::CountEntry;
    return description::acceptsTyped(kind, static_cast<char32_t>(code));
}

void selectAll(HWND edit)
{
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
}

// Whether the clipboard's text is longer than a paste may be, counted without reading
// past the limit.
bool pasteTooLong(HWND edit)
{
    if (::OpenClipboard(edit) == FALSE) {
        return false;
    }
    bool tooLong = false;
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(::GlobalLock(data))) {
            constexpr std::size_t kLimit = description::kMaxPasteCharacters;
            const std::size_t capacity = ::GlobalSize(data) / sizeof(wchar_t);
            tooLong = ::wcsnlen(text, std::min(capacity, kLimit + 1)) > kLimit;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return tooLong;
}

// A paste longer than any total can need is refused whole, with a beep, before the
// control takes it in; the field keeps what it had.
bool refusedPaste(HWND edit)
{
    if (!pasteTooLong(edit)) {
        return false;
    }
    ::MessageBeep(MB_OK);
    return true;
}

LRESULT CALLBACK entryProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR data)
{
    switch (message) {
    case WM_CHAR:
        if (!accepted(wParam, data)) {
            return 0; // dropped: no sound, no change
        }
        break;
    case WM_KEYDOWN: // Shift+Insert pastes without a WM_PASTE of its own
        if (wParam == VK_INSERT && ::GetKeyState(VK_SHIFT) < 0 && ::GetKeyState(VK_CONTROL) >= 0 &&
            refusedPaste(edit)) {
            return 0;
        }
        break;
    case WM_PASTE: // the context menu's Paste
        if (refusedPaste(edit)) {
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        // From another control of the window: Tab, an access key, a click. The window
        // getting the focus back from elsewhere is no reason to select.
        auto* const previous = reinterpret_cast<HWND>(wParam);
        const LRESULT result = ::DefSubclassProc(edit, message, wParam, lParam);
        if (previous != nullptr && ::IsWindow(previous) &&
            ::GetAncestor(previous, GA_ROOT) == ::GetAncestor(edit, GA_ROOT)) {
            selectAll(edit);
        }
        return result;
    }
    case WM_LBUTTONDOWN:
        if (::GetFocus() != edit) {
            ::SetWindowSubclass(edit, entryProcedure, kSubclassId, (data & kYards) | kFocusClick);
            const LRESULT result = ::DefSubclassProc(edit, message, wParam, lParam);
            selectAll(edit);
            return result;
        }
        break;
    case WM_MOUSEMOVE:
        if ((data & kFocusClick) != 0) {
            return 0; // the focusing click selects all; dragging selects once focused
        }
        break;
    case WM_LBUTTONUP:
        if ((data & kFocusClick) != 0) {
            ::SetWindowSubclass(edit, entryProcedure, kSubclassId, data & kYards);
            const LRESULT result = ::DefSubclassProc(edit, message, wParam, lParam);
            selectAll(edit);
            return result;
        }
        break;
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(edit, entryProcedure, kSubclassId);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void makeEntryField(HWND edit, description::ControlKind kind)
{
    ::SendMessageW(edit, EM_LIMITTEXT, 0, 0); // no limit of the control's: a paste is judged whole
    ::SetWindowSubclass(edit, entryProcedure, kSubclassId, kind == description::ControlKind::YardsEntry ? kYards : 0);
}

} // namespace win32
