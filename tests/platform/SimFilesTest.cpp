// The simulated file store: Windows paths, attributes, whole-file calls and the program's own path.
#include <string>
#include <vector>

#include "platform/os/Files.h"
#include "platform/os/ProgramFolder.h"
#include "platform/sim/SimFiles.h"
#include "tests/platform/SimFixture.h"

namespace {

using SimFilesTest = SimFixture;

TEST_F(SimFilesTest, PathsNameOneFileWhateverTheirCaseAndSlashes) {
  sim::PutTextFile("C:\\P-8\\NV.inf", "abc");
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(os::ReadWholeFile("c:/p-8/nv.INF", bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "abc");
  ASSERT_TRUE(os::WriteWholeFile("C:\\p-8\\Nv.Inf", {'x', 'y'}));
  EXPECT_EQ(sim::FileText("C:\\P-8\\NV.inf"), "xy");
}

TEST_F(SimFilesTest, AttributesTellFilesFoldersAndReadOnly) {
  sim::PutTextFile("C:\\P-8\\NV.inf", "");
  EXPECT_EQ(os::GetFileAttributesA("C:\\P-8\\NV.inf"), os::kFileAttributeNormal);
  EXPECT_EQ(os::GetFileAttributesA("C:\\P-8"), os::kFileAttributeDirectory);
  EXPECT_EQ(os::GetFileAttributesA("C:\\P-"), os::kInvalidFileAttributes);
  EXPECT_EQ(os::GetFileAttributesA("C:\\P-8\\Other.inf"), os::kInvalidFileAttributes);
  sim::SetReadOnly("c:\\p-8\\nv.inf", true);
  EXPECT_EQ(os::GetFileAttributesA("C:\\P-8\\NV.inf"), os::kFileAttributeReadOnly);
}

TEST_F(SimFilesTest, RefusedWritesKeepTheOldContent) {
  sim::PutTextFile("C:\\a.sts", "old");
  sim::SetReadOnly("C:\\a.sts", true);
  EXPECT_FALSE(os::WriteWholeFile("C:\\a.sts", {'n'}));
  sim::SetReadOnly("C:\\a.sts", false);
  sim::FailWrites("C:\\a.sts", true);
  EXPECT_FALSE(os::WriteWholeFile("C:\\a.sts", {'n'}));
  EXPECT_EQ(sim::FileText("C:\\a.sts"), "old");

  std::vector<uint8_t> bytes{'z'};
  EXPECT_FALSE(os::ReadWholeFile("C:\\missing.sts", bytes));
  EXPECT_TRUE(bytes.empty());
  sim::RemoveFile("C:\\a.sts");
  EXPECT_FALSE(sim::FileBytes("C:\\a.sts").has_value());
}

TEST_F(SimFilesTest, ProgramPathIsSetByTheTest) {
  EXPECT_EQ(os::GetModuleFileNameA(), "C:\\P-8\\Logoloft.exe");
  sim::SetModuleFileName("D:\\Tools\\Pinset.exe");
  EXPECT_EQ(os::GetModuleFileNameA(), "D:\\Tools\\Pinset.exe");
}

}  // namespace
