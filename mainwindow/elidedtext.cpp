#include "mainwindow/elidedtext.h"

#include <QFontMetrics>

namespace mainwindow {

QString elidedText(const QString &text, const QFontMetrics &metrics, int width)
{
    // Growing starts of the text: the cost follows the width, not the
    // text. A start wider than the width is elided exactly where the whole
    // text would be, since what lies beyond it is cut off anyway.
    for (qsizetype length = 64; length < text.size(); length *= 4) {
        const QString start = text.left(length);
        if (metrics.horizontalAdvance(start) > width)
            return metrics.elidedText(start, Qt::ElideRight, width);
    }
    return metrics.elidedText(text, Qt::ElideRight, width);
}

} // namespace mainwindow
