// regforge-pictures: draws the pictures the program shows, at build time.
//   regforge-pictures OUTDIR PROFILE.ini...
// writes OUTDIR/<profile name>.jpg, the pin-out of each profile, and OUTDIR/SPI_modes.jpg.

#include "io/TextFile.h"
#include "pictures/PinoutPicture.h"
#include "pictures/SpiModesPicture.h"
#include "profile/PinTable.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cstdio>
#include <filesystem>

namespace {

constexpr int kJpegQuality = 92;

bool save(const QImage& image, const QString& path) {
    QImageWriter writer(path, "jpg");
    writer.setQuality(kJpegQuality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "regforge-pictures: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: regforge-pictures OUTDIR PROFILE.ini...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    bool ok = save(regforge::pictures::drawSpiModes(), out + QStringLiteral("/SPI_modes.jpg"));
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path profile(argv[i]);
        try {
            const auto pins = regforge::profile::readPinTable(regforge::io::readLines(profile).lines);
            const QString name = QString::fromStdString(profile.stem().string());
            ok = save(regforge::pictures::drawPinout(name, pins),
                      out + QLatin1Char('/') + name + QStringLiteral(".jpg")) &&
                 ok;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "regforge-pictures: %s: %s\n", argv[i], e.what());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
