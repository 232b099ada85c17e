#pragma once

// The calculator window for Windows, built from the designed tables of ui/description:
// edit controls, buttons, option buttons and labels at their twips in tab order, the
// menu bar, and an accelerator table of the menu items' keys. Enter, Esc, Tab and the
// access keys are the dialog manager's (IsDialogMessage in the message loop), with the
// description's default and cancel buttons as IDOK and IDCANCEL. The window is a plain
// one, so it does the two things a dialog's procedure would: it moves the focus when the
// dialog manager asks (WM_NEXTDLGCTL, a label's access key) and keeps the focused control
// across deactivation (WM_ACTIVATE). Every button and menu item runs its command through
// the description, with this window as the view.

#include "ui/description/commands.h"
#include "ui/description/main_form.h"

#include <array>
#include <functional>

#include <windows.h>

namespace win32 {

struct MainWindowCommands {
    std::function<void()> exitProgram;
    std::function<void(HWND owner)> showAbout;
    description::PlatformServices platform;
};

class MainWindow final : private description::CommandView {
  public:
    explicit MainWindow(MainWindowCommands commands);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    MainWindow(MainWindow&&) = delete;
    MainWindow& operator=(MainWindow&&) = delete;
    ~MainWindow() override;

    void show();
    [[nodiscard]] HWND window() const { return m_window; }
    [[nodiscard]] HACCEL accelerators() const { return m_accelerators; }

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    HMENU createMenus();
    void command(int id);

    [[nodiscard]] std::string entryText(engine::Field field) const override;
    void setEntryText(engine::Field field, std::string_view text) override;
    void setRatingText(std::string_view text) override;
    [[nodiscard]] engine::Formula chosenFormula() const override;
    [[nodiscard]] engine::LocaleNumbers localeNumbers() const override;
    void showMessage(std::string_view text) override;
    void showAbout() override;
    void endProgram() override;

    MainWindowCommands m_commands;
    HWND m_window = nullptr;
    HACCEL m_accelerators = nullptr;
    HWND m_focus = nullptr; // the control to give the focus back to on activation
    std::array<HWND, description::kMainControls.size()> m_controls{}; // as the table
};

} // namespace win32
