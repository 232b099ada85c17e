#include "ui/qt/common/message_presenter.h"

#include "identity/product.h"
#include "ui/description/texts.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace qt {
namespace {

// A window manager cuts a caption that is wider than its window, and a message box
// sizes itself for its text alone. The box is made as wide as the whole caption needs
// in a title bar's bold face, which may run larger than the box's own, plus room for the
// window menu and the three title-bar buttons.
void keepCaptionWhole(QMessageBox& box)
{
    QFont titleFont = box.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    const QFontMetrics metrics(titleFont);
    const int buttons = 4 * (metrics.height() + 8);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + buttons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
}

} // namespace

void MessageBoxPresenter::showMessage(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(product::kTitle), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    keepCaptionWhole(box);
    box.exec();
}

void showNoBrowserMessage(QWidget* owner, const std::string& address)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(product::kTitle),
                    QString::fromStdString(description::noBrowserMessage(address)), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

} // namespace qt
