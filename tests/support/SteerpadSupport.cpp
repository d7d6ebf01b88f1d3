#include "support/SteerpadSupport.h"

#include "support/TestSupport.h"

namespace test {

namespace {

const char kOwnerClass[] = "SteerpadTestOwner";
constexpr int kOwnerLeft = 200;
constexpr int kOwnerTop = 150;
constexpr int kOwnerWidth = 400;
constexpr int kOwnerHeight = 300;


void RegisterOwnerClass(WNDPROC procedure) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExA(GetModuleHandleA(nullptr), kOwnerClass, &windowClass)) return;
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kOwnerClass;
    RegisterClassExA(&windowClass);
}

const BYTE* ModuleBase(HMODULE module) {
    return reinterpret_cast<const BYTE*>(module);
}

const IMAGE_IMPORT_DESCRIPTOR* FirstImport(HMODULE module) {
    const BYTE* base = ModuleBase(module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress) return nullptr;
    return reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
}

}  // namespace

UINT PanningUpdateMessage() {
    return RegisterWindowMessageA(names::kOriginUpdateMessage);
}

UINT PanningEndMessage() {
    return RegisterWindowMessageA(names::kOriginEndMessage);
}

PanningOwner::PanningOwner(bool takes, DWORD extraStyle) : takesSteps(takes) {
    RegisterOwnerClass(&PanningOwner::Proc);
    window_ = CreateWindowExA(0, kOwnerClass, "Panning owner", WS_POPUP | extraStyle, kOwnerLeft, kOwnerTop,
                              kOwnerWidth, kOwnerHeight, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    // Not activated: the tests that need the owner active say so (Activate).
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    PumpMessages(30);
}

void PanningOwner::Activate() const {
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    SetFocus(window_);
    PumpMessages(30);
}

PanningOwner::~PanningOwner() {
    // A session still running is ended the ordinary way, so that its end
    // message frees the library here and nothing is left for the next test.
    HWND origin = FindOriginWindow();
    if (origin) {
        SendMessageA(origin, WM_CANCELMODE, 0, 0);
        WaitForEnds(ends + 1, 1000);
    }
    if (IsWindow(window_)) DestroyWindow(window_);
    PumpMessages(10);
    for (; loads > ends && library_; --loads) FreeLibrary(library_);
}

bool PanningOwner::Start(int x, int y, BOOL horizontal, BOOL vertical) {
    HMODULE library = LoadLibraryA(kPanningLibrary);
    if (!library) return false;
    library_ = library;
    ++loads;
    names::StartPanningFunction start =
        reinterpret_cast<names::StartPanningFunction>(reinterpret_cast<void*>(GetProcAddress(library, names::kStartPanningExport)));
    if (!start) return false;
    startResult = start(window_, horizontal, vertical, x, y);
    return true;
}

POINT PanningOwner::ToScreen(int x, int y) const {
    POINT point = {x, y};
    ClientToScreen(window_, &point);
    return point;
}

void PanningOwner::MoveMouseTo(int x, int y) const {
    POINT point = ToScreen(x, y);
    SetCursorPos(point.x, point.y);
}

bool PanningOwner::WaitForSteps(size_t n, DWORD ms) const {
    return PumpUntil([&] { return steps.size() >= n; }, ms);
}

bool PanningOwner::WaitForEnds(int n, DWORD ms) const {
    return PumpUntil([&] { return ends >= n; }, ms);
}

LRESULT CALLBACK PanningOwner::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    }
    PanningOwner* owner = reinterpret_cast<PanningOwner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!owner) return DefWindowProcA(window, message, wParam, lParam);
    return owner->Handle(window, message, wParam, lParam);
}

LRESULT PanningOwner::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == PanningUpdateMessage()) {
        steps.push_back(*reinterpret_cast<const POINT*>(lParam));
        LRESULT answer = takesSteps ? 1 : 0;
        answers.push_back(answer);
        return answer;
    }
    if (message == PanningEndMessage()) {
        ++ends;
        if (library_) FreeLibrary(library_);
        return 0;
    }
    if (message == WM_KEYDOWN) ++keys;
    if (message == WM_MOUSEWHEEL) ++wheels;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND FindOriginWindow() {
    return FindWindowA(kOriginWindowClass, nullptr);
}

std::vector<std::string> ImportedModules(HMODULE module) {
    std::vector<std::string> names;
    const BYTE* base = ModuleBase(module);
    for (const IMAGE_IMPORT_DESCRIPTOR* entry = FirstImport(module); entry && entry->Name; ++entry) {
        names.push_back(reinterpret_cast<const char*>(base + entry->Name));
    }
    return names;
}

void* ReplaceImport(HMODULE module, const char* function, void* replacement) {
    BYTE* base = const_cast<BYTE*>(ModuleBase(module));
    for (const IMAGE_IMPORT_DESCRIPTOR* entry = FirstImport(module); entry && entry->Name; ++entry) {
        if (!entry->OriginalFirstThunk) continue;
        const IMAGE_THUNK_DATA* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        IMAGE_THUNK_DATA* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const IMAGE_IMPORT_BY_NAME* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
            void* previous = reinterpret_cast<void*>(addresses->u1.Function);
            DWORD protection = 0;
            VirtualProtect(&addresses->u1.Function, sizeof(addresses->u1.Function), PAGE_READWRITE, &protection);
            addresses->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&addresses->u1.Function, sizeof(addresses->u1.Function), protection, &protection);
            return previous;
        }
    }
    return nullptr;
}

}  // namespace test
