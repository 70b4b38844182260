#include "update/targets.h"

#include <gtest/gtest.h>

#include <string>

#include "update/rewrite_test_util.h"

namespace {

struct Case {
  const char* name;
  std::string input;
  std::string output;
  std::string log;
};

void RunCases(const UpdateTarget& target, const Case* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    RewriteOutcome outcome = RewriteText(target, c.input);
    EXPECT_EQ(outcome.output, c.output);
    EXPECT_EQ(outcome.log, c.log);
  }
}

const std::string kSection = "[AdvancedEngine.AdvancedGameInfo]\n";
const std::string kKey = "OverridePlayerControllerClass=";
const std::string kV12 = kKey + "Class'Korvane_V12.ZPlayerController'\n";
const std::string kChanged = "Override Player Controller class changed.\n";

TEST(PlayerControllerRulesTest, SwitchesToKorvaneV12) {
  const std::string game_lower = kKey + "class'DOTZEngine.DOTZPlayerController'\n";
  const std::string game = kKey + "Class'DOTZEngine.DOTZPlayerController'\n";
  const std::string v11 = kKey + "Class'Korvane_V11.ZPlayerController'\n";
  const std::string near_misses =
      kSection +
      "OverridePlayerControllerClass = Class'Korvane_V11.ZPlayerController'\n" +
      "overrideplayercontrollerclass=Class'Korvane_V11.ZPlayerController'\n" +
      kKey + "class'Korvane_V11.ZPlayerController'\n" + kKey +
      "Class'Other.PlayerController'\n" + kKey +
      "CLASS'DOTZEngine.DOTZPlayerController'\n" + kKey +
      "Class'Korvane_V11.ZPlayerController'";
  const Case cases[] = {
      {"game class, class'", kSection + game_lower, kSection + kV12, kChanged},
      {"game class, Class'", kSection + game, kSection + kV12, kChanged},
      {"Korvane_V11", "x=1\n" + kSection + "a=b\n" + v11 + "c=d\n",
       "x=1\n" + kSection + "a=b\n" + kV12 + "c=d\n", kChanged},
      {"the key twice", kSection + game + v11, kSection + kV12 + kV12,
       kChanged + kChanged},
      {"already Korvane_V12", kSection + kV12, kSection + kV12, ""},
      {"near misses", near_misses, near_misses, ""},
      {"the section twice, the last header without line feed",
       kSection + game + "[Engine.GameInfo]\n" + game + kSection + v11 +
           kSection.substr(0, kSection.size() - 1),
       kSection + kV12 + "[Engine.GameInfo]\n" + game + kSection + kV12 +
           kSection.substr(0, kSection.size() - 1),
       kChanged + kChanged},
      {"before the first header and in another section",
       v11 + kSection + "[Engine.GameInfo]\n" + v11,
       v11 + kSection + "[Engine.GameInfo]\n" + v11, ""},
  };
  RunCases(kLotdIniTarget, cases, sizeof cases / sizeof cases[0]);
}

const std::string kFile = "ReceiveFile=Downloading File %s\n";
const std::string kOptional =
    "ReceiveOptionalFile=Downloading Optional Package %s\n";
const std::string kSize = "ReceiveSize=Downloading: Size %iK, Complete %3.1f%%\n";

TEST(DownloadMessageRulesTest, SetsTheProgressMessages) {
  const Case cases[] = {
      {"all three, in file order",
       "[Progress]\nReceiveSize=Downloading Map: Size %iK, Complete %3.1f%%\n"
       "ReceiveOptionalFile=\nReceiveFile=\nConnecting=Connecting...\n",
       "[Progress]\n" + kSize + kOptional + kFile + "Connecting=Connecting...\n",
       "ReceiveSize= parameter changed.\nReceiveOptionalFile= parameter "
       "changed.\nReceiveFile= parameter changed.\n"},
      {"already updated", "[Progress]\n" + kFile + kOptional + kSize,
       "[Progress]\n" + kFile + kOptional + kSize, ""},
      {"near misses",
       "[Progress]\nReceiveFile= \nReceiveFile=Getting %s\nReceiveFile=\r\n"
       "ReceiveSize=Downloading Map: Size %iK, Complete %3.1f%\n"
       "receivefile=\nReceiveOptionalFile=",
       "[Progress]\nReceiveFile= \nReceiveFile=Getting %s\nReceiveFile=\r\n"
       "ReceiveSize=Downloading Map: Size %iK, Complete %3.1f%\n"
       "receivefile=\nReceiveOptionalFile=",
       ""},
      {"another section", "[Errors]\nReceiveFile=\n[progress]\nReceiveFile=\n",
       "[Errors]\nReceiveFile=\n[progress]\nReceiveFile=\n", ""},
  };
  RunCases(kEngineIntTarget, cases, sizeof cases / sizeof cases[0]);
}

}  // namespace
