#pragma once

#include "sysinfo.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class frmAbout;
}

// The About window: program icon, title, version, description and legal
// warning, and the button that starts the system information tool.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    struct Services
    {
        // Registry, file search and program start for the launcher.
        sysinfo::Platform platform;
        // A message box with an OK button and no icon.
        std::function<void(QWidget *parent, const QString &caption, const QString &text)> tell;
    };

    // The window stays hidden until showModal(); owner is the window it
    // belongs to and is centred over.
    frmAbout(Services services, QWidget *owner);
    ~frmAbout() override;

    // Sets the texts afresh and shows the window modally; returns once it
    // has been closed.
    void showModal();

private:
    void Form_Load();
    void cmdSysInfo_Click();

    std::unique_ptr<Ui::frmAbout> ui;
    Services m_services;
};
