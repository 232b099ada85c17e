#include "ui/common/message_presenter.h"

#include "app/app_info.h"

#include <QMessageBox>

namespace ui {

void MessageBoxPresenter::showMessage(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(app::kTitle), text, QMessageBox::Ok,
                    owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace ui
