// The owners where they decide something: a library's reference goes with its
// last owner, not with one it was moved from; an export that is missing gives null.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "common/Handles.h"

namespace {

// A system library that this program does not load by itself.
const char kLibrary[] = "lz32.dll";

TEST(Module, TheLibraryStaysWhileAnOwnerHoldsItAndGoesWithTheLast) {
    ASSERT_EQ(GetModuleHandleA(kLibrary), nullptr);
    {
        Module kept;
        {
            Module loaded(LoadLibraryA(kLibrary));
            ASSERT_NE(loaded.get(), nullptr);
            kept = std::move(loaded);
            EXPECT_EQ(loaded.get(), nullptr);
        }
        EXPECT_EQ(GetModuleHandleA(kLibrary), kept.get()) << "the moved-from owner freed the library";
    }
    EXPECT_EQ(GetModuleHandleA(kLibrary), nullptr);

    // A released reference outlives its owner until it is given back by hand.
    HMODULE handedOn = Module(LoadLibraryA(kLibrary)).release();
    ASSERT_NE(handedOn, nullptr);
    EXPECT_EQ(GetModuleHandleA(kLibrary), handedOn);
    FreeLibrary(handedOn);
    EXPECT_EQ(GetModuleHandleA(kLibrary), nullptr);
}

TEST(OptionalExport, APresentExportIsCalledAMissingOneIsNull) {
    typedef DWORD(WINAPI * ProcessIdProc)();
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    const ProcessIdProc processId = OptionalExport<ProcessIdProc>(kernel32, "GetCurrentProcessId");
    ASSERT_NE(processId, nullptr);
    EXPECT_EQ(processId(), GetCurrentProcessId());
    EXPECT_EQ(OptionalExport<ProcessIdProc>(kernel32, "NoSuchExportAnywhere"), nullptr);
}

}  // namespace
