#pragma once

// What the windows say, as designed. Written out here on purpose, apart from the program's own
// texts: a check that read them from the program could never disagree with it.
namespace Texts {

inline constexpr char webAddress[] = "https://vantrel.example/";
inline constexpr char versionLine[] = "Version: 1.0 - Build 0";
inline constexpr char versionOption[] = "Nimbex 1.0.0\n";
inline constexpr char legalWarning[] = "Warning: this computer program is protected by\n"
                                       "copyright laws and by international treaties.\n"
                                       "Unauthorized copying, use, or distribution of this\n"
                                       "program, or of any part of it, may result in severe\n"
                                       "civil and criminal penalties, and will be prosecuted\n"
                                       "to the fullest extent possible under the law.\n";

// A control's object name and its caption, with "&" marking the access key.
struct Caption
{
    const char* name;
    const char* text;
};

inline constexpr Caption about[] = {{"frmAbout", "About Nimbex"},
                                    {"lblTitle", "  Vantrel"},
                                    {"lblInfo", "Nimbex"},
                                    {"lblVersion", versionLine},
                                    {"lblProduct", "Vantrel Online"},
                                    {"Label2", "I was bored... go figure..."},
                                    {"lblCopyright", "Copyright \u00A9 2026 Vantrel"},
                                    {"lblURL", webAddress},
                                    {"cmdOK", "OK"}};

inline constexpr Caption options[] = {{"frmOptions", "Nimbex Options"},
                                      {"Label1", "Color:"},
                                      {"Frame1", "Cheat"},
                                      {"Option1", "Yes"},
                                      {"Option2", "No"},
                                      {"Frame2", "0's && 1's"},
                                      {"Option3", "Yes"},
                                      {"Option4", "No"},
                                      {"Command1", "Save and Close"},
                                      {"Command2", "Cancel &and Close"},
                                      {"Command3", "About"}};

} // namespace Texts
