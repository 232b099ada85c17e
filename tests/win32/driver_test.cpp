// Drives the real passer-rating.exe as a user does: keys and clicks go in as input
// (SendInput), so they pass the program's message loop, its accelerators and the dialog
// manager. Messages serve only to read what the windows show (texts, focus, selection,
// fonts) and to find them; the built file's resources are read as Windows reads them.
// PASSER_RATING_EXE names the program.

#include "identity/product.h"
#include "platform/windows_text.h"
#include "ui/description/texts.h"
#include "ui/description/twips.h"
#include "ui/win32/window_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

#include <commctrl.h>

namespace {

// Reads until `read` returns `expected`. The limit is far beyond what a working program
// needs on a busy machine; reaching it reports what was waited for and the last value read.
template <typename Read, typename Value>
testing::AssertionResult becomes(const std::string& what, Read read, const Value& expected)
{
    constexpr auto kLimit = std::chrono::seconds(30);
    const auto deadline = std::chrono::steady_clock::now() + kLimit;
    for (auto value = read(); value != expected; value = read()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return testing::AssertionFailure()
                   << "timed out after " << kLimit.count() << " s waiting for " << what << " to be "
                   << testing::PrintToString(expected) << "; last read: " << testing::PrintToString(value);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return testing::AssertionSuccess();
}

std::wstring environment(const wchar_t* name)
{
    const wchar_t* value = ::_wgetenv(name);
    return value != nullptr ? value : L"";
}

std::string text(HWND window)
{
    std::wstring buffer(4096, L'\0');
    const auto length = ::SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<std::size_t>(length));
    return platform::toUtf8(buffer);
}

HWND visibleWindow(const wchar_t* className, const wchar_t* title = nullptr)
{
    HWND found = nullptr;
    const auto visible = [&] {
        found = ::FindWindowW(className, title);
        return found != nullptr && ::IsWindowVisible(found) != FALSE;
    };
    EXPECT_TRUE(becomes("a window of class " + platform::toUtf8(className) + " shown", visible, true));
    return found;
}

testing::AssertionResult gone(HWND window)
{
    return becomes(
        "the window to be gone: IsWindow", [&] { return ::IsWindow(window) != FALSE; }, false);
}

// Keys held down in order and let go in reverse: {VK_MENU, 'C'} is Alt+C.
void press(const std::vector<WORD>& keys)
{
    std::vector<INPUT> inputs(keys.size() * 2);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        INPUT& down = inputs[i];
        INPUT& up = inputs[inputs.size() - 1 - i];
        down.type = up.type = INPUT_KEYBOARD;
        down.ki.wVk = up.ki.wVk = keys[i];
        up.ki.dwFlags = KEYEVENTF_KEYUP;
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Each character by the key that types it, with Shift where the layout needs it: "21\t34"
// types 21, Tab, 34.
void typeKeys(const std::string& characters)
{
    for (const char c : characters) {
        const SHORT scan = ::VkKeyScanW(static_cast<wchar_t>(c));
        const auto key = static_cast<WORD>(LOBYTE(scan));
        (HIBYTE(scan) & 1) != 0 ? press({VK_SHIFT, key}) : press({key});
    }
}

// What a paste will bring, as another program would put it there.
bool putOnClipboard(const std::wstring& text)
{
    if (::OpenClipboard(nullptr) == FALSE) {
        return false;
    }
    ::EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    return ::CloseClipboard() != FALSE;
}

// A menu's access key, then its item's: choose('A', 'C') is Action, Calculate.
void choose(WORD menu, WORD item)
{
    press({VK_MENU, menu});
    press({item});
}

// A left click in the middle of `window`.
void click(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    std::array<INPUT, 3> inputs{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (rect.left + rect.right) / 2 * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = (rect.top + rect.bottom) / 2 * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

testing::AssertionResult foreground(HWND window)
{
    ::SetForegroundWindow(window);
    return becomes(
        "the foreground window", [] { return static_cast<void*>(::GetForegroundWindow()); },
        static_cast<void*>(window));
}

// Each test starts the program and ends it.
class Program : public testing::Test {
  protected:
    void SetUp() override
    {
        std::wstring commandLine = L"\"" + environment(L"PASSER_RATING_EXE") + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &m_process));
    }
    void TearDown() override
    {
        ::TerminateProcess(m_process.hProcess, 0);
        ::WaitForSingleObject(m_process.hProcess, 5000);
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
    }

    [[nodiscard]] testing::AssertionResult ended() const
    {
        const auto running = [&] { return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; };
        return becomes("the program running", running, false);
    }

    // The calculator in front, once the splash window has handed over.
    HWND calculator()
    {
        m_calculator = visibleWindow(win32::kMainClass);
        if (m_calculator != nullptr && !foreground(m_calculator)) {
            ADD_FAILURE() << "the calculator did not come to the front";
        }
        return m_calculator;
    }
    [[nodiscard]] HWND window() const { return m_calculator; }
    [[nodiscard]] HWND control(std::size_t index) const { return ::GetDlgItem(m_calculator, win32::controlId(index)); }
    [[nodiscard]] testing::AssertionResult shows(std::size_t index, const std::string& expected) const
    {
        return becomes(
            std::string("the text of ") + description::kMainControls[index].name, [&] { return text(control(index)); },
            expected);
    }
    // The name of the control with the focus, or of none.
    [[nodiscard]] testing::AssertionResult focusIn(std::size_t index) const
    {
        return becomes(
            "the focus",
            [&] {
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_calculator, nullptr), &info);
                for (std::size_t i = 0; i < description::kMainControls.size(); ++i) {
                    if (info.hwndFocus == control(i)) {
                        return std::string(description::kMainControls[i].name);
                    }
                }
                return std::string("no control of the calculator");
            },
            std::string(description::kMainControls[index].name));
    }
    // The selection as "start-end of text".
    [[nodiscard]] testing::AssertionResult selects(std::size_t index, const std::string& expected) const
    {
        return becomes(
            std::string("the selection in ") + description::kMainControls[index].name,
            [&] {
                DWORD start = 0;
                DWORD end = 0;
                ::SendMessageW(control(index), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                               reinterpret_cast<LPARAM>(&end));
                return std::to_string(start) + "-" + std::to_string(end) + " of " + text(control(index));
            },
            expected);
    }

