// The RTF and plain-text forms of a document. The RTF checks are light: whether a word processor
// reads the file as meant is checked by the LibreOffice round trip.

#include "../report/ReportFixtures.h"
#include "report/RtfWriter.h"
#include "report/TextWriter.h"

#include <gtest/gtest.h>

#include <string>

using namespace orvex;

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

TEST(RtfWriter, FontsColoursAndPageAreDeclared) {
    const std::string rtf = WriteRtf(ReportDocument());
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_TRUE(Contains(rtf, "{\\f0\\fmodern\\fprq1\\fcharset178 Courier New;}"));
    EXPECT_TRUE(Contains(rtf, "{\\f1\\fswiss\\fprq2\\fcharset0 Arial;}"));
    EXPECT_TRUE(Contains(rtf, "{\\f2\\fmodern\\fprq1\\fcharset0 Courier New;}"));
    EXPECT_TRUE(Contains(rtf,
                         "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;"
                         "\\red255\\green0\\blue0;\\red128\\green128\\blue0;"));
    EXPECT_TRUE(Contains(rtf, "\\margl1134\\margr1134\\margt1134\\margb1134"));
}

TEST(RtfWriter, EachTextStyleAndParagraphStyle) {
    struct Case {
        TextStyle style;
        ParaStyle para;
        const char* expected;
    };
    const Case cases[] = {
        {TextStyle::NormalText, ParaStyle::Left, "\\ql\\f0\\af0\\fs20\\afs20\\cf1\\b0\\ab0 {\\ltrch\\f0"},
        {TextStyle::MainHeading, ParaStyle::Centered, "\\qc\\f1\\af1\\fs36\\afs36\\cf2\\b\\ab {\\ltrch\\f1"},
        {TextStyle::MajorHeading, ParaStyle::Centered, "\\qc\\f1\\af1\\fs24\\afs24\\cf3\\b\\ab {\\ltrch\\f1"},
        {TextStyle::Error, ParaStyle::Centered, "\\qc\\f1\\af1\\fs24\\afs24\\cf4\\b\\ab {\\ltrch\\f1"},
        {TextStyle::Heading3, ParaStyle::Left, "\\ql\\f2\\af2\\fs20\\afs20\\cf5\\b\\ab {\\ltrch\\f2"},
        {TextStyle::Error2, ParaStyle::Left, "\\ql\\f2\\af2\\fs20\\afs20\\cf4\\b0\\ab0 {\\ltrch\\f2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        ReportDocument document;
        document.AddLine("x", c.style, c.para);
        EXPECT_TRUE(Contains(WriteRtf(document), c.expected));
    }
}

TEST(RtfWriter, TextIsEscapedAndPersianRunsAreRightToLeft) {
    struct Case {
        const char* text;
        const char* expected; // the runs, without their character properties
    };
    const Case cases[] = {
        {"a{b}\\c", "{\\ltrch a\\{b\\}\\\\c}"},
        {"tab\there\x01", "{\\ltrch tab\\tab here}"},
        // the blanks between Persian words stay in the right-to-left run, the one before Latin does not
        {"\xD8\xAA\xD9\x8A \xD8\xB1 = 5", "{\\rtlch \\u1578?\\u1610? \\u1585?}{\\ltrch  = 5}"},
        {"L = \xD8\xB1", "{\\ltrch L = }{\\rtlch \\u1585?}"},
        {"\xF0\x9F\x98\x80", "{\\ltrch \\u-10179?\\u-8704?}"}, // beyond 16 bits: a surrogate pair
        {"\xC3\x28", "{\\ltrch \\u-3?(}"},                     // broken UTF-8
        {"\xE2\x82", "{\\ltrch \\u-3?\\u-3?}"},                // cut short
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        ReportDocument document;
        document.AddLine(c.text, TextStyle::NormalText, ParaStyle::Left);
        std::string rtf = WriteRtf(document);
        const std::string format = "\\f0\\af0\\fs20\\afs20\\cf1\\b0\\ab0";
        for (auto at = rtf.find("{\\rtlch" + format); at != std::string::npos;
             at = rtf.find("{\\rtlch" + format))
            rtf.erase(at + 7, format.size());
        for (auto at = rtf.find("{\\ltrch" + format); at != std::string::npos;
             at = rtf.find("{\\ltrch" + format))
            rtf.erase(at + 7, format.size());
        EXPECT_TRUE(Contains(rtf, std::string(c.expected) + "\\par")) << rtf;
    }
}

TEST(RtfWriter, WholeReportIsBalancedAsciiWithTableRulesAndPictures) {
    ReportDocument document;
    document.AddLine("title", TextStyle::MainHeading, ParaStyle::Centered);
    document.AddRule();
    document.AddSectionHeader(fixtures::IpeSection(), true, true);
    document.AddPicture(fixtures::SectionPicture(), ParaStyle::Left);
    auto damaged = std::make_shared<std::vector<std::uint8_t>>(*fixtures::SectionPicture());
    damaged->resize(damaged->size() - 10); // size readable, pixels missing
    document.AddPicture(damaged, ParaStyle::Left);
    document.AddLogBlock(fixtures::SampleLog(fixtures::kPersianHeading), "log");
    const std::string rtf = WriteRtf(document);

    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << "at " << i;
        if (rtf[i] == '\\')
            ++i; // an escaped brace does not count
        else if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}') {
            ASSERT_GT(depth--, 0) << "at " << i;
        }
    }
    EXPECT_EQ(depth, 0);

    EXPECT_EQ(Count(rtf, "\\brdrb\\brdrs"), 3u); // the rule and the two of the log block
    EXPECT_EQ(Count(rtf, "\\trowd"), 1u);
    EXPECT_EQ(Count(rtf, "\\clbrdrt\\brdrs\\brdrw15"), 3u);
    EXPECT_EQ(Count(rtf, "\\cellx"), 3u);
    EXPECT_EQ(Count(rtf, "\\cell\n"), 3u);
    EXPECT_EQ(Count(rtf, "\\row"), 1u);
    EXPECT_EQ(Count(rtf, "\\intbl"), 1u + 1u + 7u + 7u); // name, picture, and the two columns of values
    // the header picture and the whole one; the damaged one leaves an empty paragraph
    EXPECT_EQ(Count(rtf, "{\\pict\\pngblip\\picw64\\pich64\\picwgoal960\\pichgoal960\n89504e470d0a1a0a"), 2u);
}

