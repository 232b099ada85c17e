#include "ui/qt/startup/window_parts.h"

#include "ui/description/texts.h"
#include "ui/qt/common/pixels.h"
#include "ui/qt/common/window_font.h"

#include <QLabel>
#include <QPixmap>

namespace qt {

QLabel* addLabel(QWidget* parent, const description::Label& row)
{
    auto* label = new QLabel(QString::fromStdString(description::designText(row.text)), parent);
    label->setObjectName(row.name);
    label->setGeometry(pixels(row.rect));
    label->setFont(windowFont(row.points, row.bold));
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(row.wrap);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QLabel* addLogo(QWidget* parent, const description::Part& part)
{
    auto* logo = new QLabel(parent);
    logo->setObjectName(part.name);
    logo->setGeometry(pixels(part.rect));
    logo->setPixmap(QPixmap(QStringLiteral(":/images/logo.jpg")));
    logo->setAlignment(Qt::AlignCenter);
    logo->setFrameShape(QFrame::Box);
    logo->setLineWidth(1);
    logo->setAttribute(Qt::WA_NoMousePropagation);
    return logo;
}

void fillLoaded(const LoadedLabels& labels, int currentYear, int versionMajor, int versionMinor)
{
    for (const auto& [text, label] : labels) {
        label->setText(QString::fromStdString(description::loadedText(text, currentYear, versionMajor, versionMinor)));
    }
}

} // namespace qt
