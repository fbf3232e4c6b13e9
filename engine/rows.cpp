// Finding rows of five, removing and scoring them, and the dynamite sweep.

#include "assertion.h"
#include "spiel.h"

namespace lumbra {
namespace {

struct Line {
    Direction first;
    Direction second;
};

// The four lines through a square, each walked in two directions; lines 2
// and 3 are the diagonals.
constexpr std::array<Line, 4> lines{{
    {{'u', 'n'}, {'d', 'n'}},  // vertical
    {{'n', 'l'}, {'n', 'r'}},  // horizontal
    {{'u', 'l'}, {'d', 'r'}},  // top left to bottom right
    {{'u', 'r'}, {'d', 'l'}},  // top right to bottom left
}};

constexpr int row_length = 5;

bool holds_row(const std::array<int, 8>& counts)
{
    // Index 0 collects what special stones give no colour: they never make a
    // row on their own.
    for (int colour = 1; colour <= colour_count; ++colour) {
        if (counts[colour] >= row_length) {
            return true;
        }
    }
    return false;
}

}  // namespace

int Spielklasse::neighbour_code(int n, char vertical_direction, char horizontal_direction) const
{
    LUMBRA_ASSERT((vertical_direction=='u')||(vertical_direction=='d')||(vertical_direction=='n'));
    LUMBRA_ASSERT((horizontal_direction=='l')||(horizontal_direction=='r')||(horizontal_direction=='n'));
    bool off = false;
    if (horizontal_direction == 'l') {
        off = n % board_columns == 0;
        n -= 1;
    } else if (horizontal_direction == 'r') {
        n += 1;
        off = n % board_columns == 0;
    }
    if (vertical_direction == 'd') {
        off = off || n + board_columns >= Kaestchen;
        n += board_columns;
    } else if (vertical_direction == 'u') {
        off = off || n - board_columns < 0;
        n -= board_columns;
    }
    return off ? empty_code : code_at(n);
}

int Spielklasse::step(int n, char vertical_direction, char horizontal_direction)
{
    if (vertical_direction == 'u') {
        n -= board_columns;
    } else if (vertical_direction == 'd') {
        n += board_columns;
    }
    if (horizontal_direction == 'l') {
        n -= 1;
    } else if (horizontal_direction == 'r') {
        n += 1;
    }
    return n;
}

bool Spielklasse::matches(int a, int b)
{
    if (a == empty_code) {
        return false;
    }
    return colour_of(a) == colour_of(b) || colour_of(a) == 0 || colour_of(b) == 0;
}

// The code a counting walk sees one step from n: a vanishing stone ends the
// walk like an empty square.
int Spielklasse::walk_code(int n, Direction direction) const
{
    const int code = neighbour_code(n, direction.vertical, direction.horizontal);
    if (code != empty_code && is_vanishing(step(n, direction.vertical, direction.horizontal))) {
        return empty_code;
    }
    return code;
}

// The colours met first beyond square p in each direction, passing over
// special stones; 0 where an empty square or the edge comes first.
std::pair<int, int> Spielklasse::side_colors(int p, Direction first, Direction second) const
{
    const auto colour_beyond = [this, p](Direction direction) {
        int q = p;
        for (;;) {
            const int code = walk_code(q, direction);
            if (!is_special_code(code)) {
                return colour_of(code);
            }
            q = step(q, direction.vertical, direction.horizontal);
        }
    };
    return {colour_beyond(first), colour_beyond(second)};
}

// Tallies, per colour, the stones of line `line` through `field` that a run
// of that colour would hold.
void Spielklasse::tally_line(int field, int line, std::array<int, 8>& counts) const
{
    const int start = code_at(field);
    if (is_special_code(start)) {
        counts.fill(1);
    } else {
        counts.fill(0);
        counts[colour_of(start)] = 1;
    }
    const Line& walks = lines[line];
    for (const Direction direction : {walks.first, walks.second}) {
        int last = start;
        int p = field;
        for (;;) {
            const int code = walk_code(p, direction);
            if (!matches(code, last)) {
                break;
            }
            p = step(p, direction.vertical, direction.horizontal);
            if (!is_special_code(code)) {
                ++counts[colour_of(code)];
                last = code;
            } else {
                const auto [a, b] = side_colors(p, walks.second, walks.first);
                ++counts[a];
                if (b != a) {
                    ++counts[b];
                }
            }
        }
    }
}

// Queues the run beyond `field` in `direction` for vanishing, stopping before
// a stone of a colour that holds no row on this line (`counts`). Returns the
// number of stones queued.
int Spielklasse::remove_run(int field, Direction direction,
                            const std::array<int, 8>& counts, bool& dynamite_found)
{
    const bool dynamite_field = squares[field].joker_type == dynamite;
    int removed = 0;
    int last = code_at(field);
    int p = field;
    for (;;) {
        const int code = walk_code(p, direction);
        if (!matches(code, last)) {
            break;
        }
        const int q = step(p, direction.vertical, direction.horizontal);
        if (counts[colour_of(code)] < row_length && !is_special(q)) {
            break;
        }
        p = q;
        queue_vanish(p);
        if (!is_special(p)) {
            last = code_at(p);
        }
        ++removed;
        Square& square = squares[p];
        if (square.joker_type == dynamite || dynamite_field) {
            square.joker_type = blast;
            dynamite_found = true;
        }
    }
    return removed;
}

bool Spielklasse::check_lines(int field)
{
    if (code_at(field) == empty_code || is_vanishing(field)) {
        return false;
    }
    if (selected != nullptr) {
        set_field(selected->Tag, rest_code(selected->color));
    }
    int removed = 0;
    bool diagonal = false;
    bool dynamite_found = false;
    std::array<bool, 8> sweep{};
    for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
        std::array<int, 8> counts{};
        tally_line(field, line, counts);
        if (holds_row(counts)) {
            int on_line = remove_run(field, lines[line].first, counts, dynamite_found);
            on_line += remove_run(field, lines[line].second, counts, dynamite_found);
            removed += on_line;
            diagonal = diagonal || (line >= 2 && on_line > 0);
        }
        if (dynamite_found) {
            for (int colour = 1; colour <= colour_count; ++colour) {
                sweep[colour] = sweep[colour] || counts[colour] >= row_length;
            }
        }
    }
    if (removed == 0) {
        return false;
    }
    stone_count -= removed + 1;
    add_points(removed + (diagonal ? 1 : 0));
    queue_vanish(field);
    if (dynamite_found) {
        for (int colour = 1; colour <= colour_count; ++colour) {
            if (sweep[colour]) {
                sweep_color(colour);
            }
        }
    }
    selected = nullptr;
    window.play_sound(2);
    return true;
}

