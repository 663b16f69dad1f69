#include "abouttexts.h"
#include "fakeplatform.h"
#include "frmabout.h"
#include "messageboxes.h"
#include "programfont.h"
#include "quietoffscreen.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string ToolPath = "C:\\Tools\\MSINFO32.EXE";
const QString Unavailable = u"System Information Is Unavailable At This Time"_qs;

struct Told
{
    QWidget *parent;
    QString caption, text;
};

} // namespace

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void geometry_data();
    void geometry();
    void window();
    void texts();
    void versionText_data();
    void versionText();
    void titleIsTheApplicationTitle();
    void reopenShowsSameTexts();
    void textsFit_data();
    void textsFit();
    void separator();
    void icon();
    void accessibleNames();
    void tabOrder();
    void keys_data();
    void keys();
    void sysInfo_data();
    void sysInfo();
    void sysInfoThroughRealMessageBox();
    void centredOverOwner();
    void closeEndsTheModalLoop();

private:
    template <typename T = QWidget> T *child(const char *name) const
    {
        T *found = about->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    QString text(const char *label) const { return child<QLabel>(label)->text(); }
    // Opens the window modally and runs check while it is open; closes the
    // window afterwards if check left it open.
    void whileOpen(const std::function<void()> &check)
    {
        bool ran = false;
        QTimer::singleShot(0, about, [&] {
            ran = true;
            check();
            if (about->isVisible())
                about->reject();
        });
        about->showModal();
        QVERIFY(ran);
        QVERIFY(!about->isVisible());
    }
    // An owned window counts as active while its owner is: wait until the
    // About window itself has the keyboard.
    void activate()
    {
        about->activateWindow();
        QTRY_COMPARE(QGuiApplication::focusWindow(), about->windowHandle());
    }
    void installTool()
    {
        fake.values[{ToolKey, "PATH"}] = FakePlatform::text(ToolPath);
        fake.files.insert(ToolPath);
    }

    FakePlatform fake;
    QList<Told> told;
    std::unique_ptr<QWidget> owner;
    frmAbout *about = nullptr; // owned by owner
};

void tst_frmAbout::initTestCase()
{
    quietOffscreenPlatform();
    useProgramFont();
    QApplication::setApplicationName(u"Wertungsbrett"_qs);
}

void tst_frmAbout::init()
{
    fake = FakePlatform();
    told.clear();
    owner = std::make_unique<QWidget>();
    owner->setGeometry(200, 150, 600, 400);
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner.get()));
    about = new frmAbout({fake.platform(),
                          [this](QWidget *parent, const QString &caption, const QString &text) {
                              told.append({parent, caption, text});
                          }},
                         owner.get());
}

void tst_frmAbout::cleanup()
{
    owner.reset();
    about = nullptr;
}

void tst_frmAbout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // pixels, in the client area
    QTest::newRow("icon") << u"picIcon"_qs << QRect(16, 16, 32, 32);
    QTest::newRow("OK") << u"cmdOK"_qs << QRect(283, 175, 98, 23);
    QTest::newRow("System Info") << u"cmdSysInfo"_qs << QRect(284, 205, 97, 23);
    QTest::newRow("description") << u"lblDescription"_qs << QRect(70, 75, 273, 78);
    QTest::newRow("title") << u"lblTitle"_qs << QRect(70, 16, 273, 32);
    QTest::newRow("grey line") << u"Line1_1"_qs << QRect(15, 162, 363, 1);
    QTest::newRow("white line") << u"Line1_0"_qs << QRect(16, 163, 362, 2);
    QTest::newRow("version") << u"lblVersion"_qs << QRect(70, 52, 273, 15);
    QTest::newRow("disclaimer") << u"lblDisclaimer"_qs << QRect(17, 175, 258, 55);
}

void tst_frmAbout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    whileOpen([&] {
        const auto *widget = about->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), rect);
        QVERIFY(widget->isVisible());
    });
}

void tst_frmAbout::window()
{
    whileOpen([&] {
        QCOMPARE(about->size(), QSize(391, 243));
        QCOMPARE(about->minimumSize(), about->size());
        QCOMPARE(about->maximumSize(), about->size());
        QCOMPARE(about->windowTitle(), u"About Wertungsbrett"_qs);
        QCOMPARE(about->windowType(), Qt::Dialog); // owned: no task-bar button
        QCOMPARE(about->parentWidget(), owner.get());
        const Qt::WindowFlags flags = about->windowFlags();
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(QApplication::activeModalWidget(), about);
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        QVERIFY(!about->windowIcon().isNull());
    });
}

