#include "console/progress.h"

#include <cstdio>

namespace solvane {

namespace {

long long Percent(long long step, long long steps) { return (step + 1) * 100 / steps; }

std::string TwoDigits(long long value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? " " + text : text;
}

}  // namespace

std::string ProgressText(long long step, long long steps, std::string_view lastEnding) {
  const std::string number = TwoDigits(Percent(step, steps));
  if (step == 0) return number + "%Completed." + std::string(13, '\b');
  if (step == steps - 1) return number + "%Completed." + std::string(lastEnding);
  return number + "\b\b";
}

void PrintProgress(long long step, long long steps, std::string_view lastEnding) {
  const std::string text = ProgressText(step, steps, lastEnding);
  std::fwrite(text.data(), 1, text.size(), stdout);
  if (step == 0 || step == steps - 1 || Percent(step - 1, steps) != Percent(step, steps)) {
    std::fflush(stdout);
  }
}

}  // namespace solvane
