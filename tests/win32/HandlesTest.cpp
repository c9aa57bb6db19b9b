#include <windows.h>
#include <objbase.h>

#include <thread>
#include <type_traits>
#include <utility>

#include <gtest/gtest.h>

#include "win32/Handles.h"

namespace kromelik {
namespace {

static_assert(!std::is_copy_constructible_v<UniqueKey> && !std::is_copy_assignable_v<UniqueKey>);
static_assert(std::is_nothrow_move_constructible_v<UniqueKey>);
static_assert(!std::is_copy_constructible_v<ComPtr<IUnknown>>);

bool IsOpenKey(HKEY key) {
  return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

TEST(UniqueHandle, ClosesWhereOwnershipEndsAndNowhereElse) {
  UniqueKey first;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, first.Put()), ERROR_SUCCESS);
  const HKEY raw = first.Get();

  UniqueKey second = std::move(first);
  EXPECT_FALSE(first);
  EXPECT_EQ(second.Get(), raw);
  EXPECT_TRUE(IsOpenKey(raw)) << "moving does not close";

  UniqueKey third;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, third.Put()), ERROR_SUCCESS);
  const HKEY replaced = third.Get();
  third = std::move(second);
  EXPECT_FALSE(IsOpenKey(replaced)) << "assignment closes what was held before";
  EXPECT_TRUE(IsOpenKey(raw));

  third.Reset();
  EXPECT_FALSE(IsOpenKey(raw));

  UniqueKey given;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, given.Put()), ERROR_SUCCESS);
  const HKEY released = given.Release();
  given.Reset();
  EXPECT_TRUE(IsOpenKey(released)) << "a released handle is the caller's";
  RegCloseKey(released);
}

// Counts what the owner does to the object. COM objects end through Release, never
// through a destructor of IUnknown, which therefore has none to make virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CountedObject final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  ULONG references = 1;
};
#pragma GCC diagnostic pop

// A long run compares these counts: a move or a give-up counted twice, or not at all,
// would hide a leak or show one that is not there.
TEST(UniqueHandle, CountsTheObjectsItHoldsAcrossMovesResetsAndGivingUp) {
  const long before = LiveObjects(LiveKind::Brush);
  {
    UniqueBrush first(CreateSolidBrush(RGB(1, 2, 3)));
    UniqueBrush second(CreateSolidBrush(RGB(4, 5, 6)));
    EXPECT_EQ(LiveObjects(LiveKind::Brush), before + 2);
    second = std::move(first);
    UniqueBrush third(std::move(second));
    EXPECT_EQ(LiveObjects(LiveKind::Brush), before + 1) << "the replaced one went, the moved one stays";
    third.Reset(CreateSolidBrush(RGB(7, 8, 9)));
    EXPECT_EQ(LiveObjects(LiveKind::Brush), before + 1);
    DeleteObject(third.Release());
    EXPECT_EQ(LiveObjects(LiveKind::Brush), before) << "what is given up is no longer the owner's";
    third.Reset(CreateSolidBrush(RGB(1, 1, 1)));
  }
  EXPECT_EQ(LiveObjects(LiveKind::Brush), before);
}

TEST(ComPtr, ReleasesEachReferenceOnceAcrossMovesAndReuse) {
  CountedObject first;
  CountedObject second;
  {
    ComPtr<IUnknown> owner;
    *owner.Put() = &first;
    ComPtr<IUnknown> moved = std::move(owner);
    EXPECT_FALSE(owner);
    EXPECT_EQ(first.references, 1u);
    *moved.Put() = &second;
    EXPECT_EQ(first.references, 0u) << "Put releases the object it replaces";
  }
  EXPECT_EQ(second.references, 0u);
}

TEST(ComApartment, AThreadInTheOtherModelKeepsItsComAfterwards) {
  std::thread([] {
    const ComApartment outer(COINIT_APARTMENTTHREADED);
    ASSERT_TRUE(outer.Usable());
    {
      const ComApartment inner(COINIT_MULTITHREADED);
      EXPECT_EQ(inner.Result(), RPC_E_CHANGED_MODE);
      EXPECT_TRUE(inner.Usable());
    }
    // Still initialised as the outer scope left it: a further call only counts up.
    const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(again, S_FALSE);
    if (SUCCEEDED(again)) CoUninitialize();
  }).join();
}

}  // namespace
}  // namespace kromelik
