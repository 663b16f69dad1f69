#include "mainwindow/frmmain.h"
#include "mainwindow/simplecombobox.h"
#include "services/services.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QTest>

// The copy button against the real clipboard of a real X server. The line is
// read back by a second process, as a chat program reads it.
class tst_Clipboard : public QObject
{
    Q_OBJECT

private slots:
    void standingsReachOtherPrograms();
};

void tst_Clipboard::standingsReachOtherPrograms()
{
    services::QtMessageBoxes boxes;
    services::SystemClipboard clipboard;
    services::DesktopHelpViewer help;
    const services::NativeSystem system;
    mainwindow::frmMain window({boxes, clipboard, help, system});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QGuiApplication::clipboard()->setText(u"alter Inhalt"_qs);
    for (const QString &name : {u"Tom & Jerry"_qs, u"🦊\tשרה"_qs, u"Tom & Jerry"_qs}) {
        window.findChild<mainwindow::SimpleComboBox *>()->setText(name);
        QTest::mouseClick(window.findChild<QPushButton *>(u"cmdPlus"_qs), Qt::LeftButton);
    }
    QTest::mouseClick(window.findChild<QPushButton *>(u"cmdCopyPunktestandToClipboard"_qs),
                      Qt::LeftButton);

    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {u"--print-clipboard"_qs});
    // This process owns the clipboard: it keeps serving it while the reader waits.
    QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 20000);
    QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()),
             u"/me --Punkte--  🦊\tשרה 1P, Tom & Jerry 2P, "_qs);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().contains(u"--print-clipboard"_qs)) {
        fputs(QGuiApplication::clipboard()->text().toUtf8().constData(), stdout);
        return 0;
    }
    tst_Clipboard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clipboard.moc"
