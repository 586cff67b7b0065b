// What the command-line tests share: running logoloft-cli as a user would, and a scratch folder of
// their own for each test.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

inline const std::string kCli = P8_BINARY_DIR "/tools/logoloft-cli/logoloft-cli";
inline const std::string kSamples = P8_SOURCE_DIR "/samples/";

struct CliRun {
  int status;
  std::string output;  // stdout and stderr together
};

// Runs logoloft-cli with these arguments (a shell command line) and waits for it.
inline CliRun RunCli(const std::string& arguments) {
  FILE* pipe = popen((kCli + " " + arguments + " 2>&1").c_str(), "r");
  EXPECT_NE(pipe, nullptr);
  std::string output;
  char buffer[512];
  while (pipe && fgets(buffer, sizeof buffer, pipe)) output += buffer;
  const int raw = pipe ? pclose(pipe) : -1;
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, output};
}

// A fresh, empty folder in the temporary directory for every test, removed afterwards.
class ScratchFolderTest : public ::testing::Test {
 protected:
  explicit ScratchFolderTest(const std::string& name)
      : dir_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()))) {}
  void SetUp() override {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  const std::filesystem::path dir_;
};
