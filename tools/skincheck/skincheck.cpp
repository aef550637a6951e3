// skincheck: a skin author's view of a skin, loaded exactly as the program loads it. Prints the
// section, mask and pattern tables and every problem found; exits 1 when there are errors.
// Optionally paints one section's item (background and border) into a PNG.

#include "skin/core/ferroluxskin.h"
#include "skin/core/memoryinifile.h"
#include "skin/core/paintsection.h"
#include "skin/core/sectionkeys.h"
#include "skin/core/skinloader.h"
#include "skin/core/skininforce.h"
#include "skin/core/tsskinmanager.h"

#include "platform/apperror.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace {

struct Report {
    QStringList errors;
    QStringList warnings;
};

void out(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
}

QString hex(int32_t colour)
{
    return QStringLiteral("%1").arg(uint32_t(colour), 6, 16, QLatin1Char('0')).toUpper();
}

const QSet<QString>& knownKeys()
{
    static const QSet<QString> keys = [] {
        QSet<QString> known{"PARENTCLASS", "VERSION", "AUTHOR", "DESCRIPTION", "MASTERBITMAP"};
        for (const SectionKey& key : sectionKeys)
            known.insert(QLatin1String(key.name));
        return known;
    }();
    return keys;
}

bool isPictureValue(const QString& value)
{
    const QString upper = value.toUpper();
    return value.contains(QLatin1Char('#')) || upper.contains(QStringLiteral(".BMP"))
           || upper.contains(QStringLiteral(".JPG")) || upper.contains(QStringLiteral(".JPEG"));
}

void checkFile(const MemoryIniFile& file, Report& report)
{
    for (const MemoryIniFile::Section& section : file.allSections()) {
        if (section.name.compare(QStringLiteral("TSEDIT"), Qt::CaseInsensitive) == 0)
            report.errors.append(QStringLiteral("section [%1] marks a skin of the old format: the program refuses it")
                                     .arg(section.name));
        for (const auto& [key, value] : section.values) {
            if (!knownKeys().contains(key.toUpper()) && !isPictureValue(value))
                report.warnings.append(QStringLiteral("[%1] %2: unknown key").arg(section.name, key));
            if (value.trimmed() == QStringLiteral("#"))
                report.warnings.append(QStringLiteral("[%1] %2: a lone \"#\" is skipped").arg(section.name, key));
        }
    }
}

void checkTables(const SkinTables& skin, Report& report)
{
    const TsGeneralDataArray& sections = skin.sections;
    for (qsizetype i = 0; i < sections.size(); ++i) {
        QStringList chain{sections[i].sectionName};
        QSet<int> seen{int(i)};
        QString parent = sections[i].parentClass;
        while (!parent.isEmpty() && parent != QStringLiteral("-1")
               && parent.compare(chain.last(), Qt::CaseInsensitive) != 0) {
            const int index = skin.FindSection(parent);
            if (index < 0) {
                report.warnings.append(
                    QStringLiteral("section %1: parent %2 does not exist").arg(chain.last(), parent));
                break;
            }
            chain.append(sections[index].sectionName);
            if (seen.contains(index)) {
                report.errors.append(QStringLiteral("parent cycle: %1").arg(chain.join(QStringLiteral(" -> "))));
                break;
            }
            seen.insert(index);
            parent = sections[index].parentClass;
        }
    }
    const QImage& master = skin.masterBitmap;
    for (qsizetype i = 0; i < skin.masks.size(); ++i) {
        const TsMaskData& m = skin.masks[i];
        if (m.hasOwnImage())
            continue;
        if (master.isNull() || m.left < 0 || m.top < 0 || m.right > master.width() || m.bottom > master.height()
            || m.right <= m.left || m.bottom <= m.top) {
            report.warnings.append(
                QStringLiteral("mask %1 %2/%3: rectangle (%4,%5,%6,%7) is not inside the master bitmap (%8x%9)")
                    .arg(i)
                    .arg(m.sectionName, m.propertyName)
                    .arg(m.left)
                    .arg(m.top)
                    .arg(m.right)
                    .arg(m.bottom)
                    .arg(master.width())
                    .arg(master.height()));
        }
    }
}

// The stored skin holds every section the program paints; a loaded skin needs at least one of
// them, or nothing it holds is ever used.
void checkUsable(const SkinTables& skin, Report& report)
{
    QSet<QString> painted;
    for (const TsSkinGeneral& section : ferroluxSections())
        painted.insert(section.SectionName.toUpper());
    for (const TsGeneralData& section : skin.sections)
        if (painted.contains(section.sectionName.toUpper()))
            return;
    report.errors.append(QStringLiteral("no section the program uses: the skin would change nothing"));
}

