// Drives the real passer-rating.exe through its windows' messages, as Windows delivers a
// user's input (WM_CHAR, WM_KEYDOWN through the message loop, BM_CLICK, menu commands),
// and reads back what the windows show (WM_GETTEXT, window classes and states).

#include "identity/product.h"
#include "platform/windows_text.h"
#include "ui/description/texts.h"
#include "ui/win32/window_ids.h"

#include <gtest/gtest.h>

#include <array>
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

bool eventually(const std::function<bool()>& holds, int milliseconds = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!holds()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
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

HWND visibleWindow(const wchar_t* className, const wchar_t* title = nullptr)
{
    HWND found = nullptr;
    eventually([&] {
        found = ::FindWindowW(className, title);
        return found != nullptr && ::IsWindowVisible(found) != FALSE;
    });
    return found;
}

bool gone(HWND window)
{
    return eventually([&] { return ::IsWindow(window) == FALSE; });
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

    [[nodiscard]] bool ended() const { return ::WaitForSingleObject(m_process.hProcess, 3000) == WAIT_OBJECT_0; }

    // The calculator, once the splash window has handed over.
    HWND calculator()
    {
        m_calculator = visibleWindow(win32::kMainClass);
        return m_calculator;
    }
    [[nodiscard]] HWND control(std::size_t index) const { return ::GetDlgItem(m_calculator, win32::controlId(index)); }
    [[nodiscard]] bool shows(std::size_t index, const std::string& expected) const
    {
        return eventually([&] { return text(control(index)) == expected; }, 3000);
    }

    void type(std::size_t index, const std::string& characters) const
    {
        for (const char c : characters) {
            ::SendMessageW(control(index), WM_CHAR, static_cast<unsigned char>(c), 0);
        }
    }
    // Attempts, completions, yards, touchdowns, interceptions.
    void typeLine(const std::array<const char*, 5>& line) const
    {
        for (std::size_t field = 0; field < line.size(); ++field) {
            type(description::kEntryControls[field], line[field]);
        }
    }
    // A key as the user presses it: through the program's message loop.
    static void press(HWND window, WPARAM key)
    {
        ::PostMessageW(window, WM_KEYDOWN, key, 0);
        ::PostMessageW(window, WM_KEYUP, key, 0);
    }
    void command(Command command) const
    {
        ::PostMessageW(m_calculator, WM_COMMAND, static_cast<WPARAM>(win32::commandId(command)), 0);
    }

  private:
    PROCESS_INFORMATION m_process{};
    HWND m_calculator = nullptr;
};

TEST_F(Program, SplashHandsOverToTheCalculatorAfterTwoSeconds)
{
    const HWND splash = visibleWindow(win32::kSplashClass);
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(::GetWindowTextLengthW(splash), 0); // no caption
    EXPECT_EQ(::FindWindowW(win32::kMainClass, nullptr), nullptr);
    ASSERT_NE(calculator(), nullptr);
    EXPECT_TRUE(gone(splash));
    EXPECT_EQ(text(calculator()), product::kTitle);
}

TEST_F(Program, ACharacterKeyOnTheSplashEndsTheProgram)
{
    ::PostMessageW(visibleWindow(win32::kSplashClass), WM_CHAR, 'q', 0);
    EXPECT_TRUE(ended());
}

TEST_F(Program, ATypedCalculationWithEnterThenEsc)
{
    ASSERT_NE(calculator(), nullptr);
    typeLine({"34", "21", "285", "1", "1"});
    press(control(description::kTxtInterceptions), VK_RETURN);
    EXPECT_TRUE(shows(description::kTxtPasserRating, "86"));
    ::SendMessageW(control(description::kOptNCAA), BM_CLICK, 0, 0);
    command(Command::Calculate);
    EXPECT_TRUE(shows(description::kTxtPasserRating, "136"));

    press(control(description::kTxtYards), VK_ESCAPE);
    EXPECT_TRUE(shows(description::kTxtPasserRating, ""));
    for (const std::size_t entry : description::kEntryControls) {
        EXPECT_EQ(text(control(entry)), "");
    }
}

TEST_F(Program, AMessageBoxNamesTheRuleAndKeepsTheRating)
{
    ASSERT_NE(calculator(), nullptr);
    typeLine({"34", "21", "285", "1", "1"});
    ::PostMessageW(control(description::kBtnCalculate), BM_CLICK, 0, 0);
    ASSERT_TRUE(shows(description::kTxtPasserRating, "86"));
    ::SendMessageW(control(description::kTxtAttempts), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"20"));
    ::PostMessageW(control(description::kBtnCalculate), BM_CLICK, 0, 0);

    const HWND box = visibleWindow(L"#32770", platform::toWide(product::kTitle).c_str());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(text(::GetDlgItem(box, 0xFFFF)), "Completions cannot exceed Attempts.");
    EXPECT_EQ(::GetDlgItem(box, IDCANCEL), nullptr); // OK only
    EXPECT_EQ(::IsWindowEnabled(calculator()), FALSE);
    ::PostMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(gone(box));
    EXPECT_TRUE(shows(description::kTxtPasserRating, "86"));
}

