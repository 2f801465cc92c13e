#include <gtest/gtest.h>

#include <string>

#include "platform/testkit/scratch.h"
#include "popup/engine/block_script.h"
#include "popup/engine/engine_settings.h"

namespace popup {
namespace {

IniFile FileIn(const testkit::ScratchDir& dir) {
    return IniFile(dir.file(kEngineSettingsFile), kEngineSettingsSection);
}

TEST(EngineSettingsFile, MissingFileGivesEveryDefault) {
    testkit::ScratchDir dir("engine-defaults");
    EngineSettings s = LoadEngineSettings(FileIn(dir));
    EXPECT_EQ("VelmoraBlinkward", s.popupIP);
    EXPECT_EQ(0, s.popupPort);
    EXPECT_EQ("", s.gatewayIP);
    EXPECT_EQ(80, s.gatewayPort);
    EXPECT_EQ(0, s.gatewayEnable);
    EXPECT_EQ(0, s.bannerBlock);
    EXPECT_EQ(2, s.startup);
    EXPECT_EQ(-1, s.eventMask);
    EXPECT_EQ(1, s.displayOnTop);
    EXPECT_EQ(0, s.disabled);
    EXPECT_EQ(1, s.useDefaultBufferSizes);
    EXPECT_EQ(8192, s.bufferSize);
    EXPECT_EQ(10, s.dnsCacheSize);
    EXPECT_EQ(1, s.dnsCacheDisable);
    EXPECT_EQ(0, s.disableProxy);
    EXPECT_TRUE(s.catching);
    EXPECT_EQ(1, s.playWave);
    EXPECT_EQ(60, s.connectionTimeOut);
    EXPECT_EQ(1, s.useDefaultTimeOut);
}

TEST(EngineSettingsFile, SaveWritesEveryKeyAndLoadReadsItBack) {
    testkit::ScratchDir dir("engine-roundtrip");
    EngineSettings s;
    s.popupIP = "alias";
    s.popupPort = 8100;
    s.gatewayIP = "10.0.0.1";
    s.gatewayPort = 3128;
    s.gatewayEnable = 1;
    s.bannerBlock = 1;
    s.startup = 1;
    s.displayOnTop = 0;
    s.disabled = 1;
    s.useDefaultBufferSizes = 0;
    s.bufferSize = -1;
    s.dnsCacheSize = 50;
    s.dnsCacheDisable = 0;
    s.disableProxy = 1;
    s.catching = false;
    s.playWave = 0;
    s.connectionTimeOut = 5;
    s.useDefaultTimeOut = 0;
    ASSERT_TRUE(SaveEngineSettings(FileIn(dir), s));
    std::string text = dir.read(kEngineSettingsFile);
    EXPECT_NE(std::string::npos, text.find("PopupCheckDisabled=1"));
    EXPECT_NE(std::string::npos, text.find("BufferSize=4294967295"));
    EXPECT_NE(std::string::npos, text.find("ResetStats=0"));
    EXPECT_EQ(std::string::npos, text.find("EventMask"));
    EngineSettings back = LoadEngineSettings(FileIn(dir));
    EXPECT_EQ("alias", back.popupIP);
    EXPECT_EQ(8100, back.popupPort);
    EXPECT_EQ("10.0.0.1", back.gatewayIP);
    EXPECT_EQ(3128, back.gatewayPort);
    EXPECT_EQ(1, back.gatewayEnable);
    EXPECT_EQ(1, back.bannerBlock);
    EXPECT_EQ(1, back.startup);
    EXPECT_EQ(0, back.displayOnTop);
    EXPECT_EQ(1, back.disabled);
    EXPECT_EQ(0, back.useDefaultBufferSizes);
    EXPECT_EQ(-1, back.bufferSize);
    EXPECT_EQ(50, back.dnsCacheSize);
    EXPECT_EQ(0, back.dnsCacheDisable);
    EXPECT_EQ(1, back.disableProxy);
    EXPECT_FALSE(back.catching);
    EXPECT_EQ(0, back.playWave);
    EXPECT_EQ(5, back.connectionTimeOut);
    EXPECT_EQ(0, back.useDefaultTimeOut);
}

TEST(EngineSettingsFile, InvertedCatchingKeyAndIgnoredEventMask) {
    testkit::ScratchDir dir("engine-inverted");
    dir.write(kEngineSettingsFile, "[VelmoraBlinkward]\r\nPopupCheckDisabled=1\r\nEventMask=7\r\nPopupPort=abc\r\n");
    EngineSettings s = LoadEngineSettings(FileIn(dir));
    EXPECT_FALSE(s.catching);
    EXPECT_EQ(0, s.popupPort);
    ASSERT_TRUE(SaveEngineSettings(FileIn(dir), s));
    EXPECT_NE(std::string::npos, dir.read(kEngineSettingsFile).find("PopupCheckDisabled=1"));
    EXPECT_NE(std::string::npos, dir.read(kEngineSettingsFile).find("EventMask=7"));
}

TEST(EngineSettingsFile, TextsWithOuterBlanksOrQuotesSaveAndLoadUnchanged) {
    testkit::ScratchDir dir("engine-quoted");
    EngineSettings s;
    s.popupIP = "\"alias\"";
    s.gatewayIP = " proxy.example\f";
    ASSERT_TRUE(SaveEngineSettings(FileIn(dir), s));
    EngineSettings back = LoadEngineSettings(FileIn(dir));
    EXPECT_EQ(s.popupIP, back.popupIP);
    EXPECT_EQ(s.gatewayIP, back.gatewayIP);
    // Written again over itself, the file reads the same.
    ASSERT_TRUE(SaveEngineSettings(FileIn(dir), back));
    EXPECT_EQ(s.gatewayIP, LoadEngineSettings(FileIn(dir)).gatewayIP);
}

TEST(EngineSettingsFile, FailedWriteIsReported) {
    IniFile nowhere("C:\\velmora-tests\\no-such-folder\\deeper\\QXINI.ini", kEngineSettingsSection);
    EXPECT_FALSE(SaveEngineSettings(nowhere, EngineSettings()));
}

TEST(BlockScript, PlaceholderFilledOnceWithForwardSlashes) {
    testkit::ScratchDir dir("block-script");
    const std::string folder = dir.path() + "\\";
    EXPECT_EQ(folder + "QXBlk.js", CheckBlockScript(folder));
    dir.write("QXBlk.js", "<script>var a='%d';%s;b('%s')</script>");
    EXPECT_EQ("<script>var a='%d';if( Quiv_beep ) Quiv_beep.src=\"C:/velmora-tests/block-script/PopUp.wav\";;b('%s')</script>",
              BuildInjectedScript(CheckBlockScript(folder), true, folder + "PopUp.wav"));
    std::string quiet = BuildInjectedScript(CheckBlockScript(folder), false, folder + "PopUp.wav");
    EXPECT_EQ("<script>var a='%d';  ;b('%s')</script>", quiet);
    EXPECT_EQ(dir.read("QXBlk.js").size(), quiet.size());
    dir.write("QXBlk.js", "<script>plain</script>");
    EXPECT_EQ("<script>plain</script>", BuildInjectedScript(CheckBlockScript(folder), true, "x"));
    EXPECT_EQ("", BuildInjectedScript(folder + "missing.js", true, "x"));
}

}  // namespace
}  // namespace popup
