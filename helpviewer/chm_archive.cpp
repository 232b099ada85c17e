#include "helpviewer/chm_archive.h"

#include "helpviewer/topic_link.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <chm_lib.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace help {
namespace {

// Closes a descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    [[nodiscard]] int get() const { return m_fd; }

  private:
    int m_fd;
};

} // namespace

ChmArchive::ChmArchive(chmFile* file) : m_file(file) {}

ChmArchive::~ChmArchive()
{
    chm_close(m_file);
}

std::variant<std::unique_ptr<ChmArchive>, QString> ChmArchive::open(const QString& path)
{
    // Opened without blocking, so a pipe or a device in the file's place cannot hold the
    // viewer, and judged on what was opened, so nothing can be swapped in between.
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return QStringLiteral("The help file %1 does not exist.").arg(path);
        }
        return QStringLiteral("The help file %1 cannot be opened: %2.")
            .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return QStringLiteral("The help file %1 is not a file.").arg(path);
    }
    if (status.st_size == 0) {
        return QStringLiteral("The help file %1 is empty.").arg(path);
    }
    if (status.st_size > kMaxFileBytes) {
        return QStringLiteral("The help file %1 is too large to be a help file (%2 bytes).")
            .arg(path)
            .arg(status.st_size);
    }
    // chmlib opens by name; the descriptor's own name is the very file checked above.
    chmFile* file = chm_open(QByteArray("/proc/self/fd/" + QByteArray::number(fd.get())).constData());
    if (file == nullptr) {
        return QStringLiteral("The help file %1 cannot be read: it is not a compiled help file, "
                              "or it is damaged.")
            .arg(path);
    }
    return std::unique_ptr<ChmArchive>(new ChmArchive(file));
}

std::variant<QByteArray, QString> ChmArchive::read(const QString& path, qint64 maxBytes) const
{
    const QString inside = insidePath(path);
    if (inside.isEmpty()) {
        return QStringLiteral("The topic %1 lies outside the help file.").arg(path);
    }
    chmUnitInfo unit{};
    if (chm_resolve_object(m_file, inside.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS) {
        return QStringLiteral("The help file has no topic %1.").arg(inside);
    }
    if (unit.length > static_cast<LONGUINT64>(maxBytes)) {
        return QStringLiteral("The topic %1 is too large to show (%2 bytes).").arg(inside).arg(unit.length);
    }
    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(m_file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
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

QString ChmArchive::title() const
{
    // #SYSTEM: a 4-byte version, then records of a 16-bit code, a 16-bit length and that
    // many bytes; code 3 is the title, ended by a NUL.
    constexpr quint16 kTitleCode = 3;
    const auto bytes = read(QStringLiteral("/#SYSTEM"), qint64{64} * 1024);
    if (!std::holds_alternative<QByteArray>(bytes)) {
        return {};
    }
    const auto& system = std::get<QByteArray>(bytes);
    const auto word = [&system](qsizetype at) {
        return static_cast<quint16>(static_cast<quint8>(system[at]) | static_cast<quint8>(system[at + 1]) << 8);
    };
    for (qsizetype at = 4; at + 4 <= system.size();) {
        const quint16 code = word(at);
        const quint16 length = word(at + 2);
        at += 4;
        if (at + length > system.size()) {
            break;
        }
        if (code == kTitleCode) {
            const QByteArray title = system.mid(at, length);
            return QString::fromUtf8(title.left(title.indexOf('\0'))).trimmed();
        }
        at += length;
    }
    return {};
}

} // namespace help
