#pragma once
// Helpers shared by the test programs.
#include <cstdint>
#include <string>
#include <vector>

namespace nuvex::test {

// A path in the source tree, in the form this platform's file layer takes.
std::string SourcePath(const std::string& relative);

// A fresh, empty folder that is removed with everything in it on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path with a trailing separator, as the file layer takes it.
  const std::string& Path() const { return path_; }
  // Path() + name, with "/" in name turned into this platform's separator.
  std::string operator/(const std::string& name) const;

 private:
  std::string path_;
};

std::vector<uint8_t> ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes);
void WriteAll(const std::string& path, const std::string& text);

// The message of the E that f raises, or "no error"; any other exception
// goes on to the test.
template <typename E, typename F>
std::string MessageOf(F&& f) {
  try {
    f();
  } catch (const E& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace nuvex::test
