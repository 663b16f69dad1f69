#pragma once

#include "services/services.h"

#include <QList>
#include <QStringList>

#include <map>
#include <set>
#include <stdexcept>

// Stand-ins for every platform service: they show nothing, start nothing and
// record what the program asked of them.
struct FakeMessageBoxes : services::MessageBoxes
{
    struct Shown
    {
        QString kind, title, text;
    };
    Answer askYesNoCancel(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("question"), title, text});
        return answer;
    }
    void inform(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("information"), title, text});
    }
    void tell(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("plain"), title, text});
    }
    Answer answer = Answer::Cancel;
    QList<Shown> shown;
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

// A registry, files and a program start made of plain data; a program starts
// when its file exists. Every call is recorded as "read KEY|VALUE",
// "search PATH" or "start PATH".
struct FakeSystem : services::System
{
    services::ValueRead readValue(std::int32_t root, const std::string &key,
                                  const std::string &value) const override
    {
        record("read " + key + '|' + value);
        const auto found = values.find(key + '|' + value);
        return root == services::LocalMachine && found != values.end() ? found->second : failed(2);
    }
    bool isNormalFile(const std::string &path) const override
    {
        record("search " + path);
        return files.count(path) > 0;
    }
    bool startProgram(const std::string &path) const override
    {
        record("start " + path);
        return files.count(path) > 0;
    }
    static services::ValueRead value(std::uint32_t type, const std::string &bytes)
    {
        services::ValueRead read;
        read.type = type;
        std::copy(bytes.begin(), bytes.end(), read.data.begin());
        return read;
    }
    static services::ValueRead failed(std::int32_t code)
    {
        services::ValueRead read;
        read.result = code;
        return read;
    }
    void record(const std::string &call) const
    {
        calls << QString::fromStdString(call);
        if (!failing.empty() && call.starts_with(failing))
            throw std::runtime_error("stand-in failed");
    }

    std::map<std::string, services::ValueRead> values; // by "KEY|VALUE"
    std::set<std::string> files;
    std::string failing; // a call starting like this throws
    mutable QStringList calls;
};

struct FakeServices
{
    FakeMessageBoxes boxes;
    FakeClipboard clipboard;
    FakeHelpViewer help;
    FakeSystem system;
    services::Services all() { return {boxes, clipboard, help, system}; }
};
