#include "mainwindow/frmmain.h"
#include "ui_frmmain.h"

#include "about/frmabout.h"
#include "mainwindow/mainwindowtexts.h"
#include "mainwindow/simplecombobox.h"
#include "mainwindow/windowposition.h"
#include "scoring/commands.h"
#include "scoring/roster.h"
#include "scoring/standings.h"
#include "scoring/texts.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace mainwindow {

namespace {

// More than the labels hold: Qt lays out all of a label's text at every change
// and repaint (bench_longnames measures it with a name of 32,767 letters).
constexpr qsizetype ShownTextLength = 512;
// All of the line up to about 200 candidates; the whole line of 32,767 takes
// longer to build than a click may cost (bench_longnames).
constexpr qsizetype DescribedLength = 4096;

} // namespace

frmMain::frmMain(const services::Services &services, QSettings *settings, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmMain>()), m_services(services),
      m_settings(settings), m_roster(new scoring::Roster(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the user cannot resize it

    ui->cboKandidaten->setModel(m_roster);
    ui->cboKandidaten->lineEdit()->setAccessibleName(texts::CandidateField);
    ui->cboKandidaten->listView()->setAccessibleName(texts::CandidateList);
    showStatus(scoring::texts::OpeningHint);

    connect(ui->cmdPlus, &QPushButton::clicked, this, &frmMain::cmdPlus_Click);
    connect(ui->cmdMinus, &QPushButton::clicked, this, &frmMain::cmdMinus_Click);
    connect(ui->cmdLoeschen, &QPushButton::clicked, this, &frmMain::cmdLoeschen_Click);
    connect(ui->cmdCopyPunktestandToClipboard, &QPushButton::clicked, this,
            &frmMain::cmdCopyPunktestandToClipboard_Click);
    connect(ui->mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(ui->mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(ui->mnuEditCut, &QAction::triggered, this, &frmMain::mnuEditCut_Click);
    connect(ui->mnuEditCopy, &QAction::triggered, this, &frmMain::mnuEditCopy_Click);
    connect(ui->mnuEditPaste, &QAction::triggered, this, &frmMain::mnuEditPaste_Click);
    connect(ui->mnuViewToolbar, &QAction::triggered, this, &frmMain::mnuViewToolbar_Click);
    connect(ui->mnuViewStatusBar, &QAction::triggered, this, &frmMain::mnuViewStatusBar_Click);
    connect(ui->mnuHelpContents, &QAction::triggered, this, &frmMain::mnuHelpContents_Click);
    connect(ui->mnuHelpSearchForHelpOn, &QAction::triggered, this,
            &frmMain::mnuHelpSearchForHelpOn_Click);
    connect(ui->mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);

    ui->cmdCopyPunktestandToClipboard->setFocus();
    Form_Load();
}

frmMain::~frmMain() = default;

// Moved before show(), a window is placed by its frame's corner only while its
// size stays: a size set at show() places the client area there instead (X11
// static gravity), losing the frame on every run. So the layout fixes it first.
void frmMain::Form_Load()
{
    if (!windowposition::placesWindows())
        return;
    layout()->activate();
    const QRect titleBar(0, 0, width(), style()->pixelMetric(QStyle::PM_TitleBarHeight));
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->geometry();
    move(windowposition::load(m_settings, titleBar, screens));
}

// Qt delivers a close to a hidden window too, as when the session asks twice
// for the end; a withdrawn window's position is not its own.
void frmMain::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        Form_Unload();
    QMainWindow::closeEvent(event);
}

// Closing the main window ends the program, without asking.
void frmMain::Form_Unload()
{
    QList<QPointer<QWidget>> others; // closing one may delete another
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            others << window;
    }
    for (const QPointer<QWidget> &window : others) {
        if (window)
            window->close();
    }
    // The native window measures its frame when asked; QWidget::pos()
    // subtracts one noted at the last move, which may predate the frame.
    const QWindow *native = windowHandle();
    if (m_settings && !isMinimized() && windowposition::placesWindows())
        windowposition::save(*m_settings, native ? native->framePosition() : pos());
}

// The panel's name is the whole text, for screen readers.
void frmMain::showStatus(const QString &text)
{
    ui->panel->setText(text.left(ShownTextLength));
    ui->panel->setAccessibleName(text);
}

// Announced even when unchanged: a second refusal must be heard like the first.
void frmMain::report(const scoring::Outcome &outcome)
{
    if (outcome.status) {
        showStatus(*outcome.status);
        QAccessibleEvent shown(ui->panel, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    if (outcome.rebuildStandings)
        UpdatePunktestand();
}

// The description is what a screen reader says as the copy button takes focus.
void frmMain::UpdatePunktestand()
{
    const QString line = scoring::standingsLine(*m_roster, DescribedLength);
    ui->lblPunktestand->setText(line.left(ShownTextLength));
    ui->cmdCopyPunktestandToClipboard->setAccessibleDescription(line);
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
    QGuiApplication::clipboard()->setText(scoring::standingsLine(*m_roster), QClipboard::Clipboard);
}

void frmMain::mnuFileNew_Click()
{
    const auto answer =
        m_services.messageBoxes.askYesNoCancel(this, texts::NewQuizTitle, texts::NewQuizQuestion);
    if (answer == services::MessageBoxes::Answer::Yes)
        report(scoring::startNewQuiz(*m_roster));
}

void frmMain::mnuFileExit_Click()
{
    close();
}

// Opening a menu or clicking a toolbar button leaves the focus where it was;
// on anything but an edit field, Cut, Copy and Paste do nothing.
QLineEdit *frmMain::focusedEdit() const
{
    return qobject_cast<QLineEdit *>(focusWidget());
}

void frmMain::mnuEditCut_Click()
{
    if (QLineEdit *edit = focusedEdit())
        edit->cut();
}

void frmMain::mnuEditCopy_Click()
{
    if (const QLineEdit *edit = focusedEdit())
        edit->copy();
}

void frmMain::mnuEditPaste_Click()
{
    if (QLineEdit *edit = focusedEdit())
        edit->paste();
}

void frmMain::mnuViewToolbar_Click()
{
    ui->tbToolBar->setVisible(ui->mnuViewToolbar->isChecked());
}

void frmMain::mnuViewStatusBar_Click()
{
    ui->sbStatusBar->setVisible(ui->mnuViewStatusBar->isChecked());
}

void frmMain::mnuHelpContents_Click()
{
    m_services.messageBoxes.inform(this, windowTitle(), texts::NoHelp);
}

void frmMain::mnuHelpSearchForHelpOn_Click()
{
    mnuHelpContents_Click();
}

void frmMain::mnuHelpAbout_Click()
{
    if (!m_about)
        m_about = new about::frmAbout(m_services, this);
    m_about->showModal();
}

} // namespace mainwindow
