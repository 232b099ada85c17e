"""The calculator as a user meets it: the splash window, typing, Enter and Esc, message
boxes, the About window and the ways out."""

import pyatspi
import pytest
from PIL import ImageFont

from desktop import TITLE, TITLE_FONT_FILE, TITLE_FONT_POINTS, wait_for


def started_splash(desktop, start):
    """Starts the program and catches its splash window the moment the window manager
    makes it the active window, which holds the keyboard focus, unclicked; the program and
    the window. The program runs on a slowed clock, so its splash stays eight real seconds
    and the test acts well within them on a busy machine too."""
    with desktop.active_windows() as activated:
        program = start(slow_clock=True)
        window = activated(lambda window: "_NET_WM_WINDOW_TYPE_SPLASH" in desktop.property(
            window, "_NET_WM_WINDOW_TYPE"), what="the splash window")
    return program, window


def enter_totals(desktop, completions, attempts, yards, touchdowns, interceptions):
    """Types the totals into the five fields in tab order, from the first field."""
    for total in (completions, attempts, yards, touchdowns):
        desktop.type(total)
        desktop.key("Tab")
    desktop.type(interceptions)


@pytest.mark.parametrize("key", ["q", "space", "Escape", "a click"])
def test_a_character_key_or_a_click_on_the_splash_frame_ends_the_program(desktop, start, key):
    program, window = started_splash(desktop, start)
    if key == "a click":
        x, y, width, _ = desktop.geometry(window)
        desktop.click(x + width - 16, y + 150)  # the frame's bare right edge, beside the labels
    else:
        desktop.key(key)
    assert program.ended()
    assert not desktop.windows(f"^{TITLE}$")


def test_keys_without_a_character_leave_the_splash_to_hand_over(desktop, start):
    program, _ = started_splash(desktop, start)
    desktop.key("Tab", "Delete", "Left", "F5", "shift")
    assert not program.ended(timeout=0.5)
    program.calculator()
    assert program.find("text", "Pass Completions").getState().contains(pyatspi.STATE_FOCUSED)


def test_a_long_college_rating_shows_its_start_cannot_be_typed_over_and_copies_whole(desktop, start):
    program = start()
    program.calculator()
    desktop.key("alt+n")  # the college formula, and the keyboard with it
    ncaa = program.find("radio button", "NCAA")
    wait_for(lambda: ncaa.getState().contains(pyatspi.STATE_FOCUSED), what="the focus on NCAA")
    assert ncaa.getState().contains(pyatspi.STATE_CHECKED)
    desktop.key("alt+c")  # back to the first field
    enter_totals(desktop, "16", "28", "210", "1", "2")
    desktop.key("ctrl+l")
    rating = program.field("Passer Rating")
    wait_for(lambda: rating.queryText().getText(0, -1), until=lambda text: text == "117.642857142857",
             what="the college rating")
    assert rating.queryText().caretOffset == 0  # the field shows the text from its start
    desktop.click(*program.centre(rating))
    desktop.type("123")  # changes nothing: the field is read-only
    desktop.key("BackSpace", "ctrl+a", "ctrl+c")
    assert wait_for(desktop.clipboard, what="the clipboard") == "117.642857142857"
    desktop.key("alt+l", "ctrl+l")  # NFL by its access key, and at once Calculate
    wait_for(lambda: rating.queryText().getText(0, -1), until=lambda text: text == "63.1", what="the NFL rating")
    assert program.errors() == ""  # nothing to warn of in a normal start and use


def rated(desktop, start):
    """The calculator, with a calculation typed and entered (rating 95.8); the cursor in
    the last field. Every total counts: touchdowns and interceptions swapped rate 63.1."""
    program = start()
    program.calculator()
    enter_totals(desktop, "21", "34", "285", "2", "1")
    desktop.key("Return")
    wait_for(lambda: program.text("Passer Rating"), until=lambda text: text == "95.8", what="the rating 95.8")
    return program


def test_a_message_box_names_the_rule_and_keeps_the_rating(desktop, start):
    program = rated(desktop, start)
    desktop.key("shift+Tab", "shift+Tab", "shift+Tab")  # back to the attempts field
    desktop.type("20")
    desktop.key("Return")

    box = wait_for(lambda: program.find("alert"), what="the message box")
    assert box.name == TITLE
    assert program.find("label", "Completions cannot exceed Attempts.", root=box)
    # Wide enough for the window manager to draw the whole caption with its buttons.
    window = desktop.xdotool("getwindowfocus")
    caption = ImageFont.truetype(TITLE_FONT_FILE, round(TITLE_FONT_POINTS * 96 / 72))
    assert desktop.geometry(window)[2] >= caption.getlength(TITLE) + 80

    desktop.key("Return")  # OK
    wait_for(lambda: program.find("alert") is None, what="the message box to close")
    assert program.text("Passer Rating") == "95.8"
    assert program.text("Pass Attempts") == "20"
    # The field gets the focus back with its window, which is no reason to select it.
    assert program.field("Pass Attempts").queryText().getNSelections() == 0


