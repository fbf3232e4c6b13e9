#pragma once

#include <QSize>

#include <span>

class QDialog;
class QVBoxLayout;

namespace lumbra {

// Adds one label per line of text, in order, close together.
void add_text_lines(QVBoxLayout& column, std::span<const char* const> lines);

// Gives a dialog a fixed dialog border and its designed client size; a
// substituted font that needs more room widens it rather than cutting a line.
void fix_dialog_size(QDialog& dialog, QSize client_size);

}  // namespace lumbra
