#pragma once

#include "LaunchTokens.h"

#include <QObject>
#include <cstdint>

namespace skarvel {

// Start-up tokens from the running Qt platform. On X11 a start-up notification id
// carrying the time of the user's latest input, which window managers compare with
// the focused window's to let the started program take the focus. Wayland's
// activation token has to be requested through the compositor, which Qt 6.4 offers
// no public way to do, so there none is given.
class QtLaunchTokens : public QObject, public LaunchTokens {
    Q_OBJECT

public:
    // On X11 watches the application's input from now on; needs the QGuiApplication.
    QtLaunchTokens();

    std::vector<std::string> environmentForStart() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // X server time, in milliseconds, of the latest key or button the user pressed.
    std::uint64_t lastInputTime = 0;
    bool sawInput = false;
    unsigned startCount = 0;
};

} // namespace skarvel
