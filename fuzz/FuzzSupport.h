#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Shared by the fuzz targets: a breach of a reader's promise aborts with a
// message, so libFuzzer keeps the input that caused it.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz check failed at %s:%d: %s\n", __FILE__, __LINE__, what);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzz {

inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The one folder a target may write in: vintrelo-fuzz-<target>-<pid> in
// /dev/shm (or /tmp where there is none), made on first use and removed when the
// process ends normally.
QString scratchFolder(const char* target);

// The bytes of `bytes` up to and including its `count`-th LF (all of them when
// there are fewer): what a reader of the first `count` lines of a file reads.
// It shares the bytes of `bytes`, which must outlive it.
QByteArray firstLines(const QByteArray& bytes, int count);

// Writes `bytes` to `relative` under the scratch folder, replacing what was there.
void putFile(const QString& root, const QString& relative, const QByteArray& bytes);

// True when `path`, cleaned, lies inside `folder` (itself excluded).
bool isInside(const QString& path, const QString& folder);

} // namespace fuzz
