// The list of the results record's numeric fields: complete, in record order, with the right sources.
#include "calc/result_fields.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>

namespace tavrel {
namespace {

template <typename Member>
std::ptrdiff_t offsetOf(const CalculationResults& r, Member CalculationResults::*member) {
    return reinterpret_cast<const char*>(&(r.*member)) - reinterpret_cast<const char*>(&r);
}

// Byte offset -> (name, size) of every listed numeric field.
std::map<std::ptrdiff_t, std::pair<std::string, std::ptrdiff_t>> listedSlots(const CalculationResults& r) {
    std::map<std::ptrdiff_t, std::pair<std::string, std::ptrdiff_t>> slots;
    for (const SingleResultField& field : singleResultFields()) {
        slots[offsetOf(r, field.member)] = {std::string(field.name), sizeof(float)};
    }
    for (const CountResultField& field : countResultFields()) {
        slots[offsetOf(r, field.member)] = {std::string(field.name), sizeof(std::int16_t)};
    }
    return slots;
}

// The numeric fields of the record lie after its texts and flags, from H to its end. Walking them slot by
// slot, every float and 16-bit field must be one of the listed ones: a new field left out of the list
// leaves a gap that the walk finds.
TEST(ResultFields, EveryNumericMemberOfTheRecordIsListedInRecordOrder) {
    const CalculationResults r;
    const auto slots = listedSlots(r);
    ASSERT_EQ(slots.size(), singleResultFields().size() + countResultFields().size())
        << "a member listed twice";
    std::ptrdiff_t position = offsetOf(r, &CalculationResults::H);
    EXPECT_EQ(slots.begin()->first, position);
    for (const auto& [offset, slot] : slots) {
        EXPECT_EQ(offset, position) << "unlisted bytes before " << slot.first;
        position = offset + slot.second;
        if (slot.second == sizeof(std::int16_t) && !slots.count(position)) {
            position += sizeof(float) - sizeof(std::int16_t);  // padding before the next float
        }
    }
    EXPECT_GE(position + static_cast<std::ptrdiff_t>(alignof(float)), static_cast<std::ptrdiff_t>(sizeof(r)))
        << "unlisted members after the last listed one";

    std::ptrdiff_t previous = -1;
    for (const SingleResultField& field : singleResultFields()) {
        EXPECT_LT(previous, offsetOf(r, field.member)) << field.name << " is out of record order";
        previous = offsetOf(r, field.member);
    }
}

TEST(ResultFields, TheSnapshotFieldsAreTheOnesConvertedFromInputTexts) {
    std::map<std::string, std::string> sources;
    const DesignInput input;
    for (const SingleResultField& field : singleResultFields()) {
        EXPECT_EQ(field.source != nullptr, field.group == ResultGroup::Snapshot) << field.name;
        if (field.source) {
            sources[std::string(field.name)] = input.*field.source;
        }
    }
    // Default texts of a few inputs reach the fields they name.
    EXPECT_EQ(sources.at("L0"), "3.5");
    EXPECT_EQ(sources.at("d1"), "108");
    EXPECT_EQ(sources.at("dBar"), "25");
    EXPECT_EQ(sources.at("c"), "3");
    EXPECT_EQ(sources.size(), 20u);
}

}  // namespace
}  // namespace tavrel
