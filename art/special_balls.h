#pragma once

class QPainter;

namespace lumbra::art {

// The joker: a rainbow ball with a white star, plainly no colour of its own.
void paint_joker_body(QPainter& painter);

// The question ball: a pearl-white ball carrying a question mark.
void paint_quest_body(QPainter& painter);

}  // namespace lumbra::art
