#pragma once

#include "services/services.h"

#include <QStringList>

// Stand-ins for the platform services: they show and start nothing, and record what was asked.
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

struct FakeSystem : services::System
{
    std::string findTool() const override { return {}; }
    bool startTool(const std::string &) const override { return false; }
};

struct FakeServices
{
    FakeMessageBoxes boxes;
    FakeSystem system;
    services::Services all() { return {boxes, system}; }
};
