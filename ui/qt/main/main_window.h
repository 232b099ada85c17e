#pragma once

// The calculator window, built from the designed tables of ui/description. The five entry
// fields hold the texts of a passer's totals; Calculate hands the window, as a
// CalculatorView, to the shared calculate flow, which reads the texts, asks the engine,
// writes "0" into each empty field read and shows either the rating in txtPasserRating or
// one message through the message presenter. The window keeps no other state.

#include "ui/description/commands.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qt {

class Announcer;
class EntryField;
class MessagePresenter;

// What the window's commands lead to outside itself; one left empty does nothing.
struct MainWindowCommands {
    std::function<void()> exitProgram; // ends the program at once
    std::function<void(QWidget* owner)> showAbout;
    description::PlatformServices platform;
};

class MainWindow : public QMainWindow, private description::CommandView {
    Q_OBJECT

  public:
    MainWindow(MessagePresenter& messages, MainWindowCommands commands, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // Form_Unload

  private:
    void createControls(QWidget* clientArea);
    void createMenus();
    void run(description::Command command);

    // What the calculate flow reads and writes.
    [[nodiscard]] std::string entryText(engine::Field field) const override;
    void setEntryText(engine::Field field, std::string_view text) override;
    void setRatingText(std::string_view text) override;
    [[nodiscard]] engine::Formula chosenFormula() const override;
    [[nodiscard]] engine::LocaleNumbers localeNumbers() const override;
    void showMessage(std::string_view text) override;
    void showAbout() override;
    void endProgram() override;

    MessagePresenter& m_messages;
    MainWindowCommands m_commands;
    engine::LocaleNumbers m_localeNumbers; // the locale's, as the window opened

    std::array<EntryField*, engine::kFieldCount> m_entries{}; // indexed by engine::Field
    QLineEdit* m_rating = nullptr;
    Announcer* m_announcer = nullptr;                                 // says each new rating to a screen reader
    std::vector<std::pair<engine::Formula, QRadioButton*>> m_options; // each option and its formula
    QPushButton* m_defaultButton = nullptr;                           // pressed by Enter
    QPushButton* m_cancelButton = nullptr;                            // pressed by Esc
};

} // namespace qt
