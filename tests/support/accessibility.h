#pragma once

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// As a screen reader does: without one, Qt sends no accessibility events at all.
inline void activateAccessibility()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}
