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
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <exception>

namespace mainwindow {

namespace {

// The standings label and the status panel are given at most this start of
// their text, which is more than their boxes hold: Qt lays out all of a
// label's text at every change and every repaint (bench_longnames measures
// it with a name of 32,767 letters in both).
constexpr qsizetype ShownTextLength = 512;
// How much of the line a screen reader hears from the copy button: all of it
// up to about two hundred candidates. The whole line of 32,767 candidates
// takes longer to build than a click may cost (bench_longnames).
constexpr qsizetype DescribedLength = 4096;

// For commands that must not disturb the user: an error ends them quietly.
template <typename Step> void quietly(Step step)
{
    try {
        step();
    } catch (...) {
    }
}

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
    onTrigger(ui->mnuEditCut, &frmMain::mnuEditCut_Click);
    onTrigger(ui->mnuEditCopy, &frmMain::mnuEditCopy_Click);
    onTrigger(ui->mnuEditPaste, &frmMain::mnuEditPaste_Click);
    onTrigger(ui->mnuViewToolbar, &frmMain::mnuViewToolbar_Click);
    onTrigger(ui->mnuViewStatusBar, &frmMain::mnuViewStatusBar_Click);
    onTrigger(ui->mnuHelpContents, &frmMain::mnuHelpContents_Click);
    onTrigger(ui->mnuHelpSearchForHelpOn, &frmMain::mnuHelpSearchForHelpOn_Click);
    onTrigger(ui->mnuHelpAbout, &frmMain::mnuHelpAbout_Click);

    connect(ui->tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *button) { tbToolBar_ButtonClick(button->property("key").toString()); });

    ui->cmdCopyPunktestandToClipboard->setFocus();
    Form_Load();
}

frmMain::~frmMain() = default;

// Puts the window where it was when the program last ended, before it is
// first shown. A window moved before it is shown is placed by its outer
// corner, but only while its size stays: a size set at show() makes Qt place
// the client area there instead (X11: static gravity), losing the frame on
// every run. So the layout fixes the size first. Where windows cannot be
// placed, the compositor places it.
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

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

// Closing the main window ends the program without a question: the other
// windows close first, then the position is stored unless the window is
// minimized or its position is not known.
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

void frmMain::guarded(void (frmMain::*handler)())
{
    try {
        (this->*handler)();
    } catch (const std::exception &error) {
        m_services.messageBoxes.tell(this, windowTitle(), QString::fromLocal8Bit(error.what()));
    }
}

// The panel's name is the whole text, for screen readers.
void frmMain::showStatus(const QString &text)
{
    ui->panel->setText(text.left(ShownTextLength));
    ui->panel->setAccessibleName(text);
}

// Every status text is announced, even one the panel shows already: a second
// refusal must be heard like the first.
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

// The line is also the copy button's description, so that a screen reader
// says it when the button takes the focus. The button copies the whole line.
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
    m_services.clipboard.setText(scoring::standingsLine(*m_roster));
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
        {u"Cut", &frmMain::mnuEditCut_Click},
        {u"Copy", &frmMain::mnuEditCopy_Click},
        {u"Paste", &frmMain::mnuEditPaste_Click},
    };
    for (const auto &row : KeyTable) {
        if (key == row.key) {
            quietly([this, &row] { (this->*row.handler)(); });
            return;
        }
    }
}

// Cut, Copy and Paste act on whatever control has the focus; opening a menu
// or clicking a toolbar button does not move it. A control without an
// editable selection, such as a button, makes them do nothing, silently, as
// does any error.
QLineEdit *frmMain::focusedEdit() const
{
    return qobject_cast<QLineEdit *>(focusWidget());
}

// Puts the focused selection on the clipboard; false if there is none.
bool frmMain::copySelection()
{
    const QLineEdit *edit = focusedEdit();
    if (!edit || !edit->hasSelectedText())
        return false;
    m_services.clipboard.setText(edit->selectedText());
    return true;
}

void frmMain::mnuEditCut_Click()
{
    quietly([this] {
        if (copySelection())
            focusedEdit()->del();
    });
}

void frmMain::mnuEditCopy_Click()
{
    quietly([this] { copySelection(); });
}

// Goes through the edit field's check like any paste: only the first line of
// the clipboard's text is kept.
void frmMain::mnuEditPaste_Click()
{
    quietly([this] {
        const QString text = m_services.clipboard.text();
        if (QLineEdit *edit = focusedEdit())
            edit->insert(text);
    });
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
    showHelp(services::HelpViewer::Request::Contents);
}

void frmMain::mnuHelpSearchForHelpOn_Click()
{
    showHelp(services::HelpViewer::Request::Search);
}

// No help file is no error: the user is told so under the window's caption.
// A viewer that cannot be reached is described under the program's name.
void frmMain::showHelp(services::HelpViewer::Request request)
{
    if (m_services.helpViewer.helpFile().isEmpty()) {
        m_services.messageBoxes.inform(this, windowTitle(), texts::NoHelp);
        return;
    }
    try {
        m_services.helpViewer.show(this, request);
    } catch (const std::exception &error) {
        m_services.messageBoxes.tell(this, QGuiApplication::applicationDisplayName(),
                                     QString::fromLocal8Bit(error.what()));
    }
}

// The About window is made once and shown modally over this window; it sets
// its texts afresh at every opening.
void frmMain::mnuHelpAbout_Click()
{
    if (!m_about)
        m_about = new about::frmAbout(m_services, this);
    m_about->showModal();
}

} // namespace mainwindow
