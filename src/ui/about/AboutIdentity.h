#pragma once

#include <QString>
#include <cstdint>

namespace skarvel {

// The title and version the About dialog shows; the build's own by default, another
// one where a caller (a test, a rebranded build) needs it. The version numbers are
// signed 16-bit, as the build's identity gives them.
class AboutIdentity {
public:
    // The identity this program was built with.
    static AboutIdentity fromBuild();

    // Throws std::invalid_argument for a negative version number: a version has no sign.
    AboutIdentity(QString applicationTitle, std::int16_t major, std::int16_t minor,
                  std::int16_t revision);

    const QString& title() const { return appTitle; }

    // Major, minor and revision in decimal joined by full stops, e.g. "2.10.3".
    QString versionNumber() const;

private:
    QString appTitle;
    std::int16_t versionMajor;
    std::int16_t versionMinor;
    std::int16_t versionRevision;
};

} // namespace skarvel
