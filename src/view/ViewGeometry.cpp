#include "view/ViewGeometry.h"

ViewGeometry ComputeViewGeometry(int, int, int, const DesktopRect&) {
    return ViewGeometry{};
}
