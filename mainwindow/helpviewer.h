#pragma once

#include <QString>

class QWidget;

// The desktop's viewer for the program's help file. Tests put a stand-in in
// its place.
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
