// String values in the registry, the same on the fake and on the real registry.
#include <gtest/gtest.h>

#include "platform/contract_env.h"

using namespace kefelo;
using platform::RegistryRoot;

namespace {

class RegistryContract : public ::testing::Test {
protected:
    std::unique_ptr<contract::ContractEnv> env = contract::makeContractEnv();
    platform::Registry& reg = env->registry();
    std::string key = env->registryKey();
    static constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
};

TEST_F(RegistryContract, ValuesRoundTripWithHungarianText) {
    EXPECT_FALSE(reg.keyExists(kUser, key));
    EXPECT_FALSE(reg.readString(kUser, key, "Név"));

    ASSERT_TRUE(reg.writeString(kUser, key, "Név", "Kefeló"));
    EXPECT_TRUE(reg.keyExists(kUser, key));
    EXPECT_EQ(reg.readString(kUser, key, "Név"), "Kefeló");
    EXPECT_EQ(reg.readString(kUser, key, "NÉV"), "Kefeló");  // value names ignore case

    ASSERT_TRUE(reg.writeString(kUser, key, "Név", "\"C:\\Program Files\\Kefeló\\kefelo.exe\" /a"));
    EXPECT_EQ(reg.readString(kUser, key, "Név"), "\"C:\\Program Files\\Kefeló\\kefelo.exe\" /a");
    ASSERT_TRUE(reg.writeString(kUser, key, "", "alapérték"));
    EXPECT_EQ(reg.readString(kUser, key, ""), "alapérték");
    ASSERT_TRUE(reg.writeString(kUser, key, "üres", ""));
    EXPECT_EQ(reg.readString(kUser, key, "üres"), "");

    EXPECT_TRUE(reg.deleteValue(kUser, key, "Név"));
    EXPECT_FALSE(reg.readString(kUser, key, "Név"));
    EXPECT_FALSE(reg.deleteValue(kUser, key, "Név"));
    EXPECT_TRUE(reg.keyExists(kUser, key));
}

TEST_F(RegistryContract, KeysAreCreatedWithTheirParentsAndDeletedWithTheirSubkeys) {
    const std::string deep = key + "\\shell\\Kefelo\\command";
    ASSERT_TRUE(reg.writeString(kUser, deep, "", "kefelo.exe \"%1\""));
    EXPECT_TRUE(reg.keyExists(kUser, key + "\\shell"));
    EXPECT_TRUE(reg.keyExists(kUser, key + "\\SHELL\\kefelo"));

    EXPECT_TRUE(reg.deleteKey(kUser, key + "\\shell\\Kefelo"));
    EXPECT_FALSE(reg.keyExists(kUser, deep));
    EXPECT_FALSE(reg.readString(kUser, deep, ""));
    EXPECT_TRUE(reg.keyExists(kUser, key + "\\shell"));

    EXPECT_FALSE(reg.deleteKey(kUser, key + "\\nincs ilyen"));
    EXPECT_FALSE(reg.deleteValue(kUser, key + "\\nincs ilyen", "x"));
}

}  // namespace
