#include "mainwindow/frmmain.h"
#include "mainwindow/programfont.h"

#include "support/fakes.h"

#include <QtTest>
#include <QtWidgets>

// The About window as the main window's Help > Info opens it.
class tst_frmAbout : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeServices> fx;
    std::unique_ptr<mainwindow::frmMain> window;

    // Opens the About window and runs `step` on it while it is open; returns
    // whether `step` left it open, and then closes it, so that a fault
    // cannot keep the test waiting.
    bool leftOpen(const std::function<void(QDialog *)> &step)
    {
        bool open = false;
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(about);
            step(about);
            open = about->isVisible();
            about->reject();
        });
        window->findChild<QAction *>(u"mnuHelpAbout"_qs)->trigger();
        return open;
    }

private slots:
    void initTestCase()
    {
        QApplication::setApplicationName(u"Wertungsbrett"_qs);
        QApplication::setApplicationVersion(u"1.5.0.12"_qs); // the build number is not shown
        mainwindow::useProgramFont();
    }
    void init()
    {
        fx = std::make_unique<FakeServices>();
        window = std::make_unique<mainwindow::frmMain>(fx->all());
        window->show();
    }
    void cleanup() { window.reset(); }

    // Modal over the main window, its texts set, OK focused; Space on OK closes it.
    void opening()
    {
        QStringList seen;
        const bool open = leftOpen([&](QDialog *about) {
            seen << (about->parentWidget() == window.get() ? u"owned"_qs : u"not owned"_qs);
            for (const char *name : {"lblTitle", "lblVersion", "lblDescription"})
                seen
                    << about->findChild<QLabel *>(QLatin1String(name))->text().section(u'\n', 0, 0);
            seen << about->focusWidget()->objectName();
            QTest::keyClick(about->focusWidget(), Qt::Key_Space);
        });
        QCOMPARE(open, false);
        QCOMPARE(seen, (QStringList{u"owned"_qs, u"Wertungsbrett"_qs, u"Version 1.5.12"_qs,
                                    u"Zum Zählen der Punkte von Kandidaten eines Quiz."_qs,
                                    u"cmdOK"_qs}));
    }

    // Each opening starts in the same place, however the window was moved.
    void samePlace()
    {
        QPoint first;
        QPoint second;
        leftOpen([&](QDialog *about) {
            first = about->pos();
            about->move(first + QPoint(40, 30));
        });
        leftOpen([&](QDialog *about) { second = about->pos(); });
        QCOMPARE(second, first);
    }

    // Without the tool, Return on "System Info..." says so and leaves the window open.
    void systemInfoMissing()
    {
        const bool open = leftOpen([](QDialog *about) {
            QWidget *button = about->findChild<QWidget *>(u"cmdSysInfo"_qs);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
        });
        QCOMPARE(open, true);
        QCOMPARE(
            fx->boxes.shown,
            QStringList{u"plain|Wertungsbrett|System Information Is Unavailable At This Time"_qs});
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"panel", "lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    // With the program's font, Arial's metric twin, the texts the layouts
    // were drawn for are shown whole: the opening hint and the About window's.
    void textsFit()
    {
        QFETCH(QString, name);
        QCOMPARE(QFontInfo(QApplication::font()).family(), u"Liberation Sans"_qs);
        leftOpen([](QDialog *) {}); // sets the About window's texts
        const QLabel *shown = window->findChild<QLabel *>(name);
        const QRect box = shown->contentsRect();
        const int flags = int(shown->alignment()) | (shown->wordWrap() ? Qt::TextWordWrap : 0);
        QCOMPARE(box.united(shown->fontMetrics().boundingRect(box, flags, shown->text())), box);
    }

    // Closing the main window closes the About window first.
    void closesWithMainWindow()
    {
        const bool open = leftOpen([this](QDialog *) { window->close(); });
        QCOMPARE(open, false);
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