void Spielklasse::queue_vanish(int field)
{
    busy = true;
    set_field(field, vanish_code(code_at(field)));
    vanish_queue.push(field);
    vanishing[field] = true;
}

void Spielklasse::sweep_color(int color)
{
    for (int n = 0; n < Kaestchen; ++n) {
        if (code_at(n) == color) {
            // The stone turns into a blast stone without a picture of its
            // own; queue_vanish shows its first blast frame.
            squares[n].color = special_stone;
            squares[n].joker_type = blast;
            queue_vanish(n);
            --stone_count;
        }
    }
}

void Spielklasse::add_points(int n)
{
    int points = 3;
    for (int i = 0; i <= n - 5; ++i) {
        points += i + 2;
    }
    const int old = score_display->get_value();
    if (old % 50 >= (old + points) % 50) {
        pending_extra += old / 50 + 1;
    }
    score_display->set_value(old + points);
}

bool Spielklasse::would_complete_row(int field)
{
    const int kept = code_at(field);
    squares[field].color = special_stone;
    bool result = false;
    std::array<int, 8> counts{};
    for (int line = 0; line < static_cast<int>(lines.size()) && !result; ++line) {
        tally_line(field, line, counts);
        result = holds_row(counts);
    }
    squares[field].color = kept;
    return result;
}

}  // namespace lumbra
