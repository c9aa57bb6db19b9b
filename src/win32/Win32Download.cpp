#include "win32/Win32Download.h"

#include <windows.h>
#include <urlmon.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "win32/Handles.h"
#include "win32/SystemLibrary.h"
#include "win32/WideText.h"

namespace kromelik {

// What the waiting caller and the transfer thread share. Both hold it, so it lives as long
// as the one that stays longer: after a timeout that is the thread.
struct Win32Download::Transfer {
  std::wstring temporary;  // where the platform's call writes, beside the target
  std::mutex mutex;
  std::condition_variable decided;
  bool done = false;         // the thread has put the file in place or thrown it away
  bool succeeded = false;
  // Set under the mutex, read without it too: urlmon asks on its own schedule.
  std::atomic<bool> abandoned{false};
};

namespace {

using Transfer = Win32Download::Transfer;

// COM interfaces have no virtual destructor: an object deletes itself in Release, never
// through an interface pointer.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

// Tells urlmon to stop at its next progress report once nobody waits any more. A server
// that never answers gives no report to stop at, which is why the caller does not wait
// for this to work.
class AbortWhenAbandoned final : public IBindStatusCallback {
 public:
  explicit AbortWhenAbandoned(std::shared_ptr<Transfer> transfer)
      : transfer_(std::move(transfer)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IBindStatusCallback)) {
      *object = static_cast<IBindStatusCallback*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override {
    return transfer_->abandoned ? E_ABORT : S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO*) override {
    // A version file must be the server's current one, never a copy from the cache.
    if (flags != nullptr) *flags |= BINDF_GETNEWESTVERSION;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

 private:
  ~AbortWhenAbandoned() = default;

  std::atomic<ULONG> references_{1};
  std::shared_ptr<Transfer> transfer_;
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// A name of its own beside the target, taken at once (the call creates the file empty),
// so two transfers to one path never share it and the final rename stays on one volume.
std::wstring TemporaryNameBeside(const std::wstring& target) {
  const auto slash = target.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
  wchar_t name[MAX_PATH] = {};
  if (GetTempFileNameW(folder.c_str(), L"krm", 0, name) == 0) return {};
  return name;
}

// The thread's own copies of everything: the caller's strings may be gone by the end.
void RunTransfer(std::wstring url, std::wstring temporary, std::wstring target,
                 std::shared_ptr<Transfer> transfer) noexcept {
  HRESULT result = E_FAIL;
  {
    const ComApartment com(COINIT_APARTMENTTHREADED);
    auto* callback = new (std::nothrow) AbortWhenAbandoned(transfer);
    using DownloadFunction = HRESULT(WINAPI*)(LPUNKNOWN, LPCWSTR, LPCWSTR, DWORD,
                                              LPBINDSTATUSCALLBACK);
    static const auto download =
        SystemFunction<DownloadFunction>(L"urlmon.dll", "URLDownloadToFileW");
    if (com.Usable() && callback != nullptr && download != nullptr)
      result = download(nullptr, url.c_str(), temporary.c_str(), 0, callback);
    if (callback != nullptr) callback->Release();
  }
  // Deciding under the lock that the caller's timeout also takes: either the caller is
  // still waiting and sees the file in place, or it has left and the file never appears.
  const std::lock_guard lock(transfer->mutex);
  const bool keep =
      SUCCEEDED(result) && !transfer->abandoned &&
      MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
  if (!keep) DeleteFileW(temporary.c_str());
  transfer->succeeded = keep;
  transfer->done = true;
  transfer->decided.notify_all();
}

}  // namespace

Win32Download::~Win32Download() {
  for (const std::weak_ptr<Transfer>& given : givenUp_) {
    const std::shared_ptr<Transfer> transfer = given.lock();
    if (!transfer) continue;
    const std::lock_guard lock(transfer->mutex);
    if (!transfer->done) DeleteFileW(transfer->temporary.c_str());
  }
}

DownloadResult Win32Download::ToFile(std::string_view url, std::string_view localPath,
                                     std::chrono::milliseconds timeout) {
  if (url.empty() || localPath.empty()) return DownloadResult::Failed;
  std::wstring target = Utf8ToWide(localPath);
  std::wstring temporary = TemporaryNameBeside(target);
  if (temporary.empty()) return DownloadResult::Failed;

  auto transfer = std::make_shared<Transfer>();
  transfer->temporary = temporary;
  try {
    std::thread(RunTransfer, Utf8ToWide(url), temporary, std::move(target), transfer).detach();
  } catch (const std::system_error&) {
    DeleteFileW(temporary.c_str());
    return DownloadResult::Failed;
  }

  std::unique_lock lock(transfer->mutex);
  if (!transfer->decided.wait_for(lock, std::max(timeout, std::chrono::milliseconds::zero()),
                                  [&] { return transfer->done; })) {
    transfer->abandoned = true;
    // Forgetting those that have ended since, so a long run does not pile them up.
    std::erase_if(givenUp_, [](const std::weak_ptr<Transfer>& given) { return given.expired(); });
    givenUp_.push_back(transfer);
    return DownloadResult::TimedOut;
  }
  return transfer->succeeded ? DownloadResult::Done : DownloadResult::Failed;
}

}  // namespace kromelik