TEST(TextWriter, OneItemALineAndTablesCellByCell) {
    ReportDocument document;
    document.AddLine("title", TextStyle::MainHeading, ParaStyle::Centered);
    document.AddRule();
    ReportTable table(1, 2);
    table.Cell(0, 0).Items.emplace_back(ReportLine{"name", TextStyle::MajorHeading, ParaStyle::Centered});
    table.Cell(0, 0).Items.emplace_back(MakeReportPicture(fixtures::SectionPicture(), ParaStyle::Centered));
    table.Cell(0, 1).Items.emplace_back(ReportLine{"d = 30", TextStyle::NormalText, ParaStyle::Left});
    table.Cell(0, 1).Items.emplace_back(ReportLine{"bf= 15", TextStyle::NormalText, ParaStyle::Left});
    document.AddTable(table);
    document.AddLine("", TextStyle::NormalText, ParaStyle::Left);
    document.AddPicture(nullptr, ParaStyle::Left);
    document.AddLine("\xD8\xAA\xD9\x8A", TextStyle::Error2, ParaStyle::Left);

    EXPECT_EQ(WriteText(document), "title\n" + std::string(72, '-') +
                                       "\nname\n[picture 64 x 64]\nd = 30\nbf= 15\n\n[picture 0 x 0]\n"
                                       "\xD8\xAA\xD9\x8A\n");
}

} // namespace
