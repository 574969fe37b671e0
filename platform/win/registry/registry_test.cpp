#include "platform/win/registry/registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win/device_files_for_tests.h"
#include "platform/win/registry/registry_store.h"
#include "platform/win/scoped_temp_folder.h"

namespace {

constexpr const char* kSettingsKey = "SOFTWARE\\Velmora\\Ostrivo for AutoCad";

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class RegistryTest : public ::testing::Test {
 protected:
  win::ScopedTempFolder folder_;
  std::string store_ = folder_ / "registry.reg";
  win::ScopedEnv registry_env_{"VELMORA_REGISTRY", store_};

  HKEY CreateKey(HKEY root, const char* path, REGSAM access = KEY_ALL_ACCESS) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS,
              RegCreateKeyEx(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr));
    return key;
  }

  LONG SetText(HKEY key, const char* name, const std::string& text) {
    return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
  }

  std::string QueryText(HKEY key, const char* name) {
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) {
      return "<missing>";
    }
    return buffer;
  }
};

TEST_F(RegistryTest, EveryValueTypeRoundTripsThroughTheStoreFile) {
  struct Case {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
  };
  const std::string text = "c:\\Ostrivo \"quoted\"\nline 2\r사용자 cycle 1";
  std::vector<Case> cases = {
      {"CfgDir", REG_SZ, std::vector<BYTE>(text.begin(), text.end())},
      {"Empty", REG_SZ, {}},
      {"", REG_SZ, {'d', 'e', 'f'}},
      {"Count", REG_DWORD, {0x0a, 0x00, 0x00, 0x80}},
      {"Blob", REG_BINARY, {0x00, 0xff, 0x10}},
      {"NoBytes", REG_BINARY, {}},
      {"Path", REG_EXPAND_SZ, {'%', 'A', '%', 0}},
      {"List", REG_MULTI_SZ, {'a', 0, 'b', 0, 0}},
      {"Big", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"Nothing", REG_NONE, {}},
      {"Name \"with\\ escapes\"", REG_DWORD, {1, 0, 0, 0}},
  };
  HKEY key = CreateKey(HKEY_LOCAL_MACHINE, kSettingsKey);
  for (const Case& c : cases) {
    std::vector<BYTE> stored = c.data;
    if (c.type == REG_SZ) stored.push_back(0);
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, c.name, 0, c.type, stored.data(), static_cast<DWORD>(stored.size())))
        << c.name;
  }
  ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(key));
  ASSERT_NE(std::string::npos, ReadFile(store_).find("\"Count\"=dword:8000000a"));

  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ, &key));
  for (const Case& c : cases) {
    std::vector<BYTE> expected = c.data;
    if (c.type == REG_SZ) expected.push_back(0);
    BYTE buffer[256];
    DWORD size = sizeof buffer;
    DWORD type = 0xFFFF;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, c.name, nullptr, &type, buffer, &size)) << c.name;
    EXPECT_EQ(c.type, type) << c.name;
    EXPECT_EQ(expected, std::vector<BYTE>(buffer, buffer + size)) << c.name;
  }
  RegCloseKey(key);
}

TEST_F(RegistryTest, QueryFollowsTheDocumentedBufferRules) {
  HKEY key = CreateKey(HKEY_LOCAL_MACHINE, kSettingsKey);
  ASSERT_EQ(ERROR_SUCCESS, SetText(key, "EditorPath", "abc"));

  DWORD size = 0;
  DWORD type = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "EditorPath", nullptr, &type, nullptr, &size));
  EXPECT_EQ(4u, size);  // the terminating zero counts
  EXPECT_EQ(REG_SZ, type);

  char small[3] = {'x', 'x', 'x'};
  size = sizeof small;
  EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueEx(key, "EditorPath", nullptr, &type, reinterpret_cast<BYTE*>(small), &size));
  EXPECT_EQ(4u, size);

  char exact[4];
  size = sizeof exact;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "editorpath", nullptr, nullptr, reinterpret_cast<BYTE*>(exact), &size));
  EXPECT_STREQ("abc", exact);

  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "EditorPath", nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            RegQueryValueEx(key, "EditorPath", nullptr, nullptr, reinterpret_cast<BYTE*>(exact), nullptr));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueEx(key, "JoinToler", nullptr, nullptr, nullptr, &size));

  // A text set without its zero still reads back terminated.
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "NoZero", 0, REG_SZ, reinterpret_cast<const BYTE*>("xy"), 2));
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "NoZero", nullptr, nullptr, nullptr, &size));
  EXPECT_EQ(3u, size);
  DWORD number = 7;
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegSetValueEx(key, "Short", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), 2));
  RegCloseKey(key);
}

