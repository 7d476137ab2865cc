#pragma once

// Where Qt can open no display (over SSH, in a text console), it aborts with a core dump and
// blames the installation. Around the application's construction, this ends the program instead
// with one line saying which display is missing, and status 1. What Qt says meanwhile is held
// back, and passed on once a display is open.
namespace DisplayCheck {

void begin();
void end();

} // namespace DisplayCheck
