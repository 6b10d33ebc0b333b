#include "skarvelform.h"

#include "ApplicationIdentity.h"
#include "AttackPass.h"
#include "CommandButton.h"
#include "Contrast.h"
#include "EntryList.h"
#include "HeldKeyFilter.h"
#include "HitMarker.h"
#include "InterfaceFont.h"
#include "MainWindowLayout.h"
#include "MessageDisplay.h"
#include "WindowIcon.h"
#include "frmAbout.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>
#include <limits>
#include <string>

namespace skarvel {
namespace {

constexpr const MainWindowLayout& design = mainWindowLayout;

QString applicationTitle() {
    return QString::fromUtf8(identity::title);
}

QString rowName(const char* name, std::size_t row) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(row);
}

// Row numbers as the game master counts them on screen, from 1.
QString accessibleRow(const char* kind, std::size_t row, const char* role) {
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(kind))
        .arg(row + 1)
        .arg(QLatin1String(role));
}

QLabel* label(QWidget* container, const char* name, const QString& text, const TwipRect& twips,
              Qt::Alignment alignment) {
    auto* control = place(new QLabel(text, container), QLatin1String(name), twips);
    // A label's first line stands at the top of its box.
    control->setAlignment(alignment | Qt::AlignTop);
    // Texts are shown as they stand, never read as markup.
    control->setTextFormat(Qt::PlainText);
    return control;
}

QGroupBox* frame(QWidget* container, const char* name, const QString& caption,
                 const TwipRect& twips) {
    return place(new QGroupBox(caption, container), QLatin1String(name), twips);
}

QLineEdit* field(QWidget* container, const QString& name, const QString& text,
                 const TwipRect& twips, std::size_t row) {
    auto* control =
        place(new QLineEdit(text, container), name, inRow(twips, static_cast<int>(row)));
    // A field holds whatever is typed or pasted, however long; Qt's default would cut it
    // at 32,767 characters without a word.
    control->setMaxLength(std::numeric_limits<int>::max());
    return control;
}

QPushButton* button(QWidget* container, const QString& name, const QString& caption,
                    const TwipRect& twips, int row = 0) {
    auto* control = place(new CommandButton(caption, container), name, inRow(twips, row));
    // Enter presses only the button that has the focus; Escape presses none.
    control->setAutoDefault(false);
    control->setDefault(false);
    return control;
}

} // namespace

skarvelform::skarvelform(UniformSource& generator, MessageDisplay& errors,
                         SysInfoLauncher& sysInfoLauncher, QWidget* parent)
    : QWidget(parent)
    , uniformSource(generator)
    , errorDisplay(errors)
    , launcher(sysInfoLauncher) {
    setObjectName(QStringLiteral("skarvelform"));
    // The window's own font, before any control exists: every control inherits it, and a
    // theme's later application font does not replace it. The layout is fixed.
    setFont(interfaceFont());
    setWindowTitle(applicationTitle());
    setWindowIcon(WindowIcon::icon());
    resize(design.client.toPixels().size());

    createCharacters();
    createCreatures();
    createOptions();
    createFooter();
    chainTabOrder();
    // A held Enter or Space presses a button once: the repeats would roll again and again.
    HeldKeyFilter::watch(*this);

    selectStartEntries();
    setRollCaption("0");
    for (std::size_t row = 0; row < rowCount; ++row) {
        setHitMarkerVisible(static_cast<SmallInt>(row), true);
    }
    txtcharname[0]->setFocus();
}

void skarvelform::createCharacters() {
    frmcharacters =
        frame(this, "frmcharacters", QStringLiteral("Characters"), design.frmcharacters);
    Label1 =
        label(frmcharacters, "Label1", QStringLiteral("Name"), design.Label1, Qt::AlignHCenter);
    Label2 = label(frmcharacters, "Label2", QStringLiteral("AC"), design.Label2, Qt::AlignHCenter);
    Label3 = label(frmcharacters, "Label3", QStringLiteral("Hit"), design.Label3, Qt::AlignHCenter);
    for (std::size_t row = 0; row < rowCount; ++row) {
        txtcharname[row] =
            field(frmcharacters, rowName("txtcharname", row),
                  QStringLiteral("Character %1").arg(row + 1), design.txtcharname, row);
        txtcharname[row]->setAccessibleName(accessibleRow("Character", row, "name"));
        txtcharac[row] = field(frmcharacters, rowName("txtcharac", row), QStringLiteral("0"),
                               design.txtcharac, row);
        txtcharac[row]->setAccessibleName(accessibleRow("Character", row, "armour class"));
        shpishit[row] = place(new HitMarker(frmcharacters), rowName("shpishit", row),
                              inRow(design.shpishit, static_cast<int>(row)));
        shpishit[row]->setAccessibleName(accessibleRow("Character", row, "hit"));
    }
}

