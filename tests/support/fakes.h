#pragma once

#include "services/services.h"

#include <QStringList>

#include <map>
#include <set>
#include <stdexcept>

// Stand-ins for the platform services: they show, keep and start nothing, and
// record what the program asked of them.
struct FakeMessageBoxes : services::MessageBoxes
{
    Answer askYesNoCancel(QWidget *, const QString &title, const QString &text) override
    {
        shown << u"question|"_qs + title + u'|' + text;
        return answer;
    }
    void inform(QWidget *, const QString &title, const QString &text) override
    {
        shown << u"information|"_qs + title + u'|' + text;
    }
    void tell(QWidget *, const QString &title, const QString &text) override
    {
        shown << u"plain|"_qs + title + u'|' + text;
    }
    Answer answer = Answer::Cancel;
    QStringList shown; // "kind|title|text"
};

struct FakeClipboard : services::Clipboard
{
    void setText(const QString &text) override
    {
        if (broken)
            throw std::runtime_error("Zwischenablage belegt");
        content = text;
    }
    QString text() const override { return content; }
    QString content;
    bool broken = false;
};

struct FakeHelpViewer : services::HelpViewer
{
    QString helpFile() const override { return file; }
    void show(QWidget *, Request request) override
    {
        if (broken)
            throw std::runtime_error("Kein Hilfeprogramm");
        requests << request;
    }
    QString file;
    bool broken = false;
    QList<Request> requests;
};

// A registry by "KEY|VALUE" below HKEY_LOCAL_MACHINE, files, and a program
// start that notes what it started and works where the file exists. The call
// named by `failing` ("search" or "start") throws.
struct FakeSystem : services::System
{
    services::ValueRead readValue(std::int32_t root, const std::string &key,
                                  const std::string &value) const override
    {
        const auto found = values.find(key + '|' + value);
        return root == services::LocalMachine && found != values.end() ? found->second : failed(2);
    }
    bool isNormalFile(const std::string &path) const override
    {
        if (failing == "search")
            throw std::runtime_error("search");
        return files.count(path) > 0;
    }
    bool startProgram(const std::string &path) const override
    {
        started << QString::fromStdString(path);
        if (failing == "start")
            throw std::runtime_error("start");
        return files.count(path) > 0;
    }
    static services::ValueRead failed(std::int32_t code) { return {code, 0, {}}; }

    std::map<std::string, services::ValueRead> values;
    std::set<std::string> files;
    std::string failing;
    mutable QStringList started;
};

struct FakeServices
{
    FakeMessageBoxes boxes;
    FakeClipboard clipboard;
    FakeHelpViewer help;
    FakeSystem system;
    services::Services all() { return {boxes, clipboard, help, system}; }
};
