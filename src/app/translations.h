#pragma once
// Qt's own texts (file dialogs, print dialogs, context menus, its questions) in the
// interface's language, which the program passes (Slovak, whatever the system's locale);
// a language Qt has no translations for falls back to Slovak, and the texts Qt's Slovak
// catalogue lacks are supplied here.
#include <QLocale>

namespace lumora::translations {

// Loads and installs Qt's translations for locale into the running application; returns
// the language whose translations were installed (Slovak when the locale's were missing,
// English when the locale is English and needs none). Safe to call again: the earlier
// translations are replaced.
QLocale::Language install(const QLocale &locale);

} // namespace lumora::translations
