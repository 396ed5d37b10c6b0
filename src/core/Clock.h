#pragma once
// "Now", behind an interface so that tests can fix it.
#include <ctime>

namespace marigold {

class CClock {
 public:
  virtual ~CClock() = default;
  // Seconds since 1970-01-01 00:00 UTC.
  virtual std::time_t Now() const = 0;
};

class CSystemClock final : public CClock {
 public:
  std::time_t Now() const override { return std::time(nullptr); }
};

}  // namespace marigold