void skarvelform::createCreatures() {
    frmcreatures = frame(this, "frmcreatures", QStringLiteral("Creatures"), design.frmcreatures);
    Label4 =
        label(frmcreatures, "Label4", QStringLiteral("Bonus"), design.Label4, Qt::AlignHCenter);
    Label5 = label(frmcreatures, "Label5", QStringLiteral("Hit Points"), design.Label5,
                   Qt::AlignHCenter);
    for (std::size_t row = 0; row < rowCount; ++row) {
        txtbonus[row] = field(frmcreatures, rowName("txtbonus", row), QStringLiteral("0"),
                              design.txtbonus, row);
        txtbonus[row]->setAccessibleName(accessibleRow("Creature", row, "bonus"));
        txthitpoints[row] = field(frmcreatures, rowName("txthitpoints", row), QStringLiteral("0"),
                                  design.txthitpoints, row);
        txthitpoints[row]->setAccessibleName(accessibleRow("Creature", row, "hit points"));
        cmdAttack[row] = button(frmcreatures, rowName("cmdAttack", row), QStringLiteral("Attack"),
                                design.cmdAttack, static_cast<int>(row));
        cmdAttack[row]->setAccessibleName(QStringLiteral("Attack with creature %1").arg(row + 1));
        connect(cmdAttack[row], &QPushButton::clicked, this,
                [this, row] { performAttack(static_cast<SmallInt>(row)); });
    }
}

void skarvelform::createOptions() {
    frmoptions = frame(this, "frmoptions", QStringLiteral("Options"), design.frmoptions);
    Label6 = label(frmoptions, "Label6", QStringLiteral("Hit Die to Roll:"), design.Label6,
                   Qt::AlignLeft);
    cmbHitDie = place(new EntryList(frmoptions), QStringLiteral("cmbHitDie"), design.cmbHitDie);
    cmbHitDie->setAccessibleName(QStringLiteral("Hit Die to Roll"));
    // Screen readers on X11 name a list by its related label rather than by its own name.
    Label6->setBuddy(cmbHitDie);
    // Item data are the die sizes.
    for (const int size : {4, 6, 8, 10, 12, 20, 100}) {
        cmbHitDie->addEntry(QStringLiteral("d%1").arg(size), size);
    }

    Label7 = label(frmoptions, "Label7", QStringLiteral("Hit Calculation:"), design.Label7,
                   Qt::AlignLeft);
    cmbHitAC = place(new EntryList(frmoptions), QStringLiteral("cmbHitAC"), design.cmbHitAC);
    cmbHitAC->setAccessibleName(QStringLiteral("Hit Calculation"));
    Label7->setBuddy(cmbHitAC);
    // Item data are the hit-basis codes the attack pass reads.
    cmbHitAC->addEntry(QStringLiteral("Hit based on AC 0"), 0);
    cmbHitAC->addEntry(QStringLiteral("Roll Greater than AC"), 1);
    cmbHitAC->addEntry(QStringLiteral("Roll Less than AC"), 2);

    // The labels overlap their lists' left edges; the lists must be drawn on top.
    cmbHitDie->raise();
    cmbHitAC->raise();
}

