#include "fakeclipboard.h"
#include "frmmain.h"
#include "messageboxes.h"
#include "programfont.h"

#include <QGroupBox>
#include <QMenu>
#include <QTest>
#include <QTimer>

// The main window as it looks beyond its layout.
class tst_Looks : public QObject
{
    Q_OBJECT
    QtMessageBoxes boxes;
    FakeClipboard clipboard;
    frmMain window{{boxes, clipboard}};

private slots:
    void initTestCase() { useProgramFont(); }

    void separatorsNamed()
    {
        for (const QString &menu : {u"mnuFile"_qs, u"mnuEdit"_qs, u"mnuHelp"_qs}) {
            const auto *bar = window.findChild<QAction *>(menu + u"Bar0"_qs);
            QVERIFY(bar && bar->isSeparator() &&
                    window.findChild<QMenu *>(menu)->actions().contains(bar));
        }
    }

    // Menus and message boxes are windows of their own: they share the
    // window's font only through the application.
    void oneFont()
    {
        QFont shown;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            shown = box->findChild<QWidget *>(u"qt_msgbox_label"_qs)->font();
            box->close();
        });
        boxes.inform(&window, {}, u"Text"_qs);
        QCOMPARE(shown, window.font());
        for (const QMenu *menu : window.findChildren<QMenu *>())
            QCOMPARE(menu->font(), window.font());
    }

    // A frame's top line (found near its right side) runs between the top and
    // the bottom of its caption's letters (from 8 pixels in), above its controls.
    void frameLineThroughCaption()
    {
        for (QGroupBox *frame : window.findChildren<QGroupBox *>()) {
            const QImage picture = frame->grab().toImage();
            const int background = qGray(frame->palette().color(QPalette::Window).rgb());
            const auto inked = [&](int x, int y) {
                return qAbs(qGray(picture.pixel(x, y)) - background) > 32;
            };
            const int controls = frame->childrenRect().top();
            int line = -1, top = -1, bottom = -1;
            for (int y = 0; y < controls; ++y) {
                line = line < 0 && inked(frame->width() - 8, y) ? y : line;
                for (int x = 8; x < 8 + frame->fontMetrics().horizontalAdvance(frame->title()); ++x)
                    if (inked(x, y)) {
                        top = top < 0 ? y : top;
                        bottom = y;
                    }
            }
            QVERIFY(0 <= top && top < line && line < bottom && line + 1 < controls);
        }
    }
};

QTEST_MAIN(tst_Looks)
#include "tst_looks.moc"
