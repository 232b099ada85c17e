#pragma once

// The About window: logo, maker, product, the fixed version text, the legal warning and
// the notice, whose year range reaches the clock's year. It is created anew on every
// opening and destroyed when closed; OK is default and cancel button at once.

#include "ui/qt/startup/window_parts.h"

#include <QDialog>

namespace description {
class Clock;
} // namespace description

namespace qt {

using description::Clock;

class AboutWindow : public QDialog {
    Q_OBJECT

  public:
    AboutWindow(const Clock& clock, QWidget* owner);

    // Opens a new About window modally over `owner` and returns once it has closed.
    static void showModal(const Clock& clock, QWidget* owner);

  public slots:
    void cmdOK_Click();

  private:
    void Form_Load(const Clock& clock);

    LoadedLabels m_loaded; // the notice
};

} // namespace qt