// Without a display the tool still runs (over ssh, in CI): it draws only into images.
void chooseOffscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void printTables(const SkinTables& skin)
{
    out(QStringLiteral("\nSections (%1):").arg(skin.sections.size()));
    out(QStringLiteral("  #   name                 parent               color  hot    transp grad%  img%   segs"));
    for (qsizetype i = 0; i < skin.sections.size(); ++i) {
        const TsGeneralData& s = skin.sections[i];
        out(QStringLiteral("  %1 %2 %3 %4 %5 %6 %7 %8 %9")
                .arg(i, -3)
                .arg(s.sectionName.isEmpty() ? QStringLiteral("(no name)") : s.sectionName, -20)
                .arg(s.parentClass, -20)
                .arg(hex(s.color), -6)
                .arg(hex(s.hotColor), -6)
                .arg(QStringLiteral("%1/%2").arg(s.transparency).arg(s.hotTransparency), -6)
                .arg(QStringLiteral("%1/%2").arg(s.gradientPercent).arg(s.hotGradientPercent), -6)
                .arg(QStringLiteral("%1/%2").arg(s.imagePercent).arg(s.hotImagePercent), -6)
                .arg(QStringLiteral("%1/%2").arg(s.gradient.size()).arg(s.hotGradient.size())));
    }
    out(QStringLiteral("\nMasks (%1), master bitmap %2x%3:")
            .arg(skin.masks.size())
            .arg(skin.masterBitmap.width())
            .arg(skin.masterBitmap.height()));
    for (qsizetype i = 0; i < skin.masks.size(); ++i) {
        const TsMaskData& m = skin.masks[i];
        const QSize state = skin.stateImageSize(int(i));
        const QString place = m.hasOwnImage()
                                  ? QStringLiteral("own picture %1x%2").arg(m.image.width()).arg(m.image.height())
                                  : QStringLiteral("(%1,%2,%3,%4) count %5 type %6 border %7")
                                        .arg(m.left)
                                        .arg(m.top)
                                        .arg(m.right)
                                        .arg(m.bottom)
                                        .arg(m.imageCount)
                                        .arg(m.maskType)
                                        .arg(m.borderWidth);
        out(QStringLiteral("  %1 %2 %3 %4, state %5x%6")
                .arg(i, -3)
                .arg(m.sectionName, -18)
                .arg(m.propertyName, -24)
                .arg(place)
                .arg(state.width())
                .arg(state.height()));
    }
    out(QStringLiteral("\nPatterns (%1):").arg(skin.patterns.size()));
    for (qsizetype i = 0; i < skin.patterns.size(); ++i) {
        const TsPatternData& p = skin.patterns[i];
        out(QStringLiteral("  %1 %2 %3 %4x%5")
                .arg(i, -3)
                .arg(p.sectionName, -18)
                .arg(p.propertyName, -24)
                .arg(p.image.width())
                .arg(p.image.height()));
    }
}

