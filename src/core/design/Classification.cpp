#include "design/Classification.h"

#include "model/CheckedMath.h"

namespace orvex {

namespace {

const char* const kFlangeWebContinuousThroughout = "اتصال بال و جان در تمام طول پيوسته است";
const char* const kFlangeWebContinuous = "اتصال بال و جان پيوسته است";
const char* const kFlangeWebNotContinuous = "اتصال بال و جان پيوسته نمي باشد";
const char* const kBoxBraced = "Lb <= Lc  ==>  %s <= %s    OK.  با اتكاي جانبي است";
const char* const kBoxUnbraced = "*Lb <= Lc  ==>  %s <= %s   NOT ok.  بدون اتكاي جانبي است";
const char* const kAssumedFb = "تنش مجاز فرضي Fb = 0.6Fy = ";
const char* const kConclusionCompact = "بنابراين مقطع فشرده است";
const char* const kConclusionNonCompact = "بنابراين مقطع غير فشرده است";
const char* const kConclusionSlender = "بنابراين مقطع داراي جزء لاغر بوده و قابل استفاده نمي باشد";

std::string Ratio(Extended value) {
    return Q(qkRatio, value);
}
std::string Length(Extended value) {
    return Q(qkLength, value);
}

Extended RootFy(const TElement& element) {
    return SquareRoot(element.Material.Fy, "Sqr(Fy)");
}
Extended FlangeRatio(const TElement& element) {
    return Divide(element.b, element.tf, "b/tf");
}
Extended WebRatio(const TElement& element) {
    return Divide(element.h, element.tw, "h/tw");
}

// Once the flange is past the compact limit the web can only make things worse.
TSectionClass AtBestNonCompact(TSectionClass webClass) {
    return webClass == scSlender ? scSlender : scNonCompact;
}

// Built-up flanges: the buckling coefficient Kc from the web ratio, with its lines.
Extended FlangeBucklingCoefficient(CalcLog& log, Extended webRatio) {
    if (webRatio > 50) {
        log.Add("h/tw = " + Ratio(webRatio) + " > 50");
        Extended kc = Divide(7, SquareRoot(webRatio, "Sqrt(h/tw)"), "Kc = 7/Sqrt(h/tw)");
        if (kc <= 0.4L)
            kc = 0.4L;
        log.AddValue("Kc = 7/Sqrt(h/tw) > 0.4  ==>  Kc = ", qkRatio, kc);
        return kc;
    }
    // The text says "< 50" at exactly 50 as well.
    log.Add("h/tw = " + Ratio(webRatio) + " < 50");
    log.AddValue("Kc = ", qkRatio, 1);
    return 1;
}

TSectionClass ClassifyFlanged(CalcLog& log, const TElement& element) {
    const Extended beta = FlangeRatio(element);
    const Extended rootFy = RootFy(element);
    const Extended compactLimit = Divide(545, rootFy, "545/Sqr(Fy)");
    const Extended nonCompactLimit = Divide(795, rootFy, "795/Sqr(Fy)");

    if (!element.FlangeWebContinuous) {
        log.Add(kFlangeWebNotContinuous);
        if (beta > nonCompactLimit) {
            log.AddPattern("*b/tf <= 795/Sqr(Fy)  ==>  %s <= %s    NOT ok.",
                           {Ratio(beta), Ratio(nonCompactLimit)});
            return scSlender;
        }
        log.AddPattern("b/tf <= 795/Sqr(Fy)  ==>  %s <= %s", {Ratio(beta), Ratio(nonCompactLimit)});
        return AtBestNonCompact(ClassifyWeb(log, element));
    }

    log.Add(kFlangeWebContinuousThroughout);
    if (beta <= compactLimit) {
        log.AddPattern("b/tf <= 545/Sqr(Fy)  ==>  %s <= %s", {Ratio(beta), Ratio(compactLimit)});
        return ClassifyWeb(log, element);
    }
    if (element.IsRolled) {
        if (beta > nonCompactLimit) {
            log.AddPattern("*b/tf <= 795/Sqr(Fy)  ==>  %s <= %s    NOT ok.",
                           {Ratio(beta), Ratio(nonCompactLimit)});
            return scSlender;
        }
        log.AddPattern("545/Sqr(Fy) < b/tf <= 795/Sqr(Fy)  ==>  %s <= %s",
                       {Ratio(beta), Ratio(nonCompactLimit)});
        return AtBestNonCompact(ClassifyWeb(log, element));
    }

    const Extended kc = FlangeBucklingCoefficient(log, WebRatio(element));
    const Extended builtUpLimit =
        Divide(795, SquareRoot(Divide(element.Material.Fy, kc, "Fy/Kc"), "Sqr(Fy/Kc)"), "795/Sqr(Fy/Kc)");
    if (beta > builtUpLimit) {
        log.AddPattern("*b/tf <= 795/Sqr(Fy/Kc)  ==>  %s <= %s    NOT ok.",
                       {Ratio(beta), Ratio(builtUpLimit)});
        return scSlender;
    }
    log.AddPattern("545/Sqr(Fy) < b/tf <= 795/Sqr(Fy/Kc)  ==>  %s <= %s", {Ratio(beta), Ratio(builtUpLimit)});
    return AtBestNonCompact(ClassifyWeb(log, element));
}

TSectionClass ClassifyNonCompactBox(CalcLog& log, const TElement& element) {
    const Extended assumedFb = 0.6L * element.Material.Fy;
    log.AddValue(kAssumedFb, qkStress, assumedFb);

    const Extended webRatio = WebRatio(element);
    const Extended webLimit = Divide(6370, SquareRoot(assumedFb, "Sqrt(Fb)"), "6370/Sqrt(Fb)");
    if (webRatio > webLimit) {
        log.AddPattern("*h/tw <= 6370/Sqrt(Fb)  ==>  %s <= %s    NOT ok.",
                       {Ratio(webRatio), Ratio(webLimit)});
        return scSlender;
    }
    log.AddPattern("h/tw <= 6370/Sqrt(Fb)  ==>  %s <= %s", {Ratio(webRatio), Ratio(webLimit)});

    const Extended beta = FlangeRatio(element);
    const Extended flangeLimit = Divide(1995, RootFy(element), "1995/Sqrt(Fy)");
    if (beta > flangeLimit) {
        log.AddPattern("*b/tf <= 1995/Sqrt(Fy)  ==>  %s <= %s    NOT ok.", {Ratio(beta), Ratio(flangeLimit)});
        return scSlender;
    }
    log.AddPattern("b/tf <= 1995/Sqrt(Fy)  ==>  %s <= %s", {Ratio(beta), Ratio(flangeLimit)});

    const Extended sixB = 6 * element.b;
    if (element.d > sixB) {
        log.AddPattern("*d <= 6*b  ==>  %s <= %s    NOT ok.", {Length(element.d), Length(sixB)});
        return scSlender;
    }
    log.AddPattern("d <= 6b  ==>  %s <= %s", {Length(element.d), Length(sixB)});
    return scNonCompact;
}

// Lateral support length of a compact box from the end moments of the unbraced length.
Extended BoxSupportLength(const TElement& element) {
    const Extended fy = element.Material.Fy;
    const Extended lower = Divide(8400 * element.b, fy, "8400*b/Fy");
    Extended gradient = 137;
    if (element.M2x != 0)
        gradient = 137 + 84 * element.CurvatureX * Divide(element.M1x, element.M2x, "M1/M2");
    const Extended lc = Divide(gradient * 1000 * element.b, fy, "1000*(137+84*M1/M2)*b/Fy");
    return lc > lower ? lc : lower;
}

TSectionClass ClassifyBox(CalcLog& log, const TElement& element) {
    if (!element.FlangeWebContinuous) {
        log.Add(kFlangeWebNotContinuous);
        return ClassifyNonCompactBox(log, element);
    }
    log.Add(kFlangeWebContinuous);
    const TSectionClass web = ClassifyWeb(log, element);
    if (web == scSlender)
        return scSlender;
    if (web == scNonCompact)
        return ClassifyNonCompactBox(log, element);

    const Extended sixB = 6 * element.b;
    if (element.d > sixB) {
        log.AddPattern("*d <= 6b  ==>  %s <= %s  NOT ok.", {Length(element.d), Length(sixB)});
        return ClassifyNonCompactBox(log, element);
    }
    log.AddPattern("d <= 6b  ==>  %s <= %s", {Length(element.d), Length(sixB)});

    const Extended twoTw = 2 * element.tw;
    if (element.tf > twoTw) {
        log.AddPattern("*tf<2tw  ==>  %s < %s  NOT ok.", {Length(element.tf), Length(twoTw)});
        return ClassifyNonCompactBox(log, element);
    }
    log.AddPattern("tf <= 2tw  ==>  %s <= %s", {Length(element.tf), Length(twoTw)});

    const Extended lc = BoxSupportLength(element);
    log.AddValue("Lc =1000*(137+84*M1/M2)*b/Fy >= 8400*b/Fy  ==>  Lc = ", qkLength, lc);
    if (element.Lbx <= lc) {
        log.AddPattern(kBoxBraced, {Length(element.Lbx), Length(lc)});
        return scCompact;
    }
    log.AddPattern(kBoxUnbraced, {Length(element.Lbx), Length(lc)});
    return ClassifyNonCompactBox(log, element);
}

TSectionClass ClassifyPipe(CalcLog& log, const TElement& element) {
    const Extended ratio = Divide(element.d, element.tw, "D/t");
    const Extended limit = Divide(230000, element.Material.Fy, "230000/Fy");
    if (ratio <= limit) {
        log.AddPattern("D/t <= 230000/Fy  ==>  %s <= %s   OK.", {Ratio(ratio), Ratio(limit)});
        return scCompact;
    }
    log.AddPattern("D/t <= 230000/Fy  ==>  %s <= %s", {Ratio(ratio), Ratio(limit)});
    return scNonCompact;
}

TSectionClass ClassifyTee(CalcLog& log, const TElement& element) {
    const Extended beta = FlangeRatio(element);
    const Extended limit = Divide(635, RootFy(element), "635/Sqrt(Fy)");
    if (beta > limit) {
        log.AddPattern("*b/tf <= 635/Sqrt(Fy)  ==>  %s <= %s    NOT ok.", {Ratio(beta), Ratio(limit)});
        return scSlender;
    }
    log.AddPattern("b/tf <= 635/Sqrt(Fy)  ==>  %s <= %s    OK.", {Ratio(beta), Ratio(limit)});
    return AtBestNonCompact(ClassifyWeb(log, element));
}

TSectionClass ClassifyAngle(CalcLog& log, const TElement& element) {
    const Extended ratio = WebRatio(element);
    const Extended limit = Divide(1065, RootFy(element), "1065/Sqrt(Fy)");
    if (ratio <= limit) {
        log.AddPattern("h/tw <= 1065/Sqrt(Fy)  ==>  %s <= %s", {Ratio(ratio), Ratio(limit)});
        return scNonCompact;
    }
    log.AddPattern("*h/tw <= 1065/Sqrt(Fy)  ==>  %s <= %s     NOT ok.", {Ratio(ratio), Ratio(limit)});
    return scSlender;
}

} // namespace

TSectionClass ClassifyWeb(CalcLog& log, const TElement& element) {
    const Extended fy = element.Material.Fy;
    const Extended rho = Divide(Divide(element.P, element.A, "fa = P/A"), fy, "fa/Fy");
    const Extended webRatio = WebRatio(element);
    const Extended rootFy = RootFy(element);

    Extended compactLimit = 0;
    if (rho <= 0.16L) {
        log.AddPattern("fa/Fy <= 0.16  ==>  %s <= 0.16", {Ratio(rho)});
        compactLimit = Divide(5365, rootFy, "5365/Sqr(Fy)") * (1 - 3.74L * rho);
        if (webRatio <= compactLimit) {
            log.AddPattern("h/tw <= 5365(1-3.74*fa/Fy)/Sqr(Fy)  ==>  %s <= %s   OK.",
                           {Ratio(webRatio), Ratio(compactLimit)});
            return scCompact;
        }
    } else {
        log.AddPattern("fa/Fy > 0.16  ==>  %s > 0.16", {Ratio(rho)});
        compactLimit = Divide(2155, rootFy, "2155/Sqr(Fy)");
        if (webRatio <= compactLimit) {
            log.AddPattern("h/tw <= 2155/Sqr(Fy)  ==>  %s <= %s   OK.",
                           {Ratio(webRatio), Ratio(compactLimit)});
            return scCompact;
        }
    }

    const Extended assumedFb = 0.6L * fy;
    log.AddValue("Fb = 0.6Fy = ", qkStress, assumedFb);
    const Extended slenderLimit =
        Divide(6370 * (1 - 1.5L * rho), SquareRoot(assumedFb, "Sqrt(Fb)"), "6370*(1-1.5*f_a/Fy)/Sqrt(Fb)");
    if (webRatio > slenderLimit) {
        log.AddPattern("*h/tw <= 6370*(1-1.5*f_a/Fy)/Sqrt(Fb)   ==>  %s < %s    NOT ok.",
                       {Ratio(webRatio), Ratio(slenderLimit)});
        return scSlender;
    }
    const char* const range =
        rho <= 0.16L
            ? "5365(1-3.74*fa/Fy)/Sqr(Fy) <= h/tw <= 6370*(1-1.5*f_a/Fy)/Sqrt(Fb)   ==>  %s < %s < %s"
            : "2155/Sqr(Fy) <= h/tw <= 6370*(1-1.5*f_a/Fy)/Sqrt(Fb)   ==>  %s < %s < %s";
    log.AddPattern(range, {Ratio(compactLimit), Ratio(webRatio), Ratio(slenderLimit)});
    return scNonCompact;
}

TSectionClass ClassifyElements(CalcLog& log, const TElement& element) {
    switch (element.Kind) {
    case pkI:
    case pkU:
    case pk2I:
        return ClassifyFlanged(log, element);
    case pkBox:
        return ClassifyBox(log, element);
    case pkPipe:
        return ClassifyPipe(log, element);
    case pkT:
        return ClassifyTee(log, element);
    case pkL:
        return ClassifyAngle(log, element);
    case pkZ:
        return scSlender;
    }
    // Kind codes outside the known range have no rules: nothing can be said for them.
    return scSlender;
}

TSectionClass ClassifySection(CalcLog& log, const TElement& element) {
    const TSectionClass result = ClassifyElements(log, element);
    switch (result) {
    case scCompact:
        log.Add(kConclusionCompact);
        break;
    case scNonCompact:
        log.Add(kConclusionNonCompact);
        break;
    case scSlender:
        log.Add(kConclusionSlender);
        break;
    }
    return result;
}

} // namespace orvex
