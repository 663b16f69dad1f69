#pragma once

#include "clipboard.h"

#include <QStringList>

// Records what the program does to the clipboard.
class FakeClipboard : public scoring::Clipboard
{
public:
    void clear() override
    {
        calls << QStringLiteral("clear");
        content.clear();
    }
    void setText(const QString &text) override
    {
        calls << QStringLiteral("setText");
        content = text;
    }
    QString text() const override { return content; }

    QString content;
    QStringList calls;
};