TEST_F(RegistryTest, KeysAndHandlesReportTheDocumentedCodes) {
  HKEY key = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND,
            RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora\\Quellpad", 0, KEY_ALL_ACCESS, &key));
  EXPECT_EQ(nullptr, key);

  DWORD disposition = 0;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Velmora\\VellumEdit\\Find", 0, nullptr, 0,
                                          KEY_ALL_ACCESS, nullptr, &key, &disposition));
  EXPECT_EQ(REG_CREATED_NEW_KEY, disposition);
  HKEY again = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, "SOFTWARE\\velmora\\VellumEdit\\Find\\", 0, nullptr, 0,
                                          KEY_READ, nullptr, &again, &disposition));
  EXPECT_EQ(REG_OPENED_EXISTING_KEY, disposition);
  EXPECT_NE(key, again);

  EXPECT_EQ(ERROR_ACCESS_DENIED, SetText(again, "Text", "x"));
  EXPECT_EQ(ERROR_SUCCESS, SetText(key, "Text", "found"));
  EXPECT_EQ("found", QueryText(again, "TEXT"));

  EXPECT_EQ(ERROR_BAD_PATHNAME, RegOpenKeyEx(HKEY_CURRENT_USER, "\\Software", 0, KEY_READ, &again));
  EXPECT_EQ(ERROR_BAD_PATHNAME, RegCreateKey(HKEY_CURRENT_USER, "Software\\\\x", &again));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegCreateKey(HKEY_CURRENT_USER, "Soft\nware", &again));

  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(key));
  EXPECT_EQ(ERROR_INVALID_HANDLE, SetText(key, "Text", "x"));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegQueryValueEx(nullptr, "Text", nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(HKEY_LOCAL_MACHINE));
}