// The item over a form background, so that transparent sections show what they would show.
bool writeItem(const SkinTables& skin, const QString& section, ControlState state, const QSize& size,
               const QString& path, Report& report)
{
    const int index = skin.FindSection(section);
    if (index < 0) {
        report.errors.append(QStringLiteral("section %1 does not exist: nothing painted").arg(section));
        return false;
    }
    constexpr int margin = 8;
    QImage background(size.width() + 2 * margin, size.height() + 2 * margin, QImage::Format_BGR888);
    background.fill(Qt::white);
    const int form = skin.FindSection(QStringLiteral("FORM"));
    if (form >= 0)
        paintSectionBackground(skin, background, background.rect(),
                               {.sectionIndex = form, .sectionName = QStringLiteral("FORM")});
    QImage target = background.copy();
    const TsCacheInfo parent{&background, 0, 0, true};
    const QRect rect(margin, margin, size.width(), size.height());
    const SectionPaint paint{.sectionIndex = index,
                             .sectionName = section,
                             .parentCache = parent,
                             .position = rect.topLeft(),
                             .state = state};
    if (section.startsWith(QStringLiteral("TAB"), Qt::CaseInsensitive)
        && !section.startsWith(QStringLiteral("TABCONTROL"), Qt::CaseInsensitive))
        paintTabItem(skin, target, rect, paint);
    else
        paintItem(skin, target, rect, paint);
    if (!target.save(path, "PNG")) {
        report.errors.append(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    out(QStringLiteral("\n%1 (state %2, %3x%4) written to %5")
            .arg(section)
            .arg(int(state))
            .arg(size.width())
            .arg(size.height())
            .arg(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    chooseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Loads a Vestoria skin the way the program does and reports on it."));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("skin"),
        QStringLiteral(
            "\"Ferrolux (internal)\", the name of a folder in the skins folder, or the path of a skin folder"));
    const QCommandLineOption skinsOption(QStringLiteral("skins"),
                                         QStringLiteral("Skins folder (default: the program folder's Skins)."),
                                         QStringLiteral("folder"));
    const QCommandLineOption sectionOption(QStringLiteral("section"), QStringLiteral("Section to paint into a PNG."),
                                           QStringLiteral("name"));
    const QCommandLineOption stateOption(QStringLiteral("state"),
                                         QStringLiteral("0 normal, 1 hot, 2 pressed (default 0)."),
                                         QStringLiteral("state"), QStringLiteral("0"));
    const QCommandLineOption sizeOption(QStringLiteral("size"),
                                        QStringLiteral("Item size WIDTHxHEIGHT (default 100x30)."),
                                        QStringLiteral("size"), QStringLiteral("100x30"));
    const QCommandLineOption pngOption(QStringLiteral("png"), QStringLiteral("PNG file to write the item to."),
                                       QStringLiteral("file"));
    parser.addOptions({skinsOption, sectionOption, stateOption, sizeOption, pngOption});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    QString name = parser.positionalArguments().first();
    QString skinsFolder = parser.value(skinsOption);
    // Shell completion ends a folder with a separator, which would leave an empty folder name.
    const QFileInfo asFolder(QDir::cleanPath(name));
    if (asFolder.isDir() && QFileInfo(asFolder.filePath() + QStringLiteral("/Options.dat")).isFile()) {
        skinsFolder = asFolder.absoluteDir().absolutePath();
        name = asFolder.fileName();
    }

    Report report;
    QStringList boxes;
    setMessageBoxHandler([&](const MessageBoxRequest& request) {
        boxes.append(request.text);
        return MessageAnswer::Ok;
    });

    TsSkinManager manager(nullptr);
    manager.setInternalSkins({ferroluxSkin()});
    if (!skinsFolder.isEmpty())
        manager.setSkinDirectory(QDir(skinsFolder).absolutePath());
    try {
        manager.setSkinName(name);
    } catch (const AppError& error) {
        report.errors.append(QStringLiteral("the program cannot load this skin: %1").arg(error.message()));
    }
    for (const QString& box : boxes)
        report.errors.append(QStringLiteral("the program shows: %1").arg(box));

    // What the program's controls would take when they look their indexes up.
    const SharedSkin inForce = skinInForce();
    const SkinTables& skin = *inForce;
    const bool external = skin.skinFile != nullptr;
    out(QStringLiteral("Skin: %1 (%2)")
            .arg(manager.SkinName(), external ? QStringLiteral("external") : QStringLiteral("stored in the program")));
    if (manager.SkinName() != name)
        report.errors.append(QStringLiteral("no skin \"%1\" in %2: the program would use \"%3\"")
                                 .arg(name, manager.ResolvedSkinDirectory(), manager.SkinName()));
    if (external) {
        out(QStringLiteral("Folder: %1").arg(skin.skinFolder));
        out(QStringLiteral("Version %1, author \"%2\", description \"%3\"")
                .arg(skin.version)
                .arg(skin.author, skin.description));
        checkFile(*skin.skinFile, report);
        // Load once more, collecting the files the loader had to pass over.
        const SkinSource source{skin.skinFolder, manager.SkinName(), manager.InternalSkins(), manager.CommonSections()};
        const SkinLoadResult again = loadSkinTables(source);
        if (const auto* loaded = std::get_if<LoadedSkin>(&again))
            report.errors.append(loaded->problems);
    }
    printTables(skin);
    checkTables(skin, report);
    checkUsable(skin, report);

    if (parser.isSet(pngOption) || parser.isSet(sectionOption)) {
        const QStringList wh = parser.value(sizeOption).split(QLatin1Char('x'));
        bool okW = false;
        bool okH = false;
        const int width = wh.value(0).toInt(&okW);
        const int height = wh.value(1).toInt(&okH);
        bool okState = false;
        const int state = parser.value(stateOption).toInt(&okState);
        if (!parser.isSet(pngOption) || !parser.isSet(sectionOption))
            report.errors.append(QStringLiteral("--section and --png go together"));
        else if (!okW || !okH || width < 1 || height < 1 || width > 4000 || height > 4000)
            report.errors.append(QStringLiteral("--size must be WIDTHxHEIGHT, each 1 to 4000"));
        else if (!okState || state < 0 || state > 2)
            report.errors.append(QStringLiteral("--state must be 0, 1 or 2"));
        else
            writeItem(skin, parser.value(sectionOption), ControlState(state), QSize(width, height),
                      parser.value(pngOption), report);
    }

    out(QString());
    for (const QString& warning : report.warnings)
        out(QStringLiteral("warning: ") + warning);
    for (const QString& error : report.errors)
        out(QStringLiteral("error: ") + error);
    out(QStringLiteral("%1 error(s), %2 warning(s)").arg(report.errors.size()).arg(report.warnings.size()));
    setMessageBoxHandler({});
    return report.errors.isEmpty() ? 0 : 1;
}
