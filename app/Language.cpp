#include "app/Language.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLibraryInfo>

// Outside any namespace, as the resource macro requires; the reference also keeps the catalogues
// in the link of the static library.
static void InitCatalogueResource() {
    Q_INIT_RESOURCE(parsiva_translations);
}

namespace {

// Noto Sans Arabic UI sets Persian well but has no Latin letters, which DejaVu Sans then gives.
const QStringList PersianFontFamilies{QStringLiteral("Noto Sans Arabic UI"),
                                      QStringLiteral("DejaVu Sans")};

std::unique_ptr<QTranslator> Loaded(const QString& name, const QString& folder) {
    static const bool resourcesReady = (InitCatalogueResource(), true);
    Q_UNUSED(resourcesReady);
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return nullptr;
    return translator;
}

} // namespace

InterfaceLanguage ChooseLanguage(const QStringList& uiLanguages) {
    for (const QString& entry : uiLanguages) {
        const QLocale::Language language = QLocale(entry).language();
        if (language == QLocale::Persian)
            return InterfaceLanguage::Persian;
        if (language == QLocale::English)
            return InterfaceLanguage::English;
    }
    return InterfaceLanguage::English;
}

InterfaceLanguage DesktopLanguage() {
    return ChooseLanguage(QLocale::system().uiLanguages());
}

EarlyCatalogue::EarlyCatalogue(InterfaceLanguage language)
    : m_locale(language == InterfaceLanguage::Persian ? QLocale(QLocale::Persian, QLocale::Iran)
                                                      : QLocale::c()) {
    if (language == InterfaceLanguage::Persian)
        m_catalogue = Loaded(QStringLiteral("parsiva_fa"), QStringLiteral(":/i18n"));
}

QString EarlyCatalogue::translate(const char* context, const char* source) const {
    const QString translation = m_catalogue ? m_catalogue->translate(context, source) : QString();
    return translation.isEmpty() ? QString::fromUtf8(source) : translation;
}

QString EarlyCatalogue::number(long long value) const {
    return m_locale.toString(value);
}

LanguageInstallation::LanguageInstallation(QCoreApplication& app, InterfaceLanguage language)
    : m_previousLocale(QLocale()) {
    if (language == InterfaceLanguage::English) {
        // Numbers in the English interface have ASCII digits whatever the desktop's formats.
        if (QLocale::system().language() != QLocale::English)
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return;
    }
    // Installing a catalogue already turns the direction, so what was there is kept first.
    const bool windowSystem = qobject_cast<QGuiApplication*>(&app) != nullptr;
    if (windowSystem) {
        m_previousDirection = QGuiApplication::layoutDirection();
        m_previousFont = QGuiApplication::font();
    }
    m_program = Loaded(QStringLiteral("parsiva_fa"), QStringLiteral(":/i18n"));
    m_qt = Loaded(QStringLiteral("qtbase_fa"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (QTranslator* translator : {m_program.get(), m_qt.get()}) {
        if (translator)
            QCoreApplication::installTranslator(translator);
    }
    QLocale::setDefault(QLocale(QLocale::Persian, QLocale::Iran));
    // The command line's stage has no window system, and needs neither direction nor fonts.
    if (!windowSystem)
        return;
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    m_fontFamilies = PersianFontFamilies;
    QFont font = m_previousFont;
    font.setFamilies(m_fontFamilies);
    // Drawn unhinted: for a font without hints of its own kind, the desktop's slight hinting
    // calls on FreeType's auto-hinter, which measures Arabic script afresh at every start (a
    // tenth of the start-up), and Arabic letters, joined along one baseline, gain little from it.
    font.setHintingPreference(QFont::PreferNoHinting);
    QGuiApplication::setFont(font);
}

LanguageInstallation::~LanguageInstallation() {
    for (QTranslator* translator : {m_program.get(), m_qt.get()}) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    QLocale::setDefault(m_previousLocale);
    if (m_previousDirection) {
        QGuiApplication::setLayoutDirection(*m_previousDirection);
        QGuiApplication::setFont(m_previousFont);
    }
}
