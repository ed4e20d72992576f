// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the window to its first paint, as a user meets it: the real
// program is started on Qt's offscreen platform and ends itself after the
// first paint. Also reports the program's peak resident memory.
#include <benchmark/benchmark.h>

#ifdef TEMPULO_WINDOW_BINARY
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

void BM_StartupToFirstPaint(benchmark::State& state) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    environment.emplace_back(*entry);
  }
  environment.emplace_back("QT_QPA_PLATFORM=offscreen");
  environment.emplace_back("TEMPULO_QUIT_AFTER_FIRST_PAINT=1");
  std::vector<char*> envp;
  for (std::string& entry : environment) {
    envp.push_back(entry.data());
  }
  envp.push_back(nullptr);
  std::string program = TEMPULO_WINDOW_BINARY;
  char* argv[] = {program.data(), nullptr};

  long peakKilobytes = 0;
  for (auto _ : state) {
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
      state.SkipWithError("the window program could not be started");
      return;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the window program did not end normally");
      return;
    }
    peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
  }
  state.counters["peak_rss_MiB"] = static_cast<double>(peakKilobytes) / 1024.0;
}

BENCHMARK(BM_StartupToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
#endif
