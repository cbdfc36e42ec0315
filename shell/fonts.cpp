#include "fonts.h"

#include <QFontDatabase>
#include <QResource>
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
// The fonts are stored uncompressed, so the face is read in place: given a
// resource path instead, Qt would inflate and copy the file once to register
// it and again to draw with it.
void registerFace(const StandIn& standIn, bool bold, bool italic)
{
    static QSet<QString> registered;
    const QString file = QString::fromLatin1(standIn.file)
        + styleName(bold, italic && standIn.hasItalic) + QStringLiteral(".ttf");
    if (registered.contains(file))
        return;
    registered.insert(file);
    const QResource resource(file);
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        QFontDatabase::addApplicationFont(file);
        return;
    }
    QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
        reinterpret_cast<const char*>(resource.data()), static_cast<qsizetype>(resource.size())));
}

const StandIn& standInFor(const FontSpec& wanted)
{
    const StandIn* standIn = &standIns[0];
    for (const StandIn& candidate : standIns) {
        if (std::strcmp(candidate.name, wanted.family) == 0)
            standIn = &candidate;
    }
    return *standIn;
}

} // namespace

void registerFaceOf(const FontSpec& wanted)
{
    registerFace(standInFor(wanted), wanted.isBold, wanted.isItalic);
}

QFont fontFor(const FontSpec& wanted)
{
    const StandIn& standIn = standInFor(wanted);
    registerFace(standIn, wanted.isBold, wanted.isItalic);

    QFont font(QString::fromLatin1(standIn.family));
    font.setPixelSize(qRound(wanted.points * 96 / 72));
    font.setBold(wanted.isBold);
    font.setItalic(wanted.isItalic);
    return font;
}

} // namespace shell
