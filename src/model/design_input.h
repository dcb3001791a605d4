// The design input record: every input of the main window, one member per control, named after it.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/edition.h"
#include "model/project_info.h"
#include "model/slab_type.h"

namespace tavrel {

// The five fixed-choice lists of the main window.
enum class ListField { CboSJHZ, CboHNTDJ, CboZJDJ, CboZJZJ, CboHJLB };

// The eight override check boxes; each unlocks one program-filled text box.
enum class CheckField { chkHNTKY, chkHNTKL, chkGBRZ, chkTRZ, chkPZRZ, chkBCRZ, chkGBK, chkJSKJ };

// The text boxes of the record, in the order of the input file.
enum class TextField {
    txtHNTKY,
    txtHNTKL,
    txtZJGS,
    txtGBRZ,
    txtTRZ,
    txtTTG,
    txtPZH,
    txtBCH,
    txtPZRZ,
    txtBCRZ,
    txtJBHZ,
    txtJBHZKD,
    txtJZL,
    txtBDH,
    txtBZH,
    txtGBK,
    txtJKJ,
    txtGZCD,
    txtJSKJ,
    txtBHC,
};

inline constexpr int kListFieldCount = 5;
inline constexpr int kCheckFieldCount = 8;
inline constexpr int kTextFieldCount = 20;

// Control name of a field ("CboHNTDJ", "chkTRZ", "txtJKJ"): the key of error reports and JSON output.
std::string_view controlName(ListField field);
std::string_view controlName(CheckField field);
std::string_view controlName(TextField field);
std::string_view controlName(SlabType type);  // "Option1", "Option2", "Option3"

// A control of the main window that holds input and that a refused input enables and focuses: a text
// box, or a list when the list's choice is to blame.
struct InputControl {
    InputControl(TextField field) : control(field) {}
    InputControl(ListField field) : control(field) {}
    std::variant<TextField, ListField> control;
    bool operator==(const InputControl&) const = default;
};
std::string_view controlName(const InputControl& control);

// The entries of a list under an edition, in the order the window adds them; the position is what an
// input file selects. The grade and environment lists come from the edition's material tables; the load
// class and diameter lists are the same in both editions.
std::span<const std::string_view> listEntries(ListField field, Edition edition);

// The main-bar diameters of CboZJZJ, the same under every code edition.
std::span<const std::string_view> barDiameterEntries();

// What choosing a concrete grade writes: the grade's code strengths (table 3.1.4 of the edition) into
// txtHNTKY and txtHNTKL, whatever their override boxes say; nothing for a grade not in the table. The plain
// record and the window both write these.
struct TextEdit {
    TextField field;
    std::string_view text;
};
std::vector<TextEdit> concreteGradeStrengths(Edition edition, std::string_view grade);

// Whether the entries of a list change with the edition (the concrete grade, the main bar grade and the
// environment class).
bool dependsOnEdition(ListField field);

// The entry a list selects after the edition changes to `to`, given the entry it showed: a bar grade the
// other edition renamed goes to its other name (R235 and HPB300, KL400 and RRB400); otherwise the same text
// when the new list has it; otherwise the new edition's default. A list that does not depend on the
// edition keeps its entry. The plain record and the window both select by this rule.
std::string entryAfterEditionChange(ListField field, std::string_view shown, Edition to);

// The text box an override check box unlocks.
TextField unlockedField(CheckField field);

// Texts stay texts until the calculation needs a number; lists hold the selected entry's text
// (empty while nothing is selected); check boxes hold their ticked state.
struct DesignInput {
    // The settings of the 设置 menu: the code edition and, for the 2018 edition, the safety class.
    Edition edition = Edition::Jtg2004;
    SafetyClass safetyClass = kDefaultSafetyClass;

    SlabType slabType = SlabType::Buried;

    std::string CboSJHZ = "公路-I级";
    std::string CboHNTDJ = "C30";
    bool chkHNTKY = false;
    std::string txtHNTKY = "13.8";
    bool chkHNTKL = false;
    std::string txtHNTKL = "1.39";
    std::string CboZJDJ = "HRB335";
    std::string CboZJZJ = "25";
    std::string txtZJGS = "14";
    bool chkGBRZ = false;
    std::string txtGBRZ = "25";
    bool chkTRZ = false;
    std::string txtTRZ = "18";
    std::string CboHJLB = "I类环境";

    std::string txtTTG = "22";

    std::string txtPZH = "8";
    std::string txtBCH = "9";
    bool chkPZRZ = false;
    std::string txtPZRZ = "25";
    bool chkBCRZ = false;
    std::string txtBCRZ = "23";

    std::string txtJBHZ = "10";
    std::string txtJBHZKD = "2";
    std::string txtJZL = "10";

    std::string txtBDH = "108";
    std::string txtBZH = "113";
    bool chkGBK = false;
    std::string txtGBK = "0.99";
    std::string txtJKJ = "3.5";
    std::string txtGZCD = "0.3";
    bool chkJSKJ = false;
    std::string txtJSKJ = "3.8";
    std::string txtBHC = "3";

    // Who the calculation is for and by whom, and the report format the report command writes: kept in the
    // input file after the design's lines, and only when given.
    ProjectInfo project;
    ReportFormat reportFormat = ReportFormat::Original;

    std::string& text(TextField field);
    const std::string& text(TextField field) const;
    std::string& list(ListField field);
    const std::string& list(ListField field) const;
    bool& check(CheckField field);
    bool check(CheckField field) const;

    bool operator==(const DesignInput&) const = default;
};

// What applying an input file writes into: the window (through its controls, so that a person's side
// effects run) or a plain record. The edition comes first, then the safety class, then lines 2..47 in line
// order, because the list entries of lines 8, 13 and 20 exist only in the lists of their edition.
class InputTarget {
  public:
    virtual ~InputTarget() = default;
    // As choosing the edition in the menu: the grade and environment lists are refilled and select by
    // entryAfterEditionChange; the concrete grade's handling runs only when its text changed. Choosing the
    // edition in force does nothing.
    virtual void selectEdition(Edition edition) = 0;
    // As choosing the safety class in the menu; choosing the class in force does nothing.
    virtual void selectSafetyClass(SafetyClass safetyClass) = 0;
    virtual void selectSlabType(SlabType type) = 0;
    virtual void selectListEntry(ListField field, int position) = 0;
    virtual void setCheckState(CheckField field, bool checked) = 0;
    virtual void setText(TextField field, const std::string& text) = 0;
    // The project information and report format of the file, after every design line (empty and the
    // original format for a file without them).
    virtual void setProject(const ProjectInfo& project, ReportFormat format) = 0;
};

// Applies changes to a plain record with the side effects the window has: choosing another slab type
// clears chkTRZ (the type already selected changes nothing), choosing a concrete grade rewrites both
// concrete strengths, choosing another edition selects the lists' entries by entryAfterEditionChange.
class DesignInputTarget final : public InputTarget {
  public:
    explicit DesignInputTarget(DesignInput& input) : m_input(input) {}
    void selectEdition(Edition edition) override;
    void selectSafetyClass(SafetyClass safetyClass) override;
    void selectSlabType(SlabType type) override;
    void selectListEntry(ListField field, int position) override;
    void setCheckState(CheckField field, bool checked) override;
    void setText(TextField field, const std::string& text) override;
    void setProject(const ProjectInfo& project, ReportFormat format) override;

  private:
    void selectConcreteGrade(std::string_view grade);

    DesignInput& m_input;
};

}  // namespace tavrel
