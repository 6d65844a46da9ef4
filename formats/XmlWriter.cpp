#include "formats/XmlWriter.h"

XmlWriter::XmlWriter() : m_document("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") {}

std::string EscapeXml(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&apos;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

void XmlWriter::Indent()
{
    m_document.append(2 * m_open.size(), ' ');
}

void XmlWriter::Start(const std::string& name, const std::vector<std::pair<std::string, std::string>>& attributes)
{
    Indent();
    m_document += "<" + name;
    for (const auto& [attribute, value] : attributes) {
        m_document += " " + attribute + "=\"" + EscapeXml(value) + "\"";
    }
    m_document += ">\n";
    m_open.push_back(name);
}

void XmlWriter::End()
{
    const std::string name = m_open.back();
    m_open.pop_back();
    Indent();
    m_document += "</" + name + ">\n";
}

void XmlWriter::Text(const std::string& name, const std::string& text)
{
    Indent();
    m_document += "<" + name + ">" + EscapeXml(text) + "</" + name + ">\n";
}

std::string XmlWriter::Finish()
{
    while (!m_open.empty()) {
        End();
    }
    return m_document;
}
