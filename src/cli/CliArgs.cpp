#include "cli/CliArgs.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/TextFormat.h"

namespace marigold {

CCliArgs::CCliArgs(int argc, char** argv, const std::set<std::string>& flags) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.size() > 2 && word.rfind("--", 0) == 0) {
      const std::string name = word.substr(2);
      if (flags.count(name)) {
        flags_.insert(name);
      } else {
        if (i + 1 >= argc) throw CUsageError{"option " + word + " needs a value"};
        options_[name] = argv[++i];
      }
    } else if (word == "-o") {
      if (i + 1 >= argc) throw CUsageError{"option -o needs a file"};
      options_["o"] = argv[++i];
    } else {
      words_.push_back(word);
    }
  }
}

std::string CCliArgs::Word(std::size_t index, const char* what) const {
  if (index >= words_.size()) throw CUsageError{std::string("missing ") + what};
  return words_[index];
}

std::optional<std::string> CCliArgs::Option(const std::string& name) const {
  const auto it = options_.find(name);
  if (it == options_.end()) return std::nullopt;
  return it->second;
}

std::string CCliArgs::Required(const std::string& name) const {
  const auto value = Option(name);
  if (!value) throw CUsageError{"missing --" + name};
  return *value;
}

double CCliArgs::Number(const std::string& name) const { return ParseNumber(Required(name), "--" + name); }

std::optional<double> CCliArgs::OptionalNumber(const std::string& name) const {
  const auto value = Option(name);
  if (!value) return std::nullopt;
  return ParseNumber(*value, "--" + name);
}

std::optional<double> CCliArgs::OptionalNumberIn(const std::string& name, double minimum, double maximum) const {
  const std::optional<double> value = OptionalNumber(name);
  if (value && (*value < minimum || *value > maximum))
    throw CUsageError{"--" + name + " must lie between " + Format("%g", minimum) + " and " + Format("%g", maximum) +
                      ": " + *Option(name)};
  return value;
}

double ParseNumber(const std::string& text, const std::string& what) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end || !std::isfinite(value)) throw CUsageError{what + ": not a number: " + text};
  return value;
}

int ParseIndex(const std::string& text, int count, const std::string& what) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || value < 1 || value > count)
    throw CUsageError{what + " takes a number from 1 to " + std::to_string(count) + ": " + text};
  return static_cast<int>(value - 1);
}

namespace {

double ParseAngle(const std::string& text, char positive, char negative, double limit, const char* what) {
  std::string body = text;
  double sign = 1;
  if (!body.empty()) {
    const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(body.back())));
    if (last == positive || last == negative) {
      sign = last == negative ? -1 : 1;
      body.pop_back();
    }
  }
  double value;
  const std::size_t colon = body.find(':');
  if (colon == std::string::npos) {
    value = ParseNumber(body, what);
  } else {
    const double degrees = ParseNumber(body.substr(0, colon), what);
    const double minutes = ParseNumber(body.substr(colon + 1), what);
    if (degrees < 0 || minutes < 0 || minutes >= 60) throw CUsageError{std::string(what) + ": " + text};
    value = degrees + minutes / 60;
  }
  value *= sign;
  if (std::fabs(value) > limit) throw CUsageError{std::string(what) + " out of range: " + text};
  return value;
}

}  // namespace

double ParseLatitude(const std::string& text, bool anyDegrees) {
  return ParseAngle(text, 'N', 'S', anyDegrees ? HUGE_VAL : 90, "latitude");
}
double ParseLongitude(const std::string& text, bool anyDegrees) {
  return ParseAngle(text, 'E', 'W', anyDegrees ? HUGE_VAL : 180, "longitude");
}

}  // namespace marigold
