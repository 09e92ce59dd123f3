#pragma once
// Recording stand-ins for the platform services of the installation engine
// and the system helpers: they keep every call and answer as configured.
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/Error.h"
#include "installer/Shell.h"
#include "installer/ShellLink.h"
#include "installer/UserRegistry.h"
#include "installer/WinSysTools.h"

namespace nuvex::test {

struct ShellCall {
  std::string verb, file, parameters;
  int showState;
  bool operator==(const ShellCall&) const = default;
};

inline void PrintTo(const ShellCall& c, std::ostream* os) {
  *os << "{" << c.verb << ", " << c.file << ", [" << c.parameters << "], show " << c.showState << "}";
}

// Answers `result` to every call, or what `answer` says when it is set.
// With `forward`, the call goes on to that shell and its value is kept.
class RecordingShell : public Shell {
 public:
  intptr_t Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                   int showState) override {
    calls.push_back({verb, file, parameters, showState});
    intptr_t value = forward ? forward->Execute(verb, file, parameters, showState)
                     : answer ? answer(calls.back())
                              : result;
    results.push_back(value);
    return value;
  }
  std::vector<ShellCall> calls;
  std::vector<intptr_t> results;
  intptr_t result = 42;
  std::function<intptr_t(const ShellCall&)> answer;
  Shell* forward = nullptr;
};

class FakeRegistry : public UserRegistry {
 public:
  RegistryValue Read(const std::string& key, const std::string& name) override {
    reads.push_back(key + "|" + name);
    return value;
  }
  static RegistryValue Text(const std::string& text) { return {RegistryValue::Kind::Text, text}; }
  std::vector<std::string> reads;
  RegistryValue value;  // missing unless set
};

// Every operation on every link, in order, as "Op(argument)".
class RecordingLinks : public ShellLinkFactory {
 public:
  std::unique_ptr<ShellLink> Create() override {
    ++created;
    if (!failure.empty()) throw Error(failure);
    return std::make_unique<Link>(log);
  }
  std::vector<std::string> log;
  int created = 0;
  std::string failure;  // when set, Create raises it

 private:
  class Link : public ShellLink {
   public:
    explicit Link(std::vector<std::string>& log) : log_(log) {}
    void SetArguments(const std::string& a) override { log_.push_back("SetArguments(" + a + ")"); }
    void SetPath(const std::string& p) override { log_.push_back("SetPath(" + p + ")"); }
    void SetWorkingDirectory(const std::string& f) override { log_.push_back("SetWorkingDirectory(" + f + ")"); }
    void Save(const std::string& f) override { log_.push_back("Save(" + f + ")"); }

   private:
    std::vector<std::string>& log_;
  };
};

// Puts other platform folder calls in place for one scope.
class ScopedFolderCalls {
 public:
  explicit ScopedFolderCalls(SystemFolderCalls calls) : saved_(FolderCalls()) { FolderCalls() = calls; }
  ~ScopedFolderCalls() { FolderCalls() = saved_; }
  ScopedFolderCalls(const ScopedFolderCalls&) = delete;
  ScopedFolderCalls& operator=(const ScopedFolderCalls&) = delete;

 private:
  SystemFolderCalls saved_;
};

}  // namespace nuvex::test
