#pragma once

#include <QStringList>

// The interfaces the Wayland compositor the program runs on offers, as a new client sees them.
namespace WaylandGlobals {

// Empty when there is no compositor to ask.
QStringList names();

} // namespace WaylandGlobals
