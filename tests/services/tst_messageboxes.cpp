#include "services/messageboxes.h"

#include <QtTest>
#include <QtWidgets>

using Answer = services::MessageBoxes::Answer;

// The real message boxes, answered by pressing their buttons.
class tst_MessageBoxes : public QObject
{
    Q_OBJECT

    services::QtMessageBoxes real;
    QString seen; // "title|text|format|icon|buttons|default" of the last box

    // Presses `button` of the box about to open, noting what it shows.
    void answerWith(QMessageBox::StandardButton button)
    {
        QTimer::singleShot(0, this, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = u"%1|%2|%3|%4|%5|%6"_qs.arg(box->windowTitle(), box->text())
                       .arg(box->textFormat())
                       .arg(box->icon())
                       .arg(box->standardButtons())
                       .arg(box->standardButton(box->defaultButton()));
            box->button(button)->click();
        });
    }

private slots:
    void question_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("button");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Yes") << QMessageBox::Yes << Answer::Yes;
        QTest::newRow("No") << QMessageBox::No << Answer::No;
        QTest::newRow("Cancel") << QMessageBox::Cancel << Answer::Cancel;
    }
    // Yes, No and Cancel under the question icon, Yes the default; plain
    // text, with line breaks as the desktop shows them.
    void question()
    {
        QFETCH(QMessageBox::StandardButton, button);
        QFETCH(Answer, answer);
        answerWith(button);
        QCOMPARE(real.askYesNoCancel(nullptr, u"Frage"_qs, u"<b>A</b>\r\nB"_qs), answer);
        QCOMPARE(seen, u"Frage|<b>A</b>\nB|%1|%2|%3|%4"_qs.arg(Qt::PlainText)
                           .arg(QMessageBox::Question)
                           .arg(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                           .arg(QMessageBox::Yes));
    }
    // OK alone, with the information icon or none.
    void information()
    {
        answerWith(QMessageBox::Ok);
        real.inform(nullptr, u"Info"_qs, u"<b>i</b>"_qs);
        QCOMPARE(seen, u"Info|<b>i</b>|%1|%2|%3|%3"_qs.arg(Qt::PlainText)
                           .arg(QMessageBox::Information)
                           .arg(QMessageBox::Ok));
        answerWith(QMessageBox::Ok);
        real.tell(nullptr, u"Fehler"_qs, u"t"_qs);
        QCOMPARE(seen, u"Fehler|t|%1|%2|%3|%3"_qs.arg(Qt::PlainText)
                           .arg(QMessageBox::NoIcon)
                           .arg(QMessageBox::Ok));
    }
};

QTEST_MAIN(tst_MessageBoxes)
#include "tst_messageboxes.moc"
