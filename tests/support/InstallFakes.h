#pragma once
// Recording stand-ins for the platform services of the installation engine
// and the system helpers: they keep every call and answer as configured.
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/Error.h"
#include "base/Service.h"
#include "platform/Shell.h"
#include "platform/ShellLink.h"
#include "platform/SystemFolders.h"
#include "platform/UserRegistry.h"

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
// With `forward`, the call goes on to that shell and its answer is kept.
class RecordingShell : public Shell {
 public:
  TShellResult Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                       int showState) override {
    calls.push_back({verb, file, parameters, showState});
    TShellResult value = forward ? forward->Execute(verb, file, parameters, showState)
                         : answer ? answer(calls.back())
                                  : result;
    results.push_back(value);
    return value;
  }
  std::vector<ShellCall> calls;
  std::vector<TShellResult> results;
  TShellResult result = TShellResult::StartedOk();
  std::function<TShellResult(const ShellCall&)> answer;
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

// Folder answers given by two functions in the form of GetSystemDirectoryA;
// a missing one fails (answers 0).
class FakeFolders : public TSystemFolders {
 public:
  using Query = std::function<uint32_t(char* buffer, uint32_t size)>;
  FakeFolders(Query system, Query windows) : system_(std::move(system)), windows_(std::move(windows)) {}
  uint32_t SystemDirectory(char* buffer, uint32_t size) override { return system_ ? system_(buffer, size) : 0; }
  uint32_t WindowsDirectory(char* buffer, uint32_t size) override { return windows_ ? windows_(buffer, size) : 0; }

 private:
  Query system_, windows_;
};

// The recording shell, registry and links in place of the platform's for one scope.
struct ScopedInstallServices {
  ScopedInstallServices(Shell& shell, UserRegistry& registry, ShellLinkFactory& links)
      : shellScope(shell), registryScope(registry), linksScope(links) {}
  ScopedService<Shell> shellScope;
  ScopedService<UserRegistry> registryScope;
  ScopedService<ShellLinkFactory> linksScope;
};

}  // namespace nuvex::test
