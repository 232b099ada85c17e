#include "ui/main/main_window.h"

#include "app/app_info.h"
#include "platform/html_help.h"
#include "platform/shell.h"
#include "ui/common/message_presenter.h"
#include "ui/common/twips.h"
#include "ui/common/window_font.h"
#include "ui/common/window_placement.h"
#include "ui/main/entry_field.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace ui {
namespace {

enum class Kind { Label, CountEntry, YardsEntry, Result, Button, Option };

struct Control {
    Kind kind;
    const char* name;
    const char* caption;
    TwipsRect rect;
};

// In tab order. A label's access key focuses the control after it.
constexpr std::array kControls{
    Control{Kind::Label, "lblCompletions", "Pass &Completions:", {120, 240, 1455, 255}},
    Control{Kind::CountEntry, "txtCompletions", "", {1800, 240, 855, 330}},
    Control{Kind::Label, "lblAttempts", "&Pass Attempts:", {120, 720, 1455, 255}},
    Control{Kind::CountEntry, "txtAttempts", "", {1800, 720, 855, 330}},
    Control{Kind::Label, "lblYards", "Passing &Yards:", {120, 1200, 1455, 255}},
    Control{Kind::YardsEntry, "txtYards", "", {1800, 1200, 855, 330}},
    Control{Kind::Label, "lblTouchdowns", "&Touchdowns:", {120, 1680, 1455, 255}},
    Control{Kind::CountEntry, "txtTouchdowns", "", {1800, 1680, 855, 330}},
    Control{Kind::Label, "lblInterceptions", "&Interceptions:", {120, 2160, 1455, 255}},
    Control{Kind::CountEntry, "txtInterceptions", "", {1800, 2160, 855, 330}},
    Control{Kind::Button, "btnCalculate", "Calculate", {360, 2640, 1335, 615}},
    Control{Kind::Result, "txtPasserRating", "", {4440, 1200, 975, 330}},
    Control{Kind::Label, "Label1", "Passer Rating:", {3120, 1200, 1215, 255}},
    Control{Kind::Button, "btnReset", "Reset", {2160, 2640, 1335, 615}},
    Control{Kind::Button, "btnExit", "Exit", {3960, 2640, 1335, 615}},
    Control{Kind::Option, "optNFL", "NF&L", {3120, 240, 975, 375}},
    Control{Kind::Option, "optNCAA", "&NCAA", {4440, 240, 1095, 375}},
};

constexpr QSize kClientSize = twipsSize(5730, 3495);

// The entry fields by engine::Field, the order in which Calculate reads them.
constexpr std::array<const char*, engine::kFieldCount> kEntryNames{
    "txtAttempts", "txtCompletions", "txtYards", "txtTouchdowns", "txtInterceptions"};

QWidget* createControl(const Control& control, QWidget* parent)
{
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case Kind::Label:
        return new QLabel(caption, parent);
    case Kind::CountEntry:
        return new EntryField(EntryField::Accepts::Count, parent);
    case Kind::YardsEntry:
        return new EntryField(EntryField::Accepts::Yards, parent);
    case Kind::Result: {
        auto* result = new QLineEdit(parent);
        result->setReadOnly(true); // selectable and copyable, and still a tab stop
        QPalette palette = result->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        result->setPalette(palette);
        return result;
    }
    case Kind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(true); // Enter presses the focused button
        return button;
    }
    case Kind::Option:
        return new QRadioButton(caption, parent);
    }
    return nullptr;
}

// A caption as a screen reader speaks it: no access-key marker, no closing colon.
QString spokenName(QString caption)
{
    caption.remove(QLatin1Char('&'));
    if (caption.endsWith(QLatin1Char(':'))) {
        caption.chop(1);
    }
    return caption;
}

void runIfSet(const std::function<void()>& command)
{
    if (command) {
        command();
    }
}

} // namespace

QString helpFilePath()
{
    const QString name = QStringLiteral("Morvalenite Passer Rating Calculator Help.chm");
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) +
           QStringLiteral("\\Help\\") + name;
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Help/") + name;
#endif
}

MainWindow::MainWindow(MessagePresenter& messages, MainWindowCommands commands, QWidget* parent)
    : QMainWindow(parent), m_messages(messages), m_commands(std::move(commands)),
      m_decimalSeparator(QLocale().decimalPoint().toStdString())
{
    setObjectName("frmPasserRating");
    setWindowTitle(QString::fromUtf8(app::kTitle));
    setFont(windowFont());

    auto* clientArea = new QWidget(this);
    clientArea->setObjectName("clientArea");
    setCentralWidget(clientArea);
    createControls(clientArea);
    createMenus();

    resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
    centreOnScreen(this);
    m_entries[static_cast<std::size_t>(engine::Field::Completions)]->setFocus();
}

