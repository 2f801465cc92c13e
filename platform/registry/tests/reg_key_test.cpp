#include "platform/registry/reg_key.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/testkit/scratch.h"

namespace {

class RegKeyTest : public ::testing::Test {
protected:
    RegKeyTest() : registry_("reg-key", testkit::ScratchRegistry::Plain) {
        EXPECT_TRUE(key_.Create(registry_.root(), "values"));
    }

    // A value exactly as given: any type, terminator or none.
    void SetRaw(const char* name, DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(registry_.root(), "values", 0, KEY_SET_VALUE, &key));
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type,
                                                reinterpret_cast<const BYTE*>(bytes.data()),
                                                static_cast<DWORD>(bytes.size())));
        RegCloseKey(key);
    }

    testkit::ScratchRegistry registry_;
    CRegKey key_;
};

TEST_F(RegKeyTest, TextReadsStayInsideTheirBuffer) {
    std::string value = "kept";
    // Without a terminator, 8 characters leave no room for one in 8 bytes.
    SetRaw("unterminated", REG_SZ, std::string(8, 'u'));
    EXPECT_FALSE(key_.ReadString("unterminated", value, 8));
    EXPECT_EQ("kept", value);
    EXPECT_TRUE(key_.ReadString("unterminated", value, 9));
    EXPECT_EQ(std::string(8, 'u'), value);

    SetRaw("long", REG_SZ, std::string(300, 'l') + '\0');
    EXPECT_FALSE(key_.ReadString("long", value));
    EXPECT_EQ(std::string(8, 'u'), value);

    SetRaw("number", REG_DWORD, std::string(4, '\1'));
    EXPECT_FALSE(key_.ReadString("number", value));
    EXPECT_FALSE(key_.ReadString("absent", value));
}

TEST_F(RegKeyTest, BytesComeWholeAndNamesAreListed) {
    const std::string blob = std::string(1000, 'b') + '\0' + "tail";
    SetRaw("blob", REG_BINARY, blob);
    ASSERT_TRUE(key_.WriteDword("flag", 7));
    std::string read;
    DWORD type = REG_NONE;
    ASSERT_TRUE(key_.ReadBytes("blob", read, &type));
    EXPECT_EQ(blob, read);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    DWORD flag = 0;
    EXPECT_TRUE(key_.ReadDword("flag", flag));
    EXPECT_EQ(7u, flag);
    EXPECT_FALSE(key_.ReadDword("blob", flag));

    std::vector<std::string> names = key_.ValueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"blob", "flag"}), names);
}

TEST_F(RegKeyTest, SubKeysAreCounted) {
    EXPECT_EQ(0u, key_.SubKeyCount());
    CRegKey child;
    ASSERT_TRUE(child.Create(registry_.root(), "values\\one", KEY_WRITE));
    ASSERT_TRUE(child.Create(registry_.root(), "values\\two", KEY_WRITE));
    EXPECT_EQ(2u, key_.SubKeyCount());
    EXPECT_EQ(0u, CRegKey().SubKeyCount());
}

TEST_F(RegKeyTest, AClosedKeyReadsAndWritesNothing) {
    CRegKey missing;
    EXPECT_FALSE(missing.Open(registry_.root(), "no such key", KEY_READ));
    std::string value;
    EXPECT_FALSE(missing.ReadString("x", value));
    EXPECT_FALSE(missing.WriteString("x", "y"));
    EXPECT_TRUE(missing.ValueNames().empty());
}

}  // namespace
