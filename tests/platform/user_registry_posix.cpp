// Where the user's registry file lives off Windows.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/registry.h"
#include "support/temp_dir.h"
#include "support/test_registry.h"

namespace quornel {
namespace {

class SavedEnv {
  public:
    explicit SavedEnv(const char* name) : name_(name) {
        if (const char* v = std::getenv(name)) old_ = v;
    }
    ~SavedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(UserRegistry, LivesInTheConfigFolderCreatedOnFirstSave) {
    SavedEnv xdg("XDG_CONFIG_HOME"), home("HOME");
    test::TempDir dir;
    ::setenv("XDG_CONFIG_HOME", (dir.path() / "cfg").c_str(), 1);
    auto reg = open_user_registry();
    EXPECT_FALSE(reg->key_exists("Software\\Norvale\\quornel"));
    ASSERT_TRUE(reg->set("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly", test::dword_data(2)));
    EXPECT_TRUE(dir.exists("cfg/quornel/registry.reg"));

    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", (dir.path() / "home").c_str(), 1);
    ASSERT_TRUE(open_user_registry()->set("Software\\x", "y", test::dword_data(1)));
    EXPECT_TRUE(dir.exists("home/.config/quornel/registry.reg"));
}

}  // namespace
}  // namespace quornel
