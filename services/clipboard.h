#pragma once

#include <QString>

namespace services {

// The system clipboard, plain text only.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Replaces whatever the clipboard holds.
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

// The desktop's clipboard (QClipboard::Clipboard, not the X11 selection).
class SystemClipboard final : public Clipboard
{
public:
    void setText(const QString &text) override;
    QString text() const override;
};

} // namespace services
