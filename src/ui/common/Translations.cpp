#include "ui/common/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sp {

namespace {

// Qt 6 asks for the standard button texts ("Cancel", "Save") under
// QPlatformTheme; the Slovak file still has them under QDialogButtonBox,
// where Qt 5 asked. Without this the file dialogs' Cancel stays English.
class TQtTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        QString text = QTranslator::translate(context, source, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QPlatformTheme") == 0)
            text = QTranslator::translate("QDialogButtonBox", source, disambiguation, n);
        return text;
    }
};

}  // namespace

QTranslator* InstallQtTranslations(QObject* owner) {
    const QLocale slovak(QLocale::Slovak, QLocale::Slovakia);
    QLocale::setDefault(slovak);
    auto* translator = new TQtTranslator(owner);
    if (!translator->load(slovak, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace sp
