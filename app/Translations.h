#pragma once

class QLocale;

namespace Translations {

// Speaks the locale's language where a catalogue for it exists: the program's own, and Qt's for
// the standard texts of its dialogs. Any other locale, C and English among them, keeps the texts
// as written. Call once, with the application made.
void install(const QLocale& locale);

} // namespace Translations
