// The numeric fields of the results record by name, with the input text each snapshot field comes from.
#include "calc/result_fields.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace tavrel {

namespace {

using R = CalculationResults;
using D = DesignInput;
using enum ResultGroup;
constexpr auto k2018 = WrittenUnder::Edition2018;

// clang-format off
constexpr std::array kSingleFields{
    SingleResultField{"H", &R::H, Snapshot, &D::txtTTG},
    SingleResultField{"L0", &R::L0, Snapshot, &D::txtJKJ},
    SingleResultField{"L", &R::L, Snapshot, &D::txtJSKJ},
    SingleResultField{"Lseat", &R::Lseat, Snapshot, &D::txtGZCD},
    SingleResultField{"d1", &R::d1, Snapshot, &D::txtBDH},
    SingleResultField{"d2", &R::d2, Snapshot, &D::txtBZH},
    SingleResultField{"b", &R::b, Snapshot, &D::txtGBK},
    SingleResultField{"c", &R::c, Snapshot, &D::txtBHC},
    SingleResultField{"dBar", &R::dBar, Snapshot, &D::CboZJZJ},
    SingleResultField{"fcd", &R::fcd, Snapshot, &D::txtHNTKY},
    SingleResultField{"ftd", &R::ftd, Snapshot, &D::txtHNTKL},
    SingleResultField{"gammaSlab", &R::gammaSlab, Snapshot, &D::txtGBRZ},
    SingleResultField{"gammaSoil", &R::gammaSoil, Snapshot, &D::txtTRZ},
    SingleResultField{"H1", &R::H1, Snapshot, &D::txtPZH},
    SingleResultField{"H2", &R::H2, Snapshot, &D::txtBCH},
    SingleResultField{"gammaPave", &R::gammaPave, Snapshot, &D::txtPZRZ},
    SingleResultField{"gammaSurf", &R::gammaSurf, Snapshot, &D::txtBCRZ},
    SingleResultField{"qK", &R::qK, Snapshot, &D::txtJBHZ},
    SingleResultField{"qKc", &R::qKc, Snapshot, &D::txtJBHZKD},
    SingleResultField{"PK", &R::PK, Snapshot, &D::txtJZL},
    SingleResultField{"gamma0", &R::gamma0, Setting, nullptr, k2018},
    SingleResultField{"dOut", &R::dOut, Table},
    SingleResultField{"aBar", &R::aBar, Table},
    SingleResultField{"fsd", &R::fsd, Table},
    SingleResultField{"xiB", &R::xiB, Table},
    SingleResultField{"C1", &R::C1, Table},
    SingleResultField{"Es", &R::Es, Table},
    SingleResultField{"C2", &R::C2, Section},
    SingleResultField{"C3", &R::C3, Table},
    SingleResultField{"Wlim", &R::Wlim, Table},
    SingleResultField{"q", &R::q, Loads},
    SingleResultField{"g", &R::g, Loads},
    SingleResultField{"M1", &R::M1, Loads},
    SingleResultField{"V1", &R::V1, Loads},
    SingleResultField{"La", &R::La, Loads},
    SingleResultField{"Lb", &R::Lb, Loads},
    SingleResultField{"P", &R::P, Loads},
    SingleResultField{"p", &R::p, Loads},
    SingleResultField{"M2", &R::M2, Loads},
    SingleResultField{"V2", &R::V2, Loads},
    SingleResultField{"M3", &R::M3, Loads},
    SingleResultField{"V3", &R::V3, Loads},
    SingleResultField{"gamma0Md", &R::gamma0Md, Loads},
    SingleResultField{"gamma0Vd", &R::gamma0Vd, Loads},
    SingleResultField{"impact", &R::impact, Loads, nullptr, k2018},
    SingleResultField{"Ms", &R::Ms, Loads, nullptr, k2018},
    SingleResultField{"Ml", &R::Ml, Loads, nullptr, k2018},
    SingleResultField{"h0", &R::h0, Section},
    SingleResultField{"x0", &R::x0, Section},
    SingleResultField{"As0", &R::As0, Section},
    SingleResultField{"As", &R::As, Section},
    SingleResultField{"x", &R::x, Section},
    SingleResultField{"Mu", &R::Mu, Section},
    SingleResultField{"Vc", &R::Vc, Section},
    SingleResultField{"rhoPct", &R::rhoPct, Section},
    SingleResultField{"rho", &R::rho, Section},
    SingleResultField{"sigmaSs", &R::sigmaSs, Section},
    SingleResultField{"Wfk", &R::Wfk, Section},
    SingleResultField{"Vmax", &R::Vmax, Section, nullptr, k2018},
    SingleResultField{"aS", &R::aS, Section, nullptr, k2018},
    SingleResultField{"rhoTe0", &R::rhoTe0, Section, nullptr, k2018},
    SingleResultField{"rhoTe", &R::rhoTe, Section, nullptr, k2018},
    SingleResultField{"cw", &R::cw, Section, nullptr, k2018},
    SingleResultField{"dSv", &R::dSv, Stirrup},
    SingleResultField{"Asv", &R::Asv, Stirrup},
    SingleResultField{"rhoSv", &R::rhoSv, Stirrup},
    SingleResultField{"Vcs", &R::Vcs, Stirrup},
};

constexpr std::array kCountFields{
    CountResultField{"nBars", &R::nBars, Snapshot, &D::txtZJGS},
    CountResultField{"safetyClass", &R::safetyClass, Setting, nullptr, k2018},
    CountResultField{"fcukGrade", &R::fcukGrade, Table, nullptr, k2018},
    CountResultField{"sv", &R::sv, Stirrup},
    CountResultField{"fcuk", &R::fcuk, Stirrup},
    CountResultField{"fsv", &R::fsv, Stirrup},
};
// clang-format on

// The fields of `kFields` that the snapshot converts from an input text, in record order, gathered at
// compile time: every calculation takes a snapshot, and walking the whole record for its few converted
// fields would cost as much again as the conversions themselves.
template <const auto& kFields>
constexpr auto fieldsWithSource() {
    constexpr auto hasSource = [](const auto& field) { return field.source != nullptr; };
    std::array<typename std::remove_cvref_t<decltype(kFields)>::value_type,
               std::ranges::count_if(kFields, hasSource)>
        sourced{};
    std::ranges::copy_if(kFields, sourced.begin(), hasSource);
    return sourced;
}

constexpr auto kSnapshotSingleFields = fieldsWithSource<kSingleFields>();
constexpr auto kSnapshotCountFields = fieldsWithSource<kCountFields>();

}  // namespace

std::span<const SingleResultField> singleResultFields() {
    return kSingleFields;
}

std::span<const CountResultField> countResultFields() {
    return kCountFields;
}

std::span<const SingleResultField> snapshotSingleFields() {
    return kSnapshotSingleFields;
}

std::span<const CountResultField> snapshotCountFields() {
    return kSnapshotCountFields;
}

}  // namespace tavrel
