#include "frmabout.h"
#include "ui_frmabout.h"

#include "abouttexts.h"

#include <QGuiApplication>

#include <utility>

frmAbout::frmAbout(Services services, QWidget *owner)
    : QDialog(owner), ui(std::make_unique<Ui::frmAbout>()), m_services(std::move(services))
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
    ui->lblVersion->setText(about::texts::version(
        WERTUNGSBRETT_VERSION_MAJOR, WERTUNGSBRETT_VERSION_MINOR, WERTUNGSBRETT_VERSION_REVISION));
    ui->lblTitle->setText(QGuiApplication::applicationDisplayName());
    ui->lblDescription->setText(about::texts::Description);
}

void frmAbout::cmdSysInfo_Click()
{
    sysinfo::StartSysInfo(m_services.platform, [this](const std::string &text) {
        m_services.tell(this, QGuiApplication::applicationDisplayName(),
                        QString::fromStdString(text));
    });
}
