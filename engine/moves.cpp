// Selecting a ball, the squares it can reach, the path search and the travel.

#include "assertion.h"
#include "spiel.h"

namespace lumbra {
namespace {

constexpr int unreached = 10000;

// The orthogonal neighbours of n in the order up, down, left, right; -1
// where the board ends.
std::array<int, 4> orthogonal_neighbours(int n)
{
    return {n >= board_columns ? n - board_columns : -1,
            n + board_columns < Kaestchen ? n + board_columns : -1,
            n % board_columns != 0 ? n - 1 : -1,
            (n + 1) % board_columns != 0 ? n + 1 : -1};
}

}  // namespace

void Spielklasse::field_clicked(Square& square)
{
    LUMBRA_ASSERT(square.game==this);
    update_cursors();
    if (busy || !square.clickable) {
        return;
    }
    if (selected != nullptr && square.color == empty_code) {
        find_path(square.Tag);
        if (!path.is_empty()) {
            busy = true;
        }
        return;
    }
    if (square.color == empty_code) {
        return;
    }
    if (selected != nullptr) {
        set_field(selected->Tag, rest_code(selected->color));
    }
    selected = &square;
    clear_reachable();
    mark_reachable(square.Tag);
    update_cursors();
}

void Spielklasse::clear_reachable()
{
    for (Square& square : squares) {
        square.reachable = false;
    }
}

void Spielklasse::mark_reachable(int field)
{
    for (const int neighbour : orthogonal_neighbours(field)) {
        if (neighbour >= 0 && !squares[neighbour].reachable && code_at(neighbour) == empty_code) {
            squares[neighbour].reachable = true;
            mark_reachable(neighbour);
        }
    }
}

// A depth-first search with distance labels: it goes on after reaching the
// target and gives a square up only when it cannot be reached more cheaply,
// so it ends with a shortest route. Of several shortest routes it keeps the
// first one found, which the neighbour order up, down, left, right decides.
void Spielklasse::find_path(int target)
{
    LUMBRA_ASSERT(selected!=nullptr);
    int best = unreached;
    path.make_empty();
    const int start = selected->Tag;
    path.push(start);
    dist.fill(unreached);
    dist[start] = 0;
    while (!path.is_empty()) {
        const int top = path.item(1);
        const int depth = path.count() - 1;
        bool pushed = false;
        for (const int neighbour : orthogonal_neighbours(top)) {
            if (neighbour >= 0 && code_at(neighbour) == empty_code && dist[neighbour] > depth + 1) {
                path.push(neighbour);
                dist[neighbour] = depth + 1;
                pushed = true;
                break;
            }
        }
        if (!pushed) {
            path.pop();
        }
        if (!path.is_empty() && path.item(1) == target && path.count() - 1 < best) {
            best = path.count() - 1;
            best_route.copy(path);
        }
    }
    if (best == unreached) {
        window.play_sound(3);
        return;
    }
    // The search stack holds the target on top; the travel takes the start
    // square first.
    path.copy_reversed(best_route);
}

void Spielklasse::travel_step()
{
    if (busy && !path.is_empty() && selected != nullptr) {
        const int code = selected->color;
        const int kind = selected->joker_type;
        set_field(selected->Tag, empty_code);
        const int m = path.item(1);
        path.pop();
        selected = &squares[m];
        selected->joker_type = kind;
        set_field(m, code);
        if (path.is_empty()) {
            busy = false;
            if (!check_lines(m)) {
                drop_turn_stones();
            }
        }
    }
    update_cursors();
}

}  // namespace lumbra
