#pragma once

// The clock face's place in the window and its buttons, in twips as designed. Kept free of Qt
// and of any display, so that whatever drives the buttons from outside, the end-to-end tests
// among them, aims where the program puts them.
namespace FaceDesign {

// Where the face stands in the window's client area: as created, and once the window shows.
inline constexpr int frameLeft = 840, frameDesignTop = 240, frameNormalTop = 360;
inline constexpr int frameWidth = 6735, frameHeight = 4695;

// The four buttons share one row along the foot of the face; lefts are within the face.
inline constexpr int buttonTop = 4200, buttonWidth = 1455, buttonHeight = 375;

struct Button
{
    const char* name;
    const char* caption;
    int left;
};

// From left to right they read "Hide to Tray", "Full Screen", "Close", "Options".
inline constexpr Button Command1{"Command1", "Full Screen", 1560};
inline constexpr Button Command2{"Command2", "Options", 4680};
inline constexpr Button Command3{"Command3", "Hide to Tray", 0};
inline constexpr Button Command4{"Command4", "Close", 3120};

} // namespace FaceDesign