void skarvelform::createFooter() {
    Frame1 = frame(this, "Frame1", QStringLiteral("Roll Result"), design.Frame1);
    lblRoll = label(Frame1, "lblRoll", QString(), design.lblRoll, Qt::AlignHCenter);
    // In the interface font's family, which is already the design's face where the system
    // has it and loaded everywhere: naming a missing face would have the font system
    // substitute whatever it likes and load a second family.
    lblRoll->setFont(rollFont(font()));

    Label8 = label(this, "Label8", QString::fromUtf8(identity::copyrightNotice), design.Label8,
                   Qt::AlignLeft);
    Label9 =
        label(this, "Label9", QString::fromUtf8(identity::homepage), design.Label9, Qt::AlignLeft);
    applyLinkColour();

    cmdInfo = button(this, QStringLiteral("cmdInfo"), QStringLiteral("Info"), design.cmdInfo);
    cmdInfo->setAccessibleDescription(QStringLiteral("About Skarvel"));
    connect(cmdInfo, &QPushButton::clicked, this, &skarvelform::showAbout);
}

void skarvelform::chainTabOrder() {
    QWidget* previous = nullptr;
    const auto next = [&previous](QWidget* control) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    };
    for (std::size_t row = 0; row < rowCount; ++row) {
        next(txtcharname[row]);
        next(txtcharac[row]);
    }
    for (std::size_t row = 0; row < rowCount; ++row) {
        next(txtbonus[row]);
        next(txthitpoints[row]);
        next(cmdAttack[row]);
    }
    next(cmbHitDie);
    next(cmbHitAC);
    next(cmdInfo);
}

void skarvelform::selectStartEntries() {
    cmbHitDie->setCurrentIndex(cmbHitDie->findText(QStringLiteral("d20")));
    cmbHitAC->setCurrentIndex(cmbHitAC->findText(QStringLiteral("Roll Greater than AC")));
}

void skarvelform::performAttack(SmallInt Index) {
    try {
        AttackPass(*this, uniformSource).performAttack(Index);
    } catch (const std::exception& error) {
        // The pass leaves nothing to repair: the next press starts from the fields.
        errorDisplay.show(error.what(), std::string(identity::title));
    }
}

skarvelform::~skarvelform() = default;

void skarvelform::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && Label9 != nullptr) {
        applyLinkColour();
    }
}

void skarvelform::applyLinkColour() {
    // The highlight colour where it reads against the window; some schemes (Breeze's light
    // one among them) make it too pale for text, and the scheme's link colour stands in.
    // Roles rather than fixed colours, so the label follows each scheme's own values.
    const QPalette& scheme = palette();
    const bool highlightReads = contrastRatio(scheme.color(QPalette::Highlight),
                                              scheme.color(QPalette::Window)) >= linkContrast;
    Label9->setForegroundRole(highlightReads ? QPalette::Highlight : QPalette::Link);
}

void skarvelform::showAbout() {
    if (!about) {
        about = std::make_unique<frmAbout>(launcher);
    }
    about->showAbout();
}

std::optional<std::int32_t> skarvelform::selectedHitBasis() const {
    return cmbHitAC->selectedData();
}

std::optional<std::int32_t> skarvelform::selectedDieSize() const {
    return cmbHitDie->selectedData();
}

std::string skarvelform::bonusText(SmallInt creatureRow) const {
    return txtbonus.at(static_cast<std::size_t>(creatureRow))->text().toStdString();
}

std::string skarvelform::armourClassText(SmallInt characterRow) const {
    return txtcharac.at(static_cast<std::size_t>(characterRow))->text().toStdString();
}

void skarvelform::setRollCaption(const std::string& caption) {
    const QString roll = QString::fromStdString(caption);
    lblRoll->setText(roll);
    // The number itself is what a screen-reader user needs to hear.
    lblRoll->setAccessibleName(QStringLiteral("Roll %1").arg(roll));
}

void skarvelform::setHitMarkerVisible(SmallInt characterRow, bool visible) {
    const auto row = static_cast<std::size_t>(characterRow);
    shpishit.at(row)->setVisible(visible);
    // The red square is silent: the row's fields say what it shows to anyone moving
    // through them with a screen reader.
    const QString state = visible ? QStringLiteral("Hit") : QStringLiteral("Not hit");
    txtcharname[row]->setAccessibleDescription(state);
    txtcharac[row]->setAccessibleDescription(state);
}

} // namespace skarvel

#include "moc_skarvelform.cpp"
