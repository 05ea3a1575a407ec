#include "DocumentJson.h"
#include "ReportFixtures.h"
#include "workflows/ConnectionReport.h"

#include <gtest/gtest.h>

using namespace orvex;

namespace {

TEST(DocumentJson, EveryKindOfItem) {
    ReportDocument document;
    document.AddLine("title", TextStyle::MainHeading, ParaStyle::Centered);
    document.AddRule();
    TElement section = fixtures::IpeSection();
    document.AddSectionHeader(section, false, false);
    document.AddPicture(fixtures::SectionPicture(), ParaStyle::Left);
    document.AddPicture(nullptr, ParaStyle::Centered);

    const nlohmann::json json = DocumentToJson(document);
    ASSERT_EQ(json.size(), 5u);
    EXPECT_EQ(json[0],
              nlohmann::json::parse(R"({"type":"line","text":"title","textStyle":1,"paraStyle":1})"));
    EXPECT_EQ(json[1], nlohmann::json::parse(R"({"type":"rule"})"));
    EXPECT_EQ(json[2]["type"], "table");
    ASSERT_EQ(json[2]["cells"].size(), 3u);
    EXPECT_EQ(json[2]["cells"][0], nlohmann::json::parse(R"([
        {"type":"line","text":"IPE300","textStyle":2,"paraStyle":1},
        {"type":"picture","width":64,"height":64,"paraStyle":1}])"));
    EXPECT_EQ(json[2]["cells"][1].size(), 7u);
    EXPECT_EQ(json[2]["cells"][2][0],
              nlohmann::json::parse(R"({"type":"line","text":"A = 53.8","textStyle":0,"paraStyle":0})"));
    EXPECT_EQ(json[3], nlohmann::json::parse(R"({"type":"picture","width":64,"height":64,"paraStyle":0})"));
    EXPECT_EQ(json[4], nlohmann::json::parse(R"({"type":"picture","width":0,"height":0,"paraStyle":1})"));
}

} // namespace
