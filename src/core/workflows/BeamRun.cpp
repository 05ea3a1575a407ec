#include "workflows/BeamRun.h"

#include "design/BeamChecks.h"
#include "model/Errors.h"
#include "model/Units.h"
#include "workflows/BeamDesign.h"

namespace orvex {

BeamRunResult RunBeam(const BeamJob& job, TProfileLib& lib) {
    BeamRunResult result;
    result.Mode = job.Mode;
    TElement& element = result.Element;
    element.L = ParseLength(job.L, "L");
    element.Lbx = ParseLength(job.Lb, "Lb");
    element.Mx = ParseQuantity(job.Mx, qkMoment);
    element.My = ParseQuantity(job.My, qkMoment);
    element.Vx = ParseQuantity(job.Vx, qkForce);
    element.Vy = ParseQuantity(job.Vy, qkForce);
    if (job.CbEndMoments)
        ReadEndMoments(*job.CbEndMoments, element.M1x, element.M2x, element.CurvatureX);
    element.ComputeCb = job.ComputeCb;
    BuildElement(job.Section, job.Material, job.Mode, lib, element);

    try {
        if (job.Mode == rmDesign) {
            result.Found = DesignBeam(result.BendingLog, result.ShearLog, element, lib);
        } else {
            CheckBeamBending(result.BendingLog, element);
            CheckBeamShear(result.ShearLog, element);
            result.Found = true;
        }
    } catch (const ArithmeticError& e) {
        throw ArithmeticError(WithSection(element, e.what()));
    }
    return result;
}

} // namespace orvex
