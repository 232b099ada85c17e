#pragma once

#include <QString>
#include <QtGlobal>

#include <string>

class QWidget;

namespace qt {

// Shows the calculator's messages. The window is given one, so tests can record
// messages instead of blocking on a modal box.
class MessagePresenter {
  public:
    MessagePresenter() = default;
    Q_DISABLE_COPY_MOVE(MessagePresenter)
    virtual ~MessagePresenter() = default;

    // Returns once the user has closed the message.
    virtual void showMessage(QWidget* owner, const QString& text) = 0;
};

// A modal message box owned by the window: the text, one OK button, no icon, the
// program's title as caption.
class MessageBoxPresenter final : public MessagePresenter {
  public:
    void showMessage(QWidget* owner, const QString& text) override;
};

// Tells the user that no web browser could be started for `address`, in a box whose
// text can be selected, so the address can be copied into a browser by hand.
void showNoBrowserMessage(QWidget* owner, const std::string& address);

} // namespace qt
