#pragma once
// A small JSON writer for the command line's --json output and dumps.
#include <string>
#include <string_view>
#include <vector>

namespace marigold {

std::string JsonString(std::string_view text);
// Shortest form that reads back as the same double; null when not finite.
std::string JsonNumber(double value);

class CJsonObject {
 public:
  CJsonObject& Raw(std::string_view key, std::string json);
  CJsonObject& Add(std::string_view key, std::string_view text) { return Raw(key, JsonString(text)); }
  CJsonObject& Add(std::string_view key, const char* text) { return Raw(key, JsonString(text)); }
  CJsonObject& Add(std::string_view key, double value) { return Raw(key, JsonNumber(value)); }
  CJsonObject& Add(std::string_view key, int value) { return Raw(key, std::to_string(value)); }
  CJsonObject& Add(std::string_view key, bool value) { return Raw(key, value ? "true" : "false"); }
  CJsonObject& Add(std::string_view key, const CJsonObject& value) { return Raw(key, value.Text()); }
  std::string Text() const { return "{" + body_ + "}"; }

 private:
  std::string body_;
};

std::string JsonArray(const std::vector<std::string>& items);

}  // namespace marigold
