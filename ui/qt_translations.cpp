#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <array>
#include <memory>
#include <vector>

#include "shell/text.h"

namespace tessaro::ui {

namespace {

struct QtLanguage {
    std::string_view code;
    const char* locale;
};

// The program's languages and Qt's names for them. Portuguese is plain "pt", which Qt completes
// to "pt_BR": the European Portuguese catalogue is an older one without Qt 6's button texts.
constexpr std::array<QtLanguage, 16> kQtLanguages = {{
    {"GER", "de"},
    {"ENG", "en"},
    {"FRA", "fr"},
    {"ESP", "es"},
    {"ITA", "it"},
    {"POR", "pt"},
    {"NDL", "nl"},
    {"SWE", "sv"},
    {"POL", "pl"},
    {"HUN", "hu"},
    {"ROM", "ro"},
    {"TRK", "tr"},
    {"RUS", "ru"},
    {"BUL", "bg"},
    {"GRE", "el"},
    {"ARA", "ar"},
}};

// The catalogues in the order they are tried: "qtbase" holds the texts of Qt's widgets and
// dialogs; "qt" is, for most languages, only a list of module catalogues, but for a few (Swedish)
// an older catalogue of its own, which still brings the printer setup dialog.
constexpr std::array<const char*, 2> kCatalogues = {"qtbase", "qt"};

// A translator that brings texts only. Qt reads the application's layout direction from its
// catalogues too, and the Arabic one would turn every window of the program from right to left;
// the windows set the reading direction of their own controls.
class TextTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override {
        if (qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)
            return {};
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }
};

// The translators of the last call. Owned by the application, so that they go with it.
std::vector<QPointer<QTranslator>>& Installed() {
    static std::vector<QPointer<QTranslator>> installed;
    return installed;
}

const char* QtLocaleName(std::string_view languageCode) {
    for (const QtLanguage& language : kQtLanguages) {
        if (EqualIgnoringCase(language.code, languageCode))
            return language.locale;
    }
    return nullptr;
}

}  // namespace

void UseQtTranslations(std::string_view languageCode) {
    for (const QPointer<QTranslator>& translator : Installed()) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    Installed().clear();

    QCoreApplication* application = QCoreApplication::instance();
    const char* localeName = QtLocaleName(languageCode);
    if (application == nullptr || localeName == nullptr)
        return;
    const QLocale locale(QString::fromLatin1(localeName));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : kCatalogues) {
        auto translator = std::make_unique<TextTranslator>(application);
        if (!translator->load(locale, QString::fromLatin1(catalogue), "_", folder))
            continue;
        QCoreApplication::installTranslator(translator.get());
        Installed().emplace_back(translator.release());
        return;
    }
}

}  // namespace tessaro::ui
