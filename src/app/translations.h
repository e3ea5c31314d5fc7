#pragma once
// Qt's own texts (file dialogs, context menus, its questions) in the interface's
// language: the translations of the system's language when Qt has them, else Slovak.
#include <QLocale>

namespace lumora::translations {

// Loads and installs Qt's translations for locale into the running application; returns
// the language whose translations were installed (Slovak when the locale's were missing,
// English when the locale is English and needs none). Safe to call again: the earlier
// translations are replaced.
QLocale::Language install(const QLocale &locale);

} // namespace lumora::translations
