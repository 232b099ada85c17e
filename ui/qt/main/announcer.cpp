#include "ui/qt/main/announcer.h"

#include <QAccessibleWidget>

namespace qt {
namespace {

QAccessibleInterface* notificationFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()) && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    static_cast<void>(installed);
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& name, const QString& text)
{
    hide();
    setAccessibleName(name);
    setAccessibleDescription(text);
    show(); // what the screen reader hears: this notification appearing
}

} // namespace qt
