#pragma once
// The window's target for dropped files: OLE drag and drop of CF_HDROP lists,
// delivered to one handler as the dropped-paths text.
#include <windows.h>
#include <ole2.h>

#include <functional>
#include <vector>

#include "encoding/text.h"
#include "ui/win32_handles.h"

class DropTarget final : public IDropTarget {
 public:
  using FilesDropped = std::function<void(const Text& droppedPaths)>;

  static ComPtr<DropTarget> create();

  // Makes window an OLE drop window served by this target. Only the first
  // call asks OLE; every later one returns false, also after a failure.
  bool registerDropWindow(HWND window);
  // Withdraws the registration, while the window still exists.
  void revoke();

  bool acceptText = false;
  bool acceptHtml = false;
  bool acceptUrl = false;
  bool acceptFiles = false;
  FilesDropped filesDropped;  // runs to its end inside Drop

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDropTarget
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL at, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL at, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL at, DWORD* effect) override;

 private:
  DropTarget() = default;
  ~DropTarget() = default;

  LONG references_ = 1;
  HWND window_ = nullptr;
  bool registered_ = false;
  bool acceptable_ = false;
};

// The effect a drag shows and a drop gets, from Ctrl and Shift in keyState
// and the effects the source allows.
DWORD dropEffectFor(bool acceptable, DWORD keyState, DWORD allowed);

// One path alone; several, each followed by CR LF; none, the empty text.
Text droppedPathsText(const std::vector<Text>& paths);
