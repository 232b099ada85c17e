#pragma once

#include "ui/common/message_presenter.h"

#include <QStringList>

// Records messages instead of showing a modal box.
class RecordingPresenter final : public ui::MessagePresenter {
  public:
    void showMessage(QWidget* /*owner*/, const QString& text) override { messages.append(text); }

    QStringList messages;
};
