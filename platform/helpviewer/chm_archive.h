#pragma once

// Read access to the objects of a compiled help file (.chm), through chmlib.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <variant>

struct chmFile;

namespace platform {

class ChmArchive {
  public:
    // Objects larger than this are refused rather than read into memory.
    static constexpr qint64 kMaxObjectBytes = qint64{16} * 1024 * 1024;

    // The archive, or a sentence saying why the file cannot be read.
    static std::variant<std::unique_ptr<ChmArchive>, QString> open(const QString& path);

    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;
    ChmArchive(ChmArchive&&) = delete;
    ChmArchive& operator=(ChmArchive&&) = delete;
    ~ChmArchive();

    // The object at `path` ("/Welcome.htm"), or a sentence saying why it cannot be read:
    // missing, larger than `maxBytes`, damaged, or a path that leaves the archive.
    [[nodiscard]] std::variant<QByteArray, QString> read(const QString& path,
                                                         qint64 maxBytes = kMaxObjectBytes) const;

    // Every object's path.
    [[nodiscard]] QStringList paths() const;

    // A path inside the archive for `path`, resolved without "." segments; empty when it
    // would climb above the archive's root.
    static QString normalizedPath(const QString& path);

  private:
    explicit ChmArchive(chmFile* file);

    chmFile* m_file;
};

} // namespace platform
