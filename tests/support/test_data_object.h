#pragma once
// A data object as a drag source offers it: a list of files as CF_HDROP, or
// plain text as CF_TEXT only.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

class TestDataObject final : public IDataObject {
 public:
  static TestDataObject* files(const std::vector<std::string>& paths) {
    return new TestDataObject(CF_HDROP, paths);
  }
  static TestDataObject* text(const std::string& text) { return new TestDataObject(CF_TEXT, {text}); }
  // Paths in UTF-16, as Explorer offers them: names need not fit the code page.
  static TestDataObject* wideFiles(const std::vector<std::wstring>& paths) {
    auto* data = new TestDataObject(CF_HDROP, {});
    data->widePaths_ = paths;
    return data;
  }

  int getDataCalls = 0;
  bool failGetData = false;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
      *out = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    ++getDataCalls;
    if (failGetData) return E_UNEXPECTED;
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    const std::string bytes = payload();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!block) return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    if (!format || format->cfFormat != format_ || !(format->tymed & TYMED_HGLOBAL) ||
        format->dwAspect != DVASPECT_CONTENT)
      return DV_E_FORMATETC;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format = {format_, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return SHCreateStdEnumFmtEtc(1, &format, out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  TestDataObject(CLIPFORMAT format, std::vector<std::string> items)
      : format_(format), items_(std::move(items)) {}
  ~TestDataObject() = default;

  // CF_HDROP: a DROPFILES header, then each ANSI path and its zero, then one
  // more zero. CF_TEXT: the text and its zero.
  std::string payload() const {
    if (format_ == CF_TEXT) return items_.front() + '\0';
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = !widePaths_.empty();
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& path : items_) bytes.append(path).push_back('\0');
    for (const std::wstring& path : widePaths_)
      bytes.append(reinterpret_cast<const char*>(path.c_str()), (path.size() + 1) * sizeof(wchar_t));
    bytes.append(header.fWide ? sizeof(wchar_t) : 1, '\0');
    return bytes;
  }

  ULONG references_ = 1;
  CLIPFORMAT format_;
  std::vector<std::string> items_;
  std::vector<std::wstring> widePaths_;
};
