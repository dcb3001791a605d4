// The design input record: control names, list entries, field access and the plain-record input target.
#include "model/design_input.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

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

// Entries of the main window's lists that both editions share, in the order the window adds them. The
// entries of the grade and environment lists are the names in the edition's material tables.
constexpr std::array<std::string_view, 2> kLoadClasses = {"公路-I级", "公路-II级"};
constexpr std::array<std::string_view, 7> kBarDiameters = {"16", "18", "20", "22", "25", "28", "32"};

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

template <typename Entry>
std::vector<std::string_view> namesOf(std::span<const Entry> entries) {
    std::vector<std::string_view> names;
    for (const Entry& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

// The entries of the three lists that change with the edition, taken once from its tables.
struct EditionLists {
    std::vector<std::string_view> concreteGrades;
    std::vector<std::string_view> barGrades;
    std::vector<std::string_view> environments;
};

EditionLists listsOf(Edition edition) {
    const MaterialTables& tables = materialTables(edition);
    return {namesOf(tables.concreteGrades), namesOf(tables.barGrades), namesOf(tables.environments)};
}

const EditionLists& editionLists(Edition edition) {
    static const EditionLists lists2004 = listsOf(Edition::Jtg2004);
    static const EditionLists lists2018 = listsOf(Edition::Jtg2018);
    return edition == Edition::Jtg2018 ? lists2018 : lists2004;
}

// The default entry of a list that changes with the edition.
std::string_view editionDefault(ListField field, Edition edition) {
    const MaterialTables& tables = materialTables(edition);
    switch (field) {
        case ListField::CboHNTDJ:
            return tables.defaultConcreteGrade;
        case ListField::CboZJDJ:
            return tables.defaultBarGrade;
        case ListField::CboHJLB:
            return tables.defaultEnvironment;
        case ListField::CboSJHZ:
        case ListField::CboZJZJ:
            break;
    }
    return {};
}

// The other edition's name of a renamed bar grade, when `grade` is the name the edition left behind.
std::optional<std::string_view> renamedGrade(std::string_view grade, Edition to) {
    for (const RenamedBarGrade& renamed : renamedBarGrades()) {
        const std::string_view from = to == Edition::Jtg2018 ? renamed.jtg2004 : renamed.jtg2018;
        if (grade == from) {
            return to == Edition::Jtg2018 ? renamed.jtg2018 : renamed.jtg2004;
        }
    }
    return std::nullopt;
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

std::string_view controlName(const InputControl& control) {
    return std::visit([](auto field) { return controlName(field); }, control.control);
}

std::span<const std::string_view> barDiameterEntries() {
    return listEntries(ListField::CboZJZJ, Edition::Jtg2004);
}

std::span<const std::string_view> listEntries(ListField field, Edition edition) {
    switch (field) {
        case ListField::CboSJHZ:
            return kLoadClasses;
        case ListField::CboHNTDJ:
            return editionLists(edition).concreteGrades;
        case ListField::CboZJDJ:
            return editionLists(edition).barGrades;
        case ListField::CboZJZJ:
            return kBarDiameters;
        case ListField::CboHJLB:
            return editionLists(edition).environments;
    }
    return {};
}

bool dependsOnEdition(ListField field) {
    return field == ListField::CboHNTDJ || field == ListField::CboZJDJ || field == ListField::CboHJLB;
}

std::string entryAfterEditionChange(ListField field, std::string_view shown, Edition to) {
    if (!dependsOnEdition(field)) {
        return std::string(shown);
    }
    if (field == ListField::CboZJDJ) {
        if (const auto renamed = renamedGrade(shown, to)) {
            return std::string(*renamed);
        }
    }
    const auto entries = listEntries(field, to);
    if (std::find(entries.begin(), entries.end(), shown) != entries.end()) {
        return std::string(shown);
    }
    return std::string(editionDefault(field, to));
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

// Like the menu: the lists the edition changes select their entries by the one rule the window also
// follows, and the concrete grade's handling runs only for a grade whose text changed, so strengths typed
// for a grade both editions have survive.
void DesignInputTarget::selectEdition(Edition edition) {
    if (edition == m_input.edition) {
        return;
    }
    m_input.edition = edition;
    for (int i = 0; i < kListFieldCount; ++i) {
        const auto field = static_cast<ListField>(i);
        std::string entry = entryAfterEditionChange(field, m_input.list(field), edition);
        if (entry == m_input.list(field)) {
            continue;
        }
        if (field == ListField::CboHNTDJ) {
            selectConcreteGrade(entry);
        } else {
            m_input.list(field) = std::move(entry);
        }
    }
}

void DesignInputTarget::selectSafetyClass(SafetyClass safetyClass) {
    m_input.safetyClass = safetyClass;
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

// A position outside the list selects nothing.
void DesignInputTarget::selectListEntry(ListField field, int position) {
    const auto entries = listEntries(field, m_input.edition);
    if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) {
        return;
    }
    const std::string_view entry = entries[static_cast<std::size_t>(position)];
    if (m_input.list(field) == entry) {
        return;  // like the window's list, which runs nothing for the entry it already shows
    }
    if (field == ListField::CboHNTDJ) {
        selectConcreteGrade(entry);
    } else {
        m_input.list(field) = std::string(entry);
    }
}

std::vector<TextEdit> concreteGradeStrengths(Edition edition, std::string_view grade) {
    const auto found = findConcreteGrade(edition, grade);
    if (!found) {
        return {};
    }
    return {{TextField::txtHNTKY, found->fcdText}, {TextField::txtHNTKL, found->ftdText}};
}

void DesignInputTarget::selectConcreteGrade(std::string_view grade) {
    m_input.CboHNTDJ = std::string(grade);
    for (const TextEdit& edit : concreteGradeStrengths(m_input.edition, grade)) {
        m_input.text(edit.field) = std::string(edit.text);
    }
}

void DesignInputTarget::setCheckState(CheckField field, bool checked) {
    m_input.check(field) = checked;
}

void DesignInputTarget::setText(TextField field, const std::string& text) {
    m_input.text(field) = text;
}

void DesignInputTarget::setProject(const ProjectInfo& project, ReportFormat format) {
    m_input.project = project;
    m_input.reportFormat = format;
}

}  // namespace tavrel
