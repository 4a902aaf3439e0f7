// Timing whole processes: a program run with its output into a file, the
// way a script runs it, for the benches that compare `orv` as a process
// (start-up included) with its targets and with other programs.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_support.h"

extern char** environ;

namespace orv::bench {

// One run of a process: its wall-clock time and the processor time it used
// (user and system), in ms; wallMs is -1 when it failed.
struct ProcessTime {
  double wallMs = -1;
  double cpuMs = 0;
};

// Runs `argv` (argv[0] looked up on PATH when it holds no "/") with its
// standard output into the file `out` and its errors to /dev/null. A run
// that could not be started or did not exit with 0 has wallMs -1. On a
// machine shared with other work the processor time says more than the
// wall-clock time, which includes the waits for a processor.
inline ProcessTime RunProcess(const std::vector<std::string>& argv, const std::string& out) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  const auto start = Clock::now();
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, args[0], &files, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&files);
  ProcessTime t;
  if (rc != 0) return t;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double wall = MsSince(start);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return t;
  t.wallMs = wall;
  t.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
            (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  return t;
}

// The wall-clock and processor times of a series of runs.
struct ProcessTally {
  Tally wall;
  Tally cpu;
  bool ok = true;  // false when a run failed (the tallies then stop there)
};

inline ProcessTally RunProcesses(const std::vector<std::string>& argv, const std::string& out,
                                 int runs) {
  ProcessTally t;
  for (int i = 0; i < runs && t.ok; ++i) {
    const ProcessTime one = RunProcess(argv, out);
    t.ok = one.wallMs >= 0;
    if (t.ok) {
      t.wall.Add(one.wallMs);
      t.cpu.Add(one.cpuMs);
    }
  }
  return t;
}

// The whole text of the file at `path` ("" when it cannot be read).
inline std::string FileText(const std::string& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace orv::bench