def test_a_paste_goes_in_whole_or_not_at_all(desktop, start):
    """Pasted text is judged at Calculate; a paste longer than any total can need is
    refused whole, so it can neither stall the window nor go in cut."""
    program = rated(desktop, start)
    attempts = program.field("Pass Attempts")
    desktop.set_clipboard("9" * 30000)
    desktop.key("alt+p", "shift+Insert")
    wait_for(lambda: attempts.queryText().characterCount, until=lambda count: count == 30000,
             what="the whole paste")
    desktop.key("Return")
    box = wait_for(lambda: program.find("alert"), what="the message box")
    assert program.find("label", "The Pass Attempts field contains an error.", root=box)
    desktop.key("Return")
    wait_for(lambda: program.find("alert") is None, what="the message box to close")

    desktop.set_clipboard("1" * (50 * 1024 * 1024))
    desktop.key("alt+c")
    desktop.type("77")  # typing asks the clipboard's owner for nothing
    wait_for(lambda: program.text("Pass Completions"), until=lambda text: text == "77", what="the completions 77")
    assert desktop.clipboard_requests() == 0
    desktop.key("alt+p", "shift+Insert")  # the field selected again, then the paste
    wait_for(desktop.clipboard_requests, until=lambda count: count == 1, what="the paste's one request")
    desktop.type("5")  # replaces the selection the paste was refused onto
    wait_for(lambda: program.text("Pass Attempts"), until=lambda text: text == "5", what="the field as before the paste")
    assert program.text("Passer Rating") == "95.8"


def test_typed_characters_pass_the_fields_filter_and_the_editing_keys_work(desktop, start):
    """A count takes digits, the yards digits, "-" and "."; no field limits its length;
    Backspace takes the last character typed; the clipboard keys do nothing in a field.
    Each field's access key selects it; Delete, Home, End, the arrows and Shift with them
    work in every field; Esc clears every field."""
    program = rated(desktop, start)
    desktop.set_clipboard("999")
    desktop.key("ctrl+v", "ctrl+a", "ctrl+x", "ctrl+z", "ctrl+c")
    desktop.type("2")
    wait_for(lambda: program.text("Interceptions"), until=lambda text: text == "12", what="the interceptions 12")
    assert desktop.clipboard() == "999"
    rows = [("alt+p", "1a2b-3.+, 4", "Pass Attempts", "123"),
            ("alt+y", "1.2-x3 +,--", "Passing Yards", "1.2-3-"),
            ("alt+i", "0001234567890123", "Interceptions", "000123456789012")]
    for access_key, typed, name, kept in rows:
        desktop.key(access_key)
        desktop.type(typed)
        desktop.key("BackSpace")
        wait_for(lambda: program.text(name), until=lambda text: text == kept, what=f"{name} to read {kept}")
    fields = {"alt+c": "Pass Completions", "alt+p": "Pass Attempts", "alt+y": "Passing Yards", "alt+t": "Touchdowns",
              "alt+i": "Interceptions"}
    for access_key, name in fields.items():
        desktop.key(access_key)
        desktop.type("1234")  # over the whole text the access key selected
        desktop.key("Home", "Delete", "Right", "BackSpace", "End", "shift+Left")
        desktop.type("9")
        desktop.key("Home", "shift+Right", "Delete")
        wait_for(lambda: program.text(name), until=lambda text: text == "9", what=f"{name} to read 9")
    desktop.key("Escape")
    names = [*fields.values(), "Passer Rating"]
    wait_for(lambda: [program.text(name) for name in names], until=lambda texts: not any(texts),
             what="empty fields")


def test_a_click_selects_the_whole_field_and_a_drag_then_selects_part(desktop, start):
    program = start()
    program.calculator()
    enter_totals(desktop, "", "", "250", "", "")  # the cursor ends in the interceptions field
    yards = program.field("Passing Yards")
    desktop.click(*program.centre(yards))
    desktop.type("31234567")  # over the whole text the click selected
    wait_for(lambda: program.text("Passing Yards"), until=lambda text: text == "31234567",
             what="the yards to read 31234567")
    box = yards.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    middle_y = box.y + box.height // 2
    desktop.drag((box.x + 4, middle_y), (box.x + box.width // 2, middle_y))

    def selection():
        text = yards.queryText()
        return tuple(text.getSelection(0)) if text.getNSelections() else None

    wait_for(selection, until=lambda found: found and found[0] == 0 and 0 < found[1] < 8,
             what="a part of the yards selected from its start")


def test_about_opens_and_closes_with_enter_and_esc(desktop, start):
    program = start()
    program.calculator()
    for closing_key in ("Return", "Escape"):
        desktop.key("alt+h")
        desktop.key("a")
        wait_for(desktop.focused_title, until=lambda title: title == f"About {TITLE}", what="the About window")
        desktop.key(closing_key)
        wait_for(desktop.focused_title, until=lambda title: title == TITLE, what="the calculator again")
        assert not desktop.windows(f"^About {TITLE}$")


@pytest.mark.parametrize("keys", ["F3", "alt+F4", "Tab " * 8 + "Return"], ids=["F3", "alt+F4", "Enter on Exit"])
def test_exit_keys_end_the_program_at_once(desktop, start, keys):
    """Enter on the focused Exit button is the button's: Calculate would refuse the
    totals with a message."""
    program = start()
    program.calculator()
    desktop.type("250")
    desktop.key(*keys.split())
    assert program.ended()
