#include "helpviewer/topic_link.h"

#include <QStringList>

namespace help {
namespace {

constexpr char kScheme[] = "chm";

} // namespace

QString insidePath(const QString& path)
{
    QStringList kept;
    for (const QString& segment : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (segment == QLatin1String(".")) {
            continue;
        }
        if (segment == QLatin1String("..")) {
            if (kept.isEmpty()) {
                return {};
            }
            kept.removeLast();
            continue;
        }
        kept.append(segment);
    }
    if (kept.isEmpty()) {
        return {};
    }
    return QLatin1Char('/') + kept.join(QLatin1Char('/'));
}

LinkTarget resolveLink(const QString& currentTopic, const QUrl& link)
{
    const QString scheme = link.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto")) {
        return {LinkTarget::Kind::Web, {}, {}};
    }
    if (scheme.isEmpty() && link.path().isEmpty() && link.hasFragment()) {
        return {LinkTarget::Kind::Anchor, {}, link.fragment()};
    }
    QUrl base;
    base.setScheme(QString::fromLatin1(kScheme));
    base.setPath(currentTopic.isEmpty() ? QStringLiteral("/") : currentTopic);
    const QUrl target = link.isRelative() ? base.resolved(link) : link;
    const QString path = insidePath(target.path());
    if (target.scheme() != QLatin1String(kScheme) || path.isEmpty()) {
        return {};
    }
    return {LinkTarget::Kind::Topic, path, target.fragment()};
}

} // namespace help
