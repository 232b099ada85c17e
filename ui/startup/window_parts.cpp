#include "ui/startup/window_parts.h"

#include "ui/common/window_font.h"

#include <QLabel>
#include <QPixmap>

namespace ui {

QLabel* addLabel(QWidget* parent, const LabelRow& row)
{
    auto* label = new QLabel(row.text, parent);
    label->setObjectName(row.name);
    label->setGeometry(row.rect.toPixels());
    label->setFont(windowFont(row.points, row.bold));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(row.wrap);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QLabel* addLogo(QWidget* parent, const char* name, TwipsRect rect)
{
    auto* logo = new QLabel(parent);
    logo->setObjectName(name);
    logo->setGeometry(rect.toPixels());
    logo->setPixmap(QPixmap(QStringLiteral(":/images/logo.jpg")));
    logo->setAlignment(Qt::AlignCenter);
    logo->setFrameShape(QFrame::Box);
    logo->setLineWidth(1);
    logo->setAttribute(Qt::WA_NoMousePropagation);
    return logo;
}

} // namespace ui
