#include "ui/drop_target.h"

#include <shellapi.h>

#include <new>

namespace {

FORMATETC fileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The storage medium GetData hands out, released on every path.
struct OwnedMedium {
  STGMEDIUM medium = {};
  ~OwnedMedium() { if (medium.tymed != TYMED_NULL) ReleaseStgMedium(&medium); }
};

std::vector<Text> pathsIn(HDROP drop) {
  std::vector<Text> paths;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  paths.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileA(drop, i, nullptr, 0);
    Text path(length + 1, '\0');
    const UINT copied = DragQueryFileA(drop, i, path.data(), length + 1);
    path.resize(copied);
    paths.push_back(std::move(path));
  }
  return paths;
}

}  // namespace

ComPtr<DropTarget> DropTarget::create() {
  return ComPtr<DropTarget>::adopt(new (std::nothrow) DropTarget);
}

bool DropTarget::registerDropWindow(HWND window) {
  if (window_) return false;
  window_ = window;
  registered_ = RegisterDragDrop(window, this) == S_OK;
  return registered_;
}

void DropTarget::revoke() {
  if (registered_) RevokeDragDrop(window_);
  registered_ = false;
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DropTarget::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) {
  FORMATETC format = fileListFormat();
  acceptable_ = acceptFiles && data && data->QueryGetData(&format) == S_OK;
  if (effect) *effect = dropEffectFor(acceptable_, keyState, *effect);
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD keyState, POINTL, DWORD* effect) {
  if (effect) *effect = dropEffectFor(acceptable_, keyState, *effect);
  return S_OK;
}

HRESULT DropTarget::DragLeave() {
  acceptable_ = false;
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) {
  const DWORD chosen = dropEffectFor(acceptable_, keyState, effect ? *effect : DROPEFFECT_NONE);
  if (effect) *effect = chosen;
  acceptable_ = false;
  if (chosen == DROPEFFECT_NONE || !acceptFiles || !data) return E_FAIL;

  try {
    std::vector<Text> paths;
    {
      FORMATETC format = fileListFormat();
      OwnedMedium owned;
      if (data->GetData(&format, &owned.medium) != S_OK || owned.medium.tymed != TYMED_HGLOBAL)
        return E_FAIL;
      paths = pathsIn(static_cast<HDROP>(owned.medium.hGlobal));
    }
    const Text droppedPaths = droppedPathsText(paths);
    if (filesDropped) filesDropped(droppedPaths);
  } catch (...) {
    // Nothing may cross back into OLE; the handler reports its own failures.
  }
  // The source is told nothing was done: the dragged files were only read.
  return E_FAIL;
}

DWORD dropEffectFor(bool acceptable, DWORD keyState, DWORD allowed) {
  if (!acceptable) return DROPEFFECT_NONE;
  const bool ctrl = keyState & MK_CONTROL;
  const bool shift = keyState & MK_SHIFT;
  if (ctrl && shift) return DROPEFFECT_NONE;
  if (ctrl) return allowed & DROPEFFECT_COPY ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  if (shift) return allowed & DROPEFFECT_MOVE ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
  for (DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK})
    if (allowed & effect) return effect;
  return DROPEFFECT_NONE;
}

Text droppedPathsText(const std::vector<Text>& paths) {
  if (paths.size() == 1) return paths.front();
  Text text;
  for (const Text& path : paths) text.append(path).append("\r\n");
  return text;
}
