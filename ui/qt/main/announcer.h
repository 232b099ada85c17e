#pragma once

#include <QWidget>

namespace qt {

// Says a text to a screen reader without moving the focus. Qt 6.4 has no announcement of
// its own, and a screen reader speaks a changed text only in the control that has the
// focus; what Orca speaks as it appears, focused or not, is a notification. So this is
// one: a widget of no size, drawn nowhere, shown again with each text.
class Announcer final : public QWidget {
    Q_OBJECT

  public:
    explicit Announcer(QWidget* parent);

    // Spoken as `name`, then `text`.
    void announce(const QString& name, const QString& text);
};

} // namespace qt
