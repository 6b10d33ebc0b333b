#include "AboutIdentity.h"

#include "ApplicationIdentity.h"

#include <stdexcept>
#include <utility>

namespace skarvel {

static_assert(identity::versionMajor >= 0 && identity::versionMinor >= 0 &&
                  identity::versionRevision >= 0,
              "the project version must not be negative");

AboutIdentity AboutIdentity::fromBuild() {
    return AboutIdentity(QString::fromUtf8(identity::title), identity::versionMajor,
                         identity::versionMinor, identity::versionRevision);
}

AboutIdentity::AboutIdentity(QString applicationTitle, std::int16_t major, std::int16_t minor,
                             std::int16_t revision)
    : appTitle(std::move(applicationTitle))
    , versionMajor(major)
    , versionMinor(minor)
    , versionRevision(revision) {
    if (major < 0 || minor < 0 || revision < 0) {
        throw std::invalid_argument("a version number must not be negative");
    }
}

QString AboutIdentity::versionNumber() const {
    // QString::number writes the shortest decimal form: no padding, no sign, "0" for zero.
    return QString::number(versionMajor) + u'.' + QString::number(versionMinor) + u'.' +
           QString::number(versionRevision);
}

} // namespace skarvel
