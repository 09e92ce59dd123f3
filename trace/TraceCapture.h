#pragma once
// For tests only: records what reaches the trace log while a TraceCapture
// lives.  The program keeps the silent sink, so its trace calls do nothing.
#include <string>
#include <vector>

#include "trace/TraceUnit.h"

namespace nuvex {

struct TraceLine {
  std::string pattern;  // the message, or the pattern of a TraceFormat call
  std::vector<std::string> args;
  bool formatted = false;  // came through TraceFormat

  // The line as it would read with its placeholders filled.
  std::string Text() const {
    if (!formatted) return pattern;
    std::string text;
    size_t from = 0;
    for (const std::string& arg : args) {
      const size_t at = pattern.find("%s", from);
      if (at == std::string::npos) break;
      text.append(pattern, from, at - from).append(arg);
      from = at + 2;
    }
    return text.append(pattern, from);
  }
};

// Captures trace lines for its lifetime; nested captures restore the outer one.
class TraceCapture final : private TTraceSink {
 public:
  TraceCapture() = default;
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  const std::vector<TraceLine>& Lines() const { return lines_; }

 private:
  void Traced(const std::string& pattern, const std::vector<std::string>& args, bool formatted) override {
    lines_.push_back({pattern, args, formatted});
  }

  std::vector<TraceLine> lines_;
  ScopedService<TTraceSink> scope_{*this};
};

}  // namespace nuvex
