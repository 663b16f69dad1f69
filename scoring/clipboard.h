#pragma once

#include <QString>

namespace scoring {

// The system clipboard, plain text only. Tests put a stand-in in its place.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

} // namespace scoring
