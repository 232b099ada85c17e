#pragma once

// Read access to the objects of a compiled help file (.chm), through chmlib.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <variant>

struct chmFile;

namespace help {

class ChmArchive {
  public:
    // Objects larger than this are refused rather than read into memory.
    static constexpr qint64 kMaxObjectBytes = qint64{16} * 1024 * 1024;
    // A help file larger than this is no help file of ours; it is refused unread.
    static constexpr qint64 kMaxFileBytes = qint64{256} * 1024 * 1024;

    // The archive, or a sentence saying why the file cannot be read: missing, not a
    // plain file (a folder, a pipe, a device), unreadable, empty, too large, or not a
    // compiled help file.
    static std::variant<std::unique_ptr<ChmArchive>, QString> open(const QString& path);

    Q_DISABLE_COPY_MOVE(ChmArchive)
    ~ChmArchive();

    // The object at `path` ("/Welcome.htm"), or a sentence saying why it cannot be read:
    // missing, larger than `maxBytes`, damaged, or a path that leaves the archive.
    [[nodiscard]] std::variant<QByteArray, QString> read(const QString& path, qint64 maxBytes = kMaxObjectBytes) const;

    // Every object's path.
    [[nodiscard]] QStringList paths() const;

    // The help's own title, as its project set it ("... Help"); empty when it has none.
    [[nodiscard]] QString title() const;

  private:
    explicit ChmArchive(chmFile* file);

    chmFile* m_file;
};

} // namespace help
