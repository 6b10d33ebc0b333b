#pragma once

#include "AttackView.h"
#include "SmallInt.h"

#include <QWidget>
#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace skarvel {

class EntryList;
class frmAbout;
class HitMarker;
class MessageDisplay;
class SysInfoLauncher;
class UniformSource;

// The one working window: eight characters, eight creatures, the two options and the
// last roll. Its fields are the program's whole state; an Attack button runs one
// attack pass against them.
class skarvelform : public QWidget, public AttackView {
    Q_OBJECT

public:
    static constexpr std::size_t rowCount = 8;

    // generator feeds the die; errors shows an error that ends an attack; the About
    // dialog's System Info goes to sysInfoLauncher. All three must outlive the window.
    skarvelform(UniformSource& generator, MessageDisplay& errors, SysInfoLauncher& sysInfoLauncher,
                QWidget* parent = nullptr);
    ~skarvelform() override;

    // Runs the attack of creature row Index (0..7); an error that ends the pass is
    // shown in a message box and leaves the window as the pass left it.
    void performAttack(SmallInt Index);

    // The About dialog once Info has made it, shown or closed since; null before that.
    frmAbout* aboutDialog() const { return about.get(); }

    std::optional<std::int32_t> selectedHitBasis() const override;
    std::optional<std::int32_t> selectedDieSize() const override;
    std::string bonusText(SmallInt creatureRow) const override;
    std::string armourClassText(SmallInt characterRow) const override;
    void setRollCaption(const std::string& caption) override;
    void setHitMarkerVisible(SmallInt characterRow, bool visible) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void createCharacters();
    void createCreatures();
    void createOptions();
    void createFooter();
    void chainTabOrder();
    void selectStartEntries();
    void showAbout();
    void applyLinkColour();

    UniformSource& uniformSource;
    MessageDisplay& errorDisplay;
    SysInfoLauncher& launcher;
    // Created on the first press of Info and kept for the rest of the run; it has no
    // parent, so it stays on screen when this window closes.
    std::unique_ptr<frmAbout> about;

    QGroupBox* frmcharacters = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QLineEdit*, rowCount> txtcharname{};
    std::array<QLineEdit*, rowCount> txtcharac{};
    std::array<HitMarker*, rowCount> shpishit{};

    QGroupBox* frmcreatures = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    std::array<QLineEdit*, rowCount> txtbonus{};
    std::array<QLineEdit*, rowCount> txthitpoints{};
    std::array<QPushButton*, rowCount> cmdAttack{};

    QGroupBox* frmoptions = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    EntryList* cmbHitDie = nullptr;
    EntryList* cmbHitAC = nullptr;

    QGroupBox* Frame1 = nullptr;
    QLabel* lblRoll = nullptr;

    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* cmdInfo = nullptr;
};

} // namespace skarvel
