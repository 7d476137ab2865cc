#pragma once

#include <QString>

// The program's version record: the numbers the build stamps into it.
struct AppVersion
{
    int Major = 0;
    int Minor = 0;
    int Revision = 0;

    // The record of this build.
    static AppVersion current();

    // "Version: 1.0 - Build 0": plain decimal numbers, no padding.
    QString versionLine() const;
    // "1.0.0", as a command line gives a version.
    QString text() const;
};
