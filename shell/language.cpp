#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTranslator>
#include <climits>
#include <cmath>
#include <memory>
#include <vector>

namespace shell {

namespace {

// Each game's translations are ":/i18n/<game>_<language>.qm", the shell's
// ":/i18n/shell_<language>.qm"; a program that links several games (tests,
// the screenshot tool) installs them all.
const QString translationFolder = QStringLiteral(":/i18n");

// Matched by hand: a name filter would compile a regular expression at
// every start, for a handful of names.
QStringList translationFiles(const QString& suffix)
{
    QStringList files = QDir(translationFolder).entryList(QDir::Files);
    files.removeIf([&suffix](const QString& file) { return !file.endsWith(suffix); });
    return files;
}

QString languageOfFile(const QString& fileName)
{
    const QString base = fileName.section(QLatin1Char('.'), 0, 0);
    return base.section(QLatin1Char('_'), 1);
}

std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QString& current()
{
    static QString language = sourceLanguage;
    return language;
}

} // namespace

QStringList spokenLanguages()
{
    QStringList languages{sourceLanguage};
    for (const QString& file : translationFiles(QStringLiteral(".qm"))) {
        // The shell's own texts alone do not make a game speak a language.
        if (file.startsWith(QLatin1String("shell_")))
            continue;
        const QString language = languageOfFile(file);
        if (!language.isEmpty() && !languages.contains(language))
            languages.append(language);
    }
    return languages;
}

QString pickLanguage(const QStringList& desktopLanguages, const QStringList& spoken)
{
    for (const QString& name : desktopLanguages) {
        // Scripts and tests run under C; they expect the games as they always were.
        if (name == QLatin1String("C") || name.startsWith(QLatin1String("C."))
            || name == QLatin1String("POSIX"))
            return sourceLanguage;
        const QString language = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (spoken.contains(language))
            return language;
    }
    return spoken.contains(QStringLiteral("en")) ? QStringLiteral("en") : sourceLanguage;
}

void useLanguage(const QString& language)
{
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    if (language != sourceLanguage) {
        const QString suffix = QLatin1Char('_') + language + QStringLiteral(".qm");
        for (const QString& file : translationFiles(suffix)) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(translationFolder + QLatin1Char('/') + file)) {
                QCoreApplication::installTranslator(translator.get());
                installed().push_back(std::move(translator));
            }
        }
    }
    current() = language;
}

QString currentLanguage() { return current(); }

void useDesktopLanguage()
{
    useLanguage(pickLanguage(QLocale::system().uiLanguages(), spokenLanguages()));
}

QString pictureInLanguage(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (current() == sourceLanguage || dot < 0)
        return path;
    const QString translated = path.left(dot) + QLatin1Char('_') + current() + path.mid(dot);
    return QFile::exists(translated) ? translated : path;
}

QString sentenceNumber(const Value& v)
{
    // Written as the runtime writes it, so an account never set is 0 here too.
    const QString padded = signPaddedText(v);
    if (current() == sourceLanguage || v.type() == ValueType::String || !padded.startsWith(QLatin1Char(' ')))
        return padded;
    return padded.mid(1);
}

int pluralCount(const Value& v)
{
    if (v.type() == ValueType::String)
        return 0;
    const double amount = std::fabs(v.toDouble());
    if (amount != std::floor(amount))
        return 5;
    if (amount <= INT_MAX)
        return static_cast<int>(amount);
    return 100 + static_cast<int>(std::fmod(amount, 100));
}

} // namespace shell
