#pragma once

#include <QString>

// A control with an editable text selection: what the Edit menu's Cut, Copy
// and Paste act on when the control has the focus. Other controls do not
// offer it, and the commands then do nothing.
class TextSelection
{
public:
    virtual ~TextSelection() = default;
    // The selected text; empty when nothing is selected.
    virtual QString selection() const = 0;
    // Replaces the selection with `text`, or inserts it at the caret when
    // nothing is selected.
    virtual void replaceSelection(const QString &text) = 0;
};
