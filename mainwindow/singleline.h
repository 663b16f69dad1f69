#pragma once

#include <QString>

namespace mainwindow {

// What the edit field lets in, however the text arrives (typed, pasted,
// dropped, picked from the list, set through the accessibility layer): one
// line without control characters. A name with a line break would split the
// standings line in the chat, and control characters would be read there as
// formatting codes, or end the name early for a screen reader.
//
// `before` is the field's text before the edit, `text` and `cursor` what the
// edit left. Of what the edit inserted, only its first line is kept; the
// field's own text around it stays. The insertion ends at the cursor, or,
// where the whole text was set (the cursor is then at an end), where the end
// it shares with `before` begins. Then U+0000 to U+001F and U+007F to
// U+009F are dropped and a tab becomes a space. `cursor` stays after the
// same character.
void keepOneLine(const QString &before, QString &text, int &cursor);

} // namespace mainwindow
