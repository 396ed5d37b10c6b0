#pragma once
// XML through pugixml for the exchange formats. Reading: elements by their
// names without a namespace prefix, line numbers for messages, attribute
// values as numbers and UTC times; every problem is thrown as a CXmlRefused,
// which ReadXml turns into the reader's refusal (pugixml expands no entities
// of a DTD, so a file cannot blow itself up). Writing: attributes and text
// elements, and the document as file text.
#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/ExchangeRefusal.h"

namespace marigold {

struct CXmlRefused {
  CExchangeRefusal refusal;
};

// "rtz:waypoint" and "waypoint" are both "waypoint".
std::string_view LocalName(pugi::xml_node node);
// The first child element of that local name (an empty node when none), and
// all of them in file order.
pugi::xml_node Child(pugi::xml_node parent, std::string_view localName);
std::vector<pugi::xml_node> Children(pugi::xml_node parent, std::string_view localName);

class CXmlSource {
 public:
  // Throws CXmlRefused for bytes that are not well-formed XML.
  explicit CXmlSource(std::span<const std::uint8_t> bytes);

  pugi::xml_node Root() const { return document_.document_element(); }
  // 1-based; 0 when the node was not read from the file.
  int LineOf(pugi::xml_node node) const;
  [[noreturn]] void Refuse(pugi::xml_node node, std::string problem) const;

  // An attribute as a number within [min, max] (either may be infinite);
  // none when the element or the attribute is missing. Text that is no
  // number, or a number out of range, is refused.
  std::optional<double> Number(pugi::xml_node node, const char* name, double min, double max) const;
  // A whole number (an id): refused unless it is one.
  std::optional<std::uint64_t> WholeNumber(pugi::xml_node node, const char* name) const;
  // An attribute as a UTC day number; refused unless it is an ISO 8601 time.
  std::optional<double> Time(pugi::xml_node node, const char* name) const;
  // The text of a child element (GPX keeps times so) as a UTC day number.
  std::optional<double> TimeText(pugi::xml_node parent, std::string_view localName) const;

 private:
  int LineAt(std::ptrdiff_t offset) const;

  std::string text_;  // the bytes as read, for line numbers
  pugi::xml_document document_;
};

// Runs a reader over the parsed bytes: what it read, or the refusal it (or
// the parser) threw.
template <class T, class Reader>
CReadResult<T> ReadXml(std::span<const std::uint8_t> bytes, Reader reader) {
  try {
    const CXmlSource xml(bytes);
    return reader(xml);
  } catch (const CXmlRefused& refused) {
    return refused.refusal;
  }
}

// Control characters other than tab and line ends become blanks.
void PutAttribute(pugi::xml_node element, const char* name, const std::string& value);
void PutText(pugi::xml_node parent, const char* name, const std::string& value);

// The document as a file: headed by an XML declaration naming UTF-8, with
// two-space indents.
std::string XmlFileText(pugi::xml_document& document);

}  // namespace marigold
