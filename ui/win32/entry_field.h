#pragma once

// The five entry fields are edit controls with a filter in front: a typed character
// (WM_CHAR) passes only when it belongs to the field (Backspace and digits, in the
// yards field also "-" and "."), so Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z, which arrive as
// the characters 3, 22, 24 and 26, are dropped like letters. Pastes by the context menu
// or Shift+Insert are not typed and pass. Taking the focus from another control of the
// window (Tab, an access key, a click) selects the whole text; getting it back when the
// window is activated again does not.

#include "ui/description/main_form.h"

#include <windows.h>

namespace win32 {

// `kind` is the field's kind in the window description: a count or the yards.
void makeEntryField(HWND edit, description::ControlKind kind);

} // namespace win32
