#include "ui/startup/about_window.h"

#include "app/app_info.h"
#include "ui/common/clock.h"
#include "ui/common/window_font.h"
#include "ui/common/window_placement.h"
#include "ui/startup/notices.h"
#include "ui/startup/window_parts.h"

#include <QLabel>
#include <QPushButton>

namespace ui {
namespace {

constexpr QSize kClientSize = twipsSize(7200, 4875);

// One member of the etched separator Line1: a horizontal line from (x1, y) to x2, in twips.
void addLine(QWidget* parent, int index, int x1, int x2, int y, int widthPixels,
             const QColor& colour)
{
    auto* line = new QWidget(parent);
    line->setObjectName("Line1");
    line->setProperty("index", index);
    line->setGeometry(twips(x1), twips(y), twips(x2) - twips(x1), widthPixels);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
}

} // namespace

AboutWindow::AboutWindow(const Clock& clock, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(app::kTitle));
    setFont(windowFont());
    setFixedSize(kClientSize);
    setModal(true);

    // First in tab order, so it has the focus on opening. Enter presses it as the
    // default button; Esc rejects the dialog, which closes it just the same.
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setGeometry(TwipsRect{5565, 4080, 1260, 585}.toPixels());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    addLogo(this, "Image1", {120, 120, 3060, 3555});
    const LabelRow labels[] = {
        {"lblTitle", QString::fromUtf8(app::kCompanyName), {3240, 120, 3915, 720}, 20.25, true},
        {"Label1", QStringLiteral("Passer Rating Calculator"), {3240, 960, 3855, 375}, 14.25, true},
        {"lblVersion", QStringLiteral("Version 1.0"), {3240, 1560, 3885, 345}, 9.75, true},
        {"lblWarning", legalWarning(), {3240, 2040, 3855, 1635}, kWindowFontPointSize, false, true},
        {"lblCopyright",
         copyrightNotice(2005),
         {120, 3960, 5295, 285},
         kWindowFontPointSize,
         false},
    };
    for (const LabelRow& row : labels) {
        addLabel(this, row);
    }
    auto* title = findChild<QLabel*>("lblTitle");
    QPalette black = title->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    title->setPalette(black);
    findChild<QLabel*>("lblCopyright")->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    addLine(this, 1, 90, 7080, 3765, 1, QColor(128, 128, 128));
    addLine(this, 0, 105, 7080, 3780, 2, Qt::white);

    Form_Load(clock);
    ok->setFocus();
    centreOnScreen(this);
}

void AboutWindow::Form_Load(const Clock& clock)
{
    findChild<QLabel*>("lblCopyright")->setText(copyrightNotice(clock.today().year()));
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

} // namespace ui
