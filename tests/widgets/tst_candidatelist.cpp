#include "elidedtext.h"
#include "fakeclipboard.h"
#include "fakemessageboxes.h"
#include "frmmain.h"
#include "quietoffscreen.h"
#include "requirechild.h"
#include "simplecombobox.h"
#include "standingslabel.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

// Picking from the candidate list by key and by mouse, and names that are
// very long or leave a direction open, in the main window.
class tst_CandidateList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenPlatform(); }
    void init();
    void pickByKey();
    void clickFocusesEdit();
    void longNameShowsWhatFits();

private:
    void add(const QString &name)
    {
        combo->setText(name);
        QTest::mouseClick(requireChild<QPushButton>(window.get(), "cmdPlus"), Qt::LeftButton);
    }

    FakeMessageBoxes boxes;
    FakeClipboard clipboard;
    std::unique_ptr<frmMain> window;
    SimpleComboBox *combo;
};

void tst_CandidateList::init()
{
    window = std::make_unique<frmMain>(frmMain::Services{boxes, clipboard});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    combo = requireChild<SimpleComboBox>(window.get(), "cboKandidaten");
    for (int i = 0; i < 20; ++i)
        add(u"K%1"_qs.arg(i, 2, 10, QLatin1Char('0')));
}

// Keys in the edit field move the list's entry; it never takes the focus.
void tst_CandidateList::pickByKey()
{
    QLineEdit *edit = combo->lineEdit();
    edit->setFocus();
    const auto press = [&](Qt::Key key) {
        QTest::keyClick(edit, key);
        return combo->listView()->currentIndex().row();
    };
    QCOMPARE(press(Qt::Key_Up), 0); // no entry yet: the first
    QCOMPARE(press(Qt::Key_Down), 1);
    QCOMPARE(edit->selectedText(), u"K01"_qs);
    QCOMPARE(press(Qt::Key_Up), 0);
    const int page = press(Qt::Key_PageDown);
    QListView *list = combo->listView();
    QVERIFY(page > 1 && list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
    QCOMPARE(press(Qt::Key_PageDown), 2 * page);
    QCOMPARE(press(Qt::Key_PageUp), page);
    for (int i = 0; i < 20; ++i)
        press(Qt::Key_PageDown);
    QCOMPARE(edit->selectedText(), u"K19"_qs); // the last, selected: typing replaces it
    QCOMPARE(window->focusWidget(), edit);
}

// A click puts the name as stored into the edit field, selected and focused
// for the Edit menu; the list shows the name closed.
void tst_CandidateList::clickFocusesEdit()
{
    const QString name = u"\u2067\u202EAnna"_qs; // an override in an isolate, both open
    add(name);
    requireChild<QPushButton>(window.get(), "cmdCopyPunktestandToClipboard")->setFocus();
    QListView *list = combo->listView();
    const QModelIndex entry =
        list->model()->match(list->model()->index(0, 0), Qt::EditRole, name).value(0);
    QCOMPARE(entry.data().toString(), name + u"\u202C\u2069"_qs);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
    QCOMPARE(window->focusWidget(), combo->lineEdit());
    window->findChild<QAction *>(u"mnuEditCopy"_qs)->trigger();
    QCOMPARE(clipboard.content, name);
}

void tst_CandidateList::longNameShowsWhatFits()
{
    const QString name = u'A' + QString(32766, u'M');
    add(name);
    auto *label = requireChild<StandingsLabel>(window.get(), "lblPunktestand");
    QVERIFY(label->text().size() < 1000 && label->caption().startsWith(label->text()));
    QVERIFY(label->caption().startsWith(u"/me --Punkte--  "_qs + name + u" 1P, K00 1P, "_qs));
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
             label->caption());
    QVERIFY(combo->listView()->sizeHintForColumn(0) <= combo->listView()->viewport()->width());
    // Eliding a start of the text (rows, status panel) gives what eliding all would.
    const QFontMetrics metrics = label->fontMetrics();
    for (const QString &text :
         {name, u"a\u0301"_qs.repeated(16383), u"\u0628\u064E"_qs.repeated(16383)})
        QCOMPARE(elidedText(text, metrics, 150), metrics.elidedText(text, Qt::ElideRight, 150));
}

QTEST_MAIN(tst_CandidateList)
#include "tst_candidatelist.moc"
