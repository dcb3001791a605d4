// The report content: every line of the worked examples, and each branch of the report's comparisons.
#include "report/report_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "calc/calculated.h"
#include "calc/design_code.h"
#include "report_markup.h"
#include "worked_results.h"

namespace tavrel {
namespace {

using test::markup;

std::vector<std::string> bodyLines(const ReportDocument& document) {
    std::vector<std::string> lines;
    for (const ReportParagraph& paragraph : document.paragraphs) {
        lines.push_back(markup(paragraph));
    }
    return lines;
}

// The worked records carry stirrup values computed for them, unless the case says otherwise.
std::vector<std::string> bodyLines(const CalculationResults& r,
                                   StirrupCheck stirrupCheck = StirrupCheck::Current) {
    return bodyLines(buildReport(r, stirrupCheck, "/figures"));
}

// The lines from the one equal to `first` up to, not including, the one equal to `end`.
std::vector<std::string> linesBetween(const std::vector<std::string>& lines, const std::string& first,
                                      const std::string& end) {
    const auto from = std::find(lines.begin(), lines.end(), first);
    const auto to = std::find(from, lines.end(), end);
    return {from, to};
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void expectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    ASSERT_EQ(actual.size(), expected.size()) << "first line: " << (actual.empty() ? "" : actual.front());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(actual[index], expected[index]) << "line " << index;
    }
}

const std::vector<std::string> kBuriedReport = {
    " 3.5米净跨径22米填土暗涵盖板计算",
    "*{1.设计资料}",
    "  汽车荷载等级：公路-I级； 环境类别：I类环境；",
    "  净跨径：L_{0}=3.5m； 单侧搁置长度：0.30m； 计算跨径：L=3.8m； 填土高：H=22m；",
    "  盖板板端厚d_{1}=108cm；盖板板中厚d_{2}=113cm；盖板宽b=0.99m；保护层厚度c=3cm；",
    "  混凝土强度等级为C30； 轴心抗压强度f_{cd}=13.8Mpa； 轴心抗拉强度f_{td}=1.39Mpa；",
    "  主拉钢筋等级为HRB335； 抗拉强度标准值f_{sd}=280Mpa；",
    "  盖板容重γ_{1}=25kN/m^{3}； 土容重γ_{2}=18kN/m^{3}",
    "[figure]",
    "*{2.外力计算}",
    "1) 永久作用",
    " (1) 竖向土压力",
    "      q=γ_{2}·H·b=18×22×0.99=392.04kN/m",
    " (2) 盖板自重",
    "      g=γ_{1}·(d_{1}+d_{2})·b/2/100=25×(108+113)×0.99/2 /100=27.35kN/m",
    "2) 由车辆荷载引起的垂直压力（可变作用）",
    "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.3.4的规定：",
    "  计算涵洞顶上车辆荷载引起的竖向土压力时，车轮按其着地面积的边缘向下做30°角分布。当几个车轮的压力扩散线"
    "相重叠时，扩散面积以最外面的扩散线为准",
    "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.3.1关于车辆荷载的规定：",
    "      车辆荷载顺板跨长",
    "          L_{a}=13+2·H·tan30=13+2×22×0.577=38.40m",
    "      车辆荷载垂直板跨长",
    "          L_{b}=2.4+2·H·tan30=2.4+2×22×0.577=27.80m",
    "      车轮重",
    "          P=550kN",
    "      车轮重压强L",
    "          p=P/L_{a}/L_{b}=550/38.40/27.80=0.52kN/m^{2}",
    "",
    "*{3.内力计算及荷载组合}",
    "1) 由永久作用引起的内力",
    "  跨中弯矩",
    "      M_{1}=(q+g)·L^{2}/8=(392.04+27.35)×3.8^{2}/8=757.00kNm",
    "  边墙内侧边缘处剪力",
    "      V_{1}=(q+g)·L_{0}/2=(392.04+27.35)×3.5/2=733.93kN",
    "2) 由车辆荷载引起的内力",
    "  跨中弯矩",
    "      M_{2}=p·L^{2}/8=0.52×3.8^{2}/8=0.93kNm",
    "  边墙内侧边缘处剪力",
    "      V_{2}=p·L_{0}/2=0.52×3.5/2=0.90kN",
    "3) 作用效应组合",
    "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.1.6关于作用效应组合的规定：",
    "      跨中弯矩",
    "          γ_{0}M_{d}=0.9(1.2M_{1}+1.4M_{2})",
    "             =0.9×(1.2×757.00+1.4×0.93)=818.73kNm",
    "      边墙内侧边缘处剪力",
    "          γ_{0}V_{d}=0.9(1.2V_{1}+1.4V_{2})",
    "             =0.9×(1.2×733.93+1.4×0.90)=793.78kN",
    "",
    "*{4.截面设计}",
    "  拟用主筋为HRB335级钢筋，直径为25mm，外径为27mm，单根面积为4.909cm^{2}",
    "1) 截面有效高度 ",
    "      h_{0}=d_{1}-c-2.7/2=108-3-1.35=1.037m",
    "2) 试算受压区高度",
    "      x_{0}=h_{0}-(h_{0}^{2}-2γ_{c}·γ_{0}·M_{d}/f_{cd}/b/10^{3})^{1/2}",
    "       =1.037-(1.037^{2}-2×1.25×818.73/13.8/0.99/1000)^{1/2}=0.075m",
    "3) 计算钢筋面积 ",
    "      A_{s}^{0}=f_{cd}·x_{0}·b/f_{sd}=13.8×0.075×0.99/280=0.003659m^{2}",
    "  选用主筋为HRB335级钢筋，直径为25mm，共14根，选用钢筋总面积A_{s}=0.006873m^{2}",
    "",
    "*{5.持久状况承载能力极限状态计算}",
    "1) 砼受压区高度 ",
    "      x=f_{sd}·A_{s}/f_{cd}/b=280×0.006873/13.8/0.99=0.141m",
    "  根据《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
    "D62-2004)中5.2.1关于相对界限受压区高度ξ_{b}的规定:",
    "  HRB335钢筋的相对界限受压区高度ξ_{b}=0.56。",
    "      x≤ξ_{b}·h_{0}=0.56×1.037=0.580m",
    "  砼受压区高度满足规范要求",
    "2) 最小配筋率",
    "  根据《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
    "D62-2004)中9.1.12关于受弯构件最小配筋百分率的规定:",
    "      P=100·A_{s}/b/h_{0}=0.67，不小于45f_{td}/f_{sd}=0.22,同时不小于0.2",
    "  主筋配筋率满足规范要求",
    "3) 正截面抗弯承载力验算 ",
    "  根据《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
    "D62-2004)中5.2.2关于受弯构件正截面抗弯承载力计算的规定:",
    "      f_{cd}·b·x(h_{0}-x/2)=13.8×1000×0.99×0.141(1.037-0.141/2)",
    "                         =1859.04kNm≥γ_{0}M_{d}=818.73kNm",
    "  正截面抗弯承载力满足规范要求",
    "4) 斜截面抗剪承载力验算 ",
    "  根据《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
    "D62-2004)中5.2.10关于受弯构件斜截面抗剪承载力验算的规定:",
    "  对于板式受弯构件，公式可乘以1.25提高系数",
    "      1.25×0.5×10^{-3}·α_{2}·f_{td}·b·h_{0}=1.25×0.0005×1×1.39×0.99×1000×1.037×1000",
    "                          =891.45kN≥γ_{0}V_{d}=793.78kN",
    "  可不进行斜截面抗剪承载力的验算，只需按照《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG D62-2004)中"
    "9.3.13构造要求配置箍筋",
    "",
    "*{6.裂缝宽度计算}",
    "  根据《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG D62-2004)中6.4关于裂缝宽度验算的规定:",
    "  环境类别为I类环境，对于钢筋混凝土构件，最大裂缝宽度不应超过0.20mm",
    "  受拉钢筋的应力",
    "      σ_{ss}=M_{s}/0.87/A_{s}/h_{0}=818.73/0.87/0.006873/1.037=132.11Mpa",
    "  裂缝宽度",
    "      W_{fk}=C_{1}·C_{2}·C_{3}·σ_{ss}·(30+d)/E_{s}/(0.28+10·ρ)",
    "          =1×1.5×1.15×132.11×(30+25)/2.00×10^{5}/(0.28+10×0.0067)",
    "          =0.18mm≤0.20mm",
    "  裂缝宽度满足规范要求",
};

TEST(ReportContent, BuriedWorkedExampleReadsLineByLine) {
    expectLines(bodyLines(test::buriedWorkedExample()), kBuriedReport);
}

TEST(ReportContent, OpenCulvertStatesPavementAndWheelWithImpact) {
    const std::vector<std::string> lines = bodyLines(test::openWorkedExample());
    expectLines(
        linesBetween(lines, "*{1.设计资料}", "[figure]"),
        {
            "*{1.设计资料}",
            "  汽车荷载等级：公路-I级； 环境类别：I类环境；",
            "  净跨径：L_{0}=3.5m； 单侧搁置长度：0.30m； 计算跨径：L=3.8m；",
            "  盖板板端厚d_{1}=108cm；盖板板中厚d_{2}=113cm；盖板宽b=0.99m；保护层厚度c=3cm；",
            "  混凝土强度等级为C30； 轴心抗压强度f_{cd}=13.8Mpa； 轴心抗拉强度f_{td}=1.39Mpa；",
            "  主拉钢筋等级为HRB335； 抗拉强度标准值f_{sd}=280Mpa；",
            "  涵顶铺装厚H_{1}=8cm； 涵顶表处厚H_{2}=9cm；",
            "  盖板容重γ_{1}=25kN/m^{3}； 涵顶铺装容重γ_{2}=25kN/m^{3}； 涵顶表处容重γ_{3}=23kN/m^{3}",
        });
    expectLines(linesBetween(lines, "*{2.外力计算}", "*{4.截面设计}"),
                {
                    "*{2.外力计算}",
                    "1) 永久作用",
                    " (1) 涵顶铺装及涵顶表处自重",
                    "      q=(γ_{2}·H_{1}+γ_{3}·H_{2})·b=(25×0.08+23×0.09)×0.99=4.03kN/m",
                    " (2) 盖板自重",
                    "      g=γ_{1}·(d_{1}+d_{2})·b/2/100=25×(108+113)×0.99/2 /100=27.35kN/m",
                    "2) 由车辆荷载引起的垂直压力（可变作用）",
                    "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.3.1关于车辆荷载的规定：",
                    "      车辆荷载顺板跨长",
                    "          L_{a}=0.2m",
                    "      车辆荷载垂直板跨长",
                    "          L_{b}=0.6m",
                    "      车轮重",
                    "          P=70kN",
                    "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.3.2关于汽车荷载冲击力的规定：",
                    "  汽车荷载的局部加载，冲击系数采用1.3",
                    "      车轮重压强",
                    "          p=1.3·P/L_{a}/L_{b}=1.3×70/0.20/0.60=758.33kN/m^{2}",
                    "",
                    "*{3.内力计算及荷载组合}",
                    "1) 由永久作用引起的内力",
                    "  跨中弯矩",
                    "      M_{1}=(q+g)·L^{2}/8=(4.03+27.35)×3.8^{2}/8=56.64kNm",
                    "  边墙内侧边缘处剪力",
                    "      V_{1}=(q+g)·L_{0}/2=(4.03+27.35)×3.5/2=54.91kN",
                    "2) 由车辆荷载引起的内力",
                    "  跨中弯矩",
                    "      M_{2}=p·L_{a}·(L-L_{a}/2)/4=758.33×0.20×(3.8-0.20/2)/4=140.29kNm",
                    "  边墙内侧边缘处剪力",
                    "      V_{2}=p·L_{a}·(L_{0}-L_{a}/2)/L_{0}=758.33×0.20×(3.5-0.20/2)/3.5=147.33kN",
                    "3) 作用效应组合",
                    "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.1.6关于作用效应组合的规定：",
                    "      跨中弯矩",
                    "          γ_{0}M_{d}=0.9(1.2M_{1}+1.4M_{2})",
                    "             =0.9×(1.2×56.64+1.4×140.29)=237.94kNm",
                    "      边墙内侧边缘处剪力",
                    "          γ_{0}V_{d}=0.9(1.2V_{1}+1.4V_{2})",
                    "             =0.9×(1.2×54.91+1.4×147.33)=244.94kN",
                    "",
                });
}

TEST(ReportContent, CustomLoadStatesItsLoadsWithoutVehicle) {
    const std::vector<std::string> lines = bodyLines(test::customWorkedExample());
    EXPECT_EQ(lines.front(), " 3.5米净跨径自定义荷载盖板计算");
    expectLines(
        linesBetween(lines, "  主拉钢筋等级为HRB335； 抗拉强度标准值f_{sd}=280Mpa；", "*{4.截面设计}"),
        {
            "  主拉钢筋等级为HRB335； 抗拉强度标准值f_{sd}=280Mpa；",
            "  均布荷载q_{K}=10KN/m； 均布荷载宽度q_{K}c=2m； 集中力P_{K}=10KN  盖板容重γ_{1}=25kN/m^{3}",
            "[figure]",
            "*{2.外力计算}",
            "1) 均布荷载",
            "  q_{K}=10KN/m",
            "2) 集中力",
            "  P_{K}=10KN",
            "3) 盖板自重",
            "  g=γ_{1}·(d_{1}+d_{2})·b/2/100=25×(108+113)×0.99/2 /100=27.35kN/m",
            "",
            "*{3.内力计算及荷载组合}",
            "1) 由均布荷载引起的内力",
            "  跨中弯矩",
            "      M_{1}=q_{K}·q_{K}c·(L-q_{K}c/2)/4=10×2×(3.8-2/2)/4=14.00kNm",
            "  边墙内侧边缘处剪力",
            "      V_{1}=q_{K}·q_{K}c·(L_{0}-q_{K}c/2)/L_{0}=10×2×(3.5-2/2)/3.5=14.29kN",
            "2) 由集中力引起的内力",
            "  跨中弯矩",
            "      M_{2}=P_{K}·L/4=10×3.8/4=9.50kNm",
            "  边墙内侧边缘处剪力",
            "      V_{2}=P_{K}/2=10/2=5.00kN",
            "3) 由盖板自重引起的内力",
            "  跨中弯矩",
            "      M_{3}=g·L^{2}/8=27.35×3.8^{2}/8=49.36kNm",
            "  边墙内侧边缘处剪力",
            "      V_{3}=g·L_{0}/2=27.35×3.5/2=47.86kN",
            "4) 作用效应组合",
            "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.1.6关于作用效应组合的规定：",
            "      跨中弯矩",
            "          γ_{0}M_{d}=0.9×1.2×(M_{1}+M_{2}+M_{3})",
            "             =0.9×1.2×(14.00+9.50+49.36)=78.69kNm",
            "      边墙内侧边缘处剪力",
            "          γ_{0}V_{d}=0.9×1.2(V_{1}+V_{2}+V_{3})",
            "             =0.9×1.2×(14.29+5.00+47.86)=72.52kN",
            "",
        });
}

TEST(ReportContent, SectionsFourToSixAreTheSameForEverySlabType) {
    const auto sectionsFourToSix = [](const CalculationResults& r) {
        std::vector<std::string> lines = bodyLines(r);
        return std::vector<std::string>(std::find(lines.begin(), lines.end(), "*{4.截面设计}"), lines.end());
    };
    CalculationResults open = test::openWorkedExample();
    CalculationResults custom = test::customWorkedExample();
    for (CalculationResults* r : {&open, &custom}) {
        const CalculationResults buried = test::buriedWorkedExample();
        r->gamma0Md = buried.gamma0Md;
        r->gamma0Vd = buried.gamma0Vd;
        r->x0 = buried.x0;
        r->As0 = buried.As0;
        r->sigmaSs = buried.sigmaSs;
        r->Wfk = buried.Wfk;
        EXPECT_EQ(sectionsFourToSix(*r), sectionsFourToSix(test::buriedWorkedExample()));
    }
}

// ---------------------------------------------------------------------------------------------------
// Frame: header, footer, title, figure, page

TEST(ReportFrame, TitleAndHeaderNameSpanAndFillOfTheSlabType) {
    struct Case {
        const char* slabType;
        std::function<CalculationResults()> results;
        const char* title;
        const char* figure;
    };
    const auto withSpanAndFill = [](CalculationResults r) {
        r.L0 = 2.5f;
        r.H = 3;
        return r;
    };
    const Case cases[] = {
        {"buried", [&] { return withSpanAndFill(test::buriedWorkedExample()); },
         " 2.5米净跨径3米填土暗涵盖板计算", "/figures/暗涵盖板.JPG"},
        {"open", [&] { return withSpanAndFill(test::openWorkedExample()); }, " 2.5米净跨径明涵盖板计算",
         "/figures/明涵盖板.JPG"},
        {"custom", [&] { return withSpanAndFill(test::customWorkedExample()); },
         " 2.5米净跨径自定义荷载盖板计算", "/figures/自定义荷载.JPG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slabType);
        const ReportDocument document = buildReport(c.results(), StirrupCheck::NotDone, "/figures");
        EXPECT_EQ(reportTitle(c.results()), c.title);
        const ReportParagraph& title = document.paragraphs.front();
        EXPECT_EQ(title.style, ReportParagraph::Style::Title);
        EXPECT_EQ(title.alignment, ReportParagraph::Alignment::Centre);
        EXPECT_EQ(title.text(), c.title);

        EXPECT_EQ(document.header.text(), std::string(c.title) + "  \t");
        EXPECT_TRUE(document.header.rightTabAtMargin);
        ASSERT_FALSE(document.header.runs.empty());
        EXPECT_EQ(document.header.runs.back().field, ReportRun::Field::Date);

        const auto figure = std::find_if(document.paragraphs.begin(), document.paragraphs.end(),
                                         [](const ReportParagraph& p) { return p.picture.has_value(); });
        ASSERT_NE(figure, document.paragraphs.end());
        EXPECT_EQ(figure->picture->path, c.figure);
        EXPECT_EQ(figure->alignment, ReportParagraph::Alignment::Centre);
    }
}

TEST(ReportFrame, FooterCountsPagesWithFields) {
    const ReportDocument document = buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, "");
    EXPECT_EQ(document.footer.alignment, ReportParagraph::Alignment::Centre);
    EXPECT_EQ(document.footer.text(), "第  页 共  页");
    std::vector<ReportRun::Field> fields;
    for (const ReportRun& run : document.footer.runs) {
        if (run.field != ReportRun::Field::None) {
            fields.push_back(run.field);
        }
    }
    EXPECT_EQ(fields, (std::vector{ReportRun::Field::PageNumber, ReportRun::Field::PageCount}));
}

TEST(ReportFrame, WithoutFigureFolderTheFigureParagraphStaysEmptyAndCentred) {
    const ReportDocument document = buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, "");
    const std::vector<std::string> lines = bodyLines(document);
    const auto heading = std::find(lines.begin(), lines.end(), "*{2.外力计算}");
    ASSERT_NE(heading, lines.begin());
    const ReportParagraph& figure =
        document.paragraphs[static_cast<std::size_t>(heading - lines.begin()) - 1];
    EXPECT_FALSE(figure.picture.has_value());
    EXPECT_TRUE(figure.runs.empty());
    EXPECT_EQ(figure.alignment, ReportParagraph::Alignment::Centre);
}

