#pragma once

#include <QString>

namespace lumbra {

class GraphicsLibrary;

// The tests a library passes before the window uses it. A library serves at
// start-up when "red0005" loads from it, and is taken by the command that
// loads additional graphics when "empty" and "red0005" load. Both also refuse
// a library whose pictures would not fit the window: each picture of the
// table that it holds must have its size, and its @2x twin twice that.
// `reason`, when given, receives a sentence for the log.
bool usable_at_startup(const GraphicsLibrary& library, QString* reason = nullptr);
bool usable_as_additional(const GraphicsLibrary& library, QString* reason = nullptr);

// The size part of both tests, measured from the files' headers.
bool pictures_have_their_sizes(const GraphicsLibrary& library, QString* reason = nullptr);

}  // namespace lumbra
