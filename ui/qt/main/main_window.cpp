#include "ui/qt/main/main_window.h"

#include "identity/product.h"
#include "ui/description/main_form.h"
#include "ui/description/texts.h"
#include "ui/qt/common/message_presenter.h"
#include "ui/qt/common/pixels.h"
#include "ui/qt/common/window_font.h"
#include "ui/qt/common/window_placement.h"
#include "ui/qt/main/announcer.h"
#include "ui/qt/main/entry_field.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>

#include <algorithm>
#include <utility>

namespace qt {
namespace {

using description::ControlKind;

// An option chosen by its access key is chosen at once. Qt's own button animates the
// click and chooses it 100 ms later, so a Calculate typed straight after the access key
// would rate with the other formula.
class OptionButton final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut || static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            return QRadioButton::event(event);
        }
        setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
};

QWidget* createControl(const description::Control& control, QWidget* parent)
{
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::CountEntry:
    case ControlKind::YardsEntry:
        return new EntryField(control.kind, parent);
    case ControlKind::Result: {
        auto* result = new QLineEdit(parent);
        result->setReadOnly(true); // selectable and copyable, and still a tab stop
        QPalette palette = result->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        result->setPalette(palette);
        return result;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(true); // Enter presses the focused button
        return button;
    }
    case ControlKind::Option:
        return new OptionButton(caption, parent);
    }
    return nullptr;
}

// How the locale writes numbers. Qt names no group sizes: they are read from a number of
// eight digits as the locale writes it ("12,345,678"; "1,23,45,678" in India).
engine::LocaleNumbers numbersOf(const QLocale& locale)
{
    engine::LocaleNumbers numbers{.decimal = locale.decimalPoint().toStdString(),
                                  .group = locale.groupSeparator().toStdString(),
                                  .minus = locale.negativeSign().toStdString(),
                                  .zero = locale.zeroDigit().toStdString()};
    const QStringList groups = locale.toString(12345678).split(locale.groupSeparator());
    if (!locale.groupSeparator().isEmpty() && groups.size() > 2) {
        numbers.groupSize = static_cast<unsigned>(groups.last().size());
        numbers.outerGroupSize = static_cast<unsigned>(groups[groups.size() - 2].size());
    }
    return numbers;
}

} // namespace

MainWindow::MainWindow(MessagePresenter& messages, MainWindowCommands commands, QWidget* parent)
    : QMainWindow(parent), m_messages(messages), m_commands(std::move(commands)), m_localeNumbers(numbersOf(QLocale()))
{
    setObjectName(description::kMainFormName);
    setWindowTitle(QString::fromUtf8(product::kTitle));
    setFont(windowFont());

    auto* clientArea = new QWidget(this);
    clientArea->setObjectName("clientArea");
    setCentralWidget(clientArea);
    createControls(clientArea);
    createMenus();

    const QSize client = pixels(description::kMainClientSize);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    centreOnScreen(this);
    findChild<QWidget*>(description::kMainControls[description::kFirstFocus].name)->setFocus();
}

void MainWindow::createControls(QWidget* clientArea)
{
    std::array<QWidget*, description::kMainControls.size()> created{};
    for (std::size_t i = 0; i < created.size(); ++i) {
        const description::Control& control = description::kMainControls[i];
        QWidget* widget = createControl(control, clientArea);
        widget->setObjectName(control.name);
        widget->setGeometry(pixels(control.rect));
        const std::size_t label = description::labelOf(i);
        const bool named = label < created.size();
        widget->setAccessibleName(
            QString::fromStdString(description::spokenName(description::kMainControls[named ? label : i].caption)));
        if (named && label < i) { // an entry field's access key is its label's
            static_cast<QLabel*>(created[label])->setBuddy(widget);
        }
        created[i] = widget;
    }

    for (std::size_t field = 0; field < m_entries.size(); ++field) {
        m_entries[field] = static_cast<EntryField*>(created[description::kEntryControls[field]]);
    }
    m_rating = static_cast<QLineEdit*>(created[description::kTxtPasserRating]);
    m_announcer = new Announcer(clientArea);
    for (std::size_t i = 0; i < created.size(); ++i) {
        if (description::kMainControls[i].kind == ControlKind::Option) {
            auto* option = static_cast<QRadioButton*>(created[i]);
            option->setChecked(description::kMainControls[i].chosenAtStart);
            m_options.emplace_back(description::kMainControls[i].formula, option);
        }
    }
    m_defaultButton = static_cast<QPushButton*>(created[description::kDefaultButton]);
    m_defaultButton->setDefault(true);
    m_cancelButton = static_cast<QPushButton*>(created[description::kCancelButton]);

    for (std::size_t i = 0; i < created.size(); ++i) {
        if (description::kMainControls[i].kind == ControlKind::Button) {
            connect(static_cast<QPushButton*>(created[i]), &QPushButton::clicked, this,
                    [this, command = description::kMainControls[i].command] { run(command); });
        }
    }
}

void MainWindow::createMenus()
{
    for (const description::Menu& menu : description::kMenus) {
        QMenu* popup = menuBar()->addMenu(QString::fromUtf8(menu.caption));
        popup->setObjectName(menu.name);
        for (std::size_t i = 0; i < menu.count; ++i) {
            const description::MenuItem& item = menu.items[i];
            QAction* action = popup->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(item.name);
            action->setShortcut(QKeySequence(QString::fromStdString(description::shortcutText(item.shortcut)),
                                             QKeySequence::PortableText));
            connect(action, &QAction::triggered, this, [this, command = item.command] { run(command); });
        }
    }
}

void MainWindow::run(description::Command command)
{
    description::run(command, *this, m_commands.platform);
}

std::string MainWindow::entryText(engine::Field field) const
{
    return m_entries[static_cast<std::size_t>(field)]->text().toStdString();
}

void MainWindow::setEntryText(engine::Field field, std::string_view text)
{
    m_entries[static_cast<std::size_t>(field)]->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainWindow::setRatingText(std::string_view text)
{
    m_rating->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    m_rating->setCursorPosition(0); // a long college rating shows its start, not its tail
    if (!text.empty()) {
        m_announcer->announce(m_rating->accessibleName(), m_rating->text());
    }
}

engine::Formula MainWindow::chosenFormula() const
{
    const auto chosen = std::ranges::find_if(m_options, [](const auto& option) { return option.second->isChecked(); });
    return chosen != m_options.end() ? chosen->first : engine::Formula::Professional;
}

engine::LocaleNumbers MainWindow::localeNumbers() const
{
    return m_localeNumbers;
}

void MainWindow::showMessage(std::string_view text)
{
    m_messages.showMessage(this, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainWindow::showAbout()
{
    if (m_commands.showAbout) {
        m_commands.showAbout(this);
    }
}

void MainWindow::endProgram()
{
    if (m_commands.exitProgram) {
        m_commands.exitProgram();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys that no control took: Enter presses the default button, Esc the cancel
    // button. A focused command button takes Enter itself.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_defaultButton->click();
        return;
    case Qt::Key_Escape:
        m_cancelButton->click();
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    endProgram();
}

} // namespace qt
