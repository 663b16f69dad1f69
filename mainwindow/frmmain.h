#pragma once

#include "helpviewer.h"
#include "sysinfo.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class frmMain;
}
namespace scoring {
class Clipboard;
class Roster;
struct Outcome;
} // namespace scoring
class MessageBoxes;
class QSettings;
class frmAbout;
class TextSelection;

// The main window: wires the buttons, menus and toolbar to the scoring
// commands and shows their results. The rules live in scoring/.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // The platform services the window reaches through seams.
    struct Services
    {
        MessageBoxes &messageBoxes;
        scoring::Clipboard &clipboard;
        // Keeps the window position between runs. Without one the window
        // opens at the default position and stores nothing.
        QSettings *settings = nullptr;
        // Without one the program has no help file.
        HelpViewer *helpViewer = nullptr;
        // Where the About window looks for the system information tool.
        sysinfo::Platform sysInfo = sysinfo::systemPlatform();
    };

    explicit frmMain(const Services &services, QWidget *parent = nullptr);
    ~frmMain() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdPlus_Click();
    void cmdMinus_Click();
    void cmdLoeschen_Click();
    void cmdCopyPunktestandToClipboard_Click();
    void mnuFileNew_Click();
    void mnuFileExit_Click();
    void tbToolBar_ButtonClick(const QString &key);
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();

    void UpdatePunktestand();
    void report(const scoring::Outcome &outcome);
    // Runs a handler; an unexpected error is reported and the roster kept.
    void guarded(void (frmMain::*handler)());
    TextSelection *focusedSelection() const;
    bool copySelection();
    void showHelp(HelpViewer::Request request);

    std::unique_ptr<Ui::frmMain> ui;
    Services m_services;
    frmAbout *m_about = nullptr; // made at its first opening, then kept
    scoring::Roster *m_roster;
};
