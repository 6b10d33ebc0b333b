#pragma once

#include "AboutIdentity.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace skarvel {

// The About window: the program's title, version and description, with OK and System Info.
// One instance lives for the whole run; closing it only unloads (hides) its window, and the
// next showAbout() loads it afresh.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // The dialog never has an owner, so it stays on screen when the main window closes.
    explicit frmAbout(AboutIdentity shownIdentity = AboutIdentity::fromBuild());

    // Loads and shows the window modeless, or brings it to the front if it is already open.
    void showAbout();

    // Starts the operating system's system-information tool (System Info).
    void StartSysInfo();

signals:
    // Emitted once each time the window is loaded, after the load-time setup.
    void loaded();

private:
    void runLoadTimeSetup();

    AboutIdentity appIdentity;

    QLabel* picIcon;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    std::array<QFrame*, 2> Line1{};
    QLabel* lblDescription;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDisclaimer;
};

} // namespace skarvel
