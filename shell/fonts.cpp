#include "fonts.h"

#include <QFontDatabase>
#include <QSet>
#include <QString>
#include <cstring>

namespace shell {

namespace {

struct StandIn {
    const char* name;    // as the descriptions write it
    const char* family;  // the shipped font
    const char* file;    // resource file prefix
    bool hasItalic;
};

constexpr StandIn standIns[] = {
    {"MS Sans Serif", "Liberation Sans", ":/fonts/LiberationSans-", true},
    {"Comic Sans MS", "Comic Relief", ":/fonts/ComicRelief-", false},
};

QString styleName(bool bold, bool italic)
{
    if (bold && italic)
        return QStringLiteral("BoldItalic");
    if (bold)
        return QStringLiteral("Bold");
    return italic ? QStringLiteral("Italic") : QStringLiteral("Regular");
}

// Registers only the faces a window uses: each costs memory and start-up time.
void registerFace(const StandIn& standIn, bool bold, bool italic)
{
    static QSet<QString> registered;
    const QString file = QString::fromLatin1(standIn.file)
        + styleName(bold, italic && standIn.hasItalic) + QStringLiteral(".ttf");
    if (registered.contains(file))
        return;
    registered.insert(file);
    QFontDatabase::addApplicationFont(file);
}

} // namespace

QFont fontFor(const FontSpec& spec)
{
    const StandIn* standIn = &standIns[0];
    for (const StandIn& candidate : standIns) {
        if (std::strcmp(candidate.name, spec.family) == 0)
            standIn = &candidate;
    }
    registerFace(*standIn, spec.isBold, spec.isItalic);

    QFont font(QString::fromLatin1(standIn->family));
    font.setPixelSize(qRound(spec.points * 96 / 72));
    font.setBold(spec.isBold);
    font.setItalic(spec.isItalic);
    return font;
}

} // namespace shell
