#include "exchange/XmlSupport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

#include "exchange/ExchangeText.h"

namespace marigold {

std::string_view LocalName(pugi::xml_node node) {
  const std::string_view name = node.name();
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(pugi::xml_node parent, std::string_view localName) {
  for (pugi::xml_node child : parent.children())
    if (child.type() == pugi::node_element && LocalName(child) == localName) return child;
  return {};
}

std::vector<pugi::xml_node> Children(pugi::xml_node parent, std::string_view localName) {
  std::vector<pugi::xml_node> found;
  for (pugi::xml_node child : parent.children())
    if (child.type() == pugi::node_element && LocalName(child) == localName) found.push_back(child);
  return found;
}

CXmlSource::CXmlSource(std::span<const std::uint8_t> bytes) : text_(bytes.begin(), bytes.end()) {
  const pugi::xml_parse_result parsed = document_.load_buffer(text_.data(), text_.size());
  if (!parsed) throw CXmlRefused{{LineAt(parsed.offset), std::string("not XML: ") + parsed.description()}};
}

int CXmlSource::LineAt(std::ptrdiff_t offset) const {
  if (offset < 0) return 0;
  const auto end = text_.begin() + std::min<std::ptrdiff_t>(offset, static_cast<std::ptrdiff_t>(text_.size()));
  return 1 + static_cast<int>(std::count(text_.begin(), end, '\n'));
}

int CXmlSource::LineOf(pugi::xml_node node) const { return node ? LineAt(node.offset_debug()) : 0; }

void CXmlSource::Refuse(pugi::xml_node node, std::string problem) const {
  throw CXmlRefused{{LineOf(node), std::move(problem)}};
}

std::optional<double> CXmlSource::Number(pugi::xml_node node, const char* name, double min, double max) const {
  const pugi::xml_attribute attribute = node.attribute(name);
  if (!attribute) return std::nullopt;
  const std::optional<double> value = ParseDecimal(attribute.value());
  if (!value) Refuse(node, std::string(name) + " \"" + attribute.value() + "\" is not a number");
  if (*value < min || *value > max)
    Refuse(node, std::string(name) + " " + attribute.value() + " is out of range (" + DecimalText(min, 6) +
                     (std::isinf(max) ? " or more" : " to " + DecimalText(max, 6)) + ")");
  return value;
}

std::optional<std::uint64_t> CXmlSource::WholeNumber(pugi::xml_node node, const char* name) const {
  const pugi::xml_attribute attribute = node.attribute(name);
  if (!attribute) return std::nullopt;
  const std::string_view text = attribute.value();
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    Refuse(node, std::string(name) + " \"" + attribute.value() + "\" is not a whole number");
  return value;
}

std::optional<double> CXmlSource::Time(pugi::xml_node node, const char* name) const {
  const pugi::xml_attribute attribute = node.attribute(name);
  if (!attribute) return std::nullopt;
  const std::optional<double> day = ParseIsoTime(attribute.value());
  if (!day) Refuse(node, std::string(name) + " \"" + attribute.value() + "\" is not a UTC time (YYYY-MM-DDThh:mm:ssZ)");
  return day;
}

std::optional<double> CXmlSource::TimeText(pugi::xml_node parent, std::string_view localName) const {
  const pugi::xml_node element = Child(parent, localName);
  if (!element) return std::nullopt;
  const std::optional<double> day = ParseIsoTime(element.text().get());
  if (!day)
    Refuse(element,
           std::string(localName) + " \"" + element.text().get() + "\" is not a UTC time (YYYY-MM-DDThh:mm:ssZ)");
  return day;
}

namespace {

// XML 1.0 has no place for control characters other than tab and the line
// ends, not even escaped: a stray one in a name becomes a blank.
std::string XmlCharacters(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') c = ' ';
  return text;
}

}  // namespace

void PutAttribute(pugi::xml_node element, const char* name, const std::string& value) {
  element.append_attribute(name) = XmlCharacters(value).c_str();
}

void PutText(pugi::xml_node parent, const char* name, const std::string& value) {
  parent.append_child(name).text().set(XmlCharacters(value).c_str());
}

std::string XmlFileText(pugi::xml_document& document) {
  if (document.first_child().type() != pugi::node_declaration) {
    pugi::xml_node declaration = document.prepend_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
  }
  std::ostringstream out;
  document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
  return out.str();
}

}  // namespace marigold
