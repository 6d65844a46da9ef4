#include "formats/CompactJson.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Whether nlohmann::json writes text unchanged between its quotes: printable
// ASCII without the quote and the backslash. Anything else goes through it.
bool NeedsNoEscape(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
    });
}

} // namespace

CompactJson& CompactJson::BeginObject()
{
    Open('{');
    return *this;
}

CompactJson& CompactJson::EndObject()
{
    Close('}');
    return *this;
}

CompactJson& CompactJson::BeginArray()
{
    Open('[');
    return *this;
}

CompactJson& CompactJson::EndArray()
{
    Close(']');
    return *this;
}

CompactJson& CompactJson::Key(std::string_view key)
{
    Separate();
    AppendString(key);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

CompactJson& CompactJson::Number(double value)
{
    Separate();
    if (!std::isfinite(value)) {
        m_text += "null";
        return *this;
    }
    std::array<char, 64> digits;
    const char* end = nlohmann::detail::to_chars(digits.data(), digits.data() + digits.size(), value);
    m_text.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
    return *this;
}

CompactJson& CompactJson::String(std::string_view text)
{
    Separate();
    AppendString(text);
    return *this;
}

CompactJson& CompactJson::Value(const nlohmann::ordered_json& value)
{
    Separate();
    m_text += value.dump();
    return *this;
}

void CompactJson::Separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasMember.empty()) {
        if (m_hasMember.back()) {
            m_text += ',';
        }
        m_hasMember.back() = true;
    }
}

void CompactJson::Open(char bracket)
{
    Separate();
    m_text += bracket;
    m_hasMember.push_back(false);
}

void CompactJson::Close(char bracket)
{
    m_text += bracket;
    m_hasMember.pop_back();
}

void CompactJson::AppendString(std::string_view text)
{
    if (!NeedsNoEscape(text)) {
        m_text += nlohmann::ordered_json(std::string(text)).dump();
        return;
    }
    m_text += '"';
    m_text += text;
    m_text += '"';
}
