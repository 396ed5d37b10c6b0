#pragma once
// Lets Qt Test print the standard strings and string lists that the fakes
// record, when a comparison of them fails.
#include <QtTest>
#include <string>
#include <vector>

namespace QTest {

template <>
inline char* toString(const std::string& text) {
  return qstrdup(text.c_str());
}

template <>
inline char* toString(const std::vector<std::string>& lines) {
  std::string joined = "{";
  for (const std::string& line : lines) joined += (joined.size() > 1 ? "\", \"" : "\"") + line;
  return qstrdup((joined + (lines.empty() ? "}" : "\"}")).c_str());
}

}  // namespace QTest
