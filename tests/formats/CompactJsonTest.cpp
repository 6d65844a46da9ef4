// Written straight as text, a document is the same bytes as the one that
// nlohmann::json dumps from values: numbers, escapes and nesting alike.
#include "formats/CompactJson.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using Json = nlohmann::ordered_json;

TEST(CompactJson, WritesNumbersAsNlohmannJsonDumpsThem)
{
    const double numbers[] = {0.0,     -0.0,    1.0,       -96.8,    32.781234,   1e-4,      1e-5,     123456789012345.0,
                              1e15,    1e16,    1e21,      -1e-300,  5e-324,      1.7976931348623157e308, 0.1 + 0.2,
                              2.0 / 3, 69.2,    -179.999999, std::nan(""), std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity()};
    for (const double number : numbers) {
        CompactJson json;
        json.Number(number);
        EXPECT_EQ(json.Text(), Json(number).dump()) << number;
    }
}

TEST(CompactJson, WritesStringsAsNlohmannJsonDumpsThem)
{
    const std::string texts[] = {"",           "2024-04-08T18:17:20.5Z", "quote \" and \\ backslash", "tab\tnew line\n",
                                 "\x01\x1f\x7f", "Besançon, Zürich",       "中心线"};
    for (const std::string& text : texts) {
        CompactJson json;
        json.String(text);
        EXPECT_EQ(json.Text(), Json(text).dump()) << text;
    }
}

TEST(CompactJson, NestsAsTheDumpOfTheSameValues)
{
    CompactJson json;
    json.BeginObject().Key("type").String("FeatureCollection").Key("empty").BeginArray().EndArray();
    json.Key("nested").BeginArray().BeginArray().Number(1.5).Number(-2.0).EndArray().BeginObject().EndObject().EndArray();
    json.Key("value").Value(Json{{"a", nullptr}, {"b", {1, 2.5, "c"}}});
    json.Key("last").Number(3.0).EndObject();

    Json values = Json::object();
    values["type"] = "FeatureCollection";
    values["empty"] = Json::array();
    values["nested"] = Json::array({Json::array({1.5, -2.0}), Json::object()});
    values["value"] = Json{{"a", nullptr}, {"b", {1, 2.5, "c"}}};
    values["last"] = 3.0;
    EXPECT_EQ(json.Text(), values.dump());
}
