// An environment variable set for the life of the object (unset when
// `value` is null), with its old value, or its absence, put back after.
//
//   ScopedEnv root("ORV_ROOT", dir.File("root").c_str());
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace orv::test {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const char* value) const {
    if (value) {
      setenv(name_.c_str(), value, 1);
    } else {
      unsetenv(name_.c_str());
    }
  }

  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace orv::test
