// lumbra-art: draws the graphics libraries, the program's cursors and icon,
// and contact sheets to review them.
//
//   lumbra-art library lrestd|lreslo|lresshape FOLDER
//   lumbra-art program FOLDER
//   lumbra-art sheet LIBRARY-FOLDER OUT.png [--scale 1|2] [--view normal|deuteranopia|protanopia|tritanopia]
//   lumbra-art colours

#include "ball_colours.h"
#include "body_colour.h"
#include "canvas.h"
#include "library_pictures.h"
#include "colour_vision.h"
#include "contact_sheet.h"
#include "library_writer.h"
#include "program_files.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

using namespace lumbra::art;

int fail(const QString& message)
{
    std::fprintf(stderr, "lumbra-art: %s\n", qPrintable(message));
    return 1;
}

int usage()
{
    return fail(QStringLiteral(
        "usage: lumbra-art library lrestd|lreslo|lresshape FOLDER\n"
        "       lumbra-art program FOLDER\n"
        "       lumbra-art sheet LIBRARY-FOLDER OUT.png [--scale 1|2] [--view normal|deuteranopia|protanopia|tritanopia]\n"
        "       lumbra-art colours"));
}

int make_library(const QStringList& args)
{
    LibraryStyle style;
    if (args.size() != 2 || !library_style(args[0], &style))
        return usage();
    QString error;
    return write_library(style, args[1], &error) ? 0 : fail(error);
}

int make_program_files(const QStringList& args)
{
    if (args.size() != 1)
        return usage();
    QString error;
    return write_program_files(args[0], &error) ? 0 : fail(error);
}

int make_sheet(const QStringList& args)
{
    if (args.size() < 2)
        return usage();
    int scale = 1;
    Vision vision = Vision::normal;
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--scale"))
            scale = args[i + 1].toInt();
        else if (args[i] != QLatin1String("--view") || !vision_from_name(args[i + 1], &vision))
            return usage();
    }
    if (scale != 1 && scale != 2)
        return usage();
    const QImage sheet = contact_sheet(args[0], scale, vision);
    if (sheet.isNull())
        return fail(QStringLiteral("no pictures in %1").arg(args[0]));
    return sheet.save(args[1], "PNG") ? 0 : fail(QStringLiteral("cannot write %1").arg(args[1]));
}

// The CIEDE2000 difference between every two ball colours at rest, as
// drawn, in each view, and the smallest of them.
int report_colours()
{
    std::vector<QColor> bodies;
    for (const PictureSpec& picture : library_pictures(false)) {
        for (const BallColour& colour : ball_colours())
            if (picture.name == frame_name(colour.name, 5))
                bodies.push_back(body_colour(render(picture.drawing, picture.size, 1)));
    }
    for (Vision vision : all_visions) {
        double smallest = 1e9;
        QString pair;
        for (int i = 0; i < ball_colour_count; ++i) {
            for (int j = i + 1; j < ball_colour_count; ++j) {
                const double d = delta_e_2000(to_lab(simulate(bodies[i], vision)), to_lab(simulate(bodies[j], vision)));
                std::printf("%-13s %-7s %-7s %6.1f\n", qPrintable(vision_name(vision)),
                            qPrintable(ball_colours()[i].name), qPrintable(ball_colours()[j].name), d);
                if (d < smallest) {
                    smallest = d;
                    pair = ball_colours()[i].name + QLatin1Char('/') + ball_colours()[j].name;
                }
            }
        }
        std::printf("%-13s smallest %.1f (%s)\n\n", qPrintable(vision_name(vision)), smallest, qPrintable(pair));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("library"))
        return make_library(args);
    if (command == QLatin1String("program"))
        return make_program_files(args);
    if (command == QLatin1String("sheet"))
        return make_sheet(args);
    if (command == QLatin1String("colours") && args.isEmpty())
        return report_colours();
    return usage();
}
