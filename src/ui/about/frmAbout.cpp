#include "frmAbout.h"

#include "AboutLayout.h"
#include "Contrast.h"
#include "EmbeddedPng.h"
#include "HeldKeyFilter.h"
#include "InterfaceFont.h"
#include "SysInfoLauncher.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <utility>

namespace skarvel {

namespace {

constexpr const AboutLayout& design = aboutLayout;

const QString storedCaption = QStringLiteral("About MyApp");
const QString descriptionText = QStringLiteral(
    "Skarvel is simple attack management for game masters.  Simply add the party's information "
    "to the page. Then put each monsters bonuses and attack.  It supports traditional D and D "
    "style THAC0 and the new third edition style of attacking.  There's also a place to keep "
    "track of the monster's hit points.");
const QString disclaimerText;

constexpr QSize iconSize(32, 32);

// The labels' own text colour, an explicit black rather than the scheme's text colour.
const QColor black(0, 0, 0);

// A dialog-type window without a parent is made transient for the program's client leader
// on X11, and window managers then keep it above the main window. A plain window has no
// owner; on Windows a dialog without a parent has none either, and keeps the dialog frame
// that carries no icon.
#ifdef Q_OS_WIN
constexpr Qt::WindowType ownerlessType = Qt::Dialog;
#else
constexpr Qt::WindowType ownerlessType = Qt::Window;
#endif

// The picture drawn ahead of time at 1x and 2x; other densities scale the nearer one.
QPixmap iconPixmap(qreal devicePixelRatio) {
    QIcon icon;
    for (const QString& file :
         {QStringLiteral(":/about/about-32.png"), QStringLiteral(":/about/about-64.png")}) {
        icon.addPixmap(QPixmap::fromImage(readEmbeddedPng(file)));
    }
    return icon.pixmap(iconSize, devicePixelRatio);
}

QLabel* makeLabel(QWidget* parent, const char* name, const TwipRect& twips, const QString& text) {
    auto* label = place(new QLabel(text, parent), QLatin1String(name), twips);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // Top-aligned in a fixed box: what does not fit below is cut off, never scrolled.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QFrame* makeLine(QWidget* parent, const char* name, const TwipRect& twips, const QColor& colour) {
    auto* line = place(new QFrame(parent), QLatin1String(name), twips);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

} // namespace

frmAbout::frmAbout(SysInfoLauncher& sysInfoLauncher, AboutIdentity shownIdentity)
    : QDialog(nullptr, ownerlessType | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , launcher(sysInfoLauncher)
    , appIdentity(std::move(shownIdentity)) {
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(design.frmAbout.toPixels().size());
    setWindowTitle(storedCaption);
    setModal(false);
    // Its own font, which a theme's later application font does not replace: the layout
    // is fixed.
    setFont(interfaceFont());

    picIcon = place(new QLabel(this), QStringLiteral("picIcon"), design.picIcon);
    // A 2-pixel sunken panel around the 32 x 32 image fills the box exactly.
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(iconPixmap(devicePixelRatio()));

    cmdOK =
        place(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"), design.cmdOK);
    cmdOK->setDefault(true);

    cmdSysInfo = place(new QPushButton(QStringLiteral("&System Info..."), this),
                       QStringLiteral("cmdSysInfo"), design.cmdSysInfo);

    // In the order of the design, which stacks them: a later control lies over an earlier one.
    Line1[1] = makeLine(this, "Line1(1)", design.Line1Grey, QColor(128, 128, 128));
    lblDescription = makeLabel(this, "lblDescription", design.lblDescription, descriptionText);
    lblTitle = makeLabel(this, "lblTitle", design.lblTitle, QStringLiteral("Application Title"));
    Line1[0] = makeLine(this, "Line1(0)", design.Line1White, QColor(255, 255, 255));
    lblVersion = makeLabel(this, "lblVersion", design.lblVersion, QStringLiteral("Version"));
    lblDisclaimer = makeLabel(this, "lblDisclaimer", design.lblDisclaimer, disclaimerText);
    applyTextColours();

    // Only the two buttons take the focus; Tab does not stop on the picture or the labels.
    setTabOrder(cmdOK, cmdSysInfo);
    // Opened by Enter on Info, the dialog takes the focus while that key may still be held:
    // its repeats must not press OK and close it again, so only a fresh press acts here.
    HeldKeyFilter::watch(*this);

    // Esc and the window system's close button reach QDialog::reject, which hides the window
    // just as OK does; the object itself stays for the next load.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
}

void frmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyTextColours();
    }
}

void frmAbout::applyTextColours() {
    if (lblVersion == nullptr) {
        return; // still being built; the constructor applies them once the labels exist
    }
    // Black stands wherever it reads (every light scheme); on a dark scheme it would
    // vanish into the background, and the scheme's own text colour takes its place.
    const QPalette& scheme = palette();
    const QColor text = readableColour(black, scheme.color(QPalette::WindowText),
                                       scheme.color(QPalette::Window), textContrast);
    for (QLabel* label : {lblDescription, lblTitle, lblDisclaimer}) {
        setTextColour(label, text);
    }
    setTextColour(lblVersion, scheme.color(QPalette::ButtonText));
}

void frmAbout::showAbout() {
    if (isVisible()) {
        // Already loaded: bring it forward, and leave its texts and focus as they are.
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
        return;
    }
    runLoadTimeSetup();
    show();
    raise();
    activateWindow();
}

void frmAbout::StartSysInfo() {
    launcher.StartSysInfo();
}

void frmAbout::runLoadTimeSetup() {
    const QString& title = appIdentity.title();
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion->setText(QStringLiteral("Version ") + appIdentity.versionNumber());
    lblTitle->setText(title);

    // A fresh load opens at the stored position with the focus on OK, wherever the previous
    // load was moved to or left its focus.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint screenOrigin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    setGeometry(design.frmAbout.toPixels().translated(screenOrigin));
    cmdOK->setFocus(Qt::OtherFocusReason);

    emit loaded();
}

} // namespace skarvel

#include "moc_frmAbout.cpp"
