#include "cli/CommandRegistry.h"
#include "cli/EclipseOfDate.h"
#include "cli/ObserverPlace.h"
#include "cli/Options.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/uncertainty/CentralChance.h"
#include "formats/LocalOutput.h"

#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

struct LocalRequest {
    CivilDate date;
    PlaceOption place;
    std::optional<std::string> zone;
    TimeModelOptions model;
    std::string format;
    DataOption data;
};

void RunLocal(const LocalRequest& request)
{
    const TimeModel model = request.model.Model();
    const ObserverPlace observer = FindObserver(request.place, request.zone, request.data.ReadDirectory());
    const EclipseOfDate eclipse = FindEclipseOfDate(request.data.ReadDirectory(), model, request.date);
    const LocalCircumstances seen = LocalCircumstancesAt(eclipse.fit.elements, observer.place);
    // Delta T known only within its sigma: the chance of the central phase.
    std::optional<LocalUncertainty> uncertainty;
    if (eclipse.summary.deltaTSigma) {
        uncertainty = LocalUncertaintyAt(eclipse.fit.elements, observer.place, *eclipse.summary.deltaTSigma);
    }
    const LocalUncertainty* known = uncertainty ? &*uncertainty : nullptr;
    std::cout << (request.format == "json"  ? LocalJson(seen, model, observer.context, known)
                  : request.format == "csv" ? LocalCsv(seen, observer.context, known)
                                            : LocalText(seen, observer.place, request.date, model, observer.context, known));
}

void DefineLocal(CLI::App& command)
{
    auto request = std::make_shared<LocalRequest>();
    AddEclipseDate(command, request->date);
    AddPlace(command, request->place);
    AddTimeZoneOption(command, request->zone);
    AddTimeModelOptions(command, request->model);
    AddFormat(command, request->format, {"text", "json", "csv"});
    AddDataOption(command, request->data);
    command.callback([request] { RunLocal(*request); });
}

const CommandRegistration kLocal("local", "the eclipse seen from one place: type, contacts, magnitude, duration",
                                 DefineLocal);

} // namespace
