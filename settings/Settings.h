#pragma once

#include <QString>

// The three choices the Options dialog offers, kept per user between runs in the store under
// (application "Vantrel", section "Nimbex"). This is the one place that knows their keys, what an
// absent one reads as and the texts they are stored as; windows call it, never the store.
// Every read goes to the store, so a choice saved elsewhere is seen at the next read.
class Settings
{
public:
    static const QString application;
    static const QString section;

    // The cheat labels (weights and decimal read-out) shown: "Cheat", "True" or "False".
    static bool cheat();
    // The "0" or "1" in every lamp shown: "CheatNum", "True" or "False".
    static bool cheatNum();
    // The colour text of a lit lamp, as stored: "Color", blue "&HFF0000" when absent.
    static QString color();

    // Each false when the store could not be written; what was stored before then stays.
    static bool setCheat(bool shown);
    static bool setCheatNum(bool shown);
    static bool setColor(const QString& text);
};
