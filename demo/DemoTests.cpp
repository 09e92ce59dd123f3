// Tests of the demo's own programs under wine: the filter's registration and
// the read-back program's readers, which scripts/demo.sh trusts to say
// whether the installation did its work.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "DemoReadBack.h"

namespace {

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

using RegisterFunction = HRESULT(WINAPI*)();

RegisterFunction Entry(HMODULE module, const char* name) {
  // Through void*: FARPROC's own signature is no function's real one.
  return reinterpret_cast<RegisterFunction>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class FilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryA((ProgramFolder() + "NuvexFilter.ax").c_str());
    ASSERT_NE(module_, nullptr) << "NuvexFilter.ax beside the test program";
    registerServer_ = Entry(module_, "DllRegisterServer");
    unregisterServer_ = Entry(module_, "DllUnregisterServer");
    ASSERT_NE(registerServer_, nullptr);
    ASSERT_NE(unregisterServer_, nullptr);
    ASSERT_EQ(unregisterServer_(), S_OK);
  }
  void TearDown() override {
    if (unregisterServer_) unregisterServer_();
    if (module_) FreeLibrary(module_);
  }

  std::string ModulePath() const {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module_, path, MAX_PATH);
    return path;
  }

  HMODULE module_ = nullptr;
  RegisterFunction registerServer_ = nullptr;
  RegisterFunction unregisterServer_ = nullptr;
};

TEST_F(FilterTest, RegisteringRecordsItsOwnPathAndUnregisteringTakesItAway) {
  EXPECT_EQ(demo::RegisteredFilterPath(), "");
  ASSERT_EQ(registerServer_(), S_OK);
  EXPECT_EQ(demo::RegisteredFilterPath(), ModulePath());
  ASSERT_EQ(unregisterServer_(), S_OK);
  EXPECT_EQ(demo::RegisteredFilterPath(), "");
  EXPECT_EQ(unregisterServer_(), S_OK) << "unregistering twice is no failure";
}

class ShortcutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    // A folder of each test's own: under Wine, with other tests running, a
    // shortcut file was seen to survive its test's removal, and the next
    // test could not make the same folder again.
    static int tests = 0;
    folder_ = std::string(temp) + "demo-shortcuts-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(++tests);
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
  }
  void TearDown() override {
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA(folder_.c_str());
    CoUninitialize();
  }

  void SaveShortcut(const std::string& name, const std::string& target, const std::string& workingFolder) {
    IShellLinkA* link = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                           reinterpret_cast<void**>(&link))));
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(workingFolder.c_str());
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    const std::string path = folder_ + "\\" + name;
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    EXPECT_TRUE(SUCCEEDED(file->Save(wide, TRUE)));
    file->Release();
    link->Release();
    files_.push_back(path);
  }

  void WriteText(const std::string& name, const std::string& contents) {
    const std::string path = folder_ + "\\" + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    files_.push_back(path);
  }

  std::string folder_;
  std::vector<std::string> files_;
};

TEST_F(ShortcutTest, ReadsEveryShortcutsTargetAndWorkingFolderInNameOrder) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  SaveShortcut("Uninstall.lnk", program, ProgramFolder());
  SaveShortcut("Player.lnk", program, ProgramFolder());
  SaveShortcut("Help.lnk", "C:\\nowhere\\Help.chm", "C:\\nowhere");
  SaveShortcut("Demo film.lnk", program, ProgramFolder());
  WriteText("ReadMe.txt", "not a shortcut");

  std::vector<demo::Shortcut> shortcuts;
  std::string error;
  ASSERT_TRUE(demo::ReadShortcuts(folder_, shortcuts, error)) << error;
  std::vector<std::string> names;
  for (const demo::Shortcut& shortcut : shortcuts) names.push_back(shortcut.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Demo film.lnk", "Help.lnk", "Player.lnk", "Uninstall.lnk"}));
  ASSERT_EQ(shortcuts.size(), 4u);
  EXPECT_STRCASEEQ(shortcuts[1].target.c_str(), "C:\\nowhere\\Help.chm");
  EXPECT_STRCASEEQ(shortcuts[1].workingFolder.c_str(), "C:\\nowhere");
  EXPECT_FALSE(shortcuts[1].targetExists);
  EXPECT_STRCASEEQ(shortcuts[2].target.c_str(), program);
  EXPECT_STRCASEEQ(shortcuts[2].workingFolder.c_str(), ProgramFolder().c_str());
  EXPECT_TRUE(shortcuts[2].targetExists);
}

TEST_F(ShortcutTest, AnUnreadableShortcutOrAMissingFolderIsAFailure) {
  WriteText("Broken.lnk", "this is no shell link");
  std::vector<demo::Shortcut> shortcuts;
  std::string error;
  EXPECT_FALSE(demo::ReadShortcuts(folder_, shortcuts, error));
  EXPECT_NE(error.find("Broken.lnk"), std::string::npos) << error;

  error.clear();
  EXPECT_FALSE(demo::ReadShortcuts(folder_ + "\\missing", shortcuts, error));
  EXPECT_NE(error.find("missing"), std::string::npos) << error;
}

TEST(StartMenuGroupTest, IsTheGroupInTheUsersProgramsFolder) {
  char programs[MAX_PATH] = {};
  ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs)));
  EXPECT_EQ(demo::StartMenuGroup("Nuvex Player"), std::string(programs) + "\\Nuvex Player");
}

TEST(DialogTextTest, ReadsTheTextAndButtonOfAMessageBoxShownByAnotherThread) {
  const char* caption = "Demo read-back test";
  std::thread box([caption] { MessageBoxA(nullptr, "Installation successful", caption, MB_OK | MB_ICONINFORMATION); });
  std::vector<demo::ChildText> texts;
  bool found = false;
  for (int i = 0; i < 100 && !found; ++i) {
    found = demo::ReadDialogTexts(caption, texts);
    if (!found) Sleep(50);
  }
  if (HWND dialog = FindWindowA("#32770", caption)) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  box.join();
  ASSERT_TRUE(found);
  bool text = false, button = false;
  for (const demo::ChildText& child : texts) {
    text = text || (child.className == "Static" && child.text == "Installation successful");
    button = button || (child.className == "Button" && child.text == "OK");
  }
  EXPECT_TRUE(text);
  EXPECT_TRUE(button);
  EXPECT_FALSE(demo::ReadDialogTexts(caption, texts)) << "the box is gone";
}

}  // namespace
