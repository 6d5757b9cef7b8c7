// Qt's own texts (file dialogs, standard buttons) in Slovak, from the Qt
// translations installed with Qt (Debian: qt6-translations-l10n). The
// program's own texts, "Confirm", "&Yes", "&No" and the error messages
// included, are its literals and stay as they are.
#pragma once

class QObject;
class QTranslator;

namespace sp {

// Loads qtbase_sk from Qt's translations folder and installs it, owned by
// `owner`; sets the default locale to Slovak (numbers, dates and sizes in
// the file dialogs). Gives the translator, or nullptr when none was found.
QTranslator* InstallQtTranslations(QObject* owner);

}  // namespace sp