  private:
    PROCESS_INFORMATION m_process{};
    HWND m_calculator = nullptr;
};

// Each test starts once the calculator is in front.
class Calculator : public Program {
  protected:
    void SetUp() override
    {
        Program::SetUp();
        ASSERT_NE(calculator(), nullptr);
    }
};

TEST_F(Program, SplashHandsOverToTheCalculatorAfterTwoSeconds)
{
    const HWND splash = visibleWindow(win32::kSplashClass);
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(::GetWindowTextLengthW(splash), 0); // no caption
    EXPECT_EQ(::FindWindowW(win32::kMainClass, nullptr), nullptr);
    ASSERT_NE(calculator(), nullptr);
    EXPECT_TRUE(gone(splash));
    EXPECT_EQ(text(window()), product::kTitle); // its first field's focus: the tab order's test
}

// Chords pressed in turn on the splash window or on the calculator.
struct Ending {
    bool onSplash;
    std::vector<std::vector<WORD>> chords;
};

class Ends : public Program, public testing::WithParamInterface<Ending> {};

TEST_P(Ends, TheProgramAtOnce)
{
    ASSERT_TRUE(GetParam().onSplash ? foreground(visibleWindow(win32::kSplashClass)) : calculator() != nullptr);
    for (const std::vector<WORD>& chord : GetParam().chords) {
        press(chord);
    }
    EXPECT_TRUE(ended());
}

