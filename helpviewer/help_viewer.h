#pragma once

// The help viewer off Windows: one window with a Contents tab (the .hhc tree), an Index
// tab (the .hhk keywords) and the topic in a browser pane. Topics, style sheets and
// pictures are read from the compiled help file and from nowhere else; links between
// topics stay inside it, and web links go to the browser. Problems (no file, a damaged
// file, a missing topic) are shown in the pane itself. The window is titled with the
// help's own title and what the pane shows ("... Help - Welcome", "... Help - Problem").

#include "helpviewer/help_command.h"

#include <QUrl>
#include <QWidget>

#include <memory>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace platform {
class Browser;
} // namespace platform

namespace help {

class ChmArchive;
class HelpBrowser;

class HelpViewer : public QWidget {
    Q_OBJECT

  public:
    explicit HelpViewer(platform::Browser& webBrowser);
    ~HelpViewer() override;
    Q_DISABLE_COPY_MOVE(HelpViewer)

    // Carries out a command and brings the window to the front.
    void run(const HelpCommand& command);

    // The Contents tab, showing `topic` ("Welcome.htm").
    void showContents(const QString& file, const QString& topic);
    // The Index tab, with `keyword` in its search field.
    void showIndex(const QString& file, const QString& keyword);

    // The topic shown ("/Welcome.htm"), or the problem shown instead of one.
    [[nodiscard]] QString currentTopic() const;
    [[nodiscard]] QString problem() const;

    // Shows a topic by its path inside the help file, or follows a link from the topic
    // shown.
    void openLink(const QUrl& link);

  private:
    bool load(const QString& file);
    void fillTabs();
    void showTopic(const QString& local);
    void showProblem(const QString& text);
    void showTitle(const QString& shown);
    void filterIndex(const QString& text);
    void markInContents(const QString& topic);

    platform::Browser& m_webBrowser;
    QString m_file;
    QString m_title; // the help's own
    std::unique_ptr<ChmArchive> m_archive;
    QString m_topic;
    QString m_problem;

    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_index = nullptr;
    HelpBrowser* m_browser = nullptr;
};

} // namespace help
