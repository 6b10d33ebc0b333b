#pragma once

#include "SmallInt.h"

#include <QString>

namespace skarvel {

// The title and version the About dialog shows; the build's own by default, another
// one where a caller (a test, a rebranded build) needs it.
class AboutIdentity {
public:
    // The identity this program was built with.
    static AboutIdentity fromBuild();

    // Throws std::invalid_argument for a negative version number: a version has no sign.
    AboutIdentity(QString applicationTitle, SmallInt major, SmallInt minor, SmallInt revision);

    const QString& title() const { return appTitle; }

    // Major, minor and revision in decimal joined by full stops, e.g. "2.10.3".
    QString versionNumber() const;

private:
    QString appTitle;
    SmallInt versionMajor;
    SmallInt versionMinor;
    SmallInt versionRevision;
};

} // namespace skarvel
