#include "run_cli.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace cli_test {
namespace {

std::vector<char*> Argv(const std::vector<std::string>& arguments,
                        std::vector<std::string>& storage) {
  storage.assign(1, HYDRELIX_CLI);
  storage.insert(storage.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : storage) argv.push_back(a.data());
  argv.push_back(nullptr);
  return argv;
}

int StatusOf(int raw) {
  if (WIFEXITED(raw)) return WEXITSTATUS(raw);
  if (WIFSIGNALED(raw)) return 128 + WTERMSIG(raw);
  return -1;
}

}  // namespace

std::string TemporaryFolder() {
  char pattern[] = "/tmp/hydrelix-cli-test.XXXXXX";
  const char* made = ::mkdtemp(pattern);
  EXPECT_NE(made, nullptr);
  return made != nullptr ? made : "/tmp";
}

void RemoveTree(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
}

Run RunCli(const std::vector<std::string>& arguments, const std::string& input, bool keepOutput,
           const std::string& inputFile) {
  const std::string folder = TemporaryFolder();
  const std::string in = inputFile.empty() ? folder + "/in" : inputFile;
  if (inputFile.empty()) WriteFile(in, input);
  const std::string out = keepOutput ? folder + "/out" : "/dev/null";
  const std::string err = folder + "/err";
  std::vector<std::string> storage;
  std::vector<char*> argv = Argv(arguments, storage);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int i = ::open(in.c_str(), O_RDONLY);
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(i, 0);
    ::dup2(o, 1);
    ::dup2(e, 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  Run run;
  int raw = 0;
  struct rusage usage {};
  ::wait4(pid, &raw, 0, &usage);
  run.status = StatusOf(raw);
  run.peakKilobytes = usage.ru_maxrss;
  if (keepOutput) run.out = ReadFile(out);
  run.err = ReadFile(err);
  RemoveTree(folder);
  return run;
}

pid_t StartCli(const std::vector<std::string>& arguments, int& writeEnd) {
  int fds[2];
  EXPECT_EQ(::pipe(fds), 0);
  std::vector<std::string> storage;
  std::vector<char*> argv = Argv(arguments, storage);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(fds[0], 0);
    ::close(fds[1]);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(fds[0]);
  writeEnd = fds[1];
  return pid;
}

int WaitCli(pid_t pid) {
  int raw = 0;
  ::waitpid(pid, &raw, 0);
  return StatusOf(raw);
}

}  // namespace cli_test
