#pragma once

#include <QFont>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <optional>

class QCoreApplication;

enum class InterfaceLanguage { English, Persian };

// The first language of the desktop's list (QLocale::uiLanguages()) that the program has:
// Persian or English. Any other is passed over; when none is on the list, English.
InterfaceLanguage ChooseLanguage(const QStringList& uiLanguages);

// The desktop's choice, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG as Qt reads them.
InterfaceLanguage DesktopLanguage();

// The program's catalogue for a language, read without an application, for what is printed
// while one is being made: QCoreApplication::translate needs an application. English reads none.
class EarlyCatalogue {
public:
    explicit EarlyCatalogue(InterfaceLanguage language);
    // The translation of a marked text, or the text itself.
    QString translate(const char* context, const char* source) const;
    // A number in the language's digits.
    QString number(long long value) const;

private:
    std::unique_ptr<QTranslator> m_catalogue;
    QLocale m_locale;
};

// The application in one language for as long as this lives: the program's catalogue and Qt's
// own, the locale numbers and month names are written in, and for a window system the layout
// direction and the fonts. English is the source language: it installs no catalogue. Undone
// when destroyed, so that the tests can change the language between windows.
class LanguageInstallation {
public:
    LanguageInstallation(QCoreApplication& app, InterfaceLanguage language);
    ~LanguageInstallation();
    LanguageInstallation(const LanguageInstallation&) = delete;
    LanguageInstallation& operator=(const LanguageInstallation&) = delete;

    // The font families the windows ask for, most preferred first; empty for their own.
    QStringList fontFamilies() const { return m_fontFamilies; }

private:
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
    QLocale m_previousLocale;
    QStringList m_fontFamilies;
    // What a window system had before, where the language changed it.
    std::optional<Qt::LayoutDirection> m_previousDirection;
    QFont m_previousFont;
};
