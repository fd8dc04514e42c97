#include "LockFixture.h"

#include "store/FolderLock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

bool plantFolderLock(const QString& dataRoot, qint64 pid, const QString& host, qint64 ageSeconds,
                     bool cloneOfThisMachine, const std::optional<QString>& installation)
{
    const QString path = QDir(dataRoot).filePath(store::kLockFile);
    QByteArray lines;
    {
        QLockFile own(path);
        if (!own.tryLock(0))
            return false;
        QFile written(path);
        if (!written.open(QIODevice::ReadOnly))
            return false;
        lines = written.readAll();
        own.unlock();
    }
    QList<QByteArray> parts = lines.split('\n');
    if (parts.size() < 3)
        return false;
    parts[0] = QByteArray::number(pid);
    if (host != QSysInfo::machineHostName()) {
        parts[2] = host.toUtf8();
        if (parts.size() > 3 && !cloneOfThisMachine)
            parts[3] = "another-machine";
    }
    const QString id = installation.value_or(store::installationId());
    if (!id.isEmpty())
        parts.insert(parts.size() - 1, "vintrelo-installation=" + id.toUtf8());
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate))
        return false;
    file.write(parts.join('\n'));
    file.flush();
    return file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                            QFileDevice::FileModificationTime);
}
