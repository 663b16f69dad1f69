#pragma once

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// Turns the accessibility layer on as a screen reader does: without one, Qt
// sends no accessibility events at all.
inline void activateAccessibility()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}