// A character key, and on either window Alt+F4, which sends what the close box and End
// task send; F3 and File, Exit.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, Ends, testing::Values(
    Ending{true, {{'Q'}}},
    Ending{true, {{VK_MENU, VK_F4}}},
    Ending{false, {{VK_MENU, VK_F4}}},
    Ending{false, {{VK_F3}}},
    Ending{false, {{VK_MENU, 'F'}, {'X'}}}));
// clang-format on

TEST_F(Calculator, ATypedCalculationWithEnterThenEsc)
{
    typeKeys("21\t34\t285\t2\t1"); // from the first field, where the cursor stands
    press({VK_RETURN});
    EXPECT_TRUE(shows(description::kTxtPasserRating, "95.8"));
    press({VK_MENU, 'N'});
    choose('A', 'C');
    EXPECT_TRUE(shows(description::kTxtPasserRating, "145.705882352941"));

    press({VK_ESCAPE});
    EXPECT_TRUE(shows(description::kTxtPasserRating, ""));
    ASSERT_NE(::IsWindowVisible(window()), FALSE); // Esc resets; it does not end the program
    for (const std::size_t entry : description::kEntryControls) {
        EXPECT_EQ(text(control(entry)), "");
    }
}

// Screen readers name an edit control after the static text just before it among the
// window's children.
TEST_F(Calculator, EveryFieldFollowsItsLabelAmongTheWindowsChildren)
{
    const auto is = [](HWND child, const wchar_t* className) {
        std::array<wchar_t, 16> name{};
        ::GetClassNameW(child, name.data(), static_cast<int>(name.size()));
        return ::_wcsicmp(name.data(), className) == 0;
    };
    std::vector<std::string> named; // the text before each edit control, if a static's
    HWND previous = nullptr;
    for (HWND child = ::GetWindow(window(), GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (is(child, L"Edit")) {
            named.push_back(previous != nullptr && is(previous, L"Static") ? text(previous) : "");
        }
        previous = child;
    }
    EXPECT_EQ(named, (std::vector<std::string>{"Pass &Completions:", "&Pass Attempts:", "Passing &Yards:",
                                               "&Touchdowns:", "&Interceptions:", "Passer Rating:"}));
}

TEST_F(Calculator, TabShiftTabAndAccessKeysMoveTheFocus)
{
    using namespace description;
    const std::array order{kTxtCompletions,  kTxtAttempts, kTxtYards, kTxtTouchdowns, kTxtInterceptions, kBtnCalculate,
                           kTxtPasserRating, kBtnReset,    kBtnExit,  kOptNFL,        kTxtCompletions};
    ASSERT_TRUE(focusIn(order.front()));
    for (std::size_t i = 1; i < order.size(); ++i) {
        press({VK_TAB});
        EXPECT_TRUE(focusIn(order[i]));
    }
    for (std::size_t i = order.size() - 1; i-- > 0;) {
        press({VK_SHIFT, VK_TAB});
        EXPECT_TRUE(focusIn(order[i]));
    }
    // Every label's and option's access key.
    const struct {
        WORD key;
        std::size_t control;
    } rows[]{
        {'P', kTxtAttempts},      {'C', kTxtCompletions}, {'Y', kTxtYards}, {'T', kTxtTouchdowns},
        {'I', kTxtInterceptions}, {'N', kOptNCAA},        {'L', kOptNFL},
    };
    for (const auto& row : rows) {
        press({VK_MENU, row.key});
        EXPECT_TRUE(focusIn(row.control));
    }
    EXPECT_EQ(::SendMessageW(control(kOptNFL), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Calculator, AFieldSelectsItsWholeTextWhenAnAccessKeyOrAClickBringsTheFocus)
{
    press({VK_MENU, 'Y'});
    typeKeys("285");
    press({VK_MENU, 'T'});
    typeKeys("2");
    press({VK_MENU, 'Y'});
    EXPECT_TRUE(selects(description::kTxtYards, "0-3 of 285"));
    click(control(description::kTxtTouchdowns));
    EXPECT_TRUE(selects(description::kTxtTouchdowns, "0-1 of 2"));
    typeKeys("3");
    EXPECT_TRUE(shows(description::kTxtTouchdowns, "3"));
}

// Every letter without a modifier is dropped, and no shortcut or access key fires (Ctrl+T
// resets, Alt+H opens Help: without their modifier they are plain letters); Ctrl+V, Ctrl+C,
// Ctrl+X and Ctrl+Z type the characters 22, 3, 24 and 26: dropped too. The editing keys
// work in every field.
TEST_F(Calculator, TypedCharactersPassTheFieldsFilterAndTheEditingKeysWork)
{
    typeKeys("12");
    for (WORD letter = 'A'; letter <= 'Z'; ++letter) {
        press({letter});
    }
    typeKeys("3-.");
    EXPECT_TRUE(shows(description::kTxtCompletions, "123"));
    EXPECT_EQ(::GetForegroundWindow(), window());
    EXPECT_EQ(::SendMessageW(control(description::kOptNFL), BM_GETCHECK, 0, 0), BST_CHECKED);
    press({VK_MENU, 'Y'});
    typeKeys("-7.5x\b");
    EXPECT_TRUE(shows(description::kTxtYards, "-7."));

    ASSERT_TRUE(putOnClipboard(L"999"));
    press({VK_MENU, 'C'});
    press({VK_END});
    for (const WORD key : {WORD{'V'}, WORD{'C'}, WORD{'X'}, WORD{'Z'}}) {
        press({VK_CONTROL, key});
    }
    typeKeys("4");
    EXPECT_TRUE(shows(description::kTxtCompletions, "1234"));

    for (const std::size_t entry : description::kEntryControls) {
        click(control(entry)); // selects the whole text: typing replaces it
        typeKeys("1234");
        // clang-format off
        for (const std::vector<WORD>& keys : std::vector<std::vector<WORD>>{
                 {VK_HOME}, {VK_DELETE}, {VK_RIGHT}, {VK_BACK}, {VK_END}, {VK_SHIFT, VK_LEFT}, {'9'}, {VK_HOME}, {VK_SHIFT, VK_RIGHT}, {VK_DELETE}}) {
            press(keys);
        }
        // clang-format on
        EXPECT_TRUE(shows(entry, "9"));
    }
}

// A paste longer than any total can need is refused whole; the field keeps its text. One
// of the limit's length goes in.
TEST_F(Calculator, APasteOverTheLimitIsRefusedWhole)
{
    typeKeys("12");
    ASSERT_TRUE(putOnClipboard(std::wstring(description::kMaxPasteCharacters + 1, L'9')));
    press({VK_SHIFT, VK_INSERT});
    typeKeys("3");
    EXPECT_TRUE(shows(description::kTxtCompletions, "123"));
    ASSERT_TRUE(putOnClipboard(std::wstring(description::kMaxPasteCharacters, L'9')));
    press({VK_MENU, 'C'}); // selects the whole text, which the paste replaces
    press({VK_SHIFT, VK_INSERT});
    const auto length = [this] {
        return ::SendMessageW(control(description::kTxtCompletions), WM_GETTEXTLENGTH, 0, 0);
    };
    EXPECT_TRUE(becomes("the length of txtCompletions", length, LRESULT{description::kMaxPasteCharacters}));
}

// Run under a German locale only (the check's German step): "." groups thousands there.
TEST_F(Calculator, GermanTotalsAndRatingAsTheLocaleWritesThem)
{
    std::array<wchar_t, 8> group{};
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, group.data(), static_cast<int>(group.size()));
    ASSERT_EQ(std::wstring(group.data()), L".") << "not a German locale";
    typeKeys("343\t502\t4.643\t45\t6");
    press({VK_RETURN});
    EXPECT_TRUE(shows(description::kTxtPasserRating, "122,5"));
}

// Run under a French locale only (the check's French step): "," is the decimal separator
// and a space groups thousands, so "4.643" could mean either and is refused; any space
// that groups is taken.
TEST_F(Calculator, FrenchTotalsAsTheLocaleWritesThem)
{
    std::array<wchar_t, 8> decimal{};
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal.data(), static_cast<int>(decimal.size()));
    ASSERT_EQ(std::wstring(decimal.data()), L",") << "not a French locale";
    typeKeys("343\t502\t4.643\t45\t6");
    press({VK_RETURN});
    const HWND box = visibleWindow(L"#32770", platform::toWide(product::kTitle).c_str());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(text(::GetDlgItem(box, 0xFFFF)), "The Yards field contains an error.");
    press({VK_RETURN});
    ASSERT_TRUE(gone(box));
    for (const wchar_t* yards : {L"4\u202F643", L"4 643"}) { // no key types a space into a field
        press({VK_ESCAPE});
        press({VK_MENU, 'C'});
        typeKeys("343\t502\t\t45\t6");
        ASSERT_TRUE(putOnClipboard(yards));
        press({VK_MENU, 'Y'});
        press({VK_SHIFT, VK_INSERT});
        press({VK_RETURN});
        EXPECT_TRUE(shows(description::kTxtPasserRating, "122,5")) << platform::toUtf8(yards);
    }
}

// With the focus in `field`, `interrupt` takes the activation away and gives it back;
// the next digit typed lands in that field.
class FocusKept : public Calculator {
  protected:
    void keptThrough(std::size_t field, const std::function<void()>& interrupt)
    {
        click(control(field));
        ASSERT_TRUE(focusIn(field));
        interrupt();
        EXPECT_TRUE(focusIn(field));
        typeKeys("7");
        EXPECT_TRUE(shows(field, "7"));
    }
};

TEST_F(FocusKept, AfterAMessageBoxClosedByEnterThatKeptTheRating)
{
    typeKeys("21\t34\t285\t1\t2");
    press({VK_RETURN});
    ASSERT_TRUE(shows(description::kTxtPasserRating, "73.8"));
    press({VK_MENU, 'P'});
    typeKeys("20");
    ASSERT_TRUE(shows(description::kTxtAttempts, "20"));
    keptThrough(description::kTxtTouchdowns, [&] {
        press({VK_CONTROL, 'L'});
        const HWND box = visibleWindow(L"#32770", platform::toWide(product::kTitle).c_str());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(text(::GetDlgItem(box, 0xFFFF)), "Completions cannot exceed Attempts.");
        EXPECT_EQ(::GetDlgItem(box, IDCANCEL), nullptr); // OK only
        EXPECT_EQ(::IsWindowEnabled(window()), FALSE);
        press({VK_RETURN});
        EXPECT_TRUE(gone(box));
    });
    EXPECT_EQ(text(control(description::kTxtPasserRating)), "73.8");
}

TEST_F(FocusKept, AfterAboutClosedByEscAndByEnter)
{
    for (const WORD closing : {WORD{VK_ESCAPE}, WORD{VK_RETURN}}) {
        keptThrough(closing == VK_ESCAPE ? description::kTxtYards : description::kTxtAttempts, [&] {
            choose('H', 'A');
            const HWND about = visibleWindow(win32::kAboutClass, platform::toWide(description::aboutCaption()).c_str());
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(::GetWindow(about, GW_OWNER), window());
            EXPECT_EQ(::IsWindowEnabled(window()), FALSE);
            press({closing});
            EXPECT_TRUE(gone(about));
        });
    }
}

TEST_F(FocusKept, AfterAnotherWindowHadTheFocus)
{
    keptThrough(description::kTxtInterceptions, [&] {
        const HWND other = ::CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                                             nullptr, nullptr, nullptr, nullptr);
        EXPECT_TRUE(foreground(other));
        ::DestroyWindow(other);
        EXPECT_TRUE(foreground(window()));
    });
}

