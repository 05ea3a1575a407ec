#pragma once

#include "model/Records.h"

#include <string>

namespace orvex {

// Names of the values an arithmetic error reports, with the section or material they belong to,
// so that a malformed library row or material can be found: "rx of section IPE300".
inline std::string SectionValueName(const TElement& element, const std::string& field) {
    if (element.SectionName.empty())
        return field + " of the section";
    return field + " of section " + element.SectionName;
}

inline std::string MaterialValueName(const TElement& element, const std::string& field) {
    if (element.Material.Name.empty())
        return field + " of the material";
    return field + " of material " + element.Material.Name;
}

} // namespace orvex
