#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {

// Qt sets the layout direction from this text of its own; translated here as well, the dialogs
// still mirror for Arabic and Hebrew where Qt's translations are not installed.
[[maybe_unused]] const char* const layoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

void Translations::install(const QLocale& locale)
{
    static std::vector<std::unique_ptr<QTranslator>> installed;
    for (const auto& translator : installed)
        QCoreApplication::removeTranslator(translator.get());
    installed.clear();

    const auto add = [](const QString& file, const QString& folder) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(file, folder) ||
            !QCoreApplication::installTranslator(translator.get()))
            return false;
        installed.push_back(std::move(translator));
        return true;
    };
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QLocale::Language spoken = QLocale(language).language();
        if (spoken == QLocale::English || spoken == QLocale::C)
            return;
        // QTranslator tries "nimbex_de_AT", then "nimbex_de"; "nimbex_zh_TW" finds none of the
        // simplified Chinese texts, which are "nimbex_zh_CN".
        if (add(QStringLiteral("nimbex_") + language, QStringLiteral(":/i18n"))) {
            add(QStringLiteral("qtbase_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}