void MainWindow::createControls(QWidget* clientArea)
{
    // A field is named for screen readers after the label before it in the table.
    QLabel* previousLabel = nullptr;
    for (const Control& control : kControls) {
        QWidget* widget = createControl(control, clientArea);
        widget->setObjectName(control.name);
        widget->setGeometry(control.rect.toPixels());
        const bool field = control.kind == Kind::CountEntry || control.kind == Kind::YardsEntry;
        if (field && previousLabel != nullptr) {
            previousLabel->setBuddy(widget);
            widget->setAccessibleName(spokenName(previousLabel->text()));
        } else {
            widget->setAccessibleName(spokenName(QString::fromUtf8(control.caption)));
        }
        previousLabel = qobject_cast<QLabel*>(widget);
    }

    for (std::size_t i = 0; i < kEntryNames.size(); ++i) {
        m_entries[i] = clientArea->findChild<EntryField*>(kEntryNames[i]);
    }
    m_rating = clientArea->findChild<QLineEdit*>("txtPasserRating");
    // The result field's label stands after it in the tab order.
    m_rating->setAccessibleName(spokenName(clientArea->findChild<QLabel*>("Label1")->text()));
    m_professional = clientArea->findChild<QRadioButton*>("optNFL");
    m_professional->setChecked(true);
    m_calculate = clientArea->findChild<QPushButton*>("btnCalculate");
    m_calculate->setDefault(true);
    m_reset = clientArea->findChild<QPushButton*>("btnReset");

    connect(m_calculate, &QPushButton::clicked, this, &MainWindow::btnCalculate_Click);
    connect(m_reset, &QPushButton::clicked, this, &MainWindow::btnReset_Click);
    connect(clientArea->findChild<QPushButton*>("btnExit"), &QPushButton::clicked, this,
            &MainWindow::btnExit_Click);
}

void MainWindow::createMenus()
{
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        void (MainWindow::*handler)();
    };
    struct Menu {
        const char* name;
        const char* caption;
        std::initializer_list<Item> items;
    };
    const std::initializer_list<Menu> menus{
        {"mnuFile", "&File", {{"mnuExit", "E&xit", Qt::Key_F3, &MainWindow::mnuExit_Click}}},
        {"mnuAction",
         "&Action",
         {{"mnuCalculate", "&Calculate", Qt::CTRL | Qt::Key_L, &MainWindow::mnuCalculate_Click},
          {"mnuReset", "&Reset", Qt::CTRL | Qt::Key_T, &MainWindow::mnuReset_Click}}},
        {"mnuHelp",
         "&Help",
         {{"mnuContents", "&Contents", Qt::Key_F1, &MainWindow::mnuContents_Click},
          {"mnuIndex", "&Index", {}, &MainWindow::mnuIndex_Click},
          {"mnuMorvalenite",
           "Morvalenite Software on the &Web...",
           {},
           &MainWindow::mnuMorvalenite_Click},
          {"mnuAbout", "&About...", {}, &MainWindow::mnuAbout_Click}}},
    };
    for (const Menu& menu : menus) {
        QMenu* popup = menuBar()->addMenu(QString::fromUtf8(menu.caption));
        popup->setObjectName(menu.name);
        for (const Item& item : menu.items) {
            QAction* action = popup->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(item.name);
            action->setShortcut(item.shortcut);
            connect(action, &QAction::triggered, this, item.handler);
        }
    }
}

engine::Formula MainWindow::selectedFormula() const
{
    return m_professional->isChecked() ? engine::Formula::Professional : engine::Formula::College;
}

void MainWindow::btnCalculate_Click()
{
    std::array<QByteArray, engine::kFieldCount> utf8;
    engine::FieldTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        utf8[i] = m_entries[i]->text().toUtf8();
        texts[i] = std::string_view(utf8[i].constData(), static_cast<std::size_t>(utf8[i].size()));
    }
    const engine::Calculation result =
        engine::calculate(texts, selectedFormula(), m_decimalSeparator);

    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (result.readAsZero[i]) {
            m_entries[i]->setText(QStringLiteral("0"));
        }
    }
    if (result.refusal) {
        const std::string_view message = engine::messageText(*result.refusal);
        m_messages.showMessage(
            this, QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
        return;
    }
    const std::string_view rating = result.rating.view();
    m_rating->setText(QString::fromUtf8(rating.data(), static_cast<qsizetype>(rating.size())));
    m_rating->setCursorPosition(0); // a long college rating shows its start, not its tail
}

void MainWindow::mnuCalculate_Click()
{
    btnCalculate_Click();
}

void MainWindow::btnReset_Click()
{
    // Attempts, completions, yards, touchdowns, interceptions, then the rating.
    for (EntryField* entry : m_entries) {
        entry->clear();
    }
    m_rating->clear();
}

void MainWindow::mnuReset_Click()
{
    btnReset_Click();
}

void MainWindow::btnExit_Click()
{
    runIfSet(m_commands.exitProgram);
}

void MainWindow::mnuExit_Click()
{
    runIfSet(m_commands.exitProgram);
}

void MainWindow::mnuContents_Click()
{
    if (m_commands.htmlHelp != nullptr) {
        m_commands.htmlHelp->HtmlHelpA(nullptr, helpFilePath(), platform::kDisplayToc,
                                       QStringLiteral("Welcome.htm"));
    }
}

void MainWindow::mnuIndex_Click()
{
    if (m_commands.htmlHelp != nullptr) {
        m_commands.htmlHelp->HtmlHelpA(nullptr, helpFilePath(), platform::kDisplayIndex, QString());
    }
}

void MainWindow::mnuMorvalenite_Click()
{
    if (m_commands.shell != nullptr) {
        platform::HyperJump(*m_commands.shell, QString::fromLatin1(kHomePage));
    }
}

void MainWindow::mnuAbout_Click()
{
    if (m_commands.showAbout) {
        m_commands.showAbout(this);
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys that no control took: Enter presses the default button, Esc the cancel
    // button. A focused command button takes Enter itself.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_calculate->click();
        return;
    case Qt::Key_Escape:
        m_reset->click();
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    runIfSet(m_commands.exitProgram);
}

} // namespace ui
