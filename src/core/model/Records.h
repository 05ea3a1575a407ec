#pragma once

#include "model/Extended.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvex {

// Section kinds as stored in a library table (one byte) and in an element (32 bits). Codes above
// 7 may come from a file; every operation that branches on the kind says what it does with them.
enum TSectionKind : std::int32_t {
    pkI = 0,
    pkU = 1,
    pkL = 2,
    pkT = 3,
    pkZ = 4,
    pkBox = 5,
    pkPipe = 6,
    pk2I = 7,
};

enum TElementSource : std::uint8_t {
    esRolled = 0,
    esComposite = 1,
    esPlate = 2,
};

// A table picture: the complete bytes of a Windows BMP file. Shared between a library table and
// the elements that refer to it; empty (null or no bytes) when the table has none.
using TPicture = std::shared_ptr<const std::vector<std::uint8_t>>;

struct TMaterial {
    std::string Name;
    Extended Fy = 0; // kg/cm²
    Extended Fu = 0; // kg/cm²
    Extended E = 0;  // kg/cm²
};

// One section with its material and the data of one member, in kg and cm.
struct TElement {
    // section
    std::string ProfileName; // table name, or "CUSTOM I" for a plate-built section
    TElementSource Source = esRolled;
    TSectionKind Kind = pkI;
    std::string SectionName;
    TPicture Picture;
    bool IsRolled = false;
    // material
    TMaterial Material;
    // section values
    Extended d = 0, bf = 0, tf = 0, tw = 0, r = 0;
    Extended A = 0, G = 0;
    Extended Ix = 0, Iy = 0, Sx = 0, Sy = 0, rx = 0, ry = 0;
    Extended b = 0, h = 0;
    // member
    Extended L = 0, Lbx = 0, Lby = 0;
    // loads
    Extended P = 0, Mx = 0, My = 0, Vx = 0, Vy = 0;
    bool FlangeWebContinuous = false;
    Extended M1x = 0, M2x = 0, M1y = 0, M2y = 0;
    std::int8_t CurvatureX = 0, CurvatureY = 0;
    bool ComputeCb = false;
    Extended Kx = 0, Ky = 0;
    Extended Cmx = 0, Cmy = 0;
    bool BracedX = false, BracedY = false;
    bool TransverseLoadX = false, TransverseLoadY = false;
    std::int32_t CmCaseX = 0, CmCaseY = 0;
};

// A beam resting on a seat angle welded to a column flange.
struct TConnectionSimple {
    TElement Angle;
    TElement Beam;
    TElement Column;
    Extended FreeDis = 0; // cm
    Extended Fee = 0;     // weld quality factor
    Extended Fexx = 0;    // kg/cm²
    Extended D = 0;       // fillet weld size, cm
};

} // namespace orvex
