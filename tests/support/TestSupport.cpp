#include "tests/support/TestSupport.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace nuvex::test {
namespace {

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

std::string Separated(std::string path) {
  for (char& c : path)
    if (c == '/' || c == '\\') c = kSep;
  return path;
}

}  // namespace

std::string SourcePath(const std::string& relative) {
  return Separated(std::string(NUVEX_SOURCE_DIR) + "/" + relative);
}

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  auto dir = std::filesystem::temp_directory_path() /
             ("nuvex-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(dir);
  path_ = Separated(dir.string());
  if (path_.back() != kSep) path_ += kSep;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

std::string TempFolder::operator/(const std::string& name) const { return path_ + Separated(name); }

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteAll(const std::string& path, const std::string& text) {
  WriteAll(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace nuvex::test
