#include "settings_store.h"

#include <QSettings>
#include <QVariant>

#include "scrambled_text.h"

namespace lumbra {
namespace {

const QString group = QStringLiteral("set");

// 2.51 as the double of its single-precision value, little-endian; written
// once when the settings are created, never read.
const QByteArray version_bytes("\x00\x00\x00\xE0\x7A\x14\x04\x40", 8);

QSettings open_user_settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Hollowick"),
                     QStringLiteral("lumbra"));
}

QString value_name(int index)
{
    return QString::number(index + 1);
}

bool holds_number(const QString& text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

// Lines that are never repaired: 0 (reserved, left as stored), 11 (a file
// name) and 14, 15 (the saved board, which may be empty).
bool is_repaired(int index)
{
    return index != 0 && index != SettingsStore::additional_library &&
           index != SettingsStore::saved_kinds && index != SettingsStore::saved_colours;
}

}  // namespace

QStringList SettingsStore::first_run_lines(QPoint window_position)
{
    QStringList lines(line_count, QStringLiteral("0"));
    lines[sound_on] = QStringLiteral("1");
    lines[window_left] = QString::number(window_position.x());
    lines[window_top] = QString::number(window_position.y());
    lines[regular_mode] = QStringLiteral("1");
    lines[depth_warning] = QStringLiteral("1");
    lines[additional_library] = QStringLiteral("1");
    lines[speed] = QStringLiteral("1");
    lines[standard_cursor] = QStringLiteral("0");
    lines[saved_kinds] = QString();
    lines[saved_colours] = QString();
    lines[saved_score] = QStringLiteral("0");
    lines[autosave] = QStringLiteral("0");
    lines[saved_extra] = QStringLiteral("0");
    lines[autosave_notice] = QStringLiteral("1");
    return lines;
}

void SettingsStore::load(QPoint window_position)
{
    QSettings settings = open_user_settings();
    settings.beginGroup(group);
    if (settings.childKeys().isEmpty()) {
        settings.setValue(QStringLiteral("version"), version_bytes);
        const QStringList defaults = first_run_lines(window_position);
        for (int i = 0; i < line_count; ++i) {
            settings.setValue(value_name(i), scrambled(defaults[i]));
        }
        settings.sync();
    }

    lines_.clear();
    for (int i = 0; i < line_count; ++i) {
        // A value of another type than text (written by hand or by another
        // program) reads like a missing one, and the reading goes on.
        const QVariant value = settings.value(value_name(i));
        lines_.append(value.typeId() == QMetaType::QString ? unscrambled(value.toString()) : QString());
    }
    settings.endGroup();

    for (int i = 1; i < line_count; ++i) {
        if (is_repaired(i) && !holds_number(lines_[i])) {
            lines_[i] = QStringLiteral("1");
        }
    }
}

void SettingsStore::save() const
{
    QSettings settings = open_user_settings();
    settings.beginGroup(group);
    for (int i = 0; i < lines_.size(); ++i) {
        settings.setValue(value_name(i), scrambled(lines_[i]));
    }
    settings.endGroup();
    settings.sync();
}

QString SettingsStore::line(int index) const
{
    return index >= 0 && index < lines_.size() ? lines_[index] : QString();
}

int SettingsStore::number(int index) const
{
    return line(index).toInt();
}

void SettingsStore::set_line(int index, const QString& text)
{
    if (index >= 0 && index < lines_.size()) {
        lines_[index] = text;
    }
}

}  // namespace lumbra
