#pragma once

// The window tests' stand-ins for what the windows are given: messages, the clock, HTML
// Help and the shell. Each records what it was asked and shows nothing.

#include "platform/html_help.h"
#include "platform/shell.h"
#include "ui/common/message_presenter.h"
#include "ui/description/clock.h"

#include <QList>
#include <QStringList>

#include <string>

class RecordingPresenter final : public ui::MessagePresenter {
  public:
    void showMessage(QWidget* /*owner*/, const QString& text) override { messages.append(text); }

    QStringList messages;
};

class FixedClock final : public description::Clock {
  public:
    explicit FixedClock(int today) : year(today) {}
    [[nodiscard]] int currentYear() const override { return year; }

    int year;
};

// Records the command of each call.
class RecordingHtmlHelp final : public platform::HtmlHelp {
  public:
    void HtmlHelpA(platform::WindowHandle /*owner*/, const std::string& /*file*/, unsigned command,
                   const std::string& /*data*/) override
    {
        commands.append(command);
    }

    QList<unsigned> commands;
};

// Records the address of each default-action call; any other kind of call is refused.
class RecordingShell final : public platform::Shell {
  public:
    void ShellExecuteA(platform::WindowHandle owner, const char* operation, const std::string& file,
                       const char* parameters, const char* directory, int showCommand) override
    {
        if (owner == nullptr && operation == nullptr && parameters == nullptr && directory == nullptr &&
            showCommand == platform::kShowNormal) {
            files.append(QString::fromStdString(file));
        }
    }

    QStringList files;
};
