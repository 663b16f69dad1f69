#pragma once

#include <QObject>
#include <QtGlobal>

// The child of `parent` with the object name `name`. A missing child ends the
// run at once: every later step would only fail on it less clearly.
template <typename T> T *requireChild(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}
