#pragma once

#include "services/services.h"

#include <QMainWindow>

#include <memory>

class QLineEdit;
class QSettings;

namespace Ui {
class frmMain;
}
namespace about {
class frmAbout;
}
namespace scoring {
class Roster;
struct Outcome;
} // namespace scoring

namespace mainwindow {

// Wires the buttons, menus and toolbar to the scoring commands (scoring/).
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // Without `settings` the window opens at the default position, storing nothing.
    explicit frmMain(const services::Services &services, QSettings *settings = nullptr,
                     QWidget *parent = nullptr);
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
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();

    void UpdatePunktestand();
    void showStatus(const QString &text);
    void report(const scoring::Outcome &outcome);
    QLineEdit *focusedEdit() const;

    std::unique_ptr<Ui::frmMain> ui;
    services::Services m_services;
    QSettings *m_settings;
    about::frmAbout *m_about = nullptr; // made at its first opening, then kept
    scoring::Roster *m_roster;
};

} // namespace mainwindow
