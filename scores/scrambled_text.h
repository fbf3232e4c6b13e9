#pragma once

#include <QString>

namespace lumbra {

// Adds 128 modulo 256 to every character code; its own inverse. Meant for
// texts whose characters are all below 256.
QString toggle_high_bits(const QString& text);

// The form in which a text is stored: toggle_high_bits of its UTF-8 bytes,
// one Latin-1 character per byte. ASCII text gets exactly the classic stored
// form, and a name in any script survives the round trip.
QString scrambled(const QString& plain);

// The inverse of scrambled(). A stored text that was edited by hand and is no
// longer valid comes back with replacement characters, never as a failure.
QString unscrambled(const QString& stored);

}  // namespace lumbra
