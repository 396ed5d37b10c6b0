#pragma once
// The command line's arguments: positional words and --options.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace marigold {

// A usage error: exit status 2.
struct CUsageError {
  std::string message;
};

class CCliArgs {
 public:
  // Options in `flags` take no value; every other --option takes the next word.
  CCliArgs(int argc, char** argv, const std::set<std::string>& flags);

  const std::vector<std::string>& Words() const { return words_; }
  std::string Word(std::size_t index, const char* what) const;  // throws CUsageError when missing
  bool Flag(const std::string& name) const { return flags_.count(name) != 0; }
  std::optional<std::string> Option(const std::string& name) const;
  std::string Required(const std::string& name) const;
  double Number(const std::string& name) const;  // required number
  std::optional<double> OptionalNumber(const std::string& name) const;
  // A number that must lie within a range (a usage error otherwise).
  std::optional<double> OptionalNumberIn(const std::string& name, double minimum, double maximum) const;

 private:
  std::vector<std::string> words_;
  std::set<std::string> flags_;
  std::map<std::string, std::string> options_;
};

double ParseNumber(const std::string& text, const std::string& what);
// A whole number from 1 to `count` (the officer counts from 1), returned
// counted from 0.
int ParseIndex(const std::string& text, int count, const std::string& what);
// "-45.5", "45:30.0S" or "010:00.0W". More than 90 (180) degrees is a
// usage error, unless `anyDegrees` (a caller that checks the range itself).
double ParseLatitude(const std::string& text, bool anyDegrees = false);
double ParseLongitude(const std::string& text, bool anyDegrees = false);

}  // namespace marigold
