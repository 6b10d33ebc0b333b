#pragma once

#include "frmAbout.h"

#include <QApplication>

namespace skarvel::tools {

// The About dialog as the Info button left it: the shown one, or null when none is shown.
inline frmAbout* openAboutDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<frmAbout*>(window); about && about->isVisible()) {
            return about;
        }
    }
    return nullptr;
}

} // namespace skarvel::tools
