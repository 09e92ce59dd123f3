#include "base/Error.h"
#include "platform/ShellLink.h"
#include "platform/Files.h"

namespace nuvex {
namespace {

class TextLink final : public ShellLink {
 public:
  void SetArguments(const std::string& arguments) override { arguments_ = arguments; }
  void SetPath(const std::string& path) override { path_ = path; }
  void SetWorkingDirectory(const std::string& folder) override { folder_ = folder; }
  void Save(const std::string& file) override {
    std::string text = "[Shortcut]\nTarget=" + path_ + "\nWorkingDirectory=" + folder_ +
                       "\nArguments=" + arguments_ + "\n";
    try {
      FileStream::Create(file).Write(text.data(), text.size());
    } catch (const Error&) {
      // Like the link object's own save: the result is the caller's to ignore.
    }
  }

 private:
  std::string arguments_, path_, folder_;
};

class TextLinkFactory final : public ShellLinkFactory {
 public:
  std::unique_ptr<ShellLink> Create() override { return std::make_unique<TextLink>(); }
};

}  // namespace

template <>
ShellLinkFactory& Service<ShellLinkFactory>::Platform() { return PlatformObject<TextLinkFactory>(); }

}  // namespace nuvex