TEST(ReportFrame, PageIsA4PortraitWithTheReportMarginsAndALineGrid) {
    const PageSetup page = buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, "").page;
    EXPECT_EQ(page.width, 11906);
    EXPECT_EQ(page.height, 16838);
    EXPECT_EQ(page.marginTop, 1417);
    EXPECT_EQ(page.marginBottom, 1417);
    EXPECT_EQ(page.marginLeft, 1701);
    EXPECT_EQ(page.marginRight, 1134);
    EXPECT_EQ(page.gutter, 0);
    EXPECT_EQ(page.headerDistance, 1191);
    EXPECT_EQ(page.footerDistance, 1191);
    EXPECT_TRUE(page.lineGrid);
}

TEST(ReportFrame, TitleIsSixteenPointAtOneAndAHalfLinesBodyTwelvePoint) {
    const ReportDocument document = buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, "");
    EXPECT_EQ(document.titleStyle.font, "仿宋_GB2312");
    EXPECT_EQ(document.titleStyle.sizeHalfPoints, 32);
    EXPECT_DOUBLE_EQ(document.titleStyle.lineSpacing, 1.5);
    EXPECT_EQ(document.bodyStyle.font, "仿宋_GB2312");
    EXPECT_EQ(document.bodyStyle.sizeHalfPoints, 24);
}

