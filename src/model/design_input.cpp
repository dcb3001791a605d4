// The design input record: control names, list entries, field access and the plain-record input target.
#include "model/design_input.h"

#include <cstddef>

#include "base/tables.h"

namespace tavrel {

namespace {

constexpr std::array<std::string_view, kListFieldCount> kListNames = {"CboSJHZ", "CboHNTDJ", "CboZJDJ",
                                                                      "CboZJZJ", "CboHJLB"};

constexpr std::array<std::string_view, kCheckFieldCount> kCheckNames = {
    "chkHNTKY", "chkHNTKL", "chkGBRZ", "chkTRZ", "chkPZRZ", "chkBCRZ", "chkGBK", "chkJSKJ"};

constexpr std::array<std::string_view, kTextFieldCount> kTextNames = {
    "txtHNTKY", "txtHNTKL", "txtZJGS", "txtGBRZ", "txtTRZ",    "txtTTG", "txtPZH",
    "txtBCH",   "txtPZRZ",  "txtBCRZ", "txtJBHZ", "txtJBHZKD", "txtJZL", "txtBDH",
    "txtBZH",   "txtGBK",   "txtJKJ",  "txtGZCD", "txtJSKJ",   "txtBHC"};

constexpr std::array<std::string_view, 3> kSlabTypeNames = {"Option1", "Option2", "Option3"};

// Entries of the main window's lists, in the order the window adds them.
constexpr std::array<std::string_view, 2> kLoadClasses = {"公路-I级", "公路-II级"};
constexpr std::array<std::string_view, 5> kConcreteGrades = {"C20", "C25", "C30", "C35", "C40"};
constexpr std::array<std::string_view, 4> kBarGrades = {"R235", "HRB335", "HRB400", "KL400"};
constexpr std::array<std::string_view, 7> kBarDiameters = {"16", "18", "20", "22", "25", "28", "32"};
constexpr std::array<std::string_view, 4> kEnvironmentClasses = {"I类环境", "II类环境", "III类环境",
                                                                 "IV类环境"};

constexpr std::array<std::string DesignInput::*, kListFieldCount> kListMembers = {
    &DesignInput::CboSJHZ, &DesignInput::CboHNTDJ, &DesignInput::CboZJDJ, &DesignInput::CboZJZJ,
    &DesignInput::CboHJLB};

constexpr std::array<bool DesignInput::*, kCheckFieldCount> kCheckMembers = {
    &DesignInput::chkHNTKY, &DesignInput::chkHNTKL, &DesignInput::chkGBRZ, &DesignInput::chkTRZ,
    &DesignInput::chkPZRZ,  &DesignInput::chkBCRZ,  &DesignInput::chkGBK,  &DesignInput::chkJSKJ};

constexpr std::array<std::string DesignInput::*, kTextFieldCount> kTextMembers = {
    &DesignInput::txtHNTKY, &DesignInput::txtHNTKL, &DesignInput::txtZJGS, &DesignInput::txtGBRZ,
    &DesignInput::txtTRZ,   &DesignInput::txtTTG,   &DesignInput::txtPZH,  &DesignInput::txtBCH,
    &DesignInput::txtPZRZ,  &DesignInput::txtBCRZ,  &DesignInput::txtJBHZ, &DesignInput::txtJBHZKD,
    &DesignInput::txtJZL,   &DesignInput::txtBDH,   &DesignInput::txtBZH,  &DesignInput::txtGBK,
    &DesignInput::txtJKJ,   &DesignInput::txtGZCD,  &DesignInput::txtJSKJ, &DesignInput::txtBHC};

// The text box each override check box unlocks, in CheckField order.
constexpr std::array<TextField, kCheckFieldCount> kUnlockedFields = {
    TextField::txtHNTKY, TextField::txtHNTKL, TextField::txtGBRZ, TextField::txtTRZ,
    TextField::txtPZRZ,  TextField::txtBCRZ,  TextField::txtGBK,  TextField::txtJSKJ};

template <typename Enum>
constexpr std::size_t indexOf(Enum value) {
    return static_cast<std::size_t>(value);
}

}  // namespace

std::string_view controlName(ListField field) {
    return kListNames.at(indexOf(field));
}
std::string_view controlName(CheckField field) {
    return kCheckNames.at(indexOf(field));
}
std::string_view controlName(TextField field) {
    return kTextNames.at(indexOf(field));
}
std::string_view controlName(SlabType type) {
    return kSlabTypeNames.at(indexOf(type));
}

std::span<const std::string_view> listEntries(ListField field) {
    switch (field) {
        case ListField::CboSJHZ:
            return kLoadClasses;
        case ListField::CboHNTDJ:
            return kConcreteGrades;
        case ListField::CboZJDJ:
            return kBarGrades;
        case ListField::CboZJZJ:
            return kBarDiameters;
        case ListField::CboHJLB:
            return kEnvironmentClasses;
    }
    return {};
}

TextField unlockedField(CheckField field) {
    return kUnlockedFields.at(indexOf(field));
}

std::string& DesignInput::text(TextField field) {
    return this->*kTextMembers.at(indexOf(field));
}
const std::string& DesignInput::text(TextField field) const {
    return this->*kTextMembers.at(indexOf(field));
}
std::string& DesignInput::list(ListField field) {
    return this->*kListMembers.at(indexOf(field));
}
const std::string& DesignInput::list(ListField field) const {
    return this->*kListMembers.at(indexOf(field));
}
bool& DesignInput::check(CheckField field) {
    return this->*kCheckMembers.at(indexOf(field));
}
bool DesignInput::check(CheckField field) const {
    return this->*kCheckMembers.at(indexOf(field));
}

// The window's slab-type reconfiguration clears the soil unit weight override whatever the new type. It
// runs only on a change: selecting the type already selected changes nothing, on the window as here.
void DesignInputTarget::selectSlabType(SlabType type) {
    if (type == m_input.slabType) {
        return;
    }
    m_input.slabType = type;
    m_input.chkTRZ = false;
}

// Choosing a concrete grade rewrites both design strengths with the grade's code values (JTG D62-2004
// table 3.1.4), even when their override boxes are ticked. A position outside the list selects nothing.
void DesignInputTarget::selectListEntry(ListField field, int position) {
    const auto entries = listEntries(field);
    if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) {
        return;
    }
    const std::string_view entry = entries[static_cast<std::size_t>(position)];
    if (m_input.list(field) == entry) {
        return;  // like the window's list, which runs nothing for the entry it already shows
    }
    m_input.list(field) = std::string(entry);
    if (field != ListField::CboHNTDJ) {
        return;
    }
    if (const auto grade = findConcreteGrade(m_input.CboHNTDJ)) {
        m_input.txtHNTKY = std::string(grade->fcdText);
        m_input.txtHNTKL = std::string(grade->ftdText);
    }
}

void DesignInputTarget::setCheckState(CheckField field, bool checked) {
    m_input.check(field) = checked;
}

void DesignInputTarget::setText(TextField field, const std::string& text) {
    m_input.text(field) = text;
}

}  // namespace tavrel
