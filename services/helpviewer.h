#pragma once

#include <QString>

class QWidget;

namespace services {

// The desktop's viewer for the program's help file.
class HelpViewer
{
public:
    // Where the viewer opens the file.
    enum class Request { Contents, Search };

    virtual ~HelpViewer() = default;
    // The help file's name; empty while the program has none.
    virtual QString helpFile() const = 0;
    // Opens the help file at its contents, or at its keyword search with no
    // keyword. Throws a std::exception that describes the failure to the user
    // when no viewer can be reached.
    virtual void show(QWidget *window, Request request) = 0;
};

// Opens the help file with the desktop's default program for it.
class DesktopHelpViewer final : public HelpViewer
{
public:
    explicit DesktopHelpViewer(const QString &helpFile = {}) : m_helpFile(helpFile) {}

    QString helpFile() const override { return m_helpFile; }
    void show(QWidget *window, Request request) override;

private:
    QString m_helpFile;
};

} // namespace services