TEST(ReportFrame, BuildingTwiceGivesIdenticalDocuments) {
    const CalculationResults r = test::buriedWithStirrups();
    EXPECT_EQ(buildReport(r, StirrupCheck::Current, "/f"), buildReport(r, StirrupCheck::Current, "/f"));
}

// ---------------------------------------------------------------------------------------------------
// Branches of sections 1 to 3

TEST(ReportLoads, FillHeightBandChoosesTheSpreadTexts) {
    struct Case {
        float H;
        const char* along;
        const char* across;
    };
    const Case cases[] = {
        {0.5f, "=0.2+2·H·tan30=0.2+2×0.5", "=0.6+2·H·tan30=0.6+2×0.5"},
        {std::nextafter(designCode(Edition::Jtg2004).vehicle.fillAxlesJoinM, 0.0f),
         "=0.2+2·H·tan30=0.2+2×1.0392", "=0.6+2·H·tan30=0.6+2×1.0392"},
        {1.0392f, "=1.6+2·H·tan30=1.6+2×1.0392", "=2.4+2·H·tan30=2.4+2×1.0392"},
        {5.889f, "=13+2·H·tan30=13+2×5.889", "=2.4+2·H·tan30=2.4+2×5.889"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.H);
        CalculationResults r = test::buriedWorkedExample();
        r.H = c.H;
        const std::vector<std::string> lines = bodyLines(r);
        const auto along = std::find(lines.begin(), lines.end(), "      车辆荷载顺板跨长");
        ASSERT_NE(along, lines.end());
        EXPECT_EQ(along[1].rfind(std::string("          L_{a}") + c.along + "×0.577=", 0), 0u) << along[1];
        EXPECT_EQ(along[3].rfind(std::string("          L_{b}") + c.across + "×0.577=", 0), 0u) << along[3];
    }
}

