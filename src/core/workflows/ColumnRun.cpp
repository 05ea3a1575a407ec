#include "workflows/ColumnRun.h"

#include "design/ColumnCheck.h"
#include "model/Errors.h"
#include "model/Units.h"
#include "workflows/ColumnDesign.h"

namespace orvex {

namespace {

Extended ReadK(const std::string& text, const char* name) {
    const Extended k = ParseQuantity(text, qkRatio);
    if (k < 0.5L || k > 10)
        throw Error(std::string("the effective length factor ") + name + " must lie between 0.5 and 10");
    return k;
}

std::int32_t CheckedCmCase(int cmCase, const char* name) {
    if (cmCase < 1 || cmCase > 6)
        throw Error(std::string("the Cm case ") + name + " must be one of 1 to 6");
    return cmCase;
}

} // namespace

ColumnRunResult RunColumn(const ColumnJob& job, TProfileLib& lib) {
    ColumnRunResult result;
    result.Mode = job.Mode;
    TElement& element = result.Element;
    element.Kx = ReadK(job.Kx, "Kx");
    element.Ky = ReadK(job.Ky, "Ky");
    element.CmCaseX = CheckedCmCase(job.CmCaseX, "cmCaseX");
    element.CmCaseY = CheckedCmCase(job.CmCaseY, "cmCaseY");
    element.BracedX = job.BracedX;
    element.BracedY = job.BracedY;
    element.TransverseLoadX = job.TransverseLoadX;
    element.TransverseLoadY = job.TransverseLoadY;
    if (job.EndMomentsX)
        ReadEndMoments(*job.EndMomentsX, element.M1x, element.M2x, element.CurvatureX);
    if (job.EndMomentsY)
        ReadEndMoments(*job.EndMomentsY, element.M1y, element.M2y, element.CurvatureY);
    element.L = ParseLength(job.L, "L");
    element.Lbx = ParseLength(job.Lbx, "Lbx");
    element.Lby = ParseLength(job.Lby, "Lby");
    element.P = ParseQuantity(job.P, qkForce);
    element.Mx = ParseQuantity(job.Mx, qkMoment);
    element.My = ParseQuantity(job.My, qkMoment);
    BuildElement(job.Section, job.Material, job.Mode, lib, element);

    try {
        if (job.Mode == rmDesign) {
            result.Found = DesignColumn(result.Log, element, lib);
        } else {
            CheckColumnStresses(result.Log, element);
            result.Found = true;
        }
    } catch (const ArithmeticError& e) {
        throw ArithmeticError(WithSection(element, e.what()));
    }
    return result;
}

} // namespace orvex
