#pragma once
// Why a route or track file was not taken: the problem and the line of the
// file it was found on. A reader that refuses a file changes nothing.
#include <optional>
#include <string>
#include <utility>

namespace marigold {

struct CExchangeRefusal {
  CExchangeRefusal() = default;
  CExchangeRefusal(int atLine, std::string what, std::string inPart = {})
      : line(atLine), problem(std::move(what)), part(std::move(inPart)) {}

  int line = 0;  // 0: the file as a whole
  std::string problem;
  std::string part;  // the file inside a container the line is counted in

  // "line 12: duplicate waypoint id 3", "route.rtz, line 12: ...", or the
  // problem alone.
  std::string Text() const {
    std::string where = part;
    if (line > 0) where += (where.empty() ? "line " : ", line ") + std::to_string(line);
    return where.empty() ? problem : where + ": " + problem;
  }
};

// What a reader gives back: the value read, or why there is none.
template <class T>
class CReadResult {
 public:
  CReadResult(T value) : value_(std::move(value)) {}
  CReadResult(CExchangeRefusal refusal) : refusal_(std::move(refusal)) {}

  explicit operator bool() const { return value_.has_value(); }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  const CExchangeRefusal& Refusal() const { return refusal_; }

 private:
  std::optional<T> value_;
  CExchangeRefusal refusal_;
};

}  // namespace marigold
