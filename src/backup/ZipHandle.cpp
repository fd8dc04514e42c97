#include "backup/ZipHandle.h"

#include <QFile>
#include <zip.h>

namespace backup {

ZipHandle::~ZipHandle()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool ZipHandle::open(const QString& path, int flags, QString* problem)
{
    int code = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), flags, &code);
    if (m_zip)
        return true;
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    *problem = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return false;
}

bool ZipHandle::close(QString* problem)
{
    if (zip_close(m_zip) == 0) {
        m_zip = nullptr;
        return true;
    }
    *problem = lastError();
    return false;
}

QString ZipHandle::lastError() const
{
    return m_zip ? QString::fromLocal8Bit(zip_error_strerror(zip_get_error(m_zip))) : QString();
}

} // namespace backup