void tst_frmAbout::texts()
{
    // The version shown is major.minor.revision; the build number (third
    // field) never shows.
    const QStringList fields = QStringLiteral(WERTUNGSBRETT_VERSION).split(u'.');
    QCOMPARE(fields.size(), 4);
    whileOpen([&] {
        QCOMPARE(text("lblVersion"),
                 u"Version "_qs + fields[0] + u'.' + fields[1] + u'.' + fields[3]);
        QCOMPARE(text("lblTitle"), u"Wertungsbrett"_qs);
        QCOMPARE(text("lblDescription"),
                 u"Zum Zählen der Punkte von Kandidaten eines Quiz.\nFreeware.\n\n\n\n"
                 "© 2026 Die Wertungsbrett-Entwickler"_qs);
        QVERIFY(!text("lblDisclaimer").isEmpty());
        QCOMPARE(child<QPushButton>("cmdOK")->text(), u"OK"_qs);
        QCOMPARE(child<QPushButton>("cmdSysInfo")->text(), u"&System Info..."_qs);
        for (const QLabel *label : about->findChildren<QLabel *>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
    });
}

void tst_frmAbout::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("shown");
    QTest::newRow("this build") << 1 << 0 << 3 << u"Version 1.0.3"_qs;
    QTest::newRow("two digits, no padding") << 1 << 5 << 12 << u"Version 1.5.12"_qs;
    QTest::newRow("zeros") << 0 << 0 << 0 << u"Version 0.0.0"_qs;
    QTest::newRow("largest") << 32767 << 9999 << 32767 << u"Version 32767.9999.32767"_qs;
}

void tst_frmAbout::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, shown);
    QCOMPARE(about::texts::version(qint16(major), qint16(minor), qint16(revision)), shown);
}

void tst_frmAbout::titleIsTheApplicationTitle()
{
    QApplication::setApplicationDisplayName(u"Quiz <b>&</b> Co"_qs);
    whileOpen([&] {
        QCOMPARE(text("lblTitle"), u"Quiz <b>&</b> Co"_qs);
        QCOMPARE(about->windowTitle(), u"About Wertungsbrett"_qs);
    });
    QApplication::setApplicationDisplayName(u"Wertungsbrett"_qs);
}

void tst_frmAbout::reopenShowsSameTexts()
{
    const char *labels[] = {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"};
    QStringList first, second;
    whileOpen([&] {
        for (const char *label : labels)
            first << text(label);
        QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    });
    whileOpen([&] {
        for (const char *label : labels)
            second << text(label);
    });
    QCOMPARE(second, first);
    for (const QString &design : {u"Application Title"_qs, u"Version"_qs, u"Description"_qs})
        QVERIFY(!first.contains(design));
}

void tst_frmAbout::textsFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lines");
    QTest::newRow("title") << u"lblTitle"_qs << 1;
    QTest::newRow("version") << u"lblVersion"_qs << 1;
    QTest::newRow("description") << u"lblDescription"_qs << 6;
    QTest::newRow("disclaimer") << u"lblDisclaimer"_qs << 4;
}

// Every text fits its label in the window's font, at the number of lines the
// layout was made for.
void tst_frmAbout::textsFit()
{
    QFETCH(QString, name);
    QFETCH(int, lines);
    whileOpen([&] {
        const auto *label = about->findChild<QLabel *>(name);
        QVERIFY(label);
        const QFontMetrics metrics(label->font());
        const QRect needed =
            metrics.boundingRect(QRect(QPoint(), label->size()),
                                 Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(QString::number(needed.height())));
        QCOMPARE(needed.height() / metrics.lineSpacing(), lines);
    });
}

// Two lines make an etched separator: grey, and below it white, two pixels high.
void tst_frmAbout::separator()
{
    whileOpen([&] {
        const QImage image = about->grab().toImage();
        const QRgb grey = qRgb(128, 128, 128);
        const QRgb white = qRgb(255, 255, 255);
        for (int x : {15, 200, 377})
            QCOMPARE(image.pixel(x, 162), grey);
        for (int x : {16, 200, 377}) {
            QCOMPARE(image.pixel(x, 163), white);
            QCOMPARE(image.pixel(x, 164), white);
        }
        QVERIFY(image.pixel(14, 162) != grey);
        QVERIFY(image.pixel(378, 162) != grey);
        QVERIFY(image.pixel(200, 161) != grey);
        QVERIFY(image.pixel(200, 165) != white);
        QVERIFY(image.pixel(15, 163) != white);
    });
}

void tst_frmAbout::icon()
{
    whileOpen([&] {
        const QPixmap shown = child<QLabel>("picIcon")->pixmap();
        const QImage program(u":/images/icon-color.xpm"_qs);
        QCOMPARE(program.size(), QSize(32, 32));
        QCOMPARE(shown.toImage().convertToFormat(program.format()), program);
        QCOMPARE(about->windowIcon().pixmap(32).toImage().convertToFormat(program.format()),
                 program);
    });
}

