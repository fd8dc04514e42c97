#pragma once

#include <QString>

struct zip;

namespace backup {

// An open archive of libzip, discarded (never written) unless closed on purpose.
class ZipHandle
{
public:
    ZipHandle() = default;
    ~ZipHandle();
    ZipHandle(const ZipHandle&) = delete;
    ZipHandle& operator=(const ZipHandle&) = delete;

    // False with `problem` set when the file cannot be opened as an archive.
    bool open(const QString& path, int flags, QString* problem);
    // Writes the archive; false with `problem` set when that fails.
    bool close(QString* problem);

    zip* get() const { return m_zip; }
    QString lastError() const; // libzip's description of the last failure

private:
    zip* m_zip = nullptr;
};

} // namespace backup
