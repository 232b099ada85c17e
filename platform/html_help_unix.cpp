// HTML Help off Windows: the program's own viewer, one window reused by every command.

#include "platform/html_help.h"

#include "platform/helpviewer/help_viewer.h"

#include <QPointer>

namespace platform {
namespace {

class ViewerHtmlHelp final : public HtmlHelp {
  public:
    explicit ViewerHtmlHelp(Shell& shell) : m_shell(shell) {}
    ViewerHtmlHelp(const ViewerHtmlHelp&) = delete;
    ViewerHtmlHelp& operator=(const ViewerHtmlHelp&) = delete;
    ViewerHtmlHelp(ViewerHtmlHelp&&) = delete;
    ViewerHtmlHelp& operator=(ViewerHtmlHelp&&) = delete;
    ~ViewerHtmlHelp() override { delete m_viewer.data(); }

    void HtmlHelpA(QWidget* /*owner*/, const QString& file, unsigned command,
                   const QString& data) override
    {
        if (command != kDisplayToc && command != kDisplayIndex) {
            return;
        }
        // A window of its own, without owner; closing it destroys it.
        if (m_viewer.isNull()) {
            m_viewer = new HelpViewer(m_shell);
            m_viewer->setAttribute(Qt::WA_DeleteOnClose);
        }
        if (command == kDisplayToc) {
            m_viewer->showContents(file, data);
        } else {
            m_viewer->showIndex(file, data);
        }
        m_viewer->show();
        m_viewer->raise();
        m_viewer->activateWindow();
    }

  private:
    Shell& m_shell;
    QPointer<HelpViewer> m_viewer;
};

} // namespace

std::unique_ptr<HtmlHelp> createHtmlHelp(Shell& shell)
{
    return std::make_unique<ViewerHtmlHelp>(shell);
}

} // namespace platform
