#pragma once

#include "ui/description/main_form.h"

#include <QClipboard>
#include <QLineEdit>

class QMimeData;

namespace qt {

// One of the five entry fields. Typed characters pass a filter first: digits and
// Backspace in every field, "-" and "." in the yards field too; every other character
// is dropped silently, every Ctrl chord's control character included. Keys that
// produce no character (Tab, Delete, arrows, Home, End, Shift+Insert) keep their
// ordinary effect, and Enter and Esc go on to the window. Pasted text (Shift+Insert, the
// context menu, the middle button, a drop) is not filtered: the engine judges it. A paste
// longer than any total can need is refused whole, with a beep, before it is read into the
// field: the line edit lays out its whole text on every change, so megabytes would stall
// the window. Taking the focus from another control (Tab, an access key, a click) selects
// the whole text; getting it back when the window is activated again does not.
class EntryField : public QLineEdit {
    Q_OBJECT

  public:
    // `kind` is the field's kind in the window description: a count or the yards.
    explicit EntryField(description::ControlKind kind, QWidget* parent = nullptr);

    [[nodiscard]] bool acceptsCharacter(QChar character) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void pasteFrom(QClipboard::Mode mode);
    bool insertPasted(const QMimeData* mime);

    description::ControlKind m_kind;
    bool m_focusClick = false; // the focus came with a mouse press not yet released
};

} // namespace qt
