#include "ui/WaylandGlobals.h"

// Built without wayland-client (-DNIMBEX_WAYLAND=OFF): no compositor is ever asked.
QStringList WaylandGlobals::names()
{
    return {};
}
