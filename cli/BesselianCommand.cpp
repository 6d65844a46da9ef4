#include "cli/CommandRegistry.h"
#include "cli/EclipseOfDate.h"
#include "cli/Options.h"
#include "core/CalendarText.h"
#include "core/Units.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/PrintedElements.h"
#include "eclipse/search/EclipseSearch.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

struct BesselianRequest {
    CivilDate date;
    TimeModelOptions model;
    std::string format;
    DataOption data;
};

// An instant as ISO 8601 on the scale given by the Delta T subtracted (0 for
// TT), to the second, and its date and clock parts.
std::string IsoTime(const Instant& instant, double deltaTSeconds)
{
    return IsoUniversalTime(instant, deltaTSeconds, 0);
}

std::string IsoDatePart(const std::string& isoTime)
{
    return isoTime.substr(0, isoTime.find('T', 1));
}

std::string IsoClockPart(const std::string& isoTime)
{
    const std::size_t t = isoTime.find('T', 1);
    return t == std::string::npos ? std::string() : isoTime.substr(t + 1, 8);
}

void RequireFinite(const FittedElementsReport& report)
{
    const FittedElements& e = report.elements;
    bool finite = std::isfinite(e.tanF1) && std::isfinite(e.tanF2) && std::isfinite(e.deltaT) && std::isfinite(e.validFrom) &&
                  std::isfinite(e.validTo);
    for (const Polynomial* p : {&e.x, &e.y, &e.d, &e.l1, &e.l2, &e.mu}) {
        for (const double c : p->coefficients) {
            finite = finite && std::isfinite(c);
        }
    }
    if (!finite) {
        throw std::runtime_error("the computation gave no finite elements (is Delta T sensible?)");
    }
}

// " +- 265.3" after Delta T, when the model states its uncertainty.
std::string SigmaText(const std::optional<double>& sigma)
{
    if (!sigma) {
        return "";
    }
    char text[48];
    std::snprintf(text, sizeof text, " \xC2\xB1 %.1f", *sigma);
    return text;
}

void PrintText(const FittedElementsReport& report, const EclipseSummary& eclipse, const TimeModel& model)
{
    const FittedElements& e = report.elements;
    const PrintedElements p = PrintedElementsOf(e);
    const std::string t0 = IsoTime(e.t0, 0.0);
    const std::string greatest = IsoTime(eclipse.greatest, eclipse.deltaT);
    std::printf("Besselian elements of the eclipse of %s, greatest eclipse %s UT (%s TT)\n\n", IsoDatePart(greatest).c_str(),
                IsoClockPart(greatest).c_str(), IsoClockPart(IsoTime(eclipse.greatest, 0.0)).c_str());
    std::printf("T0 = %s %s TT      Delta T = %.1f s%s (%s model)\n\n", IsoDatePart(t0).c_str(), IsoClockPart(t0).c_str(),
                e.deltaT, SigmaText(eclipse.deltaTSigma).c_str(), model.Name());
    std::fputs(ElementsTableText(p).c_str(), stdout);
    std::printf("\n");
    std::printf("At t hours of TT from T0, a = a0 + a1 t + a2 t^2 + a3 t^3 for a = x, y, d, l1, l2 and mu;\n"
                "x, y, l1 and l2 in equatorial Earth radii, d and mu in degrees; mu is the ephemeris hour angle\n"
                "(the Greenwich hour angle plus 1.002738 Delta T, in time).\n");
    std::printf("Valid from %s to %s TT (t = %.3f to %.3f).\n", IsoClockPart(IsoTime(e.InstantOf(e.validFrom), 0.0)).c_str(),
                IsoClockPart(IsoTime(e.InstantOf(e.validTo), 0.0)).c_str(), e.validFrom, e.validTo);
    const FitResiduals& r = report.residuals;
    std::printf("Largest residuals of the fits: x %.1e, y %.1e, d %.1e deg, l1 %.1e, l2 %.1e, mu %.1e deg\n", r.x, r.y,
                r.d * kRadiansToDegrees, r.l1, r.l2, r.mu * kRadiansToDegrees);
}

void PrintJson(const FittedElementsReport& report, const EclipseSummary& eclipse, const TimeModel& model)
{
    const FittedElements& e = report.elements;
    const PrintedElements p = PrintedElementsOf(e);
    const FitResiduals& r = report.residuals;
    nlohmann::ordered_json json;
    json["t0_tt"] = IsoTime(e.t0, 0.0);
    json["delta_t"] = e.deltaT;
    json["delta_t_sigma"] = eclipse.deltaTSigma ? nlohmann::ordered_json(*eclipse.deltaTSigma) : nlohmann::ordered_json(nullptr);
    json["model"] = model.Name();
    json["x"] = p.x;
    json["y"] = p.y;
    json["d"] = p.d;
    json["l1"] = p.l1;
    json["l2"] = p.l2;
    json["mu"] = p.mu;
    json["tan_f1"] = p.tanF1;
    json["tan_f2"] = p.tanF2;
    json["valid_from_tt"] = IsoTime(e.InstantOf(e.validFrom), 0.0);
    json["valid_to_tt"] = IsoTime(e.InstantOf(e.validTo), 0.0);
    json["max_residual"] = {{"x", r.x},
                            {"y", r.y},
                            {"d", r.d * kRadiansToDegrees},
                            {"l1", r.l1},
                            {"l2", r.l2},
                            {"mu", r.mu * kRadiansToDegrees},
                            {"tan_f1", r.tanF1},
                            {"tan_f2", r.tanF2}};
    std::printf("%s\n", json.dump(1).c_str());
}

void RunBesselian(const BesselianRequest& request)
{
    const TimeModel model = request.model.Model();
    const EclipseOfDate eclipse = FindEclipseOfDate(request.data.ReadDirectory(), model, request.date);
    RequireFinite(eclipse.fit);
    if (request.format == "json") {
        PrintJson(eclipse.fit, eclipse.summary, model);
    } else {
        PrintText(eclipse.fit, eclipse.summary, model);
    }
}

void DefineBesselian(CLI::App& command)
{
    auto request = std::make_shared<BesselianRequest>();
    AddEclipseDate(command, request->date);
    AddTimeModelOptions(command, request->model);
    AddFormat(command, request->format, {"text", "json"});
    AddDataOption(command, request->data);
    command.callback([request] { RunBesselian(*request); });
}

const CommandRegistration kBesselian("besselian", "the Besselian elements of the eclipse of a date (UT)", DefineBesselian);

} // namespace
