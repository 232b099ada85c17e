#pragma once

// The Qt window tests' stand-in for the message box: it records each message and shows
// nothing.

#include "ui/qt/common/message_presenter.h"

#include <QStringList>

class RecordingPresenter final : public qt::MessagePresenter {
  public:
    void showMessage(QWidget* /*owner*/, const QString& text) override { messages.append(text); }

    QStringList messages;
};
