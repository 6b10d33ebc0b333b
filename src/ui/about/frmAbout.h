#pragma once

#include "AboutIdentity.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace skarvel {

class SysInfoLauncher;

// The About window: the program's title, version and description, with OK and System Info.
// One instance lives for the whole run; closing it only unloads (hides) its window, and the
// next showAbout() loads it afresh.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // The dialog never has an owner, so it stays on screen when the main window closes.
    // System Info goes to the given launcher, which must outlive the dialog.
    explicit frmAbout(SysInfoLauncher& sysInfoLauncher,
                      AboutIdentity shownIdentity = AboutIdentity::fromBuild());

    // Loads and shows the window modeless, or brings it to the front if it is already open.
    void showAbout();

    // Starts the operating system's system-information tool (System Info), or tells the
    // user it is unavailable; no error leaves it, and the dialog stays open.
    void StartSysInfo();

signals:
    // Emitted once each time the window is loaded, after the load-time setup.
    void loaded();

protected:
    void changeEvent(QEvent* event) override;

private:
    void runLoadTimeSetup();
    void applyTextColours();

    SysInfoLauncher& launcher;
    AboutIdentity appIdentity;

    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    std::array<QFrame*, 2> Line1{};
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
};

} // namespace skarvel
