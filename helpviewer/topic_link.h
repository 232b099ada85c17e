#pragma once

// Where a link in a help topic leads: to another place inside the help file, or out of
// it. Paths inside the help file are absolute ("/Welcome.htm") and never climb above its
// root, whatever a topic's links say.

#include <QString>
#include <QUrl>

namespace help {

struct LinkTarget {
    enum class Kind {
        Web,     // http, https or mailto: for the shell
        Anchor,  // a place in the topic shown
        Topic,   // another topic of the help file
        Outside, // anything else: refused
    };
    Kind kind = Kind::Outside;
    QString path;     // Topic: the path inside the help file
    QString fragment; // Anchor and Topic: the place in the topic, if any
};

// The link `link` of the topic at `currentTopic`.
LinkTarget resolveLink(const QString& currentTopic, const QUrl& link);

// `path` resolved inside the help file without "." and ".." segments; empty when it
// would climb above the root or names nothing.
QString insidePath(const QString& path);

} // namespace help
