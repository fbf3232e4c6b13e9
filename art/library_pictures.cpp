#include "library_pictures.h"

#include "ball_colours.h"
#include "ball_painter.h"
#include "digit_painter.h"
#include "dynamite_painter.h"
#include "lettering.h"
#include "shape_marks.h"
#include "special_balls.h"
#include "tile_painter.h"

#include <QPainter>

#include <array>

namespace lumbra::art {

namespace {

const QSize square_size(tile_size, tile_size);

// The blast frames by number, in the order they play: 0013, 0012, 0014, 0015.
constexpr std::array<std::pair<int, int>, blast_stage_count> blast_frames{{{13, 0}, {12, 1}, {14, 2}, {15, 3}}};

Drawing on_tile(Drawing stone)
{
    return [stone](QPainter& painter) {
        paint_tile(painter);
        stone(painter);
    };
}

void add_ball_frames(std::vector<PictureSpec>& pictures, const QString& word, const BallLayer& body,
                     const BallLayer& mark)
{
    for (int frame = 0; frame < ball_frame_count; ++frame) {
        const BallPose pose = ball_pose(frame);
        pictures.push_back({frame_name(word, frame), square_size, on_tile([pose, body, mark](QPainter& p) {
                                paint_ball(p, pose, body, mark);
                            })});
    }
}

}  // namespace

QString frame_name(const QString& word, int frame)
{
    return word + QStringLiteral("%1").arg(frame, 4, 10, QLatin1Char('0'));
}

std::vector<PictureSpec> library_pictures(bool shape_marks)
{
    std::vector<PictureSpec> pictures;
    pictures.push_back({QStringLiteral("empty"), square_size, paint_tile});

    for (int i = 0; i < ball_colour_count; ++i) {
        const QColor base = ball_colours()[i].base;
        BallLayer mark;
        if (shape_marks)
            mark = [i, base](QPainter& p) { engrave_mark(p, shape_mark(i), base); };
        add_ball_frames(pictures, ball_colours()[i].name, [base](QPainter& p) { paint_ball_body(p, base); }, mark);
    }
    add_ball_frames(pictures, QStringLiteral("joker"), paint_joker_body, {});
    add_ball_frames(pictures, QStringLiteral("quest"), paint_quest_body, {});

    for (int frame = 0; frame < ball_frame_count; ++frame)
        pictures.push_back({frame_name(QStringLiteral("dynamit"), frame), square_size,
                            on_tile([frame](QPainter& p) { paint_dynamite(p, frame); })});
    for (const auto& [frame, stage] : blast_frames)
        pictures.push_back({frame_name(QStringLiteral("dynamit"), frame), square_size,
                            on_tile([stage](QPainter& p) { paint_blast(p, stage); })});

    for (int digit = 0; digit <= 9; ++digit)
        pictures.push_back({QStringLiteral("lcd%1").arg(digit), digit_size,
                            [digit](QPainter& p) { paint_digit(p, digit); }});
    pictures.push_back({QStringLiteral("next"), next_size, paint_next});
    pictures.push_back({QStringLiteral("game_over"), game_over_size, paint_game_over});
    pictures.push_back({QStringLiteral("title"), title_size, paint_title});
    return pictures;
}

}  // namespace lumbra::art
