#pragma once

#include <QString>

class QFontMetrics;

namespace mainwindow {

// `text` cut to `width` pixels with an ellipsis at its end, as
// QFontMetrics::elidedText cuts it, but shaping only a start of the text that
// is long enough to overfill the width: a name of 32,767 characters costs no
// more than a short one. The full text stays where it was (model,
// accessibility, clipboard); this is only what is drawn.
QString elidedText(const QString &text, const QFontMetrics &metrics, int width);

} // namespace mainwindow
