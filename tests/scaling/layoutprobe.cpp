// Shows the main window at the scale the environment sets (QT_SCALE_FACTOR)
// and reports what a scaling test compares: every visible control's place in
// the window, in device-independent pixels, one "name x y width height" line
// each, and the window's picture as PNG, in device pixels, to the file named
// by the one argument.
#include "fakeclipboard.h"
#include "fakemessageboxes.h"
#include "frmmain.h"
#include "programfont.h"
#include "quietoffscreen.h"

#include <QApplication>
#include <QTest>
#include <QTextStream>

namespace {

// A control's name: its objectName, or for the unnamed parts Qt builds (tool
// buttons, scroll bars) the parent's name with class and place among its
// visible siblings of that class.
QString nameOf(const QWidget *widget, const QString &parentName)
{
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_"))
        return widget->objectName();
    int place = 0;
    for (const QObject *sibling : widget->parent()->children()) {
        if (sibling == widget)
            break;
        if (sibling->metaObject() == widget->metaObject() &&
            static_cast<const QWidget *>(sibling)->isVisible())
            ++place;
    }
    return parentName + u'/' + QLatin1String(widget->metaObject()->className()) + u'#' +
           QString::number(place);
}

// Writes the widget's line, then those of its visible children, depth first.
void report(QTextStream &out, const QWidget *window, const QWidget *widget, const QString &name)
{
    const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
    out << name << ' ' << place.x() << ' ' << place.y() << ' ' << place.width() << ' '
        << place.height() << '\n';
    for (QObject *object : widget->children()) {
        const auto *child = qobject_cast<QWidget *>(object);
        if (child && child->isVisible() && !child->isWindow())
            report(out, window, child, nameOf(child, name));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quietOffscreenPlatform();
    useProgramFont();
    if (argc != 2)
        return 2;
    FakeMessageBoxes boxes;
    FakeClipboard clipboard;
    frmMain window({.messageBoxes = boxes, .clipboard = clipboard});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTextStream out(stdout);
    report(out, &window, &window, window.objectName());
    return window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
