#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

// A JSON document written straight into its text, without building its
// values first: the path's thousands of positions and times cost a third of
// the time as values. Everything comes out exactly as nlohmann::json's
// compact dump() writes it (numbers by its own shortest form, NaN and
// infinities as null, strings escaped alike), so that a document written
// here and one dumped from values are the same bytes; a part built as a
// value is written with Value.
class CompactJson {
public:
    CompactJson& BeginObject();
    CompactJson& EndObject();
    CompactJson& BeginArray();
    CompactJson& EndArray();
    // The key of the next value, inside an object.
    CompactJson& Key(std::string_view key);
    CompactJson& Number(double value);
    CompactJson& String(std::string_view text);
    CompactJson& Value(const nlohmann::ordered_json& value);

    // The text so far.
    const std::string& Text() const { return m_text; }
    std::string TakeText() { return std::move(m_text); }

private:
    // The comma before a value, unless it opens its container or follows a key.
    void Separate();
    void Open(char bracket);
    void Close(char bracket);
    void AppendString(std::string_view text);

    std::string m_text;
    std::vector<bool> m_hasMember;  // one per open container
    bool m_afterKey = false;
};
