#pragma once

// The calculator window. The five entry fields hold the texts of a passer's totals;
// Calculate hands them with the chosen formula and the locale's decimal separator to
// the engine, writes "0" into each empty field the engine read, and then shows either
// the rating in txtPasserRating or one message through the message presenter. The
// window keeps no other state: the engine decides everything about a rating.

#include "engine/rating.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>

class QLineEdit;

namespace platform {
class HtmlHelp;
class Shell;
} // namespace platform
class QPushButton;
class QRadioButton;

namespace ui {

class EntryField;
class MessagePresenter;

// What the window's commands lead to outside itself; one left empty does nothing.
struct MainWindowCommands {
    std::function<void()> exitProgram; // ends the program at once
    std::function<void(QWidget* owner)> showAbout;
    platform::HtmlHelp* htmlHelp = nullptr;
    platform::Shell* shell = nullptr;
};

// The maker's home page, which the web command opens.
inline constexpr char kHomePage[] = "https://www.example.com/morvalenite/";

// The help file: the folder of the running program file, "Help" and the file's name,
// built anew on every call; the current directory plays no part.
QString helpFilePath();

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(MessagePresenter& messages, MainWindowCommands commands, QWidget* parent = nullptr);

  public slots:
    void btnCalculate_Click();
    void mnuCalculate_Click();
    void btnReset_Click();
    void mnuReset_Click();
    void btnExit_Click();
    void mnuExit_Click();
    void mnuContents_Click();
    void mnuIndex_Click();
    void mnuMorvalenite_Click();
    void mnuAbout_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // Form_Unload

  private:
    void createControls(QWidget* clientArea);
    void createMenus();
    [[nodiscard]] engine::Formula selectedFormula() const;

    MessagePresenter& m_messages;
    MainWindowCommands m_commands;
    std::string m_decimalSeparator;

    std::array<EntryField*, engine::kFieldCount> m_entries{}; // indexed by engine::Field
    QLineEdit* m_rating = nullptr;
    QRadioButton* m_professional = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_reset = nullptr;
};

} // namespace ui
