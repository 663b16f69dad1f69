#include "frmmain.h"
#include "messageboxes.h"
#include "simplecombobox.h"
#include "systemclipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstring>

// The copy button against the real clipboard of a real X server. The line is
// read back by a second process, as a chat program would read it, so the
// text really went through the X selection and not a shortcut inside Qt.
class tst_Clipboard : public QObject
{
    Q_OBJECT

private slots:
    void standingsReachOtherPrograms_data();
    void standingsReachOtherPrograms();

private:
    QString readByAnotherProcess();
};

QString tst_Clipboard::readByAnotherProcess()
{
    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print-clipboard")});
    // The clipboard owner is this process: keep serving it while the reader waits.
    [&] { QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 20000); }();
    return QString::fromUtf8(reader.readAllStandardOutput());
}

void tst_Clipboard::standingsReachOtherPrograms_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("line");
    QTest::newRow("empty roster") << QStringList{} << QString();
    QTest::newRow("two candidates")
        << QStringList{u"Bernd"_qs, u"Anna"_qs, u"Anna"_qs}
        << u"/me --Punkte--  Anna 2P, Bernd 1P, "_qs;
    QTest::newRow("names as typed")
        << QStringList{u"Tom & Jerry"_qs, u"<b>fett</b>"_qs, u"🦊\tשרה\u200F"_qs}
        << u"/me --Punkte--  <b>fett</b> 1P, 🦊\tשרה\u200F 1P, Tom & Jerry 1P, "_qs;
}

void tst_Clipboard::standingsReachOtherPrograms()
{
    QFETCH(QStringList, names);
    QFETCH(QString, line);

    QtMessageBoxes boxes;
    SystemClipboard clipboard;
    frmMain window({boxes, clipboard});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QGuiApplication::clipboard()->setText(u"alter Inhalt"_qs);
    for (const QString &name : names) {
        window.findChild<SimpleComboBox *>(u"cboKandidaten"_qs)->setText(name);
        QTest::mouseClick(window.findChild<QPushButton *>(u"cmdPlus"_qs), Qt::LeftButton);
    }
    QTest::mouseClick(window.findChild<QPushButton *>(u"cmdCopyPunktestandToClipboard"_qs),
                      Qt::LeftButton);
    QCOMPARE(readByAnotherProcess(), line);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--print-clipboard") == 0) {
        const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        return 0;
    }
    tst_Clipboard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clipboard.moc"
