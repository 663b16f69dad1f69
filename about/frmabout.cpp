#include "about/frmabout.h"
#include "ui_frmabout.h"

#include "about/abouttexts.h"

#include <QGuiApplication>
#include <QVersionNumber>

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
    // Centred over the owner at every opening, even if moved the last time.
    setAttribute(Qt::WA_Moved, false);
    exec();
}

void frmAbout::Form_Load()
{
    // Major, minor and revision: the fourth field, not the build number.
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    ui->lblVersion->setText(
        texts::version(version.segmentAt(0), version.segmentAt(1), version.segmentAt(3)));
    ui->lblTitle->setText(QGuiApplication::applicationDisplayName());
    ui->lblDescription->setText(texts::Description);
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

// Looked up afresh at every click; the window stays open either way.
void frmAbout::StartSysInfo()
{
    const std::string tool = m_services.system.findTool();
    if (tool.empty() || !m_services.system.startTool(tool))
        m_services.messageBoxes.tell(this, QGuiApplication::applicationDisplayName(),
                                     texts::Unavailable);
}

} // namespace about
