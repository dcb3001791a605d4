// Stirrup shear check of JTG D62-2004 5.2.7 or JTG 3362-2018 5.2.9: the state and rules of the stirrup
// dialog, without widgets.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/expected.h"
#include "base/tables.h"
#include "calc/calculation_results.h"
#include "calc/presentation.h"
#include "calc/validation.h"

namespace tavrel {

struct DesignCode;

// Vcs = α1·α2·α3·0.45e-3·b·h0·((2 + 0.6 P)·sqrt(fcu,k)·ρsv·fsv)^(1/2), in kN with b, h0 in mm, by the
// code's factors. P is the main reinforcement percentage, capped at 2.5.
float stirrupShearCapacity(const DesignCode& code, float bM, float h0M, float rhoPct, std::int16_t fcuk,
                           float rhoSv, std::int16_t fsv);

// Whether the stirrup values in the results record (grade, diameter, spacing, Asv, rhoSv, fcuk, fsv, Vcs)
// were computed for the section of the calculation now in the record. Values left from an earlier
// calculation, or never computed, describe no stirrups of this slab.
enum class StirrupCheck { NotDone, Current };

// What closing the dialog writes into the main window.
struct StirrupClosingUpdate {
    bool passed = false;                      // Label34's verdict
    std::string caption;                      // Label34's caption
    std::optional<std::string> mainJLKLText;  // new text of the main window's txtJLKL, if it changes
    std::optional<std::string> mainZDJLText;  // new text of the main window's txtZDJL, if it changes
};

// Closing the dialog applied to what the main window shows: txtJLKL and txtZDJL where the update changes
// them, and the shear verdict's state, caption and colour (its message stays as it is).
void applyClosingUpdate(const StirrupClosingUpdate& update, ResultTexts& texts, Verdict& shear);

// The stirrup dialog's diameter (mm) and spacing (cm) when it loads; its grade depends on the edition.
inline constexpr std::string_view kDefaultStirrupDiameter = "10";
inline constexpr std::int16_t kDefaultStirrupSpacingCm = 10;

// The dialog's own state (the stirrup strength of the selected grade, and whether Vcs was computed for the
// calculation now in the record) and its handlers; the dialog's widgets call these and show what they
// return. One object may serve every opening of the dialog: the load step starts it afresh. The stirrup
// grades are those of the edition of the calculation in the record, which is the edition in force: the
// dialog opens after a calculation, and choosing another edition closes it.
class StirrupDesign {
  public:
    explicit StirrupDesign(CalculationResults& results) : m_results(results) {}

    // The entries of the grade list, in order, and the one the load step selects ("R235" under the 2004
    // edition, "HPB300" under the 2018 edition).
    std::span<const StirrupGrade> gradeEntries() const;
    std::string_view defaultGrade() const;

    // Load step: selects the default grade and "10", sets the grade's strength and stirrupGrade, dSv,
    // sv; returns the text of the design shear for the dialog's txtZDJL.
    std::string load();
    void selectGrade(const std::string& grade);
    void selectDiameter(const std::string& diameterText);
    // The button: spacing check, then sv, fcuk (from the main window's concrete grade), Asv, rhoSv, fsv, Vcs.
    // Gives the "0.00" text of Vcs for the dialog's txtJLKL; a refused spacing (with no main-window field
    // to blame) computes nothing.
    Expected<std::string, Refusal> press(const std::string& spacingText,
                                         const std::string& mainConcreteGrade);
    // Closing rule, with the Vcs stored by the last press. Without a press since the dialog loaded, since
    // the last calculation and since the last change of grade or diameter, the stored Vcs belongs to no
    // stirrups of this section: nothing is copied and the verdict is the calculation's own, which fails
    // whenever the section needs stirrups (as with Vcs = 0); a dialog left open across a calculation that
    // needs no stirrups leaves that calculation's pass. Stirrups never pass a section too small for the
    // design shear (JTG 3362-2018 5.2.11).
    StirrupClosingUpdate close(const std::string& dialogJLKLText) const;

    // To be called after every complete calculation: the stored Vcs no longer belongs to the section.
    void sectionRecalculated() { m_hasCurrentCapacity = false; }
    // True once the button computed Vcs for the calculation and the stirrups now in the record.
    bool hasCurrentCapacity() const { return m_hasCurrentCapacity; }

    std::int16_t strength() const { return m_strength; }

  private:
    CalculationResults& m_results;
    std::int16_t m_strength = 195;
    std::string m_diameterText = "10";
    bool m_hasCurrentCapacity = false;
};

inline constexpr const char* kStirrupSpacingMessage = "箍筋间距应大于0,请重新输入";

}  // namespace tavrel
