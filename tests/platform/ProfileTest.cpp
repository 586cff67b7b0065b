// The private-profile functions on the simulated file store: the Windows rules, case by case.
#include <cstring>
#include <optional>
#include <string>

#include "platform/os/Profile.h"
#include "platform/sim/SimFiles.h"
#include "tests/platform/SimFixture.h"

namespace {

constexpr const char* kIni = "C:\\P-8\\NV.inf";

class ProfileTest : public SimFixture {
 protected:
  std::string Read(const char* section, const char* key, const char* defaultValue = "DEF") {
    char buffer[255];
    os::GetPrivateProfileStringA(section, key, defaultValue, buffer, sizeof buffer, kIni);
    return buffer;
  }
};

struct ReadCase {
  const char* name;
  const char* text;
  const char* section;
  const char* key;
  const char* expected;
};

const ReadCase kReadCases[] = {
    {"exact names", "[COMMON]\r\nModelType=1\r\n", "COMMON", "ModelType", "1"},
    {"names in any case", "[common]\r\nmodeltype=2\r\n", "Common", "MODELTYPE", "2"},
    {"blanks around names and value", "  [ COMMON ] \r\n\t ModelType \t=  3 \t\r\n", "COMMON",
     "ModelType", "3"},
    {"enclosing quotes removed", "[A]\r\nName=\" a b \"\r\n", "A", "Name", " a b "},
    {"value holding '='", "[A]\r\nK=x=y\r\n", "A", "K", "x=y"},
    {"empty value", "[A]\r\nK=\r\n", "A", "K", ""},
    {"lines ending in LF only", "[A]\nK=lf\n", "A", "K", "lf"},
    {"last line without line end", "[A]\r\nK=end", "A", "K", "end"},
    {"first of two equal keys", "[A]\r\nK=1\r\nk=2\r\n", "A", "K", "1"},
    {"key in a later section of the same name", "[A]\r\nX=1\r\n[B]\r\n[a]\r\nK=7\r\n", "A", "K", "7"},
    {"missing key", "[A]\r\nOther=1\r\n", "A", "K", "DEF"},
    {"missing section", "[A]\r\nK=1\r\n", "B", "K", "DEF"},
    {"key only in another section", "[A]\r\n[B]\r\nK=1\r\n", "A", "K", "DEF"},
    {"commented-out key", "[A]\r\n;K=1\r\n", "A", "K", "DEF"},
    {"key before any section", "K=1\r\n[A]\r\n", "A", "K", "DEF"},
};

TEST_F(ProfileTest, ReadsValuesByTheWindowsRules) {
  for (const ReadCase& c : kReadCases) {
    sim::PutTextFile(kIni, c.text);
    EXPECT_EQ(Read(c.section, c.key), c.expected) << c.name;
  }
}

TEST_F(ProfileTest, MissingFileGivesTheDefault) {
  EXPECT_EQ(Read("COMMON", "ModelName", "none"), "none");
  EXPECT_EQ(Read("COMMON", "ModelName", nullptr), "");
  EXPECT_EQ(os::GetPrivateProfileIntA("COMMON", "DOWNMAX", 12, kIni), 12u);
}

TEST_F(ProfileTest, ValuesAreCutToTheCallersBuffer) {
  std::string longValue(300, 'x');
  sim::PutTextFile(kIni, "[A]\r\nK=" + longValue + "\r\n");
  char buffer[255 + 4];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(os::GetPrivateProfileStringA("A", "K", "", buffer, 255, kIni), 254u);
  EXPECT_EQ(std::string(buffer), std::string(254, 'x'));
  EXPECT_EQ(std::string(buffer + 255, 4), "####");  // nothing written past the buffer

  EXPECT_EQ(os::GetPrivateProfileStringA("A", "Missing", "default", buffer, 4, kIni), 3u);
  EXPECT_STREQ(buffer, "def");
  EXPECT_EQ(os::GetPrivateProfileStringA("A", "K", "", buffer, 1, kIni), 0u);
  EXPECT_STREQ(buffer, "");
}

TEST_F(ProfileTest, IntegersAreTheLeadingDecimalDigits) {
  const struct {
    const char* value;
    int expected;
  } cases[] = {
      {"12", 12}, {"005", 5}, {"-7", -7}, {"  42abc", 42}, {"576,010", 576},
      {"abc", 0}, {"", 0},    {"-", 0},   {"+5", 0},       {"0x10", 0},
  };
  for (const auto& c : cases) {
    sim::PutTextFile(kIni, std::string("[A]\r\nK=") + c.value + "\r\n");
    EXPECT_EQ(static_cast<int>(os::GetPrivateProfileIntA("A", "k", -3, kIni)), c.expected)
        << "value \"" << c.value << "\"";
  }
  EXPECT_EQ(static_cast<int>(os::GetPrivateProfileIntA("A", "Missing", -3, kIni)), -3);
}

struct WriteCase {
  const char* name;
  std::optional<std::string> before;  // nothing: the file does not exist yet
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

const std::string kCatalogue =
    "; model catalogue\r\n"
    "[COMMON]\r\n"
    "ModelName=P-8\r\n"
    "ModelType=1\r\n"
    "\r\n"
    "[COMMUNICATION]\r\n"
    "PORT=9100\r\n";

const WriteCase kWriteCases[] = {
    {"changes only the key's own value", kCatalogue, "common", "MODELTYPE", "4",
     "; model catalogue\r\n[COMMON]\r\nModelName=P-8\r\nModelType=4\r\n\r\n"
     "[COMMUNICATION]\r\nPORT=9100\r\n"},
    {"adds a key after the last line of its section", kCatalogue, "COMMON", "HWFLOW", "1",
     "; model catalogue\r\n[COMMON]\r\nModelName=P-8\r\nModelType=1\r\nHWFLOW=1\r\n\r\n"
     "[COMMUNICATION]\r\nPORT=9100\r\n"},
    {"adds a section at the end", kCatalogue, "P-8", "RECLINEWIDTH01", "576",
     kCatalogue + "[P-8]\r\nRECLINEWIDTH01=576\r\n"},
    {"keeps the blanks before '='", std::string("[A]\r\n  Key =  old  \r\n"), "A", "key", "new",
     "[A]\r\n  Key =new\r\n"},
    {"empty section", std::string("[A]\r\n[B]\r\n"), "A", "K", "v", "[A]\r\nK=v\r\n[B]\r\n"},
    {"comment closing a section stays in it", std::string("[A]\r\nK=1\r\n;note\r\n\r\n[B]\r\n"), "A",
     "N", "2", "[A]\r\nK=1\r\n;note\r\nN=2\r\n\r\n[B]\r\n"},
    {"LF file gets LF lines", std::string("[A]\nK=1\n"), "A", "N", "2", "[A]\nK=1\nN=2\n"},
    {"last line without line end", std::string("[A]\r\nK=1"), "A", "N", "2", "[A]\r\nK=1\r\nN=2"},
    {"new section after a last line without line end", std::string("[A]\r\nK=1"), "B", "N", "2",
     "[A]\r\nK=1\r\n[B]\r\nN=2\r\n"},
    {"new file gets CRLF", std::nullopt, "COMMON", "IMAGE", "3", "[COMMON]\r\nIMAGE=3\r\n"},
};

TEST_F(ProfileTest, WriteChangesOnlyItsOwnLine) {
  for (const WriteCase& c : kWriteCases) {
    sim::ResetFiles();
    if (c.before) sim::PutTextFile(kIni, *c.before);
    ASSERT_TRUE(os::WritePrivateProfileStringA(c.section, c.key, c.value, kIni)) << c.name;
    EXPECT_EQ(sim::FileText(kIni).value_or("<missing>"), c.after) << c.name;
    EXPECT_EQ(Read(c.section, c.key), c.value) << c.name;
  }
}

TEST_F(ProfileTest, WriteRefusesWhatCannotBeStoredOnOneLine) {
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"COMMON", "ModelName", "P-8\r\n[EVIL]"}, {"COMMON", "Model=Name", "x"},
      {"COM]MON", "ModelName", "x"},            {"COMMON", "", "x"},
      {"COMMON", ";ModelName", "x"},            {"COMMON", "ModelName", nullptr},
      {nullptr, "ModelName", "x"},
  };
  for (const auto& c : cases) {
    sim::PutTextFile(kIni, kCatalogue);
    EXPECT_FALSE(os::WritePrivateProfileStringA(c.section, c.key, c.value, kIni));
    EXPECT_EQ(sim::FileText(kIni), kCatalogue);
  }
}

TEST_F(ProfileTest, WriteFailsAndChangesNothingWhenTheFileCannotBeWritten) {
  sim::PutTextFile(kIni, kCatalogue);
  sim::SetReadOnly(kIni, true);
  EXPECT_FALSE(os::WritePrivateProfileStringA("COMMON", "ModelType", "4", kIni));
  EXPECT_EQ(sim::FileText(kIni), kCatalogue);

  sim::SetReadOnly(kIni, false);
  sim::FailWrites(kIni, true);
  EXPECT_FALSE(os::WritePrivateProfileStringA("COMMON", "ModelType", "4", kIni));
  EXPECT_EQ(sim::FileText(kIni), kCatalogue);

  sim::FailWrites(kIni, false);
  EXPECT_TRUE(os::WritePrivateProfileStringA("COMMON", "ModelType", "4", kIni));
  EXPECT_EQ(os::GetPrivateProfileIntA("COMMON", "MODELTYPE", 0, kIni), 4u);
}

}  // namespace
