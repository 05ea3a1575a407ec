#include "report/TextWriter.h"

namespace orvex {

namespace {

const std::string kRuleLine(72, '-');

void WriteItem(std::string& out, const ReportLine& line) {
    out += line.Text;
    out += '\n';
}

void WriteItem(std::string& out, const ReportRule&) {
    out += kRuleLine;
    out += '\n';
}

void WriteItem(std::string& out, const ReportPicture& picture) {
    out += "[picture " + std::to_string(picture.Width) + " x " + std::to_string(picture.Height) + "]\n";
}

void WriteItem(std::string& out, const ReportTable& table) {
    for (const ReportCell& cell : table.Cells)
        for (const ReportCellItem& item : cell.Items)
            std::visit([&out](const auto& i) { WriteItem(out, i); }, item);
}

} // namespace

std::string WriteText(const ReportDocument& document) {
    std::string out;
    for (const ReportItem& item : document.Items())
        std::visit([&out](const auto& i) { WriteItem(out, i); }, item);
    return out;
}

} // namespace orvex
