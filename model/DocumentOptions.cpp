#include "model/DocumentOptions.h"

#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace {

const std::string kDocumentExtension = ".umb";
const std::string kHeightKey = "observer_height_m";
const std::string kOffsetKey = "time_offset_h";

struct LayerKey {
    const char* key;
    bool MapLayerChoice::*flag;
};
// Named as the command line's --layers names them.
constexpr LayerKey kLayerKeys[] = {
    {"layer_shadow", &MapLayerChoice::shadow},
    {"layer_path", &MapLayerChoice::path},
    {"layer_uncertainty", &MapLayerChoice::uncertainty},
    {"layer_limits", &MapLayerChoice::umbraLimits},
    {"layer_penumbra_limits", &MapLayerChoice::penumbraLimits},
    {"layer_rise_set", &MapLayerChoice::riseSet},
    {"layer_magnitude_curves", &MapLayerChoice::magnitudeCurves},
    {"layer_graticule", &MapLayerChoice::graticule},
    {"layer_terminator", &MapLayerChoice::terminator},
    {"layer_observer", &MapLayerChoice::observer},
    {"layer_greatest", &MapLayerChoice::greatest},
    {"layer_labels", &MapLayerChoice::labels},
    {"layer_legend", &MapLayerChoice::legend},
    {"layer_towns", &MapLayerChoice::towns},
};

bool EndsWithDocumentExtension(const std::string& path)
{
    if (path.size() < kDocumentExtension.size()) {
        return false;
    }
    const std::string_view tail = std::string_view(path).substr(path.size() - kDocumentExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != kDocumentExtension[i]) {
            return false;
        }
    }
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// One line of the companion being read, for its errors.
class CompanionLine {
public:
    CompanionLine(const std::string& path, int number) : m_path(path), m_number(number) {}

    double Number(std::string_view text, double lowest, double highest) const
    {
        double value = 0.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || !(value >= lowest && value <= highest)) {
            Refuse(Quoted(text).append(" is not a number of ").append(Format(lowest)).append(" to ").append(Format(highest)));
        }
        return value;
    }

    bool Flag(std::string_view text) const
    {
        if (text != "0" && text != "1") {
            Refuse(Quoted(text).append(" is neither 0 nor 1"));
        }
        return text == "1";
    }

    [[noreturn]] void Refuse(const std::string& why) const
    {
        throw CFileException(m_path, std::string("line ").append(std::to_string(m_number)).append(": ").append(why));
    }

private:
    static std::string Format(double value) { return std::to_string(static_cast<long long>(value)); }
    static std::string Quoted(std::string_view text) { return std::string("\"").append(text).append("\""); }

    const std::string& m_path;
    int m_number;
};

void ReadLine(const CompanionLine& line, std::string_view key, std::string_view value, CDocumentOptions& options)
{
    if (key == kHeightKey) {
        options.m_observerHeight = line.Number(value, kLowestObserverHeight, kHighestObserverHeight);
        return;
    }
    if (key == kOffsetKey) {
        options.m_timeOffsetHours = line.Number(value, -kLargestTimeOffsetHours, kLargestTimeOffsetHours);
        return;
    }
    for (const LayerKey& layer : kLayerKeys) {
        if (key == layer.key) {
            options.m_layers.*layer.flag = line.Flag(value);
            return;
        }
    }
}

std::string NumberText(double value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string("0");
}

void AppendLine(std::string& text, std::string_view key, std::string_view value)
{
    text.append(key).append(" = ").append(value).append("\n");
}

} // namespace

std::string CompanionPath(const std::string& documentPath)
{
    std::string companion = documentPath;
    if (!EndsWithDocumentExtension(documentPath)) {
        companion.append(kDocumentExtension);
    }
    return companion.append("x");
}

CDocumentOptions LoadDocumentOptions(const std::string& documentPath)
{
    const std::string path = CompanionPath(documentPath);
    CDocumentOptions options;
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        return options;
    }
    CTextFile file(path);
    std::string text;
    for (int number = 1; file.ReadString(text); ++number) {
        const std::string_view line = Trimmed(text);
        const std::size_t equals = line.find('=');
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const CompanionLine context(path, number);
        if (equals == std::string_view::npos) {
            context.Refuse("no \"=\"");
        }
        ReadLine(context, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)), options);
    }
    return options;
}

void SaveDocumentOptions(const std::string& documentPath, const CDocumentOptions& options)
{
    std::string text = "# Umbrant: the options of the document beside, kept out of its .umb file\n";
    AppendLine(text, kHeightKey, NumberText(options.m_observerHeight));
    AppendLine(text, kOffsetKey, NumberText(options.m_timeOffsetHours));
    for (const LayerKey& layer : kLayerKeys) {
        AppendLine(text, layer.key, options.m_layers.*layer.flag ? "1" : "0");
    }
    WriteFileAtomically(CompanionPath(documentPath),
                        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}