TEST_F(RegistryTest, EnumeratesAndDeletes) {
  HKEY key = CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora");
  HKEY child = CreateKey(key, "Quellpad");
  RegCloseKey(CreateKey(key, "Dunmere"));
  SetText(key, "B", "2");
  SetText(key, "A", "1");

  char name[64];
  DWORD name_size = sizeof name;
  std::vector<std::string> subkeys;
  for (DWORD i = 0; name_size = sizeof name,
             RegEnumKeyEx(key, i, name, &name_size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i) {
    subkeys.push_back(name);
  }
  EXPECT_EQ((std::vector<std::string>{"Dunmere", "Quellpad"}), subkeys);
  name_size = 3;
  EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyEx(key, 0, name, &name_size, nullptr, nullptr, nullptr, nullptr));

  std::vector<std::string> values;
  for (DWORD i = 0; name_size = sizeof name,
             RegEnumValue(key, i, name, &name_size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i) {
    values.push_back(name);
  }
  EXPECT_EQ((std::vector<std::string>{"B", "A"}), values);  // in the order they were set

  EXPECT_EQ(ERROR_SUCCESS, RegDeleteValue(key, "B"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValue(key, "B"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora"));  // has subkeys
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKey(key, "Quellpad"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKey(key, "Quellpad"));
  EXPECT_EQ(ERROR_KEY_DELETED, SetText(child, "X", "y"));
  RegCloseKey(child);
  RegCloseKey(key);
}

TEST_F(RegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
  constexpr int kValuesPerProcess = 40;
  RegCloseKey(CreateKey(HKEY_LOCAL_MACHINE, kSettingsKey));
  std::vector<pid_t> children;
  for (const char* prefix : {"First", "Second"}) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      HKEY key = nullptr;
      int failures = RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS;
      for (int i = 0; i < kValuesPerProcess; ++i) {
        std::string name = prefix + std::to_string(i);
        failures += SetText(key, name.c_str(), name) != ERROR_SUCCESS;
      }
      _exit(failures == 0 ? 0 : 1);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ, &key));
  for (const char* prefix : {"First", "Second"}) {
    for (int i = 0; i < kValuesPerProcess; ++i) {
      std::string name = prefix + std::to_string(i);
      EXPECT_EQ(name, QueryText(key, name.c_str()));
    }
  }
  RegCloseKey(key);
}

TEST_F(RegistryTest, DamagedStoreIsReportedAndKept) {
  const std::string damaged =
      "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\"CfgDir\"=oops\n";
  WriteFile(store_, damaged);

  testing::internal::CaptureStderr();
  HKEY key = nullptr;
  EXPECT_EQ(ERROR_REGISTRY_CORRUPT, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &key));
  EXPECT_EQ(ERROR_REGISTRY_CORRUPT, RegCreateKey(HKEY_LOCAL_MACHINE, kSettingsKey, &key));
  EXPECT_EQ(ERROR_REGISTRY_CORRUPT, SetText(HKEY_LOCAL_MACHINE, "CfgDir", "c:\\x"));
  std::string messages = testing::internal::GetCapturedStderr();

  EXPECT_NE(std::string::npos, messages.find(store_));
  EXPECT_NE(std::string::npos, messages.find("damaged (line 4"));
  EXPECT_EQ(messages.find("damaged"), messages.rfind("damaged")) << "told once: " << messages;
  EXPECT_EQ(damaged, ReadFile(store_));
}

TEST_F(RegistryTest, MissingOrEmptyStoreIsAnEmptyRegistryAndAFolderIsMade) {
  WriteFile(store_, "");
  HKEY key = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ, &key));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueEx(HKEY_CURRENT_USER, "x", nullptr, nullptr, nullptr, nullptr));

  win::ScopedEnv nested("VELMORA_REGISTRY", folder_ / "new/velmora/registry.reg");
  key = CreateKey(HKEY_LOCAL_MACHINE, kSettingsKey);
  EXPECT_EQ(ERROR_SUCCESS, SetText(key, "JoinToler", "0.010000"));
  RegCloseKey(key);
  EXPECT_EQ(0u, ReadFile(folder_ / "new/velmora/registry.reg").find("Windows Registry Editor Version 5.00\n"));
}

TEST_F(RegistryTest, AStoreThatIsAPipeOrADeviceIsRefusedAtOnceAndKept) {
  alarm(30);  // a store read to its end or opened for writing would hold the test up for ever
  std::map<std::string, std::string> stores = {{folder_ / "pipe.reg", "pipe"}, {folder_ / "link-to-pipe.reg", "link"}};
  ASSERT_EQ(0, mkfifo((folder_ / "pipe.reg").c_str(), 0600));
  ASSERT_EQ(0, symlink("pipe.reg", (folder_ / "link-to-pipe.reg").c_str()));
  if (win::MakeDeviceNode(folder_ / "device.reg")) {
    stores[folder_ / "device.reg"] = "device";
    ASSERT_EQ(0, symlink("device.reg", (folder_ / "link-to-device.reg").c_str()));
    stores[folder_ / "link-to-device.reg"] = "link";
  }
  testing::internal::CaptureStderr();
  for (const auto& [store, kind] : stores) {
    win::ScopedEnv env("VELMORA_REGISTRY", store);
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_CANTREAD, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &key)) << store;
    EXPECT_EQ(ERROR_CANTREAD, RegCreateKey(HKEY_LOCAL_MACHINE, kSettingsKey, &key)) << store;
    EXPECT_EQ(ERROR_CANTREAD, SetText(HKEY_CURRENT_USER, "CfgDir", "c:\\x")) << store;
  }
  std::string messages = testing::internal::GetCapturedStderr();
  alarm(0);
  EXPECT_NE(std::string::npos, messages.find(folder_ / "pipe.reg is not a regular file")) << messages;
  for (const auto& [store, kind] : stores) EXPECT_EQ(kind, win::KindOf(store)) << store;

  // A link to a regular store is written through and stays a link.
  WriteFile(store_, "");
  win::ScopedEnv env("VELMORA_REGISTRY", folder_ / "link.reg");
  ASSERT_EQ(0, symlink(store_.c_str(), (folder_ / "link.reg").c_str()));
  EXPECT_EQ(ERROR_SUCCESS, SetText(HKEY_CURRENT_USER, "CfgDir", "c:\\x"));
  EXPECT_EQ("link", win::KindOf(folder_ / "link.reg"));
  EXPECT_NE(std::string::npos, ReadFile(store_).find("\"CfgDir\"=\"c:\\\\x\""));
}

