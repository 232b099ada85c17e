// Drives the real passer-rating.exe through its windows' messages, as Windows delivers a
// user's input (WM_CHAR, WM_KEYDOWN through the message loop, BM_CLICK, menu commands),
// and reads back what the windows show (WM_GETTEXT, window classes and states).

#include "identity/product.h"
#include "platform/windows_text.h"
#include "ui/description/texts.h"
#include "ui/win32/window_ids.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include <windows.h>

#include <commctrl.h>

namespace {

using description::Command;

template <typename Result> Result waitFor(const std::function<Result()>& probe, int milliseconds = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (Result result = probe(); result || std::chrono::steady_clock::now() > deadline) {
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::wstring environment(const wchar_t* name)
{
    std::wstring value(1024, L'\0');
    value.resize(::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

std::string text(HWND window)
{
    std::wstring buffer(4096, L'\0');
    const auto length = ::SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<std::size_t>(length));
    return platform::toUtf8(buffer);
}

// The program, started for one test and ended after it.
class Program {
  public:
    Program()
    {
        std::wstring commandLine = L"\"" + environment(L"PASSER_RATING_EXE") + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        m_started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &m_process) != FALSE;
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    Program(Program&&) = delete;
    Program& operator=(Program&&) = delete;
    ~Program()
    {
        if (m_started) {
            ::TerminateProcess(m_process.hProcess, 0);
            ::WaitForSingleObject(m_process.hProcess, 5000);
            ::CloseHandle(m_process.hThread);
            ::CloseHandle(m_process.hProcess);
        }
    }

    [[nodiscard]] bool ended(int milliseconds = 3000) const
    {
        return ::WaitForSingleObject(m_process.hProcess, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
    }

    static HWND window(const wchar_t* className, const wchar_t* title = nullptr)
    {
        return waitFor<HWND>([=] {
            const HWND found = ::FindWindowW(className, title);
            return found != nullptr && ::IsWindowVisible(found) != FALSE ? found : nullptr;
        });
    }

    // The calculator, once the splash window has handed over.
    HWND calculator()
    {
        m_calculator = window(win32::kMainClass);
        return m_calculator;
    }

    [[nodiscard]] HWND control(std::size_t index) const { return ::GetDlgItem(m_calculator, win32::controlId(index)); }

    void type(std::size_t index, const std::string& characters) const
    {
        for (const char c : characters) {
            ::SendMessageW(control(index), WM_CHAR, static_cast<unsigned char>(c), 0);
        }
    }

    // A key as the user presses it: through the program's message loop.
    void press(std::size_t index, WPARAM key) const
    {
        ::PostMessageW(control(index), WM_KEYDOWN, key, 0);
        ::PostMessageW(control(index), WM_KEYUP, key, 0);
    }

    void command(Command command) const
    {
        ::PostMessageW(m_calculator, WM_COMMAND, static_cast<WPARAM>(win32::commandId(command)), 0);
    }

    [[nodiscard]] std::string rating(const std::string& expected) const
    {
        const HWND field = control(description::kTxtPasserRating);
        return waitFor<bool>([&] { return text(field) == expected; }, 3000) ? expected : text(field);
    }

    void enter(const char* completions, const char* attempts, const char* yards, const char* touchdowns,
               const char* interceptions) const
    {
        type(description::kTxtCompletions, completions);
        type(description::kTxtAttempts, attempts);
        type(description::kTxtYards, yards);
        type(description::kTxtTouchdowns, touchdowns);
        type(description::kTxtInterceptions, interceptions);
    }

  private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HWND m_calculator = nullptr;
};

const std::wstring kTitle = platform::toWide(product::kTitle);

TEST(Splash, HandsOverToTheCalculatorAfterTwoSeconds)
{
    Program program;
    const HWND splash = Program::window(win32::kSplashClass);
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(::GetWindowTextLengthW(splash), 0); // no caption
    EXPECT_EQ(::FindWindowW(win32::kMainClass, nullptr), nullptr);
    const HWND calculator = program.calculator();
    ASSERT_NE(calculator, nullptr);
    EXPECT_TRUE(waitFor<bool>([&] { return ::IsWindow(splash) == FALSE; }));
    EXPECT_EQ(text(calculator), product::kTitle);
}

TEST(Splash, ACharacterKeyEndsTheProgram)
{
    Program program;
    const HWND splash = Program::window(win32::kSplashClass);
    ASSERT_NE(splash, nullptr);
    ::PostMessageW(splash, WM_CHAR, 'q', 0);
    EXPECT_TRUE(program.ended());
}

TEST(Calculator, ATypedCalculationWithEnter)
{
    Program program;
    ASSERT_NE(program.calculator(), nullptr);
    program.enter("21", "34", "285", "1", "1");
    program.press(description::kTxtInterceptions, VK_RETURN);
    EXPECT_EQ(program.rating("86"), "86");
    // The college formula: the whole 15 digits.
    ::SendMessageW(program.control(description::kOptNCAA), BM_CLICK, 0, 0);
    program.command(Command::Calculate);
    EXPECT_EQ(program.rating("136"), "136");
}

TEST(Calculator, AMessageBoxNamesTheRuleAndKeepsTheRating)
{
    Program program;
    ASSERT_NE(program.calculator(), nullptr);
    program.enter("21", "34", "285", "1", "1");
    ::PostMessageW(program.control(description::kBtnCalculate), BM_CLICK, 0, 0);
    ASSERT_EQ(program.rating("86"), "86");
    ::SendMessageW(program.control(description::kTxtAttempts), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"20"));
    ::PostMessageW(program.control(description::kBtnCalculate), BM_CLICK, 0, 0);

    const HWND box = Program::window(L"#32770", kTitle.c_str());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(text(::GetDlgItem(box, 0xFFFF)), "Completions cannot exceed Attempts.");
    EXPECT_EQ(::GetDlgItem(box, IDCANCEL), nullptr); // OK only
    EXPECT_EQ(::IsWindowEnabled(program.calculator()), FALSE);
    ::PostMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor<bool>([&] { return ::IsWindow(box) == FALSE; }));
    EXPECT_EQ(program.rating("86"), "86");
}

TEST(Calculator, EscClearsEveryField)
{
    Program program;
    ASSERT_NE(program.calculator(), nullptr);
    program.enter("21", "34", "285", "1", "1");
    program.command(Command::Calculate);
    ASSERT_EQ(program.rating("86"), "86");
    program.press(description::kTxtYards, VK_ESCAPE);
    EXPECT_EQ(program.rating(""), "");
    for (const std::size_t entry : description::kEntryControls) {
        EXPECT_EQ(text(program.control(entry)), "");
    }
}

TEST(Calculator, TypedCharactersPassTheFieldsFilter)
{
    Program program;
    ASSERT_NE(program.calculator(), nullptr);
    program.type(description::kTxtAttempts, "1a2b-3.");
    program.type(description::kTxtYards, "-7.5x");
    EXPECT_EQ(text(program.control(description::kTxtAttempts)), "123");
    EXPECT_EQ(text(program.control(description::kTxtYards)), "-7.5");
    program.type(description::kTxtYards, "\b");
    EXPECT_EQ(text(program.control(description::kTxtYards)), "-7.");

    // Ctrl+V, Ctrl+C, Ctrl+X, Ctrl+Z arrive as the characters 22, 3, 24 and 26.
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, 8);
    std::memcpy(::GlobalLock(memory), L"999", 8);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
    program.type(description::kTxtAttempts, "\x16\x03\x18\x1a");
    EXPECT_EQ(text(program.control(description::kTxtAttempts)), "123");
}

TEST(About, IsModalAndClosesWithEnterAndEsc)
{
    Program program;
    const HWND calculator = program.calculator();
    ASSERT_NE(calculator, nullptr);
    const std::wstring caption = platform::toWide(description::aboutCaption());
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        program.command(Command::About);
        const HWND about = Program::window(win32::kAboutClass, caption.c_str());
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(::GetWindow(about, GW_OWNER), calculator);
        EXPECT_EQ(::IsWindowEnabled(calculator), FALSE);
        const HWND ok = ::GetDlgItem(about, win32::kIdOk);
        ::PostMessageW(ok, WM_KEYDOWN, key, 0);
        ::PostMessageW(ok, WM_KEYUP, key, 0);
        EXPECT_TRUE(waitFor<bool>([&] { return ::IsWindow(about) == FALSE; }));
        EXPECT_TRUE(waitFor<bool>([&] { return ::IsWindowEnabled(calculator) != FALSE; }));
    }
}

// The tab the help viewer shows: 0 Contents, 1 Index.
int helpTab()
{
    HWND tabs = nullptr;
    const HWND viewer = ::FindWindowW(L"HH Parent", nullptr);
    if (viewer != nullptr) {
        ::EnumChildWindows(
            viewer,
            [](HWND child, LPARAM found) {
                std::wstring name(64, L'\0');
                name.resize(static_cast<std::size_t>(::GetClassNameW(child, name.data(), 64)));
                if (name != WC_TABCONTROLW) {
                    return TRUE;
                }
                *reinterpret_cast<HWND*>(found) = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&tabs));
    }
    return tabs != nullptr ? static_cast<int>(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

TEST(Help, ContentsAndIndexOpenTheViewerOnTheirTab)
{
    Program program;
    ASSERT_NE(program.calculator(), nullptr);
    // Wine's viewer loses its tab when a second command reuses it, so each command gets a
    // viewer of its own here.
    program.command(Command::Index);
    EXPECT_EQ(waitFor<int>([] { return helpTab() == 1 ? 1 : 0; }), 1) << helpTab();
    ::PostMessageW(::FindWindowW(L"HH Parent", nullptr), WM_CLOSE, 0, 0);
    ASSERT_EQ(waitFor<int>([] { return ::FindWindowW(L"HH Parent", nullptr) == nullptr ? 1 : 0; }), 1);
    program.command(Command::Contents);
    EXPECT_EQ(waitFor<int>([] { return helpTab() == 0 ? 1 : 0; }), 1) << helpTab();
}

TEST(Web, TheHomePageGoesToTheBrowser)
{
    Program program;
    ASSERT_NE(program.calculator(), nullptr);
    program.command(Command::Web);
    // The stand-in browser writes what it was given into this file.
    const std::wstring record = environment(L"PASSER_RATING_BROWSER_RECORD");
    const auto received = [&] {
        std::ifstream file(platform::toUtf8(record));
        std::string line;
        std::getline(file, line);
        return line;
    };
    EXPECT_TRUE(waitFor<bool>([&] { return received() == product::kHomePage; }, 10000)) << received();
}

TEST(Exit, F3AndTheCloseBoxEndTheProgram)
{
    for (const bool closeBox : {false, true}) {
        Program program;
        const HWND calculator = program.calculator();
        ASSERT_NE(calculator, nullptr);
        if (closeBox) {
            ::PostMessageW(calculator, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            program.press(description::kTxtYards, VK_F3); // the accelerator of File, Exit
        }
        EXPECT_TRUE(program.ended());
    }
}

} // namespace
