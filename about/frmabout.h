#pragma once

#include "services/services.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace about {

// The About window: program icon, title, version, description and legal
// warning, and the button that starts the system information tool.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // The window stays hidden until showModal(); owner is the window it
    // belongs to and is centred over.
    frmAbout(const services::Services &services, QWidget *owner);
    ~frmAbout() override;

    // Sets the texts afresh and shows the window modally; returns once it
    // has been closed.
    void showModal();

private:
    void Form_Load();
    void cmdSysInfo_Click();
    void StartSysInfo();

    std::unique_ptr<Ui::frmAbout> ui;
    services::Services m_services;
};

} // namespace about
