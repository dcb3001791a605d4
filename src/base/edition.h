// The code edition a design follows and the structural safety class it is designed for.
#pragma once

#include <initializer_list>
#include <optional>
#include <string_view>

namespace tavrel {

// The pair of codes a design follows: loads and combinations, and reinforced-concrete members.
// Jtg2004: JTG D60-2004 with JTG D62-2004. Jtg2018: JTG D60-2015 with JTG 3362-2018.
enum class Edition { Jtg2004, Jtg2018 };

// The designations of an edition's two codes.
struct CodePair {
    std::string_view loadsCode;    // "JTG D60-2004", "JTG D60-2015"
    std::string_view membersCode;  // "JTG D62-2004", "JTG 3362-2018"
};

constexpr CodePair codePair(Edition edition) {
    if (edition == Edition::Jtg2018) {
        return {"JTG D60-2015", "JTG 3362-2018"};
    }
    return {"JTG D60-2004", "JTG D62-2004"};
}

// The year by which the program names an edition: in the input file (line 48), on the command line and
// in the JSON output.
constexpr std::string_view editionYearText(Edition edition) {
    return edition == Edition::Jtg2018 ? "2018" : "2004";
}
constexpr int editionYear(Edition edition) {
    return edition == Edition::Jtg2018 ? 2018 : 2004;
}

// The edition named by its year; none for any other text.
constexpr std::optional<Edition> editionOfYear(std::string_view year) {
    for (const Edition edition : {Edition::Jtg2004, Edition::Jtg2018}) {
        if (year == editionYearText(edition)) {
            return edition;
        }
    }
    return std::nullopt;
}

// Structural safety class (结构安全等级) of JTG D60-2015. The 2004 rules have a fixed importance factor
// and ignore the class. Second (二级) is the class of culverts on expressways and class 1 and 2 roads.
enum class SafetyClass { First = 1, Second = 2, Third = 3 };

inline constexpr SafetyClass kDefaultSafetyClass = SafetyClass::Second;

// 1, 2 or 3, as the input file (line 49), the command line and the JSON output write it.
constexpr int safetyClassNumber(SafetyClass safetyClass) {
    return static_cast<int>(safetyClass);
}
constexpr std::string_view safetyClassNumberText(SafetyClass safetyClass) {
    switch (safetyClass) {
        case SafetyClass::First:
            return "1";
        case SafetyClass::Second:
            return "2";
        case SafetyClass::Third:
            return "3";
    }
    return {};
}

// The class written as its number; none for any other text.
constexpr std::optional<SafetyClass> safetyClassOfNumber(std::string_view number) {
    for (const SafetyClass safetyClass : {SafetyClass::First, SafetyClass::Second, SafetyClass::Third}) {
        if (number == safetyClassNumberText(safetyClass)) {
            return safetyClass;
        }
    }
    return std::nullopt;
}

// "一级", "二级", "三级".
constexpr std::string_view safetyClassName(SafetyClass safetyClass) {
    switch (safetyClass) {
        case SafetyClass::First:
            return "一级";
        case SafetyClass::Second:
            return "二级";
        case SafetyClass::Third:
            return "三级";
    }
    return {};
}

}  // namespace tavrel
