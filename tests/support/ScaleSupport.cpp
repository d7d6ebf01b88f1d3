#include "support/ScaleSupport.h"

#include <stdlib.h>

namespace test {

UINT RequestedDpi() {
    char value[16] = "";
    DWORD length = GetEnvironmentVariableA("OCULARIX_DPI", value, sizeof(value));
    if (length == 0 || length >= sizeof(value)) return 96;
    const long dpiValue = strtol(value, nullptr, 10);
    return dpiValue > 0 ? static_cast<UINT>(dpiValue) : 96;
}

}  // namespace test
