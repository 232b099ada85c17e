#include "ui/main/entry_field.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <limits>

namespace ui {
namespace {

// Keys that produce no character: they never reach the filter.
bool isEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Menu:
        return true;
    default:
        return (key >= Qt::Key_F1 && key <= Qt::Key_F35) || (key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock);
    }
}

} // namespace

EntryField::EntryField(Accepts accepts, QWidget* parent) : QLineEdit(parent), m_accepts(accepts)
{
    setMaxLength(std::numeric_limits<int>::max()); // no limit: the engine judges the length
}

bool EntryField::acceptsCharacter(QChar character) const
{
    if (character >= QLatin1Char('0') && character <= QLatin1Char('9')) {
        return true;
    }
    return m_accepts == Accepts::Yards && (character == QLatin1Char('-') || character == QLatin1Char('.'));
}

void EntryField::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        event->ignore(); // the window's default and cancel buttons
        return;
    }
    if (isEditingKey(key)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Everything else produces a character; with Ctrl a control character, which the
    // filter drops like a letter.
    const bool control = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
    const QString text = event->text();
    const bool allowed = !control && (key == Qt::Key_Backspace || (text.size() == 1 && acceptsCharacter(text.front())));
    if (allowed) {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();
    }
}

void EntryField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        selectAll();
    }
    // The press that brought the focus comes next and would put the caret where it landed.
    m_focusClick = event->reason() == Qt::MouseFocusReason;
}

void EntryField::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (m_focusClick) {
        selectAll();
    }
}

void EntryField::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging selects only once the field has the focus; the focusing click selects all.
    if (!m_focusClick) {
        QLineEdit::mouseMoveEvent(event);
    }
}

void EntryField::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_focusClick) {
        selectAll();
        m_focusClick = false;
    }
}

void EntryField::inputMethodEvent(QInputMethodEvent* event)
{
    // Text composed by an input method is typed text too.
    const QString committed = event->commitString();
    for (const QChar character : committed) {
        if (!acceptsCharacter(character)) {
            QInputMethodEvent dropped(event->preeditString(), event->attributes());
            QLineEdit::inputMethodEvent(&dropped);
            return;
        }
    }
    QLineEdit::inputMethodEvent(event);
}

} // namespace ui
