#pragma once

#include "services/services.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace about {

// Program icon, title, version, description, and the system information button.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // Hidden until showModal(); centred over `owner`.
    frmAbout(const services::Services &services, QWidget *owner);
    ~frmAbout() override;

    // Sets the texts afresh and runs modally until closed.
    void showModal();

private:
    void Form_Load();
    void cmdSysInfo_Click();
    void StartSysInfo();

    std::unique_ptr<Ui::frmAbout> ui;
    services::Services m_services;
};

} // namespace about
