#include "SysInfoLauncher.h"

#include "ApplicationIdentity.h"
#include "MessageDisplay.h"

#include <string>

namespace skarvel {

void showSysInfoUnavailable(MessageDisplay& messages) noexcept {
    try {
        messages.show(std::string(sysInfoUnavailableText), std::string(identity::title));
    } catch (...) {
        // The launcher never passes an error on, not even this one.
    }
}

} // namespace skarvel
