// Files dropped on the real window, delivered through its registered drop
// target, read and written on the real file system.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "encoding/download_link.h"
#include "support/message_box_watcher.h"
#include "support/test_data_object.h"
#include "support/window_fixture.h"

namespace {

using C = ControlName;

const Text kTooLittle = "阁下这也叫批量转换？貌似要转换的内容太少了吧？请别忽悠我！！！";

void writeFile(const std::string& path, const std::string& bytes) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file) << path;
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
}

std::wstring wide(const std::string& ansi);

// Wide, so that a path past MAX_PATH can be read too.
std::string readFile(const std::string& path) {
  UniqueFile file(CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return "<none>";
  std::string bytes;
  char piece[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), piece, sizeof piece, &got, nullptr) && got > 0) bytes.append(piece, got);
  return bytes;
}

std::set<std::string> namesIn(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.insert(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::string clipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<closed>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    LockedGlobal locked(data);
    if (locked.data()) text = static_cast<const char*>(locked.data());
  }
  CloseClipboard();
  return text;
}

// Wide, so that a name outside the code page goes too.
void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(path);
      else DeleteFileW(path.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

std::wstring wide(const std::string& ansi) {
  std::wstring out(ansi.size(), L'\0');
  out.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                                      out.data(), static_cast<int>(out.size()))));
  return out;
}

class DroppedFile : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int run = 0;
    folder = std::string(temp) + "quenlith-drop-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(GetTickCount()) + "-" + std::to_string(++run);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  }
  void TearDown() override {
    removeTree(wide(folder));
    WindowTest::TearDown();
  }

  std::string at(const std::string& name) { return folder + "\\" + name; }

  // A drag of these paths over the window, dropped, as OLE delivers it.
  void drop(const std::vector<std::string>& paths) {
    ComPtr<IDropTarget> target;
    window().dropTarget->QueryInterface(IID_IDropTarget, reinterpret_cast<void**>(target.put()));
    auto data = ComPtr<IDataObject>::adopt(TestDataObject::files(paths));
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(data.get(), 0, {0, 0}, &effect);
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->Drop(data.get(), 0, {0, 0}, &effect), E_FAIL);
    pump();
  }

  void check(C name) {
    SendMessageA(hwnd(name), BM_CLICK, 0, 0);
    pump();
  }

  Text input() { return controls().getText(C::编辑框_待转换内容); }
  Text output() { return controls().getText(C::编辑框_已转换内容); }

  std::string folder;
};

const Text kPage = "资料下载\r\n1. http://a.test/1.rar\r\n2. http://b.test/资料二.zip\r\n";
Text linksOfPage() {
  return buildDownloadLink(LinkFormat::Thunder, "http://a.test/1.rar") + "\r\n" +
         buildDownloadLink(LinkFormat::Thunder, "http://b.test/资料二.zip") + "\r\n";
}

TEST_F(DroppedFile, WithAllOptionsOnItIsLoadedConvertedSavedAndCopied) {
  check(C::选择框_转换后自动复制到剪贴版);
  writeFile(at("地址.txt"), kPage);
  drop({at("地址.txt")});

  EXPECT_EQ(input(), kPage);
  EXPECT_EQ(output(), linksOfPage());
  EXPECT_EQ(controls().getText(C::标签_信息), "大功告成，已转换2条");
  EXPECT_EQ(readFile(at("转换-地址.txt")), output());
  EXPECT_EQ(clipboardText(), output());
  DWORD start = 1, end = 0;
  SendMessageA(hwnd(C::编辑框_已转换内容), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(hwnd(C::编辑框_已转换内容))));
  EXPECT_EQ(namesIn(folder), (std::set<std::string>{"地址.txt", "转换-地址.txt"}));
}

TEST_F(DroppedFile, AnEarlierCopyIsReplaced) {
  writeFile(at("list.txt"), kPage);
  writeFile(at("转换-list.txt"), std::string(100000, 'x'));
  drop({at("list.txt")});
  EXPECT_EQ(readFile(at("转换-list.txt")), linksOfPage());
}

