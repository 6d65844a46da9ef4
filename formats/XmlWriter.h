#pragma once

#include <string>
#include <utility>
#include <vector>

// Writes an XML document into a string, indented two spaces a level, with
// the five predefined entities escaped in text and attribute values.
class XmlWriter {
public:
    XmlWriter();

    void Start(const std::string& name, const std::vector<std::pair<std::string, std::string>>& attributes = {});
    void End();
    // An element holding only text.
    void Text(const std::string& name, const std::string& text);

    // The document, every element closed.
    std::string Finish();

private:
    void Indent();

    std::string m_document;
    std::vector<std::string> m_open;
};

std::string EscapeXml(const std::string& text);
