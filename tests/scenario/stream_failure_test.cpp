// SPDX-License-Identifier: GPL-3.0-or-later
// A run whose input or output fails never passes for a played scenario: the
// window report a test compares must be whole, and so must the story.
#include "scenario/scenario_runner.h"

#include <gtest/gtest.h>

#include <ios>
#include <istream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

// An output that takes nothing, as a full disk.
struct FullDevice : std::streambuf {
  int_type overflow(int_type) override { return traits_type::eof(); }
};

// An output that takes everything into its buffer and fails only when
// flushed, as a file whose disk fills up after the program exits.
struct FailsWhenFlushed : std::streambuf {
  FailsWhenFlushed() { setp(buffer, buffer + sizeof buffer); }
  int_type overflow(int_type) override { return traits_type::eof(); }
  int sync() override { return -1; }
  char buffer[1 << 16];
};

// An input that delivers `lines`, then fails as a disk read error does.
struct FailsAfter : std::streambuf {
  explicit FailsAfter(std::string lines) : text(std::move(lines)) {
    setg(text.data(), text.data(), text.data() + text.size());
  }
  int_type underflow() override { throw std::ios_base::failure("read error"); }
  std::string text;
};

}  // namespace

TEST(StreamFailure, OutputThatTakesNothingStopsTheRunAtTheShow) {
  FullDevice device;
  std::ostream out(&device);
  std::istringstream in("show\nnot-an-action\n");
  std::ostringstream errors;
  EXPECT_EQ(scenario::RunScenario(in, "story", out, errors), scenario::kOutputUnwritable);
  EXPECT_EQ(errors.str(), "hydrelix-scenario: cannot write the output, stopped at line 1\n");
}

TEST(StreamFailure, OutputThatFailsOnlyWhenFlushedIsCaughtAtTheShow) {
  FailsWhenFlushed buffered;
  std::ostream out(&buffered);
  std::istringstream in("click cmdClear\nshow\nclick cmdClear\n");
  std::ostringstream errors;
  EXPECT_EQ(scenario::RunScenario(in, "story", out, errors), scenario::kOutputUnwritable);
  EXPECT_EQ(errors.str(), "hydrelix-scenario: cannot write the output, stopped at line 2\n");
}

TEST(StreamFailure, InputThatFailsMidwayIsNotTakenForItsEnd) {
  FailsAfter disk("click cmdClear\n");
  std::istream in(&disk);
  std::ostringstream out;
  std::ostringstream errors;
  EXPECT_EQ(scenario::RunScenario(in, "story.scenario", out, errors),
            scenario::kInputUnreadable);
  EXPECT_EQ(errors.str(), "hydrelix-scenario: cannot read story.scenario past line 1\n");
}
