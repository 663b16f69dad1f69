#pragma once

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
    };

    explicit frmMain(const Services &services, QWidget *parent = nullptr);
    ~frmMain() override;

private:
    void cmdPlus_Click();
    void cmdMinus_Click();
    void cmdLoeschen_Click();
    void cmdCopyPunktestandToClipboard_Click();
    void mnuFileNew_Click();
    void mnuFileExit_Click();
    void tbToolBar_ButtonClick(const QString &key);

    void UpdatePunktestand();
    void report(const scoring::Outcome &outcome);
    // Runs a handler; an unexpected error is reported and the roster kept.
    void guarded(void (frmMain::*handler)());

    std::unique_ptr<Ui::frmMain> ui;
    Services m_services;
    scoring::Roster *m_roster;
};
