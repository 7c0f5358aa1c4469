// A time zone set for the life of an object, for tests of local times.
#pragma once

#include <stdlib.h>
#include <time.h>

#include <optional>
#include <string>

namespace torvane::testing {

/// Sets TZ (a POSIX zone text such as "UTC0" or "<+08>-8") and puts the previous value back.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = getenv("TZ")) previous_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> previous_;
};

}  // namespace torvane::testing
