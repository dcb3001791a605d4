// docs/GLOSSARY.md against the code: every line of the input file and every numeric field of the results
// record has its row, with the file's own term for the input lines.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calc/result_fields.h"
#include "model/tvrl.h"
#include "test_support.h"

namespace tavrel {
namespace {

// Name (without its backticks) -> term, from every table row of the page whose first cell is a code name.
std::map<std::string, std::string> glossaryRows() {
    std::ifstream file(test::sourcePath("docs/GLOSSARY.md"));
    std::map<std::string, std::string> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("| `", 0) != 0) {
            continue;
        }
        std::vector<std::string> cells;
        std::stringstream cellStream(line.substr(1));
        for (std::string cell; std::getline(cellStream, cell, '|');) {
            cells.push_back(cell.substr(1, cell.size() - 2));  // the blank on each side
        }
        const std::string name = cells.at(0).substr(1, cells.at(0).size() - 2);
        EXPECT_TRUE(rows.emplace(name, cells.at(1)).second) << name << " has two rows";
    }
    return rows;
}

TEST(Glossary, EveryInputFileLineHasItsRowWithTheFilesTerm) {
    const auto rows = glossaryRows();
    for (const tvrl::ValueLine& line : tvrl::valueLines()) {
        const std::string control(line.control);
        ASSERT_TRUE(rows.count(control)) << "line " << line.number << ": no row for " << control;
        EXPECT_EQ(rows.at(control), line.term) << control;
    }
}

TEST(Glossary, EveryNumericResultFieldHasItsRow) {
    const auto rows = glossaryRows();
    for (const SingleResultField& field : singleResultFields()) {
        EXPECT_TRUE(rows.count(std::string(field.name))) << "no row for " << field.name;
    }
    for (const CountResultField& field : countResultFields()) {
        EXPECT_TRUE(rows.count(std::string(field.name))) << "no row for " << field.name;
    }
}

}  // namespace
}  // namespace tavrel
