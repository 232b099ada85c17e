#include "ui/qt/startup/about_window.h"

#include "ui/description/clock.h"
#include "ui/description/texts.h"
#include "ui/qt/common/pixels.h"
#include "ui/qt/common/window_font.h"
#include "ui/qt/common/window_placement.h"
#include "ui/qt/startup/window_parts.h"

#include <QLabel>
#include <QPushButton>

namespace qt {
namespace {

// One member of the etched separator Line1.
void addLine(QWidget* parent, const description::Line& row)
{
    auto* line = new QWidget(parent);
    line->setObjectName("Line1");
    line->setProperty("index", row.index);
    line->setGeometry(pixels(row.x1), pixels(row.y), pixels(row.x2) - pixels(row.x1), row.widthPixels);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(row.grey, row.grey, row.grey));
    line->setPalette(palette);
}

} // namespace

AboutWindow::AboutWindow(const Clock& clock, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint)
{
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(description::aboutCaption()));
    setFont(windowFont());
    setFixedSize(pixels(description::kAboutClientSize));
    setModal(true);

    // First in tab order, so it has the focus on opening. Enter presses it as the
    // default button; Esc rejects the dialog, which closes it just the same.
    auto* ok = new QPushButton(QString::fromUtf8(description::kOkCaption), this);
    ok->setObjectName("cmdOK");
    ok->setGeometry(pixels(description::kAboutOk));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    addLogo(this, "Image1", description::kAboutLogo);
    for (const description::Label& row : description::kAboutLabels) {
        QLabel* label = addLabel(this, row);
        if (row.text == description::LabelText::Company) {
            QPalette black = label->palette();
            black.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(black);
        } else if (row.text == description::LabelText::Copyright) {
            m_copyright = label;
        }
    }
    for (const description::Line& row : description::kAboutLines) {
        addLine(this, row);
    }

    Form_Load(clock);
    ok->setFocus();
    centreOnScreen(this);
}

void AboutWindow::Form_Load(const Clock& clock)
{
    m_copyright->setText(QString::fromStdString(description::copyrightNotice(clock.currentYear())));
}

void AboutWindow::cmdOK_Click()
{
    close();
}

void AboutWindow::showModal(const Clock& clock, QWidget* owner)
{
    auto* about = new AboutWindow(clock, owner); // deletes itself on closing
    about->exec();
}

} // namespace qt
