#pragma once

// The splash window shown at start. Its single-shot timer Timer1 fires 2000 ms after the
// window is created and hands over: the hand-over command creates and shows the
// calculator window, then the timer stops and the splash window is destroyed. A key
// that produces a character, or a click on the bare frame, closes the splash window
// before that, and the program ends without a calculator window.

#include "ui/qt/startup/window_parts.h"

#include <QFrame>

#include <functional>

class QLabel;
class QTimer;

namespace description {
class Clock;
} // namespace description

namespace qt {

using description::Clock;

struct SplashCommands {
    std::function<void()> handOver;   // creates and shows the calculator window
    std::function<void()> endProgram; // ends the program at once
};

class SplashWindow : public QFrame {
    Q_OBJECT

  public:
    SplashWindow(const Clock& clock, SplashCommands commands, int versionMajor, int versionMinor,
                 QWidget* parent = nullptr);

  public slots:
    void Timer1_Timer();
    void Frame1_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override; // Form_KeyPress

  private:
    void Form_Load(const Clock& clock, int versionMajor, int versionMinor);
    void closeEarly();

    SplashCommands m_commands;
    QTimer* m_timer = nullptr;
    LoadedLabels m_loaded; // the version and the notice
};

} // namespace qt
