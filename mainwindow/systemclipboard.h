#pragma once

#include "clipboard.h"

// The desktop's clipboard (QClipboard::Clipboard, not the X11 selection).
class SystemClipboard : public scoring::Clipboard
{
public:
    void clear() override;
    void setText(const QString &text) override;
    QString text() const override;
};
