#pragma once
// Timing of work whose console output is kept off the benchmark's own table.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>

namespace bench {

// Standard output goes to /dev/null while `work` runs, so that progress
// printing costs what it costs on a redirected console and stays off the table.
inline void Silently(const std::function<void()>& work) {
  std::fflush(stdout);
  const int saved = dup(STDOUT_FILENO);
  const int sink = open("/dev/null", O_WRONLY);
  dup2(sink, STDOUT_FILENO);
  work();
  std::fflush(stdout);
  dup2(saved, STDOUT_FILENO);
  close(sink);
  close(saved);
}

// Wall-clock seconds, and processor seconds of all the process's threads.
struct Seconds {
  double wall;
  double processor;
};

inline Seconds SecondsOf(const std::function<void()>& work) {
  const std::clock_t processorStart = std::clock();
  const auto start = std::chrono::steady_clock::now();
  Silently(work);
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
          static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC};
}

}  // namespace bench
