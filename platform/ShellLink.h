#pragma once
// Shortcut files, behind a seam of our own: one link object is set up and
// saved under several names.
#include <memory>
#include <string>

#include "base/Service.h"

namespace nuvex {

class ShellLink {
 public:
  virtual ~ShellLink() = default;
  // Results are not reported: a call that fails leaves the link as it was.
  virtual void SetArguments(const std::string& arguments) = 0;
  virtual void SetPath(const std::string& path) = 0;
  virtual void SetWorkingDirectory(const std::string& folder) = 0;
  // Writes the link to `file` without making it the object's current file.
  virtual void Save(const std::string& file) = 0;
};

class ShellLinkFactory {
 public:
  virtual ~ShellLinkFactory() = default;
  // A new link object; raises nuvex::Error when it cannot be had.
  virtual std::unique_ptr<ShellLink> Create() = 0;
};

// On Windows the shell's link object.  Natively a stand-in that writes a
// small text file with the target, working folder and arguments.
template <>
ShellLinkFactory& Service<ShellLinkFactory>::Platform();

}  // namespace nuvex
