#include "app/heldkeys.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QSet>

namespace {

// Decides once per key event, at the window, whether it is a repeat: a press of
// a key already down is one, whatever the platform says. An unmarked repeat goes
// on as a marked copy, so that every widget after the window sees the same.
// Keys are told apart by scan code, as the modifiers change a key's Qt code.
class HeldKeys : public QObject
{
public:
    explicit HeldKeys(QApplication &application) : QObject(&application)
    {
        // A key let go while another program had the keyboard sends no
        // release here: forget them all, or its next real press is lost.
        connect(&application, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive)
                        m_down.clear();
                });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched->isWindowType())
            return classify(watched, key);
        if (key->type() == QEvent::KeyPress && key->isAutoRepeat() && pressesButton(watched, key)) {
            key->accept(); // nor may a dialog behind the button click its default one
            return true;
        }
        return false;
    }

private:
    bool classify(QObject *window, QKeyEvent *key)
    {
        const quint32 code = key->nativeScanCode();
        if (code == 0) // made up, not typed
            return false;
        if (key->type() == QEvent::KeyRelease) {
            if (!key->isAutoRepeat())
                m_down.remove(code);
            return false;
        }
        if (key->isAutoRepeat()) {
            m_down.insert(code);
            return false;
        }
        if (!m_down.contains(code)) {
            m_down.insert(code);
            return false;
        }
        QKeyEvent repeat(key->type(), key->key(), key->modifiers(), code, key->nativeVirtualKey(),
                         key->nativeModifiers(), key->text(), true, quint16(key->count()),
                         key->device());
        repeat.setTimestamp(key->timestamp());
        QCoreApplication::sendEvent(window, &repeat);
        key->setAccepted(repeat.isAccepted());
        return true;
    }

    // Return and Enter click a focused autoDefault or default button (in a
    // dialog all are autoDefault) and, through a dialog, its default one.
    // Space clicks on its release, and Qt's buttons ignore its repeats.
    static bool pressesButton(QObject *receiver, const QKeyEvent *key)
    {
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (const auto *button = qobject_cast<QPushButton *>(receiver))
            return button->autoDefault() || button->isDefault();
        return qobject_cast<QDialog *>(receiver) != nullptr;
    }

    QSet<quint32> m_down;
};

} // namespace

void pressHeldKeysOnce(QApplication &application)
{
    application.installEventFilter(new HeldKeys(application));
#if QT_CONFIG(xcb)
    reportRepeatsAsPresses();
#endif
}
