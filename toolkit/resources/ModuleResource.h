#pragma once
// The program module's own resources (Windows only).
#ifndef _WIN32
#error "ModuleResource.h is for Windows builds only"
#endif
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace nuvex {

// The bytes of the module's resource of that name and numeric type
// (RT_BITMAP, RT_RCDATA), or nothing; FindResource compares names without
// regard to letter case.  They stay valid for the program's lifetime.
std::optional<std::span<const uint8_t>> FindModuleResource(const std::string& name, int type);

}  // namespace nuvex
