#pragma once

#include "messageboxes.h"

#include <QList>
#include <QString>

// Answers the window's message boxes without showing any, and records them.
class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString kind, title, text;
    };

    Answer askYesNoCancel(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("question"), title, text});
        return answer;
    }
    void inform(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("information"), title, text});
    }
    void tell(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("plain"), title, text});
    }

    Answer answer = Answer::Cancel;
    QList<Shown> shown;
};