TEST_F(DroppedFile, OnlyTheBytesBeforeAZeroByteAreLoaded) {
  writeFile(at("list.txt"), std::string("http://a.test/1.rar\r\n\0http://b.test/2.rar", 42));
  drop({at("list.txt")});
  EXPECT_EQ(input(), "http://a.test/1.rar\r\n");
  EXPECT_EQ(readFile(at("转换-list.txt")), buildDownloadLink(LinkFormat::Thunder, "http://a.test/1.rar") + "\r\n");
}

TEST_F(DroppedFile, NothingToLoadGivesTheEmptyInputMessages) {
  writeFile(at("empty.txt"), "");
  writeFile(at("zero.txt"), std::string("\0http://a.test/1.rar", 20));
  CreateDirectoryA(at("a folder").c_str(), nullptr);
  writeFile(at("locked.txt"), kPage);
  UniqueFile locked(CreateFileA(at("locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(locked);
  for (const char* name : {"empty.txt", "zero.txt", "a folder", "missing.txt", "locked.txt"}) {
    controls().setText(C::编辑框_待转换内容, "left over");
    boxes->clear();
    drop({at(name)});
    EXPECT_EQ(input(), "") << name;
    EXPECT_EQ(output(), "") << name;
    EXPECT_EQ(boxes->seen(), std::vector<std::string>{kTooLittle}) << name;
  }
  EXPECT_EQ(namesIn(folder), (std::set<std::string>{"empty.txt", "zero.txt", "a folder", "locked.txt"}));
}

TEST_F(DroppedFile, AFileOpenForReadingElsewhereStillConverts) {
  writeFile(at("list.txt"), kPage);
  UniqueFile editor(CreateFileA(at("list.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(editor);
  drop({at("list.txt")});
  EXPECT_EQ(output(), linksOfPage());
  EXPECT_EQ(readFile(at("转换-list.txt")), linksOfPage());
}

TEST_F(DroppedFile, TextWithAByteOrderMarkIsReadAsText) {
  // "下载：http://a.test/资料.rar" and one character GBK has no form for (U+00E9 is in GBK; U+0E01 is not).
  const std::u16string text = u"下载：http://a.test/资料.rar \u0E01";
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (char16_t unit : text) {
    le += static_cast<char>(unit & 0xFF), le += static_cast<char>(unit >> 8);
    be += static_cast<char>(unit >> 8), be += static_cast<char>(unit & 0xFF);
  }
  const std::string utf8 = "\xEF\xBB\xBF\xE4\xB8\x8B\xE8\xBD\xBD\xEF\xBC\x9Ahttp://a.test/\xE8\xB5\x84\xE6\x96\x99.rar \xE0\xB8\x81";
  const Text expected = "下载：http://a.test/资料.rar ?";
  for (const auto& [name, bytes] : {std::pair<const char*, std::string>{"le.txt", le}, {"be.txt", be}, {"utf8.txt", utf8}}) {
    writeFile(at(name), bytes);
    drop({at(name)});
    EXPECT_EQ(input(), expected) << name;
    EXPECT_EQ(output(), buildDownloadLink(LinkFormat::Thunder, "http://a.test/资料.rar ?") + "\r\n") << name;
  }
}

TEST_F(DroppedFile, ASavedNameTakenByAFolderIsReported) {
  writeFile(at("list.txt"), kPage);
  CreateDirectoryA(at("转换-list.txt").c_str(), nullptr);
  boxes->clear();
  drop({at("list.txt")});
  EXPECT_EQ(output(), linksOfPage());
  EXPECT_EQ(boxes->seen(), std::vector<std::string>{"无法保存转换结果：" + at("转换-list.txt")});
  EXPECT_EQ(namesIn(folder), (std::set<std::string>{"list.txt", "转换-list.txt"}));
  EXPECT_TRUE(GetFileAttributesA(at("转换-list.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(DroppedFile, ASecondDropConvertsItsOwnFileOnly) {
  writeFile(at("one.txt"), "http://a.test/1.rar");
  writeFile(at("two.txt"), "http://b.test/2.rar");
  drop({at("one.txt")});
  drop({at("two.txt")});
  EXPECT_EQ(input(), "http://b.test/2.rar");
  EXPECT_EQ(output(), buildDownloadLink(LinkFormat::Thunder, "http://b.test/2.rar") + "\r\n");
  EXPECT_EQ(readFile(at("转换-one.txt")), buildDownloadLink(LinkFormat::Thunder, "http://a.test/1.rar") + "\r\n");
  EXPECT_EQ(readFile(at("转换-two.txt")), output());
}

TEST_F(DroppedFile, TwoFilesAtOnceLoadNothing) {
  writeFile(at("one.txt"), kPage);
  writeFile(at("two.txt"), kPage);
  boxes->clear();
  drop({at("one.txt"), at("two.txt")});
  EXPECT_EQ(dropped.size(), 1u);
  EXPECT_EQ(input(), "");
  EXPECT_EQ(namesIn(folder), (std::set<std::string>{"one.txt", "two.txt"}));
}

TEST_F(DroppedFile, WithoutAutoConvertADropOnlyClearsTheBoxes) {
  check(C::选择框_自动拖放转换);
  writeFile(at("list.txt"), kPage);
  controls().setText(C::编辑框_待转换内容, "typed");
  controls().setText(C::编辑框_已转换内容, "old");
  drop({at("list.txt")});
  EXPECT_EQ(input(), "");
  EXPECT_EQ(output(), "");
  EXPECT_EQ(namesIn(folder), std::set<std::string>{"list.txt"});
}

TEST_F(DroppedFile, ABinaryFileGivesWhatLiesBeforeItsFirstZero) {
  std::string bytes = "\x01\x02\x81\xFE\x7F http://a.test/1.rar\r\n";
  for (int i = 1; i < 5000; ++i) bytes += static_cast<char>((i * 37 + 11) % 256);
  writeFile(at("data.bin"), bytes);
  drop({at("data.bin")});
  EXPECT_EQ(output(), buildDownloadLink(LinkFormat::Thunder, "http://a.test/1.rar") + "\r\n");
  EXPECT_EQ(readFile(at("转换-data.bin")), output());
}

TEST_F(DroppedFile, ANameOutsideTheCodePageCannotBeOpened) {
  // U+0E01 has no form in GBK: the ANSI path names no file.
  const std::wstring name = L"\u5730\u5740\u0E01.txt";
  const std::wstring path = wide(folder) + L"\\" + name;
  {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file);
    DWORD written = 0;
    WriteFile(file.get(), kPage.data(), static_cast<DWORD>(kPage.size()), &written, nullptr);
  }
  ComPtr<IDropTarget> target;
  window().dropTarget->QueryInterface(IID_IDropTarget, reinterpret_cast<void**>(target.put()));
  auto data = ComPtr<IDataObject>::adopt(TestDataObject::wideFiles({path}));
  DWORD effect = DROPEFFECT_COPY;
  target->DragEnter(data.get(), 0, {0, 0}, &effect);
  boxes->clear();
  target->Drop(data.get(), 0, {0, 0}, &effect);
  pump();
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_NE(dropped[0].find('?'), Text::npos);
  EXPECT_EQ(input(), "");
  EXPECT_EQ(boxes->seen(), std::vector<std::string>{kTooLittle});
  EXPECT_EQ(namesIn(folder).size(), 1u);
}

TEST_F(DroppedFile, APathOf259CharactersLoadsAndItsCopyIsWholeOrReported) {
  const std::string name = std::string(259 - folder.size() - 1 - 4, 'a') + ".txt";
  const std::string path = at(name);
  ASSERT_EQ(path.size(), 259u);
  writeFile(path, kPage);
  boxes->clear();
  drop({path});
  EXPECT_EQ(input(), kPage);
  EXPECT_EQ(output(), linksOfPage());
  // The copy's path is 264 bytes: Windows refuses it (MAX_PATH), Wine takes it.
  const std::string saved = at("转换-" + name);
  if (boxes->seen().empty()) {
    EXPECT_EQ(readFile(saved), output());
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{name, "转换-" + name}));
  } else {
    EXPECT_EQ(boxes->seen(), std::vector<std::string>{"无法保存转换结果：" + saved});
    EXPECT_EQ(namesIn(folder), std::set<std::string>{name});
  }
}

}  // namespace
