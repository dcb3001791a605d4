// The report under JTG D60-2015 + JTG 3362-2018: the changed and new lines of the edition's worked examples
// for the three slab types, the branches of its new comparisons, and the code facts each edition cites.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "calc/worked_inputs_2018.h"
#include "report/report_builder.h"
#include "report_markup.h"
#include "worked_results.h"

namespace tavrel {
namespace {

std::vector<std::string> bodyLines(const CalculationResults& r, StirrupCheck stirrupCheck) {
    std::vector<std::string> lines;
    for (const ReportParagraph& paragraph : buildReport(r, stirrupCheck, "/figures").paragraphs) {
        lines.push_back(test::markup(paragraph));
    }
    return lines;
}

std::vector<std::string> bodyLines(const test::CalculatedForReport& calculated) {
    return bodyLines(calculated.results, calculated.stirrupCheck);
}

using Block = std::vector<std::string>;  // lines that follow one another in the report

// Each block stands in the report line after line, and the blocks stand in the order given.
void expectBlocksInOrder(const std::vector<std::string>& lines, const std::vector<Block>& blocks) {
    auto from = lines.begin();
    for (const Block& block : blocks) {
        const auto found = std::search(from, lines.end(), block.begin(), block.end());
        if (found == lines.end()) {
            ADD_FAILURE() << "missing, or out of order, the block starting with: " << block.front();
            return;
        }
        from = found + static_cast<std::ptrdiff_t>(block.size());
    }
}

const std::string kLoadsCode = "  根据《公路桥涵设计通用规范》(JTG D60-2015)中";
const std::string kMembersCode = "  根据《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG 3362-2018)中";
const std::string kCrackFormula = "      W_{cr}=C_{1}·C_{2}·C_{3}·σ_{ss}/E_{s}·(c+d)/(0.36+1.7·ρ_{te})";
const std::string kCoverLegend =
    "      其中c为最外排纵向受拉钢筋的混凝土保护层厚度(mm)，大于50mm时取50mm；d为纵向受拉钢筋直径(mm)";

struct ListingCase {
    const char* name;
    std::function<DesignInput()> input;
    std::optional<std::string> stirrupSpacingCm;
    std::vector<Block> blocks;
};

// The listings of the edition's worked examples, line for line. Where they print h0 = 1.0365 as "1.036", the
// report prints "1.037": fixed decimals round the seven-digit general form half away from zero, as every
// line of the 2004 report does.
const ListingCase kListings[] = {
    {"buried default with HRB400",
     test::buriedDefault2018,
     std::nullopt,
     {{"  汽车荷载等级：公路-I级； 环境类别：I类环境；",
       "  设计规范：JTG D60-2015、JTG 3362-2018； 结构设计安全等级：二级，结构重要性系数γ_{0}=1.0；"},
      {"  主拉钢筋等级为HRB400； 抗拉强度设计值f_{sd}=330Mpa；"},
      {"      车轮重压强", "          p=P/L_{a}/L_{b}=550/38.40/27.80=0.52kN/m^{2}",
       kLoadsCode + "4.3.2的规定，填料厚度（包括路面厚度）等于或大于0.5m的涵洞不计冲击力，1+μ=1.0", "",
       "*{3.内力计算及荷载组合}"},
      {"3) 作用组合", kLoadsCode + "4.1.5关于作用基本组合的规定：", "      跨中弯矩",
       "          γ_{0}M_{d}=γ_{0}(1.2M_{1}+1.8(1+μ)M_{2})",
       "             =1.0×(1.2×757.00+1.8×1.0×0.93)=910.07kNm", "      边墙内侧边缘处剪力",
       "          γ_{0}V_{d}=γ_{0}(1.2V_{1}+1.8(1+μ)V_{2})",
       "             =1.0×(1.2×733.93+1.8×1.0×0.90)=882.34kN",
       kLoadsCode + "4.1.6关于作用频遇组合和作用准永久组合的规定（汽车荷载不计冲击力）：",
       "      作用频遇组合跨中弯矩", "          M_{s}=M_{1}+0.7M_{2}=757.00+0.7×0.93=757.65kNm",
       "      作用准永久组合跨中弯矩", "          M_{l}=M_{1}+0.4M_{2}=757.00+0.4×0.93=757.37kNm", ""},
      {"4) 斜截面抗剪承载力验算 ", kMembersCode + "5.2.11关于受弯构件抗剪截面的规定:",
       "      0.51×10^{-3}·(f_{cu,k})^{1/2}·b·h_{0}=0.00051×30^{1/2}×0.99×1000×1.037×1000",
       "                          =2866.39kN≥γ_{0}V_{d}=882.34kN", "  抗剪截面尺寸满足规范要求",
       kMembersCode + "5.2.12关于受弯构件斜截面抗剪承载力验算的规定:",
       "  对于不配置箍筋的板式受弯构件，公式可乘以1.25提高系数",
       "      1.25×0.5×10^{-3}·α_{2}·f_{td}·b·h_{0}=1.25×0.0005×1×1.39×0.99×1000×1.037×1000",
       "                          =891.45kN≥γ_{0}V_{d}=882.34kN",
       "  可不进行斜截面抗剪承载力的验算，只需按照《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
       "3362-2018)中9.3.12构造要求配置箍筋",
       ""},
      {"*{6.裂缝宽度计算}", kMembersCode + "6.4关于裂缝宽度验算的规定:",
       "  环境类别为I类环境（一般环境），对于钢筋混凝土构件，最大裂缝宽度不应超过0.20mm",
       "  作用频遇组合下受拉钢筋的应力",
       "      σ_{ss}=M_{s}/0.87/A_{s}/h_{0}=757.65/0.87/0.006873/1.037=122.25Mpa", "  长期效应影响系数",
       "      C_{2}=1+0.5·M_{l}/M_{s}=1+0.5×757.37/757.65=1.500", "  纵向受拉钢筋的有效配筋率",
       "      a_{s}=c+2.7/2=3+1.35=0.0435m", "      ρ_{te}=A_{s}/(2a_{s}·b)=0.006873/(2×0.0435×0.99)=0.0798",
       "  裂缝宽度", kCrackFormula, kCoverLegend,
       "          =1×1.500×1.15×122.25/2.00×10^{5}×(30+25)/(0.36+1.7×0.0798)", "          =0.12mm≤0.20mm",
       "  裂缝宽度满足规范要求"}}},
    {"open culvert with HPB300 stirrups",
     test::openNeedingStirrups2018,
     "10",
     {{kLoadsCode + "4.3.2关于汽车荷载冲击力的规定：",
       "  汽车荷载的局部加载，冲击系数μ=0.3，1+μ=1.3，只计入承载能力极限状态的作用基本组合",
       "      车轮重压强", "          p=P/L_{a}/L_{b}=70/0.20/0.60=583.33kN/m^{2}"},
      {"             =1.0×(1.2×7.25+1.8×1.3×62.71)=155.44kNm"},
      {"             =1.0×(1.2×11.45+1.8×1.3×110.83)=273.10kN"},
      {"          M_{s}=M_{1}+0.7M_{2}=7.25+0.7×62.71=51.14kNm"},
      {"          M_{l}=M_{1}+0.4M_{2}=7.25+0.4×62.71=32.33kNm"},
      {"                          =716.25kN≥γ_{0}V_{d}=273.10kN", "  抗剪截面尺寸满足规范要求"},
      {"                          =222.76kN<γ_{0}V_{d}=273.10kN",
       "  斜截面抗剪承载力不满足规范5.2.12要求，需通过配置箍筋提高抗剪承载力",
       kMembersCode + "5.2.9关于受弯构件斜截面抗剪承载力计算的规定:",
       "  拟用箍筋为HPB300级钢筋，直径为10mm，箍筋间距为10cm"},
      {"        =1×1×1×0.00045×0.99×1000×0.259×1000×((2+0.6×1.47)×30^{1/2}×0.001586×250)^{1/2}",
       "        =288.67kN≥γ_{0}V_{d}=273.10kN", "  斜截面抗剪承载力满足规范要求", ""},
      {"      σ_{ss}=M_{s}/0.87/A_{s}/h_{0}=51.14/0.87/0.003770/0.259=60.20Mpa"},
      {"      C_{2}=1+0.5·M_{l}/M_{s}=1+0.5×32.33/51.14=1.316"},
      {"      ρ_{te}=A_{s}/(2a_{s}·b)=0.003770/(2×0.0410×0.99)=0.0464"},
      {"          =1×1.316×1.15×60.20/2.00×10^{5}×(30+20)/(0.36+1.7×0.0464)", "          =0.05mm≤0.20mm"}}},
    {"custom load with HPB300 in safety class one",
     test::customHpb300FirstClass2018,
     std::nullopt,
     {{"  设计规范：JTG D60-2015、JTG 3362-2018； 结构设计安全等级：一级，结构重要性系数γ_{0}=1.1；"},
      {"  主拉钢筋等级为HPB300； 抗拉强度设计值f_{sd}=250Mpa；"},
      {"4) 作用组合",
       kLoadsCode + "4.1.5关于作用基本组合的规定（均布荷载和盖板自重按永久作用计，集中力按车辆荷载计）：",
       "      跨中弯矩", "          γ_{0}M_{d}=γ_{0}(1.2(M_{1}+M_{3})+1.8M_{2})",
       "             =1.1×(1.2×(14.00+49.36)+1.8×9.50)=102.45kNm", "      边墙内侧边缘处剪力",
       "          γ_{0}V_{d}=γ_{0}(1.2(V_{1}+V_{3})+1.8V_{2})",
       "             =1.1×(1.2×(14.29+47.86)+1.8×5.00)=91.93kN",
       kLoadsCode + "4.1.6关于作用频遇组合和作用准永久组合的规定：", "      作用频遇组合跨中弯矩",
       "          M_{s}=M_{1}+M_{3}+0.7M_{2}=14.00+49.36+0.7×9.50=70.01kNm", "      作用准永久组合跨中弯矩",
       "          M_{l}=M_{1}+M_{3}+0.4M_{2}=14.00+49.36+0.4×9.50=67.16kNm", ""},
      {"      σ_{ss}=M_{s}/0.87/A_{s}/h_{0}=70.01/0.87/0.004399/1.039=17.61Mpa"},
      {"      C_{2}=1+0.5·M_{l}/M_{s}=1+0.5×67.16/70.01=1.480"},
      {"          =1.4×1.480×1.15×17.61/2.10×10^{5}×(30+20)/(0.36+1.7×0.0542)", "          =0.02mm≤0.20mm"}}},
    {"section too small for the shear",
     test::sectionTooSmallForShear2018,
     "10",
     {{"4) 斜截面抗剪承载力验算 ", kMembersCode + "5.2.11关于受弯构件抗剪截面的规定:",
       "      0.51×10^{-3}·(f_{cu,k})^{1/2}·b·h_{0}=0.00051×30^{1/2}×0.99×1000×0.257×1000",
       "                          =709.34kN<γ_{0}V_{d}=840.50kN",
       "!{  抗剪截面尺寸不满足规范要求，应增大截面尺寸或提高混凝土强度等级}", "", "*{6.裂缝宽度计算}"}}},
};

TEST(Edition2018Report, WorkedExamplesReadAsTheirListings) {
    for (const ListingCase& c : kListings) {
        SCOPED_TRACE(c.name);
        expectBlocksInOrder(bodyLines(test::calculatedForReport(c.input(), c.stirrupSpacingCm)), c.blocks);
    }
}

struct BranchCase {
    const char* name;
    std::function<void(CalculationResults&)> change;
    Block lines;
};

TEST(Edition2018Report, BoundedRatioAndUpperLimitTakeTheirBranchesAtTheStoredSingles) {
    const BranchCase cases[] = {
        {"ratio above 0.1 is taken as 0.1",
         [](CalculationResults& r) { r.rhoTe0 = r.rhoTe = std::nextafter(0.1f, 1.0f); },
         {"      ρ_{te}=A_{s}/(2a_{s}·b)=0.006873/(2×0.0435×0.99)=0.1000，大于0.1，取ρ_{te}=0.1"}},
        {"ratio of exactly 0.1 stands",
         [](CalculationResults& r) { r.rhoTe0 = r.rhoTe = 0.1f; },
         {"      ρ_{te}=A_{s}/(2a_{s}·b)=0.006873/(2×0.0435×0.99)=0.1000"}},
        {"ratio below 0.01 is taken as 0.01",
         [](CalculationResults& r) {
             r.rhoTe0 = 0.00512f;
             r.rhoTe = 0.01f;
         },
         {"      ρ_{te}=A_{s}/(2a_{s}·b)=0.006873/(2×0.0435×0.99)=0.0051，小于0.01，取ρ_{te}=0.01"}},
        {"upper limit equal to the design shear passes",
         [](CalculationResults& r) { r.Vmax = r.gamma0Vd; },
         {"                          =882.34kN≥γ_{0}V_{d}=882.34kN", "  抗剪截面尺寸满足规范要求"}},
        {"cover above the cap shows the capped cover",
         [](CalculationResults& r) { r.cw = 50; },
         {"          =1×1.500×1.15×122.25/2.00×10^{5}×(50+25)/(0.36+1.7×0.0798)"}},
    };
    for (const BranchCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::CalculatedForReport calculated = test::calculatedForReport(test::buriedDefault2018());
        c.change(calculated.results);
        expectBlocksInOrder(bodyLines(calculated), {c.lines});
    }
}

TEST(Edition2018Report, SafetyClassShowsInTheDataAndAsTheFactorOfTheCombination) {
    const auto lines = bodyLines(test::calculatedForReport(test::under2018({}, SafetyClass::Third)));
    expectBlocksInOrder(
        lines,
        {{"  设计规范：JTG D60-2015、JTG 3362-2018； 结构设计安全等级：三级，结构重要性系数γ_{0}=0.9；"},
         {"             =0.9×(1.2×757.00+1.8×1.0×0.93)=819.06kNm"}});
}

// Every citation names the codes of the calculation's own edition, in every report of either edition.
TEST(EditionReports, CiteOnlyTheCodesOfTheirEdition) {
    struct Case {
        const char* name;
        test::CalculatedForReport calculated;
        std::vector<std::string> codes;
    };
    const std::vector<std::string> codes2004 = {"JTG D60-2004", "JTG D62-2004"};
    const std::vector<std::string> codes2018 = {"JTG D60-2015", "JTG 3362-2018"};
    const Case cases[] = {
        {"2004 buried with stirrups", {test::buriedWithStirrups(), StirrupCheck::Current}, codes2004},
        {"2004 open", {test::openWorkedExample(), StirrupCheck::NotDone}, codes2004},
        {"2004 custom", {test::customWorkedExample(), StirrupCheck::NotDone}, codes2004},
        {"2018 open with stirrups", test::calculatedForReport(test::openNeedingStirrups2018(), "10"),
         codes2018},
        {"2018 custom", test::calculatedForReport(test::customHpb300FirstClass2018()), codes2018},
    };
    const std::regex designation(R"(JTG [0-9A-Z-]+)");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int citations = 0;
        for (const std::string& line : bodyLines(c.calculated)) {
            for (std::sregex_iterator it(line.begin(), line.end(), designation), end; it != end; ++it) {
                ++citations;
                EXPECT_NE(std::find(c.codes.begin(), c.codes.end(), it->str()), c.codes.end()) << line;
            }
        }
        EXPECT_GE(citations, 7) << "every check of every report cites its clause";
    }
}

// The factors the combination prints are the doubles the calculation multiplied: taken from the report's
// formula and applied to the stored effects in the calculation's operand order, they give the stored design
// moment to the last bit.
TEST(EditionReports, PrintedCombinationFactorsReproduceTheStoredDesignMoment) {
    struct Case {
        const char* name;
        CalculationResults results;
    };
    const Case cases[] = {
        {"2004 buried",
         test::calculatedForReport(test::withSlabType(DesignInput{}, SlabType::Buried)).results},
        {"2004 open", test::calculatedForReport(test::withSlabType(DesignInput{}, SlabType::Open)).results},
        {"2018 buried", test::calculatedForReport(test::buriedDefault2018()).results},
        {"2018 open", test::calculatedForReport(test::openNeedingStirrups2018()).results},
    };
    const std::regex formula(
        R"(γ_\{0\}M_\{d\}=(0\.9|γ_\{0\})\(([0-9.]+)M_\{1\}\+([0-9.]+)(\(1\+μ\))?M_\{2\}\))");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalculationResults& r = c.results;
        const std::vector<std::string> lines = bodyLines(r, StirrupCheck::NotDone);
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& text) {
            return std::regex_search(text, formula);
        });
        ASSERT_NE(line, lines.end());
        std::smatch factors;
        std::regex_search(*line, factors, formula);
        const bool symbolicImportance = factors[1] == "γ_{0}";
        const double importance =
            symbolicImportance ? r.gamma0 : std::strtod(factors[1].str().c_str(), nullptr);
        const double impact = factors[4].matched ? r.impact : 1.0;
        const double permanent = std::strtod(factors[2].str().c_str(), nullptr);
        const double vehicle = std::strtod(factors[3].str().c_str(), nullptr);
        EXPECT_EQ(toSingle((permanent * r.M1 + vehicle * impact * r.M2) * importance), r.gamma0Md);
    }
}

}  // namespace
}  // namespace tavrel
