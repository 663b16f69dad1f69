#include "mainwindow/elidedtext.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/programfont.h"
#include "mainwindow/standingslabel.h"

#include "support/fakes.h"
#include "support/referencequiz.h"

#include <QtTest>
#include <QtWidgets>

using Answer = services::MessageBoxes::Answer;
using mainwindow::StandingsLabel;

const QString OpeningHint = u"Kandidat eingeben und auf \"+1 Punkt\" klicken"_qs;

// The main window and its About window through their controls, keys, menus,
// toolbar and the accessibility layer, over stand-ins for the platform services.
class tst_frmMain : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeServices> fx;
    std::unique_ptr<mainwindow::frmMain> window;

    template <typename T = QWidget> T *child(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QAction *action(const QString &name) const { return child<QAction>(name); }
    QLineEdit *edit() const { return child<QLineEdit>(u"edit"_qs); }
    QListView *list() const { return child<QListView>(u"list"_qs); }
    StandingsLabel *label() const { return child<StandingsLabel>(u"lblPunktestand"_qs); }
    QLabel *panel() const { return child<QLabel>(u"panel"_qs); }
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void click(const QString &name) { click(child(name)); }
    void clickTool(QAction *tool)
    {
        click(child<QToolBar>(u"tbToolBar"_qs)->widgetForAction(tool));
    }
    void score(const QString &name, const QString &button = u"cmdPlus"_qs)
    {
        edit()->setText(name);
        click(button);
    }
    // What a screen reader says for it.
    static QString spoken(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    }

private slots:
    void initTestCase()
    {
        QApplication::setApplicationName(u"Wertungsbrett"_qs);
        mainwindow::useProgramFont();
    }
    void init()
    {
        fx = std::make_unique<FakeServices>();
        window = std::make_unique<mainwindow::frmMain>(fx->all());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    // The keyboard walks the controls in the layout's order from the copy
    // button; every visible control has a name a screen reader can say; the
    // edit field sits above its list.
    void layout()
    {
        const QList<QWidget *> cycle{edit(), child(u"cmdPlus"_qs), child(u"cmdMinus"_qs),
                                     child(u"cmdLoeschen"_qs),
                                     child(u"cmdCopyPunktestandToClipboard"_qs)};
        QCOMPARE(QApplication::focusWidget(), cycle.last());
        for (QWidget *expected : cycle) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        QCOMPARE(spoken(panel()), OpeningHint);
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->isVisible() && !widget->objectName().isEmpty() &&
                !widget->objectName().startsWith(u"qt_") &&
                widget->metaObject() != &QWidget::staticMetaObject)
                QVERIFY2(!spoken(widget).isEmpty(), qPrintable(widget->objectName()));
        }
        QCOMPARE(edit()->geometry().bottom() + 1, list()->y());
        QCOMPARE(edit()->geometry().united(list()->geometry()), child(u"cboKandidaten"_qs)->rect());
    }

    // Each button acts on the name in the edit field and leaves it there;
    // Enter presses nothing; the copy button hands the whole line to the
    // clipboard, and an error no handler expects is shown under the program's
    // name and costs nothing else.
    void scoreThroughTheWindow()
    {
        for (const auto &[button, said] :
             {std::pair{u"cmdPlus"_qs, u"+1P für Neueinstieg 'Bernd'"_qs},
              {u"cmdMinus"_qs, u"-1P für 'Bernd'"_qs},
              {u"cmdLoeschen"_qs, u"'Bernd' gelöscht"_qs}}) {
            score(u"Bernd"_qs, button);
            QCOMPARE(spoken(panel()), said);
            QCOMPARE(edit()->text(), u"Bernd"_qs);
        }
        score(QString());
        QCOMPARE(spoken(panel()), u"'Bernd' gelöscht"_qs);
        for (const QString &name : {u"Carla"_qs, u"Anna"_qs, u"Bernd"_qs, u"Anna"_qs})
            score(name);
        score(u"Bernd"_qs, u"cmdMinus"_qs);
        QCOMPARE(label()->caption(), u"/me --Punkte--  Anna 2P, Bernd 0P, Carla 1P, "_qs);
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(spoken(panel()), u"-1P für 'Bernd'"_qs);

        score(u"Carla"_qs); // after the line was read: it is built anew
        click(u"cmdCopyPunktestandToClipboard"_qs);
        QCOMPARE(fx->clipboard.content, u"/me --Punkte--  Anna 2P, Bernd 0P, Carla 2P, "_qs);
        fx->clipboard.broken = true;
        click(u"cmdCopyPunktestandToClipboard"_qs);
        QCOMPARE(fx->boxes.shown, QStringList{u"plain|Wertungsbrett|Zwischenablage belegt"_qs});
        QCOMPARE(label()->caption(), u"/me --Punkte--  Anna 2P, Bernd 0P, Carla 2P, "_qs);
    }

    // With the program's font, Arial's metric twin, the texts the layouts
    // were drawn for are shown whole: the opening hint and the About window's.
    void textsFit_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"panel", "lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void textsFit()
    {
        QFETCH(QString, name);
        QCOMPARE(QFontInfo(QApplication::font()).family(), u"Liberation Sans"_qs);
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        action(u"mnuHelpAbout"_qs)->trigger(); // sets the About window's texts
        const QLabel *shown = child<QLabel>(name);
        const QRect box = shown->contentsRect();
        const int flags = int(shown->alignment()) | (shown->wordWrap() ? Qt::TextWordWrap : 0);
        QCOMPARE(box.united(shown->fontMetrics().boundingRect(box, flags, shown->text())), box);
    }

    // Up and Down in the edit field move through the list by one, Page Up and
    // Page Down by what the list shows; the name is put in, selected, and the
    // list never takes the focus.
    void pickByKey()
    {
        for (int i = 0; i < 20; ++i)
            score(u"K%1"_qs.arg(i, 2, 10, QLatin1Char('0')));
        edit()->setFocus();
        const auto press = [this](Qt::Key key) {
            QTest::keyClick(edit(), key);
            return list()->currentIndex().row();
        };
        QCOMPARE(press(Qt::Key_Up), 0); // no entry yet: the first
        QCOMPARE(press(Qt::Key_Down), 1);
        QCOMPARE(edit()->selectedText(), u"K01"_qs);
        QCOMPARE(press(Qt::Key_Up), 0);
        const int page = press(Qt::Key_PageDown);
        QVERIFY(page > 1 &&
                list()->viewport()->rect().contains(list()->visualRect(list()->currentIndex())));
        QCOMPARE(press(Qt::Key_PageDown), 2 * page);
        QCOMPARE(press(Qt::Key_PageUp), page);
        for (int i = 0; i < 20; ++i)
            press(Qt::Key_PageDown);
        QCOMPARE(edit()->selectedText(), u"K19"_qs);
        QCOMPARE(QApplication::focusWidget(), edit());
    }

    void namesShownAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ampersand") << u"Tom & Jerry &&x"_qs;
        QTest::newRow("markup, a picture, a link")
            << u"<b>fett</b><img src=\"/usr/share/pixmaps/debian-logo.png\"><a href=\"x\">y</a>"_qs;
        QTest::newRow("tab, emoji, right-to-left mark") << u"A\t🦊 \u200Fשרה\u200E"_qs;
        QTest::newRow("NUL and a lone surrogate") << QString(QChar(0)) + QChar(0xD800) + u'x';
        QTest::newRow("an override in an isolate, both open") << u"\u2067\u202EAnna"_qs;
    }
    // Label, status panel, list and screen reader show a name as typed: never
    // as markup, an access key or a link, and never turning the direction of
    // what follows it. A click on the list entry gives the name back to the
    // edit field exactly as stored, selected, with the focus.
    void namesShownAsTyped()
    {
        QFETCH(QString, name);
        score(name);
        const QString closed = ReferenceQuiz::closed(name);
        const QString line = u"/me --Punkte--  "_qs + closed + u" 1P, "_qs;
        QCOMPARE(label()->textFormat(), Qt::PlainText);
        QCOMPARE(label()->text(), line);
        QCOMPARE(spoken(label()), line);
        QCOMPARE(panel()->textFormat(), Qt::PlainText);
        QCOMPARE(panel()->text(), u"+1P für Neueinstieg '"_qs + closed + u'\'');
        QCOMPARE(spoken(panel()), panel()->text());
        const QModelIndex entry = list()->model()->index(0, 0);
        QCOMPARE(entry.data().toString(), closed);
        edit()->clear();
        click(u"cmdPlus"_qs); // the focus is elsewhere when the list is clicked
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualRect(entry).center());
        QCOMPARE(edit()->selectedText(), name);
        QCOMPARE(QApplication::focusWidget(), edit());
    }

    // File > Neu, from the menu, the toolbar or Ctrl+N, asks first; only Yes
    // clears the list, the edit field and the line, and resets the status text.
    void newQuiz()
    {
        for (int round = 0; round < 5; ++round) { // Yes each way, then No and Cancel
            const Answer answer = round < 3    ? Answer::Yes
                                  : round == 3 ? Answer::No
                                               : Answer::Cancel;
            score(u"Anna"_qs);
            fx->boxes = {};
            fx->boxes.answer = answer;
            if (round % 3 == 0)
                action(u"mnuFileNew"_qs)->trigger();
            else if (round % 3 == 1)
                clickTool(action(u"tbNew"_qs));
            else
                QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(fx->boxes.shown,
                     QStringList{u"question|Neues Quiz|Wirklich neu anfangen?\r\nAlle "
                                 "Kandidaten und Punktestände werden gelöscht!"_qs});
            const bool cleared = answer == Answer::Yes;
            QCOMPARE(label()->caption(), cleared ? QString() : u"/me --Punkte--  Anna 1P, "_qs);
            QCOMPARE(edit()->text(), cleared ? QString() : u"Anna"_qs);
            QCOMPARE(spoken(panel()), cleared ? OpeningHint : u"+1P für Neueinstieg 'Anna'"_qs);
            if (!cleared)
                score(u"Anna"_qs, u"cmdLoeschen"_qs);
        }
    }

    // The real boxes: plain text, line breaks as the desktop shows them; Yes,
    // No and Cancel under the question icon with Yes as the default, else OK.
    void realMessageBoxes()
    {
        services::QtMessageBoxes real;
        QStringList seen;
        const auto answer = [&seen](QMessageBox::StandardButton button) {
            QTimer::singleShot(0, [&seen, button] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box);
                seen << u"%1|%2|%3|%4|%5|%6"_qs.arg(box->windowTitle(), box->text())
                            .arg(box->textFormat())
                            .arg(box->icon())
                            .arg(box->standardButtons())
                            .arg(box->standardButton(box->defaultButton()));
                box->button(button)->click();
            });
        };
        for (const auto &[button, said] : {std::pair{QMessageBox::Yes, Answer::Yes},
                                           {QMessageBox::No, Answer::No},
                                           {QMessageBox::Cancel, Answer::Cancel}}) {
            answer(button);
            QCOMPARE(real.askYesNoCancel(window.get(), u"Frage"_qs, u"A\r\nB"_qs), said);
        }
        answer(QMessageBox::Ok);
        real.inform(window.get(), u"Info"_qs, u"<b>i</b>"_qs);
        answer(QMessageBox::Ok);
        real.tell(window.get(), u"Fehler"_qs, u"t"_qs);
        const QString question =
            u"Frage|A\nB|0|4|%1|%2"_qs.arg(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                .arg(QMessageBox::Yes);
        QCOMPARE(seen, (QStringList{question, question, question,
                                    u"Info|<b>i</b>|0|1|%1|%1"_qs.arg(QMessageBox::Ok),
                                    u"Fehler|t|0|0|%1|%1"_qs.arg(QMessageBox::Ok)}));
    }

    // Neither a name of 32,767 characters nor hundreds of names move or widen
    // anything; the label lays out only the start of the line, as much as its
    // box shows, and follows its box and font.
    void longTexts()
    {
        const auto geometries = [this] {
            QList<QRect> all{window->geometry()};
            for (const QWidget *widget : window->findChildren<QWidget *>()) {
                if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_"))
                    all << widget->geometry();
            }
            return all;
        };
        const QList<QRect> before = geometries();
        score(QString(32767, u'M'));
        QCOMPARE(edit()->text().size(), 32767);
        for (int i = 0; i < 300; ++i)
            score(u"Kandidat "_qs + QString::number(i));
        QTest::qWait(1);
        QCOMPARE(geometries(), before);
        const qsizetype shown = label()->text().size();
        QVERIFY(shown < 2000 && label()->caption().startsWith(label()->text()));
        QVERIFY(label()->caption().startsWith(u"/me --Punkte--  Kandidat 0 1P, "_qs) &&
                label()->caption().endsWith(QString(32767, u'M') + u" 1P, "_qs));
        QCOMPARE(spoken(label()), label()->caption());
        QVERIFY(list()->sizeHintForColumn(0) <= list()->viewport()->width());
        // Rows and the status panel elide a start of the text as they would the whole.
        const QFontMetrics metrics = label()->fontMetrics();
        for (const QString &text :
             {u"a\u0301"_qs.repeated(16383), u"\u0628\u064E"_qs.repeated(16383)})
            QCOMPARE(mainwindow::elidedText(text, metrics, 150),
                     metrics.elidedText(text, Qt::ElideRight, 150));
        QVERIFY(label()->heightForWidth(label()->width()) > label()->height()); // the box is full
        label()->resize(label()->width(), label()->height() * 2);
        QVERIFY(label()->text().size() > shown);
        label()->setFont(QFont(label()->font().family(), 20));
        QVERIFY(label()->text().size() < shown);
    }

    // Cut, Copy and Paste act once on the focused edit field's selection,
    // from the menu, the toolbar, Ctrl or the access keys; Paste keeps the
    // first line. On a button they do nothing; a failing clipboard ends them
    // silently.
    void editCommands()
    {
        const QString old = u"X Y\r\nZ"_qs;
        const auto give = [&](const QString &how, int command, int from, int length,
                              QWidget *focus) {
            fx->clipboard.content = old;
            edit()->setText(u"Anna"_qs);
            edit()->setSelection(from, length);
            focus->setFocus();
            QMenu *menu = child<QMenu>(u"mnuEdit"_qs);
            const QString name = QStringList{u"Cut"_qs, u"Copy"_qs, u"Paste"_qs}.at(command);
            if (how == u"menu") {
                action(u"mnuEdit"_qs + name)->trigger();
            } else if (how == u"Ctrl") {
                QTest::keyClick(focus, QList{Qt::Key_X, Qt::Key_C, Qt::Key_V}.at(command),
                                Qt::ControlModifier);
            } else if (how == u"Alt") {
                QTest::keyClick(focus, Qt::Key_B, Qt::AltModifier);
                if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
                    return u"no menu"_qs;
                QTest::keyClick(menu, QList{Qt::Key_A, Qt::Key_K, Qt::Key_E}.at(command));
            } else {
                clickTool(action(u"tb"_qs + name));
            }
            return edit()->text() + u'|' + fx->clipboard.content;
        };
        for (const QString &how : {u"menu"_qs, u"toolbar"_qs, u"Ctrl"_qs, u"Alt"_qs}) {
            QCOMPARE(give(how, 0, 1, 2, edit()), u"Aa|nn"_qs);
            QCOMPARE(give(how, 1, 1, 2, edit()), u"Anna|nn"_qs);
            QCOMPARE(give(how, 2, 1, 2, edit()), u"AX Ya|"_qs + old);
        }
        QCOMPARE(give(u"menu"_qs, 1, 2, 0, edit()), u"Anna|"_qs + old); // nothing selected
        QCOMPARE(give(u"menu"_qs, 2, 2, 0, edit()), u"AnX Yna|"_qs + old);
        QCOMPARE(give(u"menu"_qs, 0, 1, 2, child(u"cmdPlus"_qs)), u"Anna|"_qs + old);
        QCOMPARE(give(u"toolbar"_qs, 2, 1, 2, child(u"cmdPlus"_qs)), u"Anna|"_qs + old);
        fx->clipboard.broken = true;
        QCOMPARE(give(u"menu"_qs, 0, 0, 4, edit()), u"Anna|"_qs + old);
        QCOMPARE(fx->boxes.shown, QStringList());
    }

    // Each bar follows its check mark; the frames stay where they are.
    void viewToggles()
    {
        const QRect frame = child(u"fraPunktestand"_qs)->geometry();
        for (const auto &[item, bar] : {std::pair{u"mnuViewToolbar"_qs, u"tbToolBar"_qs},
                                        std::pair{u"mnuViewStatusBar"_qs, u"sbStatusBar"_qs}}) {
            action(item)->trigger();
            QVERIFY(!action(item)->isChecked() && !child(bar)->isVisible());
            QCOMPARE(child(u"fraPunktestand"_qs)->geometry(), frame);
            action(item)->trigger();
            QVERIFY(action(item)->isChecked() && child(bar)->isVisible());
        }
    }

    // Without a help file both items say so under the window's caption; with
    // one they go to the viewer, whose failure is told under the program's name.
    void help()
    {
        window->setWindowTitle(u"Quiz am Freitag"_qs);
        for (const QString &file : {QString(), u"quiz.html"_qs, u"kaputt.html"_qs}) {
            fx->help.file = file;
            fx->help.broken = file.startsWith(u"kaputt");
            action(u"mnuHelpContents"_qs)->trigger();
            action(u"mnuHelpSearchForHelpOn"_qs)->trigger();
        }
        const QString noHelp = u"information|Quiz am Freitag|Keine Hilfe verfügbar."_qs;
        const QString failed = u"plain|Wertungsbrett|Kein Hilfeprogramm"_qs;
        QCOMPARE(fx->boxes.shown, (QStringList{noHelp, noHelp, failed, failed}));
        using Request = services::HelpViewer::Request;
        QCOMPARE(fx->help.requests, (QList{Request::Contents, Request::Search}));
    }

    // Help > Info opens the About window modally over the main window, in the
    // same place however it was moved, its texts set afresh and OK focused.
    // OK closes it; Enter on "System Info..." tells that the tool is missing
    // and leaves it open; closing the main window closes it first.
    void aboutWindow()
    {
        QStringList seen;
        QList<QPoint> opened;
        for (const bool last : {false, true}) {
            QTimer::singleShot(0, [&] {
                auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY(about && about->parentWidget() == window.get());
                for (const char *name : {"lblTitle", "lblVersion", "lblDescription"})
                    seen << about->findChild<QLabel *>(QLatin1String(name))
                                ->text()
                                .section(u'\n', 0, 0);
                seen << about->focusWidget()->objectName();
                opened << about->pos();
                about->move(about->pos() + QPoint(40, 30));
                QWidget *button =
                    about->findChild<QWidget *>(last ? u"cmdSysInfo"_qs : u"cmdOK"_qs);
                button->setFocus();
                QTest::keyClick(button, last ? Qt::Key_Return : Qt::Key_Space);
                seen << (about->isVisible() ? u"open"_qs : u"closed"_qs);
                window->close();
                seen << (about->isVisible() ? u"open"_qs : u"closed"_qs);
            });
            window->show();
            action(u"mnuHelpAbout"_qs)->trigger();
        }
        const QStringList texts{u"Wertungsbrett"_qs, u"Version 1.0.3"_qs,
                                u"Zum Zählen der Punkte von Kandidaten eines Quiz."_qs,
                                u"cmdOK"_qs};
        QCOMPARE(seen, (texts + QStringList{u"closed"_qs, u"closed"_qs} + texts +
                        QStringList{u"open"_qs, u"closed"_qs}));
        QCOMPARE(opened.first(), opened.last());
        QCOMPARE(
            fx->boxes.shown,
            QStringList{u"plain|Wertungsbrett|System Information Is Unavailable At This Time"_qs});
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
