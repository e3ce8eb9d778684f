#pragma once
// Runs krattle-cli from the build beside the tests and collects what it printed.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace krattle::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs one of the programs built beside the tests.
inline CliResult RunProgram(const std::string& program, const std::string& args) {
  const std::filesystem::path errFile =
      std::filesystem::temp_directory_path() / ("krattle-cli-test-" + std::to_string(::getpid()));
  const std::string cmd =
      std::string(KRATTLE_BIN_DIR) + "/" + program + " " + args + " 2>" + errFile.string();
  CliResult r;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  const int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  std::ifstream e(errFile);
  std::stringstream ss;
  ss << e.rdbuf();
  r.err = ss.str();
  std::filesystem::remove(errFile);
  return r;
}

inline CliResult RunCli(const std::string& args) {
  return RunProgram("krattle-cli", args);
}

}  // namespace krattle::testing
