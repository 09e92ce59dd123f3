#pragma once
// Errors and warnings collected while a package is built or checked.
#include <string>
#include <vector>

namespace nvxpack {

struct Diagnostics {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;

  void Error(std::string text) { errors.push_back(std::move(text)); }
  void Warning(std::string text) { warnings.push_back(std::move(text)); }
  bool Ok() const { return errors.empty(); }
};

}  // namespace nvxpack
