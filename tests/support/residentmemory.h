#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>

#include <unistd.h>

// The process's resident memory in KiB, from /proc; -1 where there is none.
inline qint64 residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
}
