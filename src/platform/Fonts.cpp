#include "Fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

namespace fonts {

namespace {

const char* const kWineFontFolder = "/usr/share/wine/fonts/";

struct FontFile {
    const char* name;
    bool bitmapsOnly; // fixed-size strikes without outlines
};

// Only the files the layouts use: each registration parses a font file at start-up.
const FontFile kWineFontFiles[] = {
    {"tahoma.ttf", false}, {"tahomabd.ttf", false}, {"ms_sans_serif.ttf", true}};

struct Substitution {
    const char* face;
    QStringList fallbacks;
};

} // namespace

void RegisterLayoutFonts()
{
    // Bitmaps cannot follow a display scaled by other than one: their glyphs would keep their size on
    // scaled spacing. There the face's substitute below stands in for it.
    const bool scaled = qApp->devicePixelRatio() != 1.0;
    for (const FontFile& file : kWineFontFiles) {
        const QString path = QString::fromLatin1(kWineFontFolder) + QString::fromLatin1(file.name);
        if (!(scaled && file.bitmapsOnly) && QFile::exists(path)) {
            QFontDatabase::addApplicationFont(path);
        }
    }
    // Where a face is missing, the nearest free one with similar metrics stands in.
    const Substitution substitutions[] = {
        {"MS Sans Serif", {"Tahoma", "Liberation Sans", "DejaVu Sans"}},
        // An outline face: the bitmaps of MS Sans Serif start at 13 pixels, too big for its small sizes.
        {"Microsoft Sans Serif", {"Tahoma", "Liberation Sans", "DejaVu Sans"}},
        {"Tahoma", {"DejaVu Sans", "Liberation Sans"}},
        {"Lucida Sans Unicode", {"DejaVu Sans", "Liberation Sans"}},
        {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    };
    for (const Substitution& substitution : substitutions) {
        QFont::insertSubstitutions(QString::fromLatin1(substitution.face), substitution.fallbacks);
    }
}

} // namespace fonts
