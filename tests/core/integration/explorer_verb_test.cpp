#include "core/integration/explorer_verb.h"

#include <gtest/gtest.h>

#include "core/integration/options_page_model.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using integration::GeneralOption;
using platform::RegistryRoot;

namespace {

const std::string kUserVerb = "Software\\Classes\\Directory\\shell\\Kefelo";
const std::string kExe = "C:\\Program Files\\Kefeló\\kefelo.exe";

// A machine-wide key the user may not delete, as without administrator rights; and a
// command key that cannot be written.
class GuardedRegistry : public platform::fake::FakeRegistry {
public:
    bool machineLocked = false;
    bool commandRefused = false;
    bool deleteKey(RegistryRoot root, const std::string& key) override {
        if (machineLocked && root != RegistryRoot::CurrentUser) return false;
        return FakeRegistry::deleteKey(root, key);
    }
    bool writeString(RegistryRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override {
        if (commandRefused && key.ends_with("\\command")) return false;
        return FakeRegistry::writeString(root, key, name, value);
    }
};

struct VerbFixture : ::testing::Test {
    config::ConfigModel config;
    GuardedRegistry registry;
    platform::fake::FakeUi ui;
    platform::fake::FakeShell shell;
    std::vector<std::string> errors;
    integration::OptionsPageModel model{{config, registry, ui, kExe, nullptr, nullptr,
                                         [this](const std::string& text) { errors.push_back(text); }, "hun"}};

    std::optional<std::string> command() {
        return registry.readString(RegistryRoot::CurrentUser, kUserVerb + "\\command", "");
    }
};

TEST_F(VerbFixture, WrittenPerUserWithQuotedCommandAndLocalCaption) {
    ASSERT_TRUE(integration::registerVerb(registry, kExe, "hun"));
    EXPECT_EQ(registry.readString(RegistryRoot::CurrentUser, kUserVerb, ""), "Ellenőrzés a Kefeló-val");
    EXPECT_EQ(command(), "\"C:\\Program Files\\Kefeló\\kefelo.exe\" \"%1\"");
    EXPECT_FALSE(registry.keyExists(RegistryRoot::LocalMachine, kUserVerb));
    EXPECT_FALSE(registry.keyExists(RegistryRoot::ClassesRoot, "Directory\\shell\\Kefelo"));

    integration::registerVerb(registry, kExe, "enu");
    EXPECT_EQ(registry.readString(RegistryRoot::CurrentUser, kUserVerb, ""), "Scan with Kefelo");
}

TEST_F(VerbFixture, FoundAndRemovedWhereverItWasWritten) {
    for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine, RegistryRoot::ClassesRoot}) {
        const std::string key = root == RegistryRoot::ClassesRoot ? "Directory\\shell\\KEFELO" : kUserVerb;
        registry.writeString(root, key + "\\Command", "", "old.exe \"%1\"");
        EXPECT_TRUE(integration::verbRegistered(registry));
        EXPECT_TRUE(integration::unregisterVerb(registry));
        EXPECT_FALSE(integration::verbRegistered(registry));
    }
    // Another program's verb beside it stays.
    registry.writeString(RegistryRoot::CurrentUser, "Software\\Classes\\Directory\\shell\\Other", "", "x");
    integration::unregisterVerb(registry);
    EXPECT_TRUE(registry.keyExists(RegistryRoot::CurrentUser, "Software\\Classes\\Directory\\shell\\Other"));
}

TEST_F(VerbFixture, ARefusedMachineWideDeleteStillRemovesTheUsersAndSaysSo) {
    integration::registerVerb(registry, kExe, "hun");
    registry.writeString(RegistryRoot::LocalMachine, kUserVerb, "", "x");
    registry.machineLocked = true;
    EXPECT_FALSE(integration::unregisterVerb(registry));
    EXPECT_FALSE(registry.keyExists(RegistryRoot::CurrentUser, kUserVerb));
}

TEST_F(VerbFixture, BoxFollowsTheRegistryAtFirstShowingAndRewritesTheCommand) {
    model.syncDirRegistration();
    EXPECT_FALSE(model.checked(GeneralOption::check_dirregistration));
    EXPECT_FALSE(integration::verbRegistered(registry)) << "looking must not create the verb";

    // Left by a copy in another folder: found, and pointed at this executable.
    registry.writeString(RegistryRoot::CurrentUser, kUserVerb + "\\command", "", "\"D:\\Old\\kefelo.exe\" \"%1\"");
    model.syncDirRegistration();
    EXPECT_TRUE(model.checked(GeneralOption::check_dirregistration));
    EXPECT_EQ(command(), integration::verbCommand(kExe));
    EXPECT_TRUE(errors.empty());
}

TEST_F(VerbFixture, ClicksWriteAndRemoveAndAFailureIsToldAndShown) {
    model.setGeneral(GeneralOption::check_dirregistration, true);
    EXPECT_EQ(command(), integration::verbCommand(kExe));
    model.setGeneral(GeneralOption::check_dirregistration, false);
    EXPECT_FALSE(integration::verbRegistered(registry));
    EXPECT_TRUE(errors.empty());

    registry.writeString(RegistryRoot::LocalMachine, kUserVerb, "", "x");
    model.syncDirRegistration();
    registry.machineLocked = true;
    model.setGeneral(GeneralOption::check_dirregistration, false);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_TRUE(model.checked(GeneralOption::check_dirregistration)) << "the verb is still there";
}

TEST_F(VerbFixture, ARefusedCommandLeavesNoHalfVerbAndClearsTheBox) {
    registry.commandRefused = true;
    model.setGeneral(GeneralOption::check_dirregistration, true);
    EXPECT_FALSE(registry.keyExists(RegistryRoot::CurrentUser, kUserVerb));
    EXPECT_FALSE(model.checked(GeneralOption::check_dirregistration));
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(VerbFixture, RightClickOnTheTickedBoxOpensTheProgramFolder) {
    model.check_dirregistrationMouseDown(shell, "C:\\Program Files\\Kefeló\\");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(shell.executed.empty());

    model.setGeneral(GeneralOption::check_dirregistration, true);
    model.check_dirregistrationMouseDown(shell, "C:\\Program Files\\Kefeló\\");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, integration::kDirRegistrationCheckInfo);
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, "C:\\Program Files\\Kefeló\\");
}

}  // namespace
