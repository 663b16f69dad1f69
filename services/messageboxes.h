#pragma once

#include <QString>

class QWidget;

namespace services {

// The modal message boxes of the windows.
class MessageBoxes
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~MessageBoxes() = default;
    // Yes, No and Cancel with the question icon; Yes is the default.
    virtual Answer askYesNoCancel(QWidget *parent, const QString &title, const QString &text) = 0;
    // OK with the information icon.
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
    // OK with no icon, for failures.
    virtual void tell(QWidget *parent, const QString &title, const QString &text) = 0;
};

// The real boxes: QMessageBox, always plain text.
class QtMessageBoxes final : public MessageBoxes
{
public:
    Answer askYesNoCancel(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    void tell(QWidget *parent, const QString &title, const QString &text) override;
};

} // namespace services