TEST_F(Program, TypedCharactersPassTheFieldsFilter)
{
    ASSERT_NE(calculator(), nullptr);
    type(description::kTxtAttempts, "1a2b-3.");
    type(description::kTxtYards, "-7.5x\b");
    EXPECT_EQ(text(control(description::kTxtAttempts)), "123");
    EXPECT_EQ(text(control(description::kTxtYards)), "-7.");

    // Ctrl+V, Ctrl+C, Ctrl+X and Ctrl+Z arrive as the characters 22, 3, 24 and 26.
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, 8);
    std::memcpy(::GlobalLock(memory), L"999", 8);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
    type(description::kTxtAttempts, "\x16\x03\x18\x1a");
    EXPECT_EQ(text(control(description::kTxtAttempts)), "123");
}

TEST_F(Program, AboutIsModalAndClosesWithEnterAndEsc)
{
    ASSERT_NE(calculator(), nullptr);
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        command(Command::About);
        const HWND about = visibleWindow(win32::kAboutClass, platform::toWide(description::aboutCaption()).c_str());
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(::GetWindow(about, GW_OWNER), calculator());
        EXPECT_EQ(::IsWindowEnabled(calculator()), FALSE);
        press(::GetDlgItem(about, win32::kIdOk), key);
        EXPECT_TRUE(gone(about));
        EXPECT_TRUE(eventually([&] { return ::IsWindowEnabled(calculator()) != FALSE; }));
    }
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

TEST_F(Program, ContentsAndIndexOpenTheHelpViewerOnTheirTab)
{
    ASSERT_NE(calculator(), nullptr);
    // Wine's viewer loses its tab when a second command reuses it, so each command gets a
    // viewer of its own here.
    command(Command::Index);
    EXPECT_TRUE(eventually([] { return helpTab() == 1; })) << helpTab();
    ::PostMessageW(::FindWindowW(L"HH Parent", nullptr), WM_CLOSE, 0, 0);
    ASSERT_TRUE(eventually([] { return ::FindWindowW(L"HH Parent", nullptr) == nullptr; }));
    command(Command::Contents);
    EXPECT_TRUE(eventually([] { return helpTab() == 0; })) << helpTab();
}

TEST_F(Program, TheHomePageGoesToTheBrowser)
{
    ASSERT_NE(calculator(), nullptr);
    command(Command::Web);
    // The stand-in browser writes down the address it was given.
    std::string received;
    EXPECT_TRUE(eventually(
        [&] {
            std::ifstream(platform::toUtf8(environment(L"PASSER_RATING_BROWSER_RECORD"))) >> received;
            return received == product::kHomePage;
        },
        10000))
        << received;
}

TEST_F(Program, F3EndsTheProgram)
{
    ASSERT_NE(calculator(), nullptr);
    press(control(description::kTxtYards), VK_F3); // the accelerator of File, Exit
    EXPECT_TRUE(ended());
}

TEST_F(Program, TheCloseBoxEndsTheProgram)
{
    ::PostMessageW(calculator(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(ended());
}

} // namespace
