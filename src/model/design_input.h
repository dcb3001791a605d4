// The design input record: every input of the main window, one member per control, named after it.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

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

// The entries of a list in the order the window adds them; the position is what an input file selects.
std::span<const std::string_view> listEntries(ListField field);

// The text box an override check box unlocks.
TextField unlockedField(CheckField field);

// Texts stay texts until the calculation needs a number; lists hold the selected entry's text
// (empty while nothing is selected); check boxes hold their ticked state.
struct DesignInput {
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

    std::string& text(TextField field);
    const std::string& text(TextField field) const;
    std::string& list(ListField field);
    const std::string& list(ListField field) const;
    bool& check(CheckField field);
    bool check(CheckField field) const;

    bool operator==(const DesignInput&) const = default;
};

// What applying an input file writes into: the window (through its controls, so that a person's side
// effects run) or a plain record. Calls arrive in file line order.
class InputTarget {
  public:
    virtual ~InputTarget() = default;
    virtual void selectSlabType(SlabType type) = 0;
    virtual void selectListEntry(ListField field, int position) = 0;
    virtual void setCheckState(CheckField field, bool checked) = 0;
    virtual void setText(TextField field, const std::string& text) = 0;
};

// Applies changes to a plain record with the side effects the window has: choosing another slab type
// clears chkTRZ (the type already selected changes nothing), choosing a concrete grade rewrites both
// concrete strengths.
class DesignInputTarget final : public InputTarget {
  public:
    explicit DesignInputTarget(DesignInput& input) : m_input(input) {}
    void selectSlabType(SlabType type) override;
    void selectListEntry(ListField field, int position) override;
    void setCheckState(CheckField field, bool checked) override;
    void setText(TextField field, const std::string& text) override;

  private:
    DesignInput& m_input;
};

}  // namespace tavrel
