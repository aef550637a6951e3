// An external skin: the input up to a line "[[COMMON]]" is its Options.dat, the rest the common
// sections the manager adds. The skin is loaded as the manager loads it (sections, masks with
// their rectangle syntax, PARENTCLASS chains, common sections), then every section and mask is
// painted once, so that odd numbers that the loader lets through meet the painters.

#include "fuzz/fuzzsupport.h"

#include "platform/apperror.h"
#include "skin/core/borderpaint.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinloader.h"
#include "skin/core/skintables.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// A skin folder with a small master bitmap that the inputs may name.
const QString& skinFolder()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        QImage master(64, 64, QImage::Format_RGB888);
        master.fill(Qt::magenta);
        for (int y = 0; y < 64; y += 2)
            for (int x = (y / 2) % 3; x < 64; x += 3)
                master.setPixel(x, y, qRgb(x * 4, y * 4, 128));
        master.save(folder.filePath(QStringLiteral("master.bmp")), "BMP");
        return folder.path() + QLatin1Char('/');
    }();
    return path;
}

// The first sections and masks only: painting looks masks up along the PARENTCLASS chain, and a
// few hundred looping sections would make every input take a second, which starves the fuzzer.
void paintEverything(const SkinTables& skin)
{
    const int painted = 16;
    QImage target(17, 11, QImage::Format_BGR888);
    for (int section = 0; section < std::min<int>(painted, skin.sections.size()); ++section) {
        for (const ControlState state : {ControlState::Normal, ControlState::Hot})
            paintItem(skin, target, target.rect(),
                      {.sectionIndex = section, .sectionName = skin.sections[section].sectionName, .state = state});
    }
    for (int mask = 0; mask < std::min<int>(painted, skin.masks.size()); ++mask) {
        skin.stateImageSize(mask);
        paintBorderMask(target, QRect(-2, 3, 15, 20), borderTiles(skin, skin.masks[mask], ControlState::Hot),
                        BorderPart::All, {});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureGuiApplication();
    const QByteArray bytes = fuzzBytes(data, size);
    const qsizetype split = bytes.indexOf("\n[[COMMON]]\n");
    const QByteArray options = split < 0 ? bytes : bytes.left(split);
    QStringList common;
    if (split >= 0) {
        for (QString line : QString::fromUtf8(bytes.mid(split + 12)).split(QLatin1Char('\n'))) {
            if (!line.startsWith(QLatin1Char(';')))
                line.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
            common.append(line);
        }
    }
    QFile file(skinFolder() + QStringLiteral("Options.dat"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(options);
    file.close();
    try {
        const SkinLoadResult result = loadSkinTables({skinFolder(), QStringLiteral("Fuzz"), {}, common});
        if (const auto* loaded = std::get_if<LoadedSkin>(&result))
            paintEverything(loaded->tables);
    } catch (const AppError&) {
        // An Options.dat that cannot be read is an answer; only a crash or a sanitizer report is a
        // finding.
    }
    return 0;
}