void tst_frmAbout::accessibleNames()
{
    whileOpen([&] {
        for (QWidget *widget : about->findChildren<QWidget *>()) {
            if (widget->objectName().startsWith(u"qt_"))
                continue;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(face && !face->text(QAccessible::Name).isEmpty(),
                     qPrintable(widget->objectName()));
        }
    });
}

void tst_frmAbout::tabOrder()
{
    whileOpen([&] {
        activate();
        auto *ok = child("cmdOK");
        auto *sysInfo = child("cmdSysInfo");
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), sysInfo);
        QTest::keyClick(sysInfo, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), sysInfo);
    });
    // The next opening starts on "OK" again.
    whileOpen([&] {
        activate();
        QCOMPARE(QApplication::focusWidget(), child("cmdOK"));
    });
}

void tst_frmAbout::keys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("starts");
    const int none = Qt::NoModifier;
    QTest::newRow("Enter on OK") << u"cmdOK"_qs << int(Qt::Key_Return) << none << true << 0;
    QTest::newRow("keypad Enter on OK") << u"cmdOK"_qs << int(Qt::Key_Enter) << none << true << 0;
    QTest::newRow("Space on OK") << u"cmdOK"_qs << int(Qt::Key_Space) << none << true << 0;
    QTest::newRow("Esc on OK") << u"cmdOK"_qs << int(Qt::Key_Escape) << none << true << 0;
    QTest::newRow("Esc on System Info")
        << u"cmdSysInfo"_qs << int(Qt::Key_Escape) << none << true << 0;
    QTest::newRow("Enter on System Info")
        << u"cmdSysInfo"_qs << int(Qt::Key_Return) << none << false << 1;
    QTest::newRow("Alt+S") << u"cmdOK"_qs << int(Qt::Key_S) << int(Qt::AltModifier) << false << 1;
}

void tst_frmAbout::keys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    QFETCH(int, starts);
    installTool();
    whileOpen([&] {
        activate();
        about->findChild<QWidget *>(focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        // An access key clicks its button a moment later, as a click shows.
        QTRY_COMPARE(fake.calls.filter(u"start "_qs).size(), starts);
        QCOMPARE(about->isVisible(), !closes);
    });
    QVERIFY(told.isEmpty());
}

void tst_frmAbout::sysInfo_data()
{
    QTest::addColumn<bool>("installed");
    QTest::newRow("tool installed") << true;
    QTest::newRow("no tool") << false;
}

// Every press repeats the whole lookup; the window stays open and modal.
void tst_frmAbout::sysInfo()
{
    QFETCH(bool, installed);
    if (installed)
        installTool();
    whileOpen([&] {
        for (int press = 0; press < 3; ++press) {
            QTest::mouseClick(child<QPushButton>("cmdSysInfo"), Qt::LeftButton);
            QVERIFY(about->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), about);
        }
    });
    QCOMPARE(fake.calls.filter(u"start "_qs),
             installed ? QStringList(3, u"start C:\\Tools\\MSINFO32.EXE"_qs) : QStringList());
    QCOMPARE(told.size(), installed ? 0 : 3);
    for (const Told &message : told) {
        QCOMPARE(message.parent, about);
        QCOMPARE(message.caption, u"Wertungsbrett"_qs);
        QCOMPARE(message.text, Unavailable);
    }
}

// This platform has no registry: the real launcher shows the real message box.
void tst_frmAbout::sysInfoThroughRealMessageBox()
{
    QtMessageBoxes boxes;
    about = new frmAbout({sysinfo::systemPlatform(),
                          [&](QWidget *parent, const QString &caption, const QString &text) {
                              boxes.tell(parent, caption, text);
                          }},
                         owner.get());
    bool seen = false;
    whileOpen([&] {
        QTimer::singleShot(0, about, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = true;
            QCOMPARE(box->text(), Unavailable);
            QCOMPARE(box->windowTitle(), u"Wertungsbrett"_qs);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(), QMessageBox::Ok);
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(child<QPushButton>("cmdSysInfo"), Qt::LeftButton);
        QVERIFY(about->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), about);
    });
    QVERIFY(seen);
}

void tst_frmAbout::centredOverOwner()
{
    const auto centred = [&] {
        const QPoint offset = about->frameGeometry().center() - owner->frameGeometry().center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                 qPrintable(u"%1,%2"_qs.arg(offset.x()).arg(offset.y())));
    };
    whileOpen([&] {
        centred();
        about->move(0, 0); // the user drags it aside
    });
    owner->move(300, 200);
    whileOpen(centred);
}

// The main window closes the About window when it closes itself.
void tst_frmAbout::closeEndsTheModalLoop()
{
    whileOpen([&] {
        QVERIFY(about->close());
        QVERIFY(!about->isVisible());
    });
    QCOMPARE(owner->isVisible(), true);
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
