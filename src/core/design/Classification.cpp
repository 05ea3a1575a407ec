#include "design/Classification.h"

#include "design/LogWriter.h"
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

TSectionClass WebClass(LogWriter& out, const TElement& element);

LogNumber Ratio(Extended value) {
    return {qkRatio, value};
}
LogNumber Length(Extended value) {
    return {qkLength, value};
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
Extended FlangeBucklingCoefficient(LogWriter& out, Extended webRatio) {
    if (webRatio > 50) {
        out.AddPattern("h/tw = %s > 50", {Ratio(webRatio)});
        Extended kc = Divide(7, SquareRoot(webRatio, "Sqrt(h/tw)"), "Kc = 7/Sqrt(h/tw)");
        if (kc <= 0.4L)
            kc = 0.4L;
        out.AddValue({"Kc = 7/Sqrt(h/tw) > 0.4  ==>  Kc = "}, qkRatio, kc);
        return kc;
    }
    // The text says "< 50" at exactly 50 as well.
    out.AddPattern("h/tw = %s < 50", {Ratio(webRatio)});
    out.AddValue({"Kc = "}, qkRatio, 1);
    return 1;
}

TSectionClass ClassifyFlanged(LogWriter& out, const TElement& element) {
    const Extended beta = FlangeRatio(element);
    const Extended rootFy = RootFy(element);
    const Extended compactLimit = Divide(545, rootFy, "545/Sqr(Fy)");
    const Extended nonCompactLimit = Divide(795, rootFy, "795/Sqr(Fy)");

    if (!element.FlangeWebContinuous) {
        out.Add(kFlangeWebNotContinuous);
        if (beta > nonCompactLimit) {
            out.AddPattern("*b/tf <= 795/Sqr(Fy)  ==>  %s <= %s    NOT ok.",
                           {Ratio(beta), Ratio(nonCompactLimit)});
            return scSlender;
        }
        out.AddPattern("b/tf <= 795/Sqr(Fy)  ==>  %s <= %s", {Ratio(beta), Ratio(nonCompactLimit)});
        return AtBestNonCompact(WebClass(out, element));
    }

    out.Add(kFlangeWebContinuousThroughout);
    if (beta <= compactLimit) {
        out.AddPattern("b/tf <= 545/Sqr(Fy)  ==>  %s <= %s", {Ratio(beta), Ratio(compactLimit)});
        return WebClass(out, element);
    }
    if (element.IsRolled) {
        if (beta > nonCompactLimit) {
            out.AddPattern("*b/tf <= 795/Sqr(Fy)  ==>  %s <= %s    NOT ok.",
                           {Ratio(beta), Ratio(nonCompactLimit)});
            return scSlender;
        }
        out.AddPattern("545/Sqr(Fy) < b/tf <= 795/Sqr(Fy)  ==>  %s <= %s",
                       {Ratio(beta), Ratio(nonCompactLimit)});
        return AtBestNonCompact(WebClass(out, element));
    }

    const Extended kc = FlangeBucklingCoefficient(out, WebRatio(element));
    const Extended builtUpLimit =
        Divide(795, SquareRoot(Divide(element.Material.Fy, kc, "Fy/Kc"), "Sqr(Fy/Kc)"), "795/Sqr(Fy/Kc)");
    if (beta > builtUpLimit) {
        out.AddPattern("*b/tf <= 795/Sqr(Fy/Kc)  ==>  %s <= %s    NOT ok.",
                       {Ratio(beta), Ratio(builtUpLimit)});
        return scSlender;
    }
    out.AddPattern("545/Sqr(Fy) < b/tf <= 795/Sqr(Fy/Kc)  ==>  %s <= %s", {Ratio(beta), Ratio(builtUpLimit)});
    return AtBestNonCompact(WebClass(out, element));
}

TSectionClass ClassifyNonCompactBox(LogWriter& out, const TElement& element) {
    const Extended assumedFb = 0.6L * element.Material.Fy;
    out.AddValue({kAssumedFb}, qkStress, assumedFb);

    const Extended webRatio = WebRatio(element);
    const Extended webLimit = Divide(6370, SquareRoot(assumedFb, "Sqrt(Fb)"), "6370/Sqrt(Fb)");
    if (webRatio > webLimit) {
        out.AddPattern("*h/tw <= 6370/Sqrt(Fb)  ==>  %s <= %s    NOT ok.",
                       {Ratio(webRatio), Ratio(webLimit)});
        return scSlender;
    }
    out.AddPattern("h/tw <= 6370/Sqrt(Fb)  ==>  %s <= %s", {Ratio(webRatio), Ratio(webLimit)});

    const Extended beta = FlangeRatio(element);
    const Extended flangeLimit = Divide(1995, RootFy(element), "1995/Sqrt(Fy)");
    if (beta > flangeLimit) {
        out.AddPattern("*b/tf <= 1995/Sqrt(Fy)  ==>  %s <= %s    NOT ok.", {Ratio(beta), Ratio(flangeLimit)});
        return scSlender;
    }
    out.AddPattern("b/tf <= 1995/Sqrt(Fy)  ==>  %s <= %s", {Ratio(beta), Ratio(flangeLimit)});

    const Extended sixB = 6 * element.b;
    if (element.d > sixB) {
        out.AddPattern("*d <= 6*b  ==>  %s <= %s    NOT ok.", {Length(element.d), Length(sixB)});
        return scSlender;
    }
    out.AddPattern("d <= 6b  ==>  %s <= %s", {Length(element.d), Length(sixB)});
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

TSectionClass ClassifyBox(LogWriter& out, const TElement& element) {
    if (!element.FlangeWebContinuous) {
        out.Add(kFlangeWebNotContinuous);
        return ClassifyNonCompactBox(out, element);
    }
    out.Add(kFlangeWebContinuous);
    const TSectionClass web = WebClass(out, element);
    if (web == scSlender)
        return scSlender;
    if (web == scNonCompact)
        return ClassifyNonCompactBox(out, element);

    const Extended sixB = 6 * element.b;
    if (element.d > sixB) {
        out.AddPattern("*d <= 6b  ==>  %s <= %s  NOT ok.", {Length(element.d), Length(sixB)});
        return ClassifyNonCompactBox(out, element);
    }
    out.AddPattern("d <= 6b  ==>  %s <= %s", {Length(element.d), Length(sixB)});

    const Extended twoTw = 2 * element.tw;
    if (element.tf > twoTw) {
        out.AddPattern("*tf<2tw  ==>  %s < %s  NOT ok.", {Length(element.tf), Length(twoTw)});
        return ClassifyNonCompactBox(out, element);
    }
    out.AddPattern("tf <= 2tw  ==>  %s <= %s", {Length(element.tf), Length(twoTw)});

    const Extended lc = BoxSupportLength(element);
    out.AddValue({"Lc =1000*(137+84*M1/M2)*b/Fy >= 8400*b/Fy  ==>  Lc = "}, qkLength, lc);
    if (element.Lbx <= lc) {
        out.AddPattern(kBoxBraced, {Length(element.Lbx), Length(lc)});
        return scCompact;
    }
    out.AddPattern(kBoxUnbraced, {Length(element.Lbx), Length(lc)});
    return ClassifyNonCompactBox(out, element);
}

TSectionClass ClassifyPipe(LogWriter& out, const TElement& element) {
    const Extended ratio = Divide(element.d, element.tw, "D/t");
    const Extended limit = Divide(230000, element.Material.Fy, "230000/Fy");
    if (ratio <= limit) {
        out.AddPattern("D/t <= 230000/Fy  ==>  %s <= %s   OK.", {Ratio(ratio), Ratio(limit)});
        return scCompact;
    }
    out.AddPattern("D/t <= 230000/Fy  ==>  %s <= %s", {Ratio(ratio), Ratio(limit)});
    return scNonCompact;
}

TSectionClass ClassifyTee(LogWriter& out, const TElement& element) {
    const Extended beta = FlangeRatio(element);
    const Extended limit = Divide(635, RootFy(element), "635/Sqrt(Fy)");
    if (beta > limit) {
        out.AddPattern("*b/tf <= 635/Sqrt(Fy)  ==>  %s <= %s    NOT ok.", {Ratio(beta), Ratio(limit)});
        return scSlender;
    }
    out.AddPattern("b/tf <= 635/Sqrt(Fy)  ==>  %s <= %s    OK.", {Ratio(beta), Ratio(limit)});
    return AtBestNonCompact(WebClass(out, element));
}

TSectionClass ClassifyAngle(LogWriter& out, const TElement& element) {
    const Extended ratio = WebRatio(element);
    const Extended limit = Divide(1065, RootFy(element), "1065/Sqrt(Fy)");
    if (ratio <= limit) {
        out.AddPattern("h/tw <= 1065/Sqrt(Fy)  ==>  %s <= %s", {Ratio(ratio), Ratio(limit)});
        return scNonCompact;
    }
    out.AddPattern("*h/tw <= 1065/Sqrt(Fy)  ==>  %s <= %s     NOT ok.", {Ratio(ratio), Ratio(limit)});
    return scSlender;
}

TSectionClass WebClass(LogWriter& out, const TElement& element) {
    const Extended fy = element.Material.Fy;
    const Extended rho = Divide(Divide(element.P, element.A, "fa = P/A"), fy, "fa/Fy");
    const Extended webRatio = WebRatio(element);
    const Extended rootFy = RootFy(element);

    Extended compactLimit = 0;
    if (rho <= 0.16L) {
        out.AddPattern("fa/Fy <= 0.16  ==>  %s <= 0.16", {Ratio(rho)});
        compactLimit = Divide(5365, rootFy, "5365/Sqr(Fy)") * (1 - 3.74L * rho);
        if (webRatio <= compactLimit) {
            out.AddPattern("h/tw <= 5365(1-3.74*fa/Fy)/Sqr(Fy)  ==>  %s <= %s   OK.",
                           {Ratio(webRatio), Ratio(compactLimit)});
            return scCompact;
        }
    } else {
        out.AddPattern("fa/Fy > 0.16  ==>  %s > 0.16", {Ratio(rho)});
        compactLimit = Divide(2155, rootFy, "2155/Sqr(Fy)");
        if (webRatio <= compactLimit) {
            out.AddPattern("h/tw <= 2155/Sqr(Fy)  ==>  %s <= %s   OK.",
                           {Ratio(webRatio), Ratio(compactLimit)});
            return scCompact;
        }
    }

    const Extended assumedFb = 0.6L * fy;
    out.AddValue({"Fb = 0.6Fy = "}, qkStress, assumedFb);
    const Extended slenderLimit =
        Divide(6370 * (1 - 1.5L * rho), SquareRoot(assumedFb, "Sqrt(Fb)"), "6370*(1-1.5*f_a/Fy)/Sqrt(Fb)");
    if (webRatio > slenderLimit) {
        out.AddPattern("*h/tw <= 6370*(1-1.5*f_a/Fy)/Sqrt(Fb)   ==>  %s < %s    NOT ok.",
                       {Ratio(webRatio), Ratio(slenderLimit)});
        return scSlender;
    }
    const char* const range =
        rho <= 0.16L
            ? "5365(1-3.74*fa/Fy)/Sqr(Fy) <= h/tw <= 6370*(1-1.5*f_a/Fy)/Sqrt(Fb)   ==>  %s < %s < %s"
            : "2155/Sqr(Fy) <= h/tw <= 6370*(1-1.5*f_a/Fy)/Sqrt(Fb)   ==>  %s < %s < %s";
    out.AddPattern(range, {Ratio(compactLimit), Ratio(webRatio), Ratio(slenderLimit)});
    return scNonCompact;
}

TSectionClass ElementsClass(LogWriter& out, const TElement& element) {
    switch (element.Kind) {
    case pkI:
    case pkU:
    case pk2I:
        return ClassifyFlanged(out, element);
    case pkBox:
        return ClassifyBox(out, element);
    case pkPipe:
        return ClassifyPipe(out, element);
    case pkT:
        return ClassifyTee(out, element);
    case pkL:
        return ClassifyAngle(out, element);
    case pkZ:
        return scSlender;
    }
    // Kind codes outside the known range have no rules: nothing can be said for them.
    return scSlender;
}

} // namespace

TSectionClass ClassifySection(LogWriter& out, const TElement& element) {
    const TSectionClass result = ElementsClass(out, element);
    switch (result) {
    case scCompact:
        out.Add(kConclusionCompact);
        break;
    case scNonCompact:
        out.Add(kConclusionNonCompact);
        break;
    case scSlender:
        out.Add(kConclusionSlender);
        break;
    }
    return result;
}

TSectionClass ClassifySection(CalcLog& log, const TElement& element) {
    LogWriter out(&log);
    return ClassifySection(out, element);
}

TSectionClass ClassifyElements(CalcLog& log, const TElement& element) {
    LogWriter out(&log);
    return ElementsClass(out, element);
}

TSectionClass ClassifyWeb(CalcLog& log, const TElement& element) {
    LogWriter out(&log);
    return WebClass(out, element);
}

TSectionClass SectionClass(const TElement& element) {
    LogWriter quiet;
    return ClassifySection(quiet, element);
}

} // namespace orvex
