#include "mainwindow/classicframe.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace mainwindow {

void ClassicFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect caption(8, 0, metrics.size(Qt::TextShowMnemonic, title()).width(),
                        metrics.height());
    // The line stops a little short of the caption on either side.
    painter.setClipRegion(QRegion(rect()) - caption.adjusted(-2, 0, 2, 0));
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(),
                   /*sunken=*/true);
    painter.setClipping(false);
    style()->drawItemText(&painter, caption,
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

} // namespace mainwindow