// The tab the help viewer shows: 0 Contents, 1 Index.
int helpTab()
{
    HWND tabs = nullptr;
    ::EnumChildWindows(
        ::FindWindowW(L"HH Parent", nullptr),
        [](HWND child, LPARAM found) {
            std::wstring name(64, L'\0');
            name.resize(static_cast<std::size_t>(::GetClassNameW(child, name.data(), 64)));
            *reinterpret_cast<HWND*>(found) = name == WC_TABCONTROLW ? child : nullptr;
            return name == WC_TABCONTROLW ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&tabs));
    return tabs != nullptr ? static_cast<int>(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

TEST_F(Calculator, F1AndHelpIndexOpenTheHelpViewerOnTheirTab)
{
    // Wine's viewer loses its tab when a second command reuses it, so each command gets a
    // viewer of its own here.
    choose('H', 'I');
    EXPECT_TRUE(becomes("the help viewer's tab (0 Contents, 1 Index, -1 none)", helpTab, 1));
    ::PostMessageW(::FindWindowW(L"HH Parent", nullptr), WM_CLOSE, 0, 0);
    ASSERT_TRUE(becomes(
        "a help viewer open", [] { return ::FindWindowW(L"HH Parent", nullptr) != nullptr; }, false));
    ASSERT_TRUE(foreground(window()));
    press({VK_F1});
    EXPECT_TRUE(becomes("the help viewer's tab (0 Contents, 1 Index, -1 none)", helpTab, 0));
}

TEST_F(Calculator, TheHomePageGoesToTheBrowser)
{
    choose('H', 'W');
    // The stand-in browser writes down the address it was given.
    EXPECT_TRUE(becomes(
        "the address the browser received",
        [] {
            std::string received;
            std::ifstream(platform::toUtf8(environment(L"PASSER_RATING_BROWSER_RECORD"))) >> received;
            return received;
        },
        std::string(product::kHomePage)));
}

// The program's resources as Windows reads them from the file.
class BuiltFile : public testing::Test {
  protected:
    void SetUp() override
    {
        m_module = ::LoadLibraryExW(environment(L"PASSER_RATING_EXE").c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(m_module, nullptr);
    }
    void TearDown() override { ::FreeLibrary(m_module); }

    [[nodiscard]] std::string resource(const wchar_t* name, const wchar_t* type) const
    {
        const HRSRC found = ::FindResourceW(m_module, name, type);
        if (found == nullptr) {
            return {};
        }
        const auto* bytes = static_cast<const char*>(::LockResource(::LoadResource(m_module, found)));
        return {bytes, ::SizeofResource(m_module, found)};
    }

    HMODULE m_module = nullptr;
};

TEST_F(BuiltFile, ManifestAsksForCommonControls6PerMonitorDpiAndNoElevation)
{
    const std::string manifest = resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    for (const char* entry : {R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")", "PerMonitorV2",
                              "true/pm", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", R"(level="asInvoker")"}) {
        EXPECT_NE(manifest.find(entry), std::string::npos) << entry << " in\n" << manifest;
    }
}

TEST_F(BuiltFile, ShellIconHasEverySizeAndTheVersionItsCopyright)
{
    // The first icon group, which the shell shows: GRPICONDIR, then 14 bytes an image whose
    // first is its width (0 for 256).
    const std::string group = resource(L"APPICON", MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6U);
    std::set<int> sizes;
    for (std::size_t at = 6; at + 14 <= group.size(); at += 14) {
        const int width = static_cast<unsigned char>(group[at]);
        sizes.insert(width == 0 ? 256 : width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));

    // The version resource holds its strings in UTF-16.
    const std::string version = resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16)); // RT_VERSION
    const std::wstring wide(reinterpret_cast<const wchar_t*>(version.data()), version.size() / sizeof(wchar_t));
    EXPECT_NE(wide.find(L"LegalCopyright"), std::wstring::npos);
    // The notice as the windows write it, for the year of the build: four digits.
    const std::wstring::size_type at = wide.find(L"Copyright \u00A9 2005 - ");
    ASSERT_NE(at, std::wstring::npos);
    const std::wstring copyright = wide.substr(at, wide.find(L'\0', at) - at);
    const std::wstring year = copyright.substr(std::wstring(L"Copyright \u00A9 2005 - ").size(), 4);
    ASSERT_TRUE(std::ranges::all_of(year, [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        << platform::toUtf8(copyright);
    EXPECT_EQ(copyright, platform::toWide(description::copyrightNotice(std::stoi(year))));
}

// The program started at another DPI, as Windows' display scaling sets it: every control
// at its twips at that DPI, its text at the window's size at that DPI, and every caption
// inside its control at that size.
class AtDpi : public Program, public testing::WithParamInterface<DWORD> {
  protected:
    void SetUp() override
    {
        setDpi(GetParam());
        Program::SetUp();
    }
    void TearDown() override
    {
        Program::TearDown();
        setDpi(96);
    }

  private:
    static void setDpi(DWORD dpi)
    {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
};

TEST_P(AtDpi, EveryControlKeepsItsTwipsAndEveryCaptionFits)
{
    ASSERT_NE(calculator(), nullptr);
    const int dpi = static_cast<int>(GetParam());
    const auto pixels = [dpi](int twips) { return description::pixelsAt(twips, dpi); };
    RECT client{};
    ::GetClientRect(window(), &client);
    EXPECT_EQ(client.right, pixels(description::kMainClientSize.width));
    EXPECT_EQ(client.bottom, pixels(description::kMainClientSize.height));
    // The window's font as due at this DPI: 8.25 points in pixels. The program's own font
    // handle means nothing in this process, so its size is read from what it draws: "123"
    // typed into a field is as wide as the due font makes it.
    const int dueHeight = dpi == 144 ? 17 : 22;
    const HFONT due = ::CreateFontW(-dueHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                    platform::toWide(description::kWindowFontFamily).c_str());
    const HDC dc = ::GetDC(window());
    const HGDIOBJ old = ::SelectObject(dc, due);
    typeKeys("1234");
    const HWND field = control(description::kTxtCompletions);
    ASSERT_TRUE(shows(description::kTxtCompletions, "1234"));
    const auto x = [field](int at) { return LOWORD(::SendMessageW(field, EM_POSFROMCHAR, at, 0)); };
    SIZE typed{};
    ::GetTextExtentPoint32W(dc, L"123", 3, &typed);
    EXPECT_NEAR(x(3) - x(0), typed.cx, 1) << "the text drawn at another size than due";
    for (std::size_t i = 0; i < description::kMainControls.size(); ++i) {
        const description::Control& row = description::kMainControls[i];
        RECT box{};
        ::GetWindowRect(control(i), &box);
        ::MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&box), 2);
        EXPECT_EQ((std::array<LONG, 4>{box.left, box.top, box.right - box.left, box.bottom - box.top}),
                  (std::array<LONG, 4>{pixels(row.rect.left), pixels(row.rect.top), pixels(row.rect.width),
                                       pixels(row.rect.height)}))
            << row.name;
        std::wstring caption = platform::toWide(row.caption);
        std::erase(caption, L'&');
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        // An option's caption stands beside its round button.
        const int room = box.right - box.left - (row.kind == description::ControlKind::Option ? pixels(255) : 0);
        EXPECT_LE(extent.cx, room) << row.name;
        EXPECT_LE(extent.cy, box.bottom - box.top) << row.name;
    }
    ::SelectObject(dc, old);
    ::DeleteObject(due);
    ::ReleaseDC(window(), dc);
}

INSTANTIATE_TEST_SUITE_P(Scaled, AtDpi, testing::Values(144, 192));

} // namespace
