#include "platform/helpviewer/chm_archive.h"

#include <QFile>

#include <chm_lib.h>

namespace platform {

ChmArchive::ChmArchive(chmFile* file) : m_file(file) {}

ChmArchive::~ChmArchive()
{
    chm_close(m_file);
}

std::variant<std::unique_ptr<ChmArchive>, QString> ChmArchive::open(const QString& path)
{
    if (!QFile::exists(path)) {
        return QStringLiteral("The help file %1 does not exist.").arg(path);
    }
    chmFile* file = chm_open(QFile::encodeName(path).constData());
    if (file == nullptr) {
        return QStringLiteral("The help file %1 cannot be read: it is not a compiled help file, "
                              "or it is damaged.")
            .arg(path);
    }
    return std::unique_ptr<ChmArchive>(new ChmArchive(file));
}

QString ChmArchive::normalizedPath(const QString& path)
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

std::variant<QByteArray, QString> ChmArchive::read(const QString& path, qint64 maxBytes) const
{
    const QString inside = normalizedPath(path);
    if (inside.isEmpty()) {
        return QStringLiteral("The topic %1 lies outside the help file.").arg(path);
    }
    chmUnitInfo unit{};
    if (chm_resolve_object(m_file, inside.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS) {
        return QStringLiteral("The help file has no topic %1.").arg(inside);
    }
    if (unit.length > static_cast<LONGUINT64>(maxBytes)) {
        return QStringLiteral("The topic %1 is too large to show (%2 bytes).")
            .arg(inside)
            .arg(unit.length);
    }
    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 got =
        chm_retrieve_object(m_file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (got != static_cast<LONGINT64>(unit.length)) {
        return QStringLiteral("The topic %1 is damaged in the help file.").arg(inside);
    }
    return bytes;
}

QStringList ChmArchive::paths() const
{
    QStringList found;
    const auto collect = [](chmFile* /*file*/, chmUnitInfo* unit, void* context) -> int {
        static_cast<QStringList*>(context)->append(QString::fromUtf8(unit->path));
        return CHM_ENUMERATOR_CONTINUE;
    };
    chm_enumerate(m_file, CHM_ENUMERATE_ALL, collect, &found);
    return found;
}

} // namespace platform
