#include "about/frmabout.h"
#include "ui_frmabout.h"

#include "about/abouttexts.h"
#include "about/sysinfo.h"

#include <QGuiApplication>

namespace about {

frmAbout::frmAbout(const services::Services &services, QWidget *owner)
    : QDialog(owner), ui(std::make_unique<Ui::frmAbout>()), m_services(services)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::showModal()
{
    Form_Load();
    ui->cmdOK->setFocus();
    // Every opening starts centred over the owner, even if the user moved
    // the window last time.
    setAttribute(Qt::WA_Moved, false);
    exec();
}

void frmAbout::Form_Load()
{
    ui->lblVersion->setText(texts::version(WERTUNGSBRETT_VERSION_MAJOR, WERTUNGSBRETT_VERSION_MINOR,
                                           WERTUNGSBRETT_VERSION_REVISION));
    ui->lblTitle->setText(QGuiApplication::applicationDisplayName());
    ui->lblDescription->setText(texts::Description);
}

void frmAbout::cmdSysInfo_Click()
{
    if (!StartSysInfo(m_services.system))
        m_services.messageBoxes.tell(this, QGuiApplication::applicationDisplayName(),
                                     texts::Unavailable);
}

} // namespace about
