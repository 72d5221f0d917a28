// The drop target, called as OLE calls it, with data objects that offer
// file lists or only text.
#include <gtest/gtest.h>

#include "support/test_data_object.h"
#include "support/window_fixture.h"

namespace {

constexpr DWORD kAll = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

TEST(DropEffect, FromKeysAndAllowedEffects) {
  const struct {
    bool acceptable;
    DWORD keys, allowed, effect;
  } cases[] = {
      {false, 0, kAll, DROPEFFECT_NONE},
      {true, 0, kAll, DROPEFFECT_COPY},
      {true, 0, DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE},
      {true, 0, DROPEFFECT_LINK, DROPEFFECT_LINK},
      {true, 0, DROPEFFECT_NONE, DROPEFFECT_NONE},
      {true, MK_CONTROL, kAll, DROPEFFECT_COPY},
      {true, MK_CONTROL, DROPEFFECT_MOVE, DROPEFFECT_NONE},
      {true, MK_SHIFT, kAll, DROPEFFECT_MOVE},
      {true, MK_SHIFT, DROPEFFECT_COPY, DROPEFFECT_NONE},
      {true, MK_CONTROL | MK_SHIFT, kAll, DROPEFFECT_NONE},
      {true, MK_LBUTTON, kAll, DROPEFFECT_COPY},
  };
  for (const auto& c : cases)
    EXPECT_EQ(dropEffectFor(c.acceptable, c.keys, c.allowed), c.effect)
        << c.acceptable << " " << c.keys << " " << c.allowed;
}

TEST(DropEffect, DroppedPathsText) {
  EXPECT_EQ(droppedPathsText({}), "");
  EXPECT_EQ(droppedPathsText({"C:\\a.txt"}), "C:\\a.txt");
  EXPECT_EQ(droppedPathsText({"C:\\a.txt", "C:\\b"}), "C:\\a.txt\r\nC:\\b\r\n");
}

class DropTargetTest : public WindowTest {
 protected:
  void onDrop(ControlAccess&, const Text&) override {}

  ComPtr<IDropTarget> registeredTarget() {
    ComPtr<IDropTarget> target;
    window().dropTarget->QueryInterface(IID_IDropTarget, reinterpret_cast<void**>(target.put()));
    return target;
  }

