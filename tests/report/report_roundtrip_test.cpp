// Every kind of report is saved as RTF and converted back to text by LibreOffice; each text line of
// the document must come back, whole and in order. A word processor that cannot read our RTF, or
// that breaks Persian text apart, fails here.

#include "ConnectionDrawing.h"
#include "ReportFixtures.h"
#include "model/AtomicFile.h"
#include "report/RtfWriter.h"
#include "workflows/BeamReport.h"
#include "workflows/ColumnReport.h"
#include "workflows/ConnectionReport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace orvex;
namespace fs = std::filesystem;

namespace {

struct NamedReport {
    std::string Name;
    ReportInfo Report;
};

std::vector<NamedReport> EveryReport() {
    using namespace fixtures;
    std::vector<NamedReport> reports;
    for (const auto& [mode, found, suffix] :
         {std::tuple{rmAnalysis, true, "analysis"}, std::tuple{rmDesign, true, "design"},
          std::tuple{rmDesign, false, "design-none"}}) {
        reports.push_back({std::string("beam-") + suffix, BuildBeamReport(BeamRun(mode, found))});
        reports.push_back({std::string("column-") + suffix, BuildColumnReport(ColumnRun(mode, found))});
        const ConnectionRunResult connection = ConnectionRun(mode, found);
        reports.push_back(
            {std::string("connection-") + suffix,
             BuildConnectionReport(connection, ConnectionDetailPicture(connection.Connection))});
    }
    return reports;
}

std::string Trimmed(std::string text) {
    const std::string blanks = " \t\r\n\xEF\xBB\xBF"; // the BOM is three bytes of one character
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

void AddLine(std::vector<std::string>& lines, const std::string& text) {
    const std::string t = Trimmed(text);
    if (!t.empty())
        lines.push_back(t);
}

// The non-blank text lines of the document, table cells included, in document order.
std::vector<std::string> DocumentLines(const ReportDocument& document) {
    std::vector<std::string> lines;
    for (const ReportItem& item : document.Items()) {
        if (const auto* line = std::get_if<ReportLine>(&item))
            AddLine(lines, line->Text);
        if (const auto* table = std::get_if<ReportTable>(&item))
            for (const ReportCell& cell : table->Cells)
                for (const ReportCellItem& cellItem : cell.Items)
                    if (const auto* cellLine = std::get_if<ReportLine>(&cellItem))
                        AddLine(lines, cellLine->Text);
    }
    return lines;
}

// LibreOffice reads a run of blanks in a proportional font as blanks each preceded by a
// six-per-em space (U+2006), to keep Word's spacing; those are its own and are dropped here.
std::string WithoutSixPerEmSpaces(std::string text) {
    const std::string sixPerEm = "\xE2\x80\x86";
    for (auto at = text.find(sixPerEm); at != std::string::npos; at = text.find(sixPerEm, at))
        text.erase(at, sixPerEm.size());
    return text;
}

std::vector<std::string> FileLines(const fs::path& path) {
    std::istringstream in(ReadWholeFile(path.string()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        AddLine(lines, WithoutSixPerEmSpaces(line));
    return lines;
}

bool HaveLibreOffice() {
    return std::system("command -v soffice >/dev/null 2>&1") == 0;
}

TEST(ReportRoundTrip, LibreOfficeReadsEveryLineInOrder) {
    if (!HaveLibreOffice())
        GTEST_SKIP() << "soffice is not installed";
    const fs::path dir = ORVEX_ROUNDTRIP_DIR;
    fs::remove_all(dir / "txt");
    fs::create_directories(dir / "txt");

    const std::vector<NamedReport> reports = EveryReport();
    std::string files;
    for (const NamedReport& r : reports) {
        const fs::path rtf = dir / (r.Name + ".rtf");
        WriteFileAtomically(rtf.string(), WriteRtf(r.Report.Document));
        files += " '" + rtf.string() + "'";
    }
    // A profile of our own, so the conversion neither needs nor touches the user's.
    const std::string command = "soffice -env:UserInstallation=file://" + (dir / "profile").string() +
                                " --headless --convert-to 'txt:Text (encoded):UTF8' --outdir '" +
                                (dir / "txt").string() + "'" + files + " > '" +
                                (dir / "soffice.log").string() + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    for (const NamedReport& r : reports) {
        SCOPED_TRACE(r.Name);
        const fs::path txt = dir / "txt" / (r.Name + ".txt");
        ASSERT_TRUE(fs::exists(txt));
        const std::vector<std::string> expected = DocumentLines(r.Report.Document);
        const std::vector<std::string> actual = FileLines(txt);
        ASSERT_FALSE(expected.empty());
        std::size_t found = 0;
        for (const std::string& line : actual)
            if (found < expected.size() && line == expected[found])
                ++found;
        EXPECT_EQ(found, expected.size())
            << "first line not read back in order: " << (found < expected.size() ? expected[found] : "");
    }
}

} // namespace
