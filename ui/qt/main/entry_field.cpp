#include "ui/qt/main/entry_field.h"

#include "ui/description/main_form.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <limits>

namespace qt {
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

EntryField::EntryField(description::ControlKind kind, QWidget* parent) : QLineEdit(parent), m_kind(kind)
{
    setMaxLength(std::numeric_limits<int>::max()); // no limit: the engine judges the length
}

bool EntryField::acceptsCharacter(QChar character) const
{
    return description::acceptsTyped(m_kind, character.unicode());
}

void EntryField::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->matches(QKeySequence::Paste)) { // Shift+Insert; Ctrl+V types a character, dropped below
        if ((event->modifiers() & Qt::ControlModifier) == 0) {
            pasteFrom(QClipboard::Clipboard);
        }
        event->accept();
        return;
    }
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
    if (event->button() == Qt::MiddleButton) { // X11's paste of the selection
        if (rect().contains(event->position().toPoint())) {
            pasteFrom(QClipboard::Selection);
        }
        event->accept();
        return;
    }
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

void EntryField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

void EntryField::dropEvent(QDropEvent* event)
{
    if (insertPasted(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void EntryField::pasteFrom(QClipboard::Mode mode)
{
    if (!isReadOnly()) {
        insertPasted(QGuiApplication::clipboard()->mimeData(mode));
    }
}

bool EntryField::insertPasted(const QMimeData* mime)
{
    if (mime == nullptr || !mime->hasText()) {
        return false;
    }
    // Read as text once, the way the toolkit hands it over: asking for the bytes instead
    // costs a conversion there and back.
    const QString text = mime->text();
    if (text.size() > static_cast<qsizetype>(description::kMaxPasteCharacters)) {
        QApplication::beep();
        return false;
    }
    insert(text);
    return true;
}

} // namespace qt