  // One drag from entering to the drop, as OLE runs it; returns Drop's result.
  HRESULT dragAndDrop(IDropTarget* target, IDataObject* data, DWORD keys, DWORD allowed,
                      DWORD* enterEffect, DWORD* dropEffect) {
    const POINTL at = {0, 0};
    *enterEffect = allowed;
    EXPECT_EQ(target->DragEnter(data, keys, at, enterEffect), S_OK);
    DWORD over = allowed;
    EXPECT_EQ(target->DragOver(keys, at, &over), S_OK);
    EXPECT_EQ(over, *enterEffect);
    *dropEffect = allowed;
    return target->Drop(data, keys, at, dropEffect);
  }
};

TEST_F(DropTargetTest, AnswersIUnknownAndIDropTargetOnly) {
  IDropTarget* target = window().dropTarget.get();
  void* out = nullptr;
  EXPECT_EQ(target->QueryInterface(IID_IUnknown, &out), S_OK);
  static_cast<IUnknown*>(out)->Release();
  EXPECT_EQ(target->QueryInterface(IID_IDropTarget, &out), S_OK);
  static_cast<IUnknown*>(out)->Release();
  EXPECT_EQ(target->QueryInterface(IID_IDataObject, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
}

TEST_F(DropTargetTest, TheWholeWindowIsRegisteredOnce) {
  EXPECT_TRUE(window().dropTarget->acceptFiles);
  EXPECT_FALSE(window().dropTarget->registerDropWindow(window().hwnd));
  EXPECT_EQ(RegisterDragDrop(window().hwnd, window().dropTarget.get()), DRAGDROP_E_ALREADYREGISTERED);
}

TEST_F(DropTargetTest, FileListsFireOneEventWithThePathsText) {
  const struct {
    std::vector<std::string> paths;
    Text text;
  } cases[] = {
      {{"C:\\下载\\地址.txt"}, "C:\\下载\\地址.txt"},
      {{"C:\\a.txt", "D:\\b.txt"}, "C:\\a.txt\r\nD:\\b.txt\r\n"},
      {{"C:\\windows"}, "C:\\windows"},  // a folder arrives like a file
  };
  ComPtr<IDropTarget> target = registeredTarget();
  for (const auto& c : cases) {
    dropped.clear();
    auto data = ComPtr<IDataObject>::adopt(TestDataObject::files(c.paths));
    DWORD enter = 0, drop = 0;
    EXPECT_EQ(dragAndDrop(target.get(), data.get(), 0, kAll, &enter, &drop), E_FAIL);
    EXPECT_EQ(enter, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(drop, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(dropped, std::vector<Text>{c.text});
  }
}

TEST_F(DropTargetTest, TheKeysChooseTheEffect) {
  ComPtr<IDropTarget> target = registeredTarget();
  auto data = ComPtr<IDataObject>::adopt(TestDataObject::files({"C:\\a.txt"}));
  DWORD enter = 0, drop = 0;
  EXPECT_EQ(dragAndDrop(target.get(), data.get(), MK_SHIFT, kAll, &enter, &drop), E_FAIL);
  EXPECT_EQ(drop, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_EQ(dropped.size(), 1u);

  dropped.clear();
  EXPECT_EQ(dragAndDrop(target.get(), data.get(), MK_CONTROL | MK_SHIFT, kAll, &enter, &drop), E_FAIL);
  EXPECT_EQ(enter, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(drop, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_TRUE(dropped.empty());
}

TEST_F(DropTargetTest, TextIsRefused) {
  ComPtr<IDropTarget> target = registeredTarget();
  TestDataObject* text = TestDataObject::text("http://a.test/1.rar");
  auto data = ComPtr<IDataObject>::adopt(text);
  DWORD enter = 0, drop = 0;
  EXPECT_EQ(dragAndDrop(target.get(), data.get(), 0, kAll, &enter, &drop), E_FAIL);
  EXPECT_EQ(enter, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(drop, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(text->getDataCalls, 0);
  EXPECT_TRUE(dropped.empty());
}

TEST_F(DropTargetTest, FailedGetDataFiresNothing) {
  ComPtr<IDropTarget> target = registeredTarget();
  TestDataObject* files = TestDataObject::files({"C:\\a.txt"});
  files->failGetData = true;
  auto data = ComPtr<IDataObject>::adopt(files);
  DWORD enter = 0, drop = 0;
  EXPECT_EQ(dragAndDrop(target.get(), data.get(), 0, kAll, &enter, &drop), E_FAIL);
  EXPECT_EQ(files->getDataCalls, 1);
  EXPECT_TRUE(dropped.empty());
}

TEST_F(DropTargetTest, LeavingEndsTheDrag) {
  ComPtr<IDropTarget> target = registeredTarget();
  auto data = ComPtr<IDataObject>::adopt(TestDataObject::files({"C:\\a.txt"}));
  DWORD effect = kAll;
  target->DragEnter(data.get(), 0, {0, 0}, &effect);
  EXPECT_EQ(target->DragLeave(), S_OK);
  effect = kAll;
  EXPECT_EQ(target->Drop(data.get(), 0, {0, 0}, &effect), E_FAIL);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_TRUE(dropped.empty());
}

TEST(DropTargetAlone, AcceptsNothingBeforeFilesAreSwitchedOn) {
  ComPtr<DropTarget> target = DropTarget::create();
  int events = 0;
  target->filesDropped = [&](const Text&) { ++events; };
  auto data = ComPtr<IDataObject>::adopt(TestDataObject::files({"C:\\a.txt"}));
  DWORD effect = kAll;
  target->DragEnter(data.get(), 0, {0, 0}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  effect = kAll;
  EXPECT_EQ(target->Drop(data.get(), 0, {0, 0}, &effect), E_FAIL);
  EXPECT_EQ(events, 0);
}

// A drag source that lets OLE track the pointer for a few rounds, then drops.
class DropAfterAWhile final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
    return ++rounds_ < 4 ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  int rounds_ = 0;
};

TEST_F(DropTargetTest, ARealDragOverTheWindowReachesTheHandler) {
  RECT r;
  GetWindowRect(hwnd(ControlName::编辑框_已转换内容), &r);
  SetForegroundWindow(window().hwnd);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  pump();

  auto data = ComPtr<IDataObject>::adopt(TestDataObject::files({"C:\\a.txt"}));
  DropAfterAWhile source;
  DWORD effect = DROPEFFECT_NONE;
  // What DoDragDrop returns depends on the platform: Wine passes on the
  // target's E_FAIL. The handler having run is what counts.
  DoDragDrop(data.get(), &source, kAll, &effect);
  EXPECT_EQ(dropped, std::vector<Text>{"C:\\a.txt"});
}

}  // namespace
