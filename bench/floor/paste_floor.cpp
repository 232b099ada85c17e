// The floor for the paste benchmark: the least a Qt Widgets program does to see how long
// a paste is. Its one field reads the whole clipboard as text on Shift+Insert and keeps
// none of it, so the read, Qt's own, is all it costs.

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class ReadingField : public QLineEdit {
  protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Paste)) {
            static_cast<void>(QGuiApplication::clipboard()->text());
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ReadingField field;
    field.setWindowTitle(QStringLiteral("Paste floor"));
    field.show();
    return QApplication::exec();
}
