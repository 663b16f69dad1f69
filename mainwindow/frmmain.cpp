#include "frmmain.h"
#include "ui_frmmain.h"

#include "commands.h"
#include "messageboxes.h"
#include "roster.h"
#include "standings.h"
#include "texts.h"

#include <QAction>
#include <QLayout>

#include <exception>

frmMain::frmMain(const Services &services, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmMain>()), m_services(services),
      m_roster(new scoring::Roster(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the user cannot resize it

    ui->cboKandidaten->setModel(m_roster);
    ui->sbStatusBar->setPanelText(scoring::texts::OpeningHint);

    const auto onClick = [this](QAbstractButton *button, void (frmMain::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { guarded(handler); });
    };
    onClick(ui->cmdPlus, &frmMain::cmdPlus_Click);
    onClick(ui->cmdMinus, &frmMain::cmdMinus_Click);
    onClick(ui->cmdLoeschen, &frmMain::cmdLoeschen_Click);
    onClick(ui->cmdCopyPunktestandToClipboard, &frmMain::cmdCopyPunktestandToClipboard_Click);

    const auto onTrigger = [this](QAction *action, void (frmMain::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] { guarded(handler); });
    };
    onTrigger(ui->mnuFileNew, &frmMain::mnuFileNew_Click);
    onTrigger(ui->mnuFileExit, &frmMain::mnuFileExit_Click);

    connect(ui->tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *button) { tbToolBar_ButtonClick(button->property("key").toString()); });

    ui->cmdCopyPunktestandToClipboard->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::guarded(void (frmMain::*handler)())
{
    try {
        (this->*handler)();
    } catch (const std::exception &error) {
        m_services.messageBoxes.tell(this, windowTitle(), QString::fromLocal8Bit(error.what()));
    }
}

void frmMain::report(const scoring::Outcome &outcome)
{
    if (outcome.status)
        ui->sbStatusBar->setPanelText(*outcome.status);
    if (outcome.rebuildStandings)
        UpdatePunktestand();
}

void frmMain::UpdatePunktestand()
{
    ui->lblPunktestand->setCaption(scoring::standingsLine(*m_roster));
}

void frmMain::cmdPlus_Click()
{
    report(scoring::awardPoint(*m_roster, ui->cboKandidaten->text()));
}

void frmMain::cmdMinus_Click()
{
    report(scoring::deductPoint(*m_roster, ui->cboKandidaten->text()));
}

void frmMain::cmdLoeschen_Click()
{
    report(scoring::removeCandidate(*m_roster, ui->cboKandidaten->text()));
}

void frmMain::cmdCopyPunktestandToClipboard_Click()
{
    scoring::copyStandings(m_services.clipboard, ui->lblPunktestand->caption());
}

void frmMain::mnuFileNew_Click()
{
    const auto answer = m_services.messageBoxes.askYesNoCancel(this, scoring::texts::NewQuizTitle,
                                                               scoring::texts::NewQuizQuestion);
    if (answer == MessageBoxes::Answer::Yes)
        report(scoring::startNewQuiz(*m_roster));
}

void frmMain::mnuFileExit_Click()
{
    close();
}

// The toolbar has no commands of its own: each button's key names the menu
// item whose handler it runs. Keys are compared exactly; an error in the
// handler is dropped, as the toolbar has nobody to tell.
void frmMain::tbToolBar_ButtonClick(const QString &key)
{
    static constexpr struct
    {
        QStringView key;
        void (frmMain::*handler)();
    } KeyTable[] = {
        {u"New", &frmMain::mnuFileNew_Click},
    };
    for (const auto &row : KeyTable) {
        if (key == row.key) {
            try {
                (this->*row.handler)();
            } catch (...) {
            }
            return;
        }
    }
}
