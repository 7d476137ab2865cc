#pragma once

class QLocale;

// The program's texts, and Qt's own (the command line's standard lines, the standard menus), in
// the first of the desktop's languages that the program speaks. English is the program's own
// language: a desktop that names it before any other gets English throughout.
namespace Translations {

// Installs the texts for `locale`'s languages in place of any installed before; with no language
// the program speaks, nothing is installed and every text reads as written in the source.
void install(const QLocale& locale);

} // namespace Translations
