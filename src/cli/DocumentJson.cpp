#include "DocumentJson.h"

namespace orvex {

namespace {

nlohmann::json ItemToJson(const ReportLine& line) {
    return {{"type", "line"},
            {"text", line.Text},
            {"textStyle", static_cast<int>(line.Style)},
            {"paraStyle", static_cast<int>(line.Para)}};
}

nlohmann::json ItemToJson(const ReportRule&) {
    return {{"type", "rule"}};
}

nlohmann::json ItemToJson(const ReportPicture& picture) {
    return {{"type", "picture"},
            {"width", picture.Width},
            {"height", picture.Height},
            {"paraStyle", static_cast<int>(picture.Para)}};
}

nlohmann::json ItemToJson(const ReportTable& table) {
    nlohmann::json cells = nlohmann::json::array();
    for (const ReportCell& cell : table.Cells) {
        nlohmann::json items = nlohmann::json::array();
        for (const ReportCellItem& item : cell.Items)
            items.push_back(std::visit([](const auto& i) { return ItemToJson(i); }, item));
        cells.push_back(std::move(items));
    }
    return {{"type", "table"}, {"cells", std::move(cells)}};
}

} // namespace

nlohmann::json DocumentToJson(const ReportDocument& document) {
    nlohmann::json items = nlohmann::json::array();
    for (const ReportItem& item : document.Items())
        items.push_back(std::visit([](const auto& i) { return ItemToJson(i); }, item));
    return items;
}

} // namespace orvex
