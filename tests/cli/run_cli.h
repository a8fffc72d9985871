// hydrelix-cli run as a user runs it: arguments, standard input from a
// text, standard output and error captured, and the exit status.
#ifndef HYDRELIX_TESTS_CLI_RUN_CLI_H
#define HYDRELIX_TESTS_CLI_RUN_CLI_H

#include <sys/resource.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace cli_test {

struct Run {
  int status = -1;  // the exit status, or 128 + the signal that ended it
  std::string out;
  std::string err;
  long peakKilobytes = 0;  // the run's peak resident memory
};

// Runs the program with `arguments`, `input` on standard input (or the file
// `inputFile` when given), standard output discarded when `keepOutput` is
// false.
Run RunCli(const std::vector<std::string>& arguments, const std::string& input = {},
           bool keepOutput = true, const std::string& inputFile = {});

// Starts the program without waiting; its standard input is the read end of
// a pipe whose write end is returned in `writeEnd`.
pid_t StartCli(const std::vector<std::string>& arguments, int& writeEnd);
// Waits for a started program; the status as RunCli gives it.
int WaitCli(pid_t pid);

// A fresh empty folder, removed with its content by the caller's RemoveTree.
std::string TemporaryFolder();
void RemoveTree(const std::string& folder);
std::vector<std::string> FolderEntries(const std::string& folder);
std::string ReadFile(const std::string& path);

// Whether `text` holds `part`; the lines of a text without their "\n".
bool Has(const std::string& text, const std::string& part);
std::vector<std::string> Lines(const std::string& text);
void WriteFile(const std::string& path, const std::string& text);

}  // namespace cli_test

#endif
