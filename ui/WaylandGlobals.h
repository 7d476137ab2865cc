#pragma once

#include <QStringList>

// The interfaces the Wayland compositor the program runs on offers, as a new client sees them.
namespace WaylandGlobals {

// Empty when there is no compositor to ask, or the program was built without wayland-client
// (WaylandGlobals_none.cpp).
QStringList names();

} // namespace WaylandGlobals
