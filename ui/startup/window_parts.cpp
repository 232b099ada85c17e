#include "ui/startup/window_parts.h"

#include "ui/common/twips.h"
#include "ui/common/window_font.h"
#include "ui/description/texts.h"

#include <QLabel>
#include <QPixmap>

namespace ui {

QLabel* addLabel(QWidget* parent, const description::LabelSpec& spec)
{
    auto* label = new QLabel(QString::fromStdString(description::designText(spec.text)), parent);
    label->setObjectName(spec.name);
    label->setGeometry(toPixels(spec.rect));
    label->setFont(windowFont(spec.points, spec.bold));
    label->setAlignment((spec.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(spec.wrap);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QLabel* addLogo(QWidget* parent, const char* name, description::TwipsRect rect)
{
    auto* logo = new QLabel(parent);
    logo->setObjectName(name);
    logo->setGeometry(toPixels(rect));
    logo->setPixmap(QPixmap(QStringLiteral(":/images/logo.jpg")));
    logo->setAlignment(Qt::AlignCenter);
    logo->setFrameShape(QFrame::Box);
    logo->setLineWidth(1);
    logo->setAttribute(Qt::WA_NoMousePropagation);
    return logo;
}

} // namespace ui
