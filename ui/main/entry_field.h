#pragma once

#include <QLineEdit>

namespace ui {

// One of the five entry fields. Typed characters pass a filter first: digits and
// Backspace in every field, "-" and "." in the yards field too; every other character
// is dropped silently, Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z and Ctrl+A included. Keys that
// produce no character (Tab, Delete, arrows, Home, End, Shift+Insert) keep their
// ordinary effect, and Enter and Esc go on to the window. Pasted text is not filtered:
// the engine judges it. Receiving the focus selects the whole text, by a click too.
class EntryField : public QLineEdit {
    Q_OBJECT

  public:
    enum class Accepts { Count, Yards };

    explicit EntryField(Accepts accepts, QWidget* parent = nullptr);

    [[nodiscard]] bool acceptsCharacter(QChar character) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    Accepts m_accepts;
    bool m_focusClick = false; // the focus came with a mouse press not yet released
};

} // namespace ui
