#include "ui/qt/startup/about_window.h"

#include "identity/product.h"
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
    line->setObjectName(description::kAboutLineName);
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
    setObjectName(description::kAboutName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(description::aboutCaption()));
    setFont(windowFont());
    setFixedSize(pixels(description::kAboutClientSize));
    setModal(true);

    // First in tab order, so it has the focus on opening. Enter presses it as the default
    // button; Esc rejects the dialog, which closes it as its cancel button would.
    const description::Button& okRow = description::kAboutOk;
    auto* ok = new QPushButton(QString::fromUtf8(okRow.caption), this);
    ok->setObjectName(okRow.name);
    ok->setGeometry(pixels(okRow.rect));
    ok->setDefault(okRow.isDefault);
    connect(ok, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    addLogo(this, description::kAboutLogo);
    for (const description::Label& row : description::kAboutLabels) {
        QLabel* label = addLabel(this, row);
        if (row.text == description::LabelText::Company) {
            QPalette black = label->palette();
            black.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(black);
        }
        if (row.filledOnLoad) {
            m_loaded.emplace_back(row.text, label);
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
    fillLoaded(m_loaded, clock.currentYear(), product::kVersionMajor, product::kVersionMinor);
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
