#pragma once

#include "helpviewer.h"

// Opens the help file with the desktop's default program for it.
class DesktopHelpViewer : public HelpViewer
{
public:
    explicit DesktopHelpViewer(const QString &helpFile = {}) : m_helpFile(helpFile) {}

    QString helpFile() const override { return m_helpFile; }
    void show(QWidget *window, Request request) override;

private:
    QString m_helpFile;
};
