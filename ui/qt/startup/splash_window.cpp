#include "ui/qt/startup/splash_window.h"

#include "ui/description/clock.h"
#include "ui/description/texts.h"
#include "ui/qt/common/pixels.h"
#include "ui/qt/common/window_font.h"
#include "ui/qt/common/window_placement.h"
#include "ui/qt/startup/window_parts.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <utility>

namespace qt {
namespace {

// The frame around everything: a click on its bare part closes the splash window.
// Labels and the logo keep their clicks to themselves (they do not propagate).
class ClickableFrame : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;
    std::function<void()> onClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) {
            onClick();
        }
    }
};

// X11 gives Tab and Delete a text ("\t", "\x7f"), but like the arrows they type no
// character into a text field.
bool producesCharacter(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        return !event->text().isEmpty();
    }
}

} // namespace

SplashWindow::SplashWindow(const Clock& clock, SplashCommands commands, int versionMajor, int versionMinor,
                           QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_commands(std::move(commands)),
      m_timer(new QTimer(this))
{
    setObjectName(description::kSplashName);
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Panel | QFrame::Raised); // the fixed-dialog border
    setFont(windowFont());
    setFocusPolicy(Qt::StrongFocus); // no control takes the focus: the window sees every key
    setFixedSize(pixels(description::kSplashClientSize));

    // Counting starts now. A precise timer never fires early, as coarse ones may.
    m_timer->setObjectName(description::kSplashTimerName);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(description::kSplashMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    m_timer->start();

    auto* frame = new ClickableFrame(this);
    frame->setObjectName(description::kSplashFrame.name);
    frame->setGeometry(pixels(description::kSplashFrame.rect));
    frame->onClick = [this] { Frame1_Click(); };

    addLogo(frame, description::kSplashLogo);
    for (const description::Label& row : description::kSplashLabels) {
        QLabel* label = addLabel(frame, row);
        if (row.filledOnLoad) {
            m_loaded.emplace_back(row.text, label);
        }
    }

    Form_Load(clock, versionMajor, versionMinor);
    centreOnScreen(this);
}

void SplashWindow::Form_Load(const Clock& clock, int versionMajor, int versionMinor)
{
    fillLoaded(m_loaded, clock.currentYear(), versionMajor, versionMinor);
}

void SplashWindow::Timer1_Timer()
{
    if (m_commands.handOver) {
        m_commands.handOver();
    }
    m_timer->stop();
    close();
}

void SplashWindow::Frame1_Click()
{
    closeEarly();
}

void SplashWindow::showEvent(QShowEvent* event)
{
    // A window manager gives a splash window no focus of its own accord, and without
    // it a key would never reach the window.
    QFrame::showEvent(event);
    activateWindow();
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    // Letters, digits, punctuation, space, Enter, Esc and Backspace produce a character;
    // arrows, function keys, Shift, Tab and Delete do not, and are ignored.
    if (!producesCharacter(event)) {
        QFrame::keyPressEvent(event);
        return;
    }
    closeEarly();
}

void SplashWindow::closeEarly()
{
    // No other window exists yet, and a splash window does not count as the last window
    // for quitting, so the program is ended here.
    m_timer->stop();
    close();
    if (m_commands.endProgram) {
        m_commands.endProgram();
    }
}

} // namespace qt