TEST_F(RegistryTest, KeysDeeperThanThePlatformAllowsAreRefused) {
  std::string deepest = "k";
  for (int level = 1; level < 512; ++level) deepest += "\\k";
  HKEY key = CreateKey(HKEY_CURRENT_USER, deepest.c_str());
  ASSERT_NE(nullptr, key);
  EXPECT_EQ(ERROR_SUCCESS, SetText(key, "Depth", "512"));
  HKEY deeper = nullptr;
  EXPECT_EQ(ERROR_BADKEY, RegCreateKey(key, "k", &deeper));
  EXPECT_EQ(ERROR_BADKEY, RegOpenKeyEx(HKEY_CURRENT_USER, (deepest + "\\k").c_str(), 0, KEY_READ, &deeper));
  EXPECT_EQ(nullptr, deeper);
  RegCloseKey(key);
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "k\\k\\k", 0, KEY_READ, &key));
  RegCloseKey(key);
  // The key's section makes its ancestors: listing them too took half a megabyte.
  const std::string text = ReadFile(store_);
  EXPECT_LT(text.size(), 2 * deepest.size());
  EXPECT_EQ(1, std::count(text.begin(), text.end(), '['));

  // A store holding a key a thousand levels deep (about 2 KB) is damage, kept as it is.
  std::string thousand = "[HKEY_CURRENT_USER";
  for (int level = 0; level < 1000; ++level) thousand += "\\k";
  const std::string damaged = "Windows Registry Editor Version 5.00\n\n" + thousand + "]\n\"A\"=\"b\"\n";
  WriteFile(store_, damaged);
  testing::internal::CaptureStderr();
  EXPECT_EQ(ERROR_REGISTRY_CORRUPT, SetText(HKEY_CURRENT_USER, "CfgDir", "c:\\x"));
  std::string messages = testing::internal::GetCapturedStderr();
  EXPECT_NE(std::string::npos, messages.find("line 3: a key deeper than 512 levels")) << messages;
  EXPECT_EQ(damaged, ReadFile(store_));
}

}  // namespace

namespace {

TEST_F(RegistryTest, TheStoreIsReadOnceAndAgainOnlyWhenAnotherProgramReplacedIt) {
  HKEY key = CreateKey(HKEY_LOCAL_MACHINE, kSettingsKey);
  const std::string big(8 << 20, 'v');
  ASSERT_EQ(ERROR_SUCCESS, SetText(key, "Big", big));
  ASSERT_EQ(ERROR_SUCCESS, SetText(key, "Small", "1"));
  const int reads = win::registry::StoreReadCount();
  for (int i = 0; i < 50; ++i) EXPECT_EQ(QueryText(key, "Small"), "1");
  EXPECT_EQ(win::registry::StoreReadCount(), reads) << "settings are served from what was read or written";
  const std::string stored = ReadFile(store_);
  ASSERT_EQ(ERROR_SUCCESS, SetText(key, "Small", "1"));
  EXPECT_EQ(ReadFile(store_), stored) << "an unchanged value writes nothing";

  // Another program replaces the store: its value is seen, and a change here keeps it.
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    HKEY other = nullptr;
    const bool done = RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_ALL_ACCESS, &other) == ERROR_SUCCESS &&
                      RegSetValueEx(other, "Other", 0, REG_SZ, reinterpret_cast<const BYTE*>("2"), 2) == ERROR_SUCCESS;
    _exit(done ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(QueryText(key, "Other"), "2");
  ASSERT_EQ(ERROR_SUCCESS, SetText(key, "Mine", "3"));
  RegCloseKey(key);
  const std::string text = ReadFile(store_);
  EXPECT_NE(text.find("\"Other\"=\"2\""), std::string::npos);
  EXPECT_NE(text.find("\"Mine\"=\"3\""), std::string::npos);
}

}  // namespace