TEST(ReportLoads, WheelSpreadShorterThanSpanUsesThePartialFormulas) {
    struct Case {
        const char* name;
        float La;
        const char* moment;
        const char* shear;
    };
    const Case cases[] = {
        {"shorter", 3.7f, "      M_{2}=p·L_{a}·(L-L_{a}/2)/4=0.52×3.70×(3.8-3.70/2)/4=0.93kNm",
         "      V_{2}=p·L_{a}·(L_{0}-L_{a}/2)/L_{0}=0.52×3.70×(3.5-3.70/2)/3.5=0.90kN"},
        {"equal", 3.8f, "      M_{2}=p·L^{2}/8=0.52×3.8^{2}/8=0.93kNm",
         "      V_{2}=p·L_{0}/2=0.52×3.5/2=0.90kN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationResults r = test::buriedWorkedExample();
        r.La = c.La;
        const std::vector<std::string> lines = bodyLines(r);
        EXPECT_TRUE(contains(lines, c.moment));
        EXPECT_TRUE(contains(lines, c.shear));
    }
}

TEST(ReportLoads, UniformLoadOverTheWholeSpanUsesTheFullSpanFormulas) {
    struct Case {
        const char* name;
        float qKc;
        const char* moment;
        const char* shear;
    };
    const Case cases[] = {
        {"equal to the span", 3.8f, "      M_{1}=q_{K}·L^{2}/8=10×3.8^{2}/8=14.00kNm",
         "      V_{1}=q_{K}·L_{0}/2=10×3.5/2=14.29kN"},
        {"longer than the span", 4.5f, "      M_{1}=q_{K}·L^{2}/8=10×3.8^{2}/8=14.00kNm",
         "      V_{1}=q_{K}·L_{0}/2=10×3.5/2=14.29kN"},
        {"shorter than the span", 3.7f,
         "      M_{1}=q_{K}·q_{K}c·(L-q_{K}c/2)/4=10×3.7×(3.8-3.7/2)/4=14.00kNm",
         "      V_{1}=q_{K}·q_{K}c·(L_{0}-q_{K}c/2)/L_{0}=10×3.7×(3.5-3.7/2)/3.5=14.29kN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationResults r = test::customWorkedExample();
        r.qKc = c.qKc;
        const std::vector<std::string> lines = bodyLines(r);
        EXPECT_TRUE(contains(lines, c.moment));
        EXPECT_TRUE(contains(lines, c.shear));
    }
}

TEST(ReportLoads, ValuesShowInGeneralFormOrRoundedToTheirPattern) {
    CalculationResults r = test::buriedWorkedExample();
    r.L0 = 2;
    r.b = 1;
    r.Lseat = 0.255f;
    const std::vector<std::string> lines = bodyLines(r);
    EXPECT_TRUE(
        contains(lines, "  净跨径：L_{0}=2m； 单侧搁置长度：0.26m； 计算跨径：L=3.8m； 填土高：H=22m；"));
    EXPECT_TRUE(
        contains(lines, "  盖板板端厚d_{1}=108cm；盖板板中厚d_{2}=113cm；盖板宽b=1.00m；保护层厚度c=3cm；"));
}

// ---------------------------------------------------------------------------------------------------
// Section 4

TEST(ReportSectionDesign, OuterDiameterIsShownInCentimetresAndHalved) {
    CalculationResults r = test::buriedWorkedExample();
    r.dBar = 16;
    r.dOut = 17.5f;
    r.h0 = 1.04125f;
    const std::vector<std::string> lines = bodyLines(r);
    EXPECT_TRUE(contains(lines, "      h_{0}=d_{1}-c-1.75/2=108-3-0.875=1.041m"));
}

TEST(ReportSectionDesign, TrialZoneWithoutRealValueIsExplainedInsteadOfANumber) {
    CalculationResults r = test::buriedWorkedExample();
    r.gamma0Md = 10000;
    r.x0 = 0;
    r.As0 = 0;
    const std::vector<std::string> lines = bodyLines(r);
    EXPECT_TRUE(contains(lines,
                         "       =1.037-(1.037^{2}-2×1.25×10000.00/13.8/0.99/1000)^{1/2}="
                         "!{无实数解：截面仅配受拉钢筋不能承受该设计弯矩，应增大截面尺寸}"));
    EXPECT_TRUE(contains(lines, "      A_{s}^{0}=f_{cd}·x_{0}·b/f_{sd}：因x_{0}无实数解，不能计算"));
}

// ---------------------------------------------------------------------------------------------------
// Section 5 verdicts

struct VerdictCase {
    const char* name;
    std::function<void(CalculationResults&)> change;
    std::vector<std::string> lines;  // consecutive lines expected in the report
};

void expectConsecutive(const std::vector<std::string>& lines, const std::vector<std::string>& expected) {
    const auto found = std::search(lines.begin(), lines.end(), expected.begin(), expected.end());
    EXPECT_NE(found, lines.end()) << "missing, starting with: " << expected.front();
}

void runVerdictCases(const std::vector<VerdictCase>& cases) {
    for (const VerdictCase& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationResults r = test::buriedWorkedExample();
        c.change(r);
        expectConsecutive(bodyLines(r), c.lines);
    }
}

TEST(ReportChecks, CompressionZoneVerdictFollowsTheLimitHeight) {
    runVerdictCases({
        {"equal passes",
         [](CalculationResults& r) {
             r.xiB = 0.5f;
             r.h0 = 0.4f;
             r.x = 0.2f;
         },
         {"      x≤ξ_{b}·h_{0}=0.50×0.400=0.200m", "  砼受压区高度满足规范要求"}},
        {"higher fails in red",
         [](CalculationResults& r) { r.x = 0.6f; },
         {"      x≥ξ_{b}·h_{0}=0.56×1.037=0.580m",
          "!{  砼受压区高度不满足规范要求，应减小主筋面积或减少主筋根数}"}},
    });
}

TEST(ReportChecks, MinimumReinforcementPrintsEachCombinationOfItsTwoLimits) {
    // b·h0 = 1 m², so the percentage is 100·As.
    const auto withPercentage = [](float as, float fsd, float ftd) {
        return [=](CalculationResults& r) {
            r.b = 1;
            r.h0 = 1;
            r.As = as;
            r.fsd = fsd;
            r.ftd = ftd;
        };
    };
    runVerdictCases({
        {"above both",
         withPercentage(0.003f, 280, 1.39f),
         {"      P=100·A_{s}/b/h_{0}=0.30，不小于45f_{td}/f_{sd}=0.22,同时不小于0.2",
          "  主筋配筋率满足规范要求"}},
        {"above 0.2 only",
         withPercentage(0.0021f, 280, 1.39f),
         {"      P=100·A_{s}/b/h_{0}=0.21，不小于0.2，可是小于45f_{td}/f_{sd}=0.22",
          "!{  主筋配筋率不满足规范要求，应增大主筋面积或增加主筋根数}"}},
        {"HRB335 with C25 at 0.15 % is below both",
         withPercentage(0.0015f, 280, 1.23f),
         {"      P=100·A_{s}/b/h_{0}=0.15，小于45f_{td}/f_{sd}=0.20,同时小于0.2",
          "!{  主筋配筋率不满足规范要求，应增大主筋面积或增加主筋根数}"}},
        {"above the relative limit only",
         withPercentage(0.0019f, 400, 1.23f),
         {"      P=100·A_{s}/b/h_{0}=0.19，不小于45f_{td}/f_{sd}=0.14，可是小于0.2",
          "!{  主筋配筋率不满足规范要求，应增大主筋面积或增加主筋根数}"}},
        {"exactly 0.2 and the relative limit",
         withPercentage(0.002f, 450, 2.0f),
         {"      P=100·A_{s}/b/h_{0}=0.20，不小于45f_{td}/f_{sd}=0.20,同时不小于0.2",
          "  主筋配筋率满足规范要求"}},
    });
}

TEST(ReportChecks, FlexuralCapacityEqualToTheDesignMomentPasses) {
    runVerdictCases({
        {"equal passes",
         [](CalculationResults& r) { r.Mu = r.gamma0Md; },
         {"                         =818.73kNm≥γ_{0}M_{d}=818.73kNm", "  正截面抗弯承载力满足规范要求"}},
        {"smaller fails in red",
         [](CalculationResults& r) { r.Mu = 800; },
         {"                         =800.00kNm<γ_{0}M_{d}=818.73kNm", "!{  正截面抗弯承载力不满足规范要求}"}},
    });
}

TEST(ReportChecks, ShearWithinTheSlabBoundNeedsNoStirrupLines) {
    CalculationResults r = test::buriedWorkedExample();
    r.Vc = r.gamma0Vd;
    const std::vector<std::string> lines = bodyLines(r);
    expectConsecutive(
        lines, {"                          =793.78kN≥γ_{0}V_{d}=793.78kN",
                "  可不进行斜截面抗剪承载力的验算，只需按照《公路钢筋混凝土及预应力混凝土桥涵设计规范》"
                "(JTG D62-2004)中9.3.13构造要求配置箍筋",
                "", "*{6.裂缝宽度计算}"});
    EXPECT_FALSE(contains(lines, "  箍筋配筋率"));
}

TEST(ReportChecks, ShearAboveTheSlabBoundContinuesWithTheStirrupCheck) {
    const std::vector<std::string> lines = bodyLines(test::buriedWithStirrups());
    expectLines(
        linesBetween(lines, "                          =891.45kN<γ_{0}V_{d}=950.00kN", "*{6.裂缝宽度计算}"),
        {
            "                          =891.45kN<γ_{0}V_{d}=950.00kN",
            "  斜截面抗剪承载力不满足规范5.2.10要求，需通过配置箍筋提高抗剪承载力",
            "  根据《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
            "D62-2004)中5.2.7关于受弯构件斜截面抗剪承载力"
            "计算的规定:",
            "  拟用箍筋为R235级钢筋，直径为10mm，箍筋间距为10cm",
            "  纵向受拉钢筋的配筋百分率",
            "      P=100·A_{s}/b/h_{0}=100×0.006873/0.99/1.037=0.67",
            "  箍筋配筋率",
            "      ρ_{sv}=A_{sv}/s_{v}/b",
            "      其中 A_{sv}为同一截面内箍筋总面积 s_{v}为箍筋间距",
            "      ρ_{sv}=0.000157/0.10/0.99=0.001586",
            "  混凝土和箍筋共同承担的斜截面抗剪承载力",
            "      "
            "V_{cs}=α_{1}·α_{2}·α_{3}·0.45×10^{-3}·b·h_{0}((2+0.6·P)·(f_{cu,k})^{1/2}·ρ_{sv}·f_{sv})^{1/2}",
            "        =1×1×1.1×0.00045×0.99×1000×1.037×1000×((2+0.6×0.67)×30^{1/2}×0.001586×195)^{1/2}",
            "        =1024.50kN≥γ_{0}V_{d}=950.00kN",
            "  斜截面抗剪承载力满足规范要求",
            "",
        });
}

// Stirrup values not computed for this calculation, never computed or left from another section (which
// may even pass), are not printed: a red line asks for the stirrup check and section 6 follows.
TEST(ReportChecks, ShearAboveTheSlabBoundWithoutAStirrupCheckOfThisCalculationAsksForOne) {
    struct Case {
        const char* name;
        CalculationResults results;
    };
    CalculationResults neverComputed = test::buriedWorkedExample();
    neverComputed.gamma0Vd = 950;
    const Case cases[] = {{"never computed", neverComputed},
                          {"left from another section", test::buriedWithStirrups()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> lines = bodyLines(c.results, StirrupCheck::NotDone);
        expectLines(linesBetween(lines, "                          =891.45kN<γ_{0}V_{d}=950.00kN",
                                 "*{6.裂缝宽度计算}"),
                    {
                        "                          =891.45kN<γ_{0}V_{d}=950.00kN",
                        "  斜截面抗剪承载力不满足规范5.2.10要求，需通过配置箍筋提高抗剪承载力",
                        "!{  未进行箍筋抗剪承载力验算：请在箍筋信息窗口输入箍筋数据并计算后重新生成计算书}",
                        "",
                    });
        EXPECT_TRUE(contains(lines, "*{6.裂缝宽度计算}"));
        EXPECT_FALSE(contains(lines, "  拟用箍筋为R235级钢筋，直径为10mm，箍筋间距为10cm"));
        EXPECT_FALSE(contains(lines, "  斜截面抗剪承载力满足规范要求"));
    }
}

TEST(ReportChecks, ShearWithinTheSlabBoundReadsTheSameWhetherOrNotStirrupsWereChecked) {
    const CalculationResults r = test::buriedWorkedExample();
    EXPECT_EQ(bodyLines(r, StirrupCheck::NotDone), bodyLines(r, StirrupCheck::Current));
}

TEST(ReportChecks, StirrupVerdictAcceptsEqualityAndFailsInRed) {
    struct Case {
        const char* name;
        float Vcs;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"equal passes", 950, {"        =950.00kN≥γ_{0}V_{d}=950.00kN", "  斜截面抗剪承载力满足规范要求"}},
        {"smaller fails",
         900,
         {"        =900.00kN<γ_{0}V_{d}=950.00kN", "!{  斜截面抗剪承载力不满足规范要求}"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationResults r = test::buriedWithStirrups();
        r.Vcs = c.Vcs;
        const std::vector<std::string> lines = bodyLines(r);
        expectConsecutive(lines, c.lines);
        EXPECT_TRUE(contains(lines, "  斜截面抗剪承载力不满足规范5.2.10要求，需通过配置箍筋提高抗剪承载力"))
            << "the 5.2.10 line stays in the normal colour";
    }
}

TEST(ReportChecks, StirrupFormulaShowsThePercentageCappedAtTwoAndAHalf) {
    struct Case {
        float rhoPct;
        const char* shown;
    };
    const Case cases[] = {{2.6f, "×((2+0.6×2.5)×30^{1/2}"},
                          {2.5f, "×((2+0.6×2.50)×30^{1/2}"},
                          {2.499f, "×((2+0.6×2.50)×30^{1/2}"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rhoPct);
        CalculationResults r = test::buriedWithStirrups();
        r.rhoPct = c.rhoPct;
        const std::vector<std::string> lines = bodyLines(r);
        const bool shown = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(c.shown) != std::string::npos;
        });
        EXPECT_TRUE(shown);
    }
}

TEST(ReportChecks, CrackWidthEqualToTheLimitPasses) {
    runVerdictCases({
        {"equal passes",
         [](CalculationResults& r) { r.Wfk = r.Wlim; },
         {"          =0.20mm≤0.20mm", "  裂缝宽度满足规范要求"}},
        {"wider fails in red",
         [](CalculationResults& r) { r.Wfk = 0.25f; },
         {"          =0.25mm>0.20mm", "!{  裂缝宽度不满足规范要求}"}},
    });
}

TEST(ReportChecks, EveryFailureIsRedInItsOwnSectionAndTheReportGoesOn) {
    CalculationResults r = test::failingEveryCheck();
    r.b = 1;
    r.h0 = 1;
    const std::vector<std::string> lines = bodyLines(r);
    std::vector<std::string> red;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(red),
                 [](const std::string& line) { return line.rfind("!{", 0) == 0; });
    EXPECT_EQ(red, (std::vector<std::string>{
                       "!{  砼受压区高度不满足规范要求，应减小主筋面积或减少主筋根数}",
                       "!{  主筋配筋率不满足规范要求，应增大主筋面积或增加主筋根数}",
                       "!{  正截面抗弯承载力不满足规范要求}",
                       "!{  斜截面抗剪承载力不满足规范要求}",
                       "!{  裂缝宽度不满足规范要求}",
                   }));
    EXPECT_EQ(lines.back(), "!{  裂缝宽度不满足规范要求}");
}

TEST(ReportChecks, NoValueEverShowsAsNanOrInfinity) {
    CalculationResults r = test::buriedWithStirrups();
    r.sigmaSs = std::numeric_limits<float>::infinity();
    r.Wfk = std::numeric_limits<float>::quiet_NaN();
    r.rhoSv = -std::numeric_limits<float>::infinity();
    r.h0 = 0;
    for (const std::string& line : bodyLines(r)) {
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
    }
}

// ---------------------------------------------------------------------------------------------------
// With the calculation

TEST(ReportWithCalculation, DefaultBuriedInputReportsTheWorkedDesignValues) {
    const std::vector<std::string> lines = bodyLines(test::calculated(DesignInput{}));
    EXPECT_TRUE(contains(lines, "             =0.9×(1.2×757.00+1.4×0.93)=818.73kNm"));
    EXPECT_TRUE(contains(lines, "             =0.9×(1.2×733.93+1.4×0.90)=793.78kN"));
    EXPECT_TRUE(contains(lines, "                         =1859.04kNm≥γ_{0}M_{d}=818.73kNm"));
    EXPECT_TRUE(contains(lines, "                          =891.45kN≥γ_{0}V_{d}=793.78kN"));
    EXPECT_TRUE(contains(lines, "          =0.18mm≤0.20mm"));
}

}  // namespace
}  // namespace tavrel
